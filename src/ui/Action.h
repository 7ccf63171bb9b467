#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace ui {

// Key combination: virtual-key code with modifier bits.
using ShortCut = uint32_t;
inline constexpr ShortCut scShift = 0x2000, scCtrl = 0x4000, scAlt = 0x8000;

// How a shortcut reads in a menu: "Ctrl+O", "F11", "Esc".
std::wstring ShortCutText(ShortCut shortcut);

class Action;

// Something that shows an action (a menu item, a toolbar button) and must
// follow its caption, checked and enabled state.
class ActionView {
public:
    virtual void ActionChanged(const Action& action) = 0;

    Action* LinkedAction() const { return linked_; }
    // Follows another action (or none), and takes on its state at once.
    void LinkAction(Action* action);

protected:
    ActionView() = default;
    ~ActionView() { LinkAction(nullptr); }
    ActionView(const ActionView&) = delete;
    ActionView& operator=(const ActionView&) = delete;

private:
    Action* linked_ = nullptr;
};

// A named command: the single source of truth for its caption, check mark
// and availability. Menu items and buttons are views of it.
class Action {
public:
    explicit Action(std::wstring name) : name_(std::move(name)) {}

    const std::wstring& Name() const { return name_; }

    std::wstring Caption;
    std::wstring Category;
    std::wstring Hint;
    ShortCut Shortcut = 0;
    int ImageIndex = -1;
    bool AutoCheck = false;
    std::function<void()> OnExecute;

    bool Checked() const { return checked_; }
    void SetChecked(bool checked); // never runs the handler
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    bool Visible() const { return visible_; }
    void SetVisible(bool visible);

    // Enabled with AutoCheck: the check flips first. Enabled with a handler:
    // the handler runs. Returns whether the handler ran.
    bool Execute();

    void AddView(ActionView& view) { views_.push_back(&view); }
    void RemoveView(ActionView& view);

private:
    void Changed();

    std::wstring name_;
    bool checked_ = false;
    bool enabled_ = true;
    bool visible_ = true;
    std::vector<ActionView*> views_;
};

// The commands of one window.
class ActionList {
public:
    Action& Add(std::wstring name);
    Action* Find(const std::wstring& name) const;
    Action* FindShortCut(ShortCut shortcut) const;
    const std::vector<std::unique_ptr<Action>>& Actions() const { return actions_; }

private:
    std::vector<std::unique_ptr<Action>> actions_;
};

} // namespace ui
