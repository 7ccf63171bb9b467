#pragma once

#include "ui/Action.h"

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace ui {

class Control;
class Menu;

// An entry of a menu: a view of its action (caption, shortcut, check mark,
// availability), or a plain entry with its own click handler. A caption of
// "-" makes a separator.
class MenuItem : public ActionView {
public:
    MenuItem(Menu& root, std::wstring name);
    ~MenuItem();

    const std::wstring& Name() const { return name_; }
    MenuItem& Add(std::wstring name); // makes this entry a submenu

    void SetAction(Action* action) { LinkAction(action); }
    Action* GetAction() const { return LinkedAction(); }
    // Own caption; when empty the action's caption shows.
    void SetCaption(std::wstring caption);
    std::wstring Text() const; // caption, then a tab and the shortcut

    // The entry's own mark: the action sets it when its state changes, and
    // code may set a differing one that stays until the two agree again.
    bool Checked() const { return checked_; }
    void SetChecked(bool checked);
    bool Enabled() const { return enabled_; }
    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    bool IsSeparator() const { return caption_ == L"-"; }

    std::function<void()> OnClick;
    void Click();

    const std::vector<std::unique_ptr<MenuItem>>& Items() const { return items_; }
    UINT Id() const { return id_; }
    HMENU SubmenuHandle() const { return submenu_; }

private:
    friend class Menu;
    void ActionChanged(const Action& action) override;
    void Changed();

    Menu& root_;
    std::wstring name_;
    UINT id_;
    std::wstring caption_;
    bool checked_ = false;
    bool enabled_ = true;
    bool visible_ = true;
    std::vector<std::unique_ptr<MenuItem>> items_;
    HMENU submenu_ = nullptr;
};

// A menu bar or a popup menu with its tree of entries. The native menu is
// rebuilt whenever an entry changes.
class Menu {
public:
    enum class Kind { Bar, Popup };
    explicit Menu(Kind kind);
    ~Menu();
    Menu(const Menu&) = delete;
    Menu& operator=(const Menu&) = delete;

    MenuItem& Add(std::wstring name);
    const std::vector<std::unique_ptr<MenuItem>>& Items() const { return items_; }
    MenuItem* Find(const std::wstring& name) const;
    MenuItem* FindById(UINT id) const;

    HMENU Handle();
    // Called after the native menu changed (the form redraws its bar).
    std::function<void()> OnChange;

    // Popup menus: open at a screen point and run the chosen entry. The
    // control the menu was opened for is PopupComponent meanwhile.
    bool AnimateLeftToRight = false;
    Control* PopupComponent = nullptr;
    std::function<void()> OnPopup; // just before the menu opens
    void Popup(int x, int y, HWND owner);

private:
    friend class MenuItem;
    void Changed();
    static void Fill(HMENU menu, const std::vector<std::unique_ptr<MenuItem>>& items);

    Kind kind_;
    HMENU handle_ = nullptr;
    std::vector<std::unique_ptr<MenuItem>> items_;
};

} // namespace ui
