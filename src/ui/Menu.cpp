#include "ui/Menu.h"

#include "ui/Application.h"

namespace ui {
namespace {

UINT NextMenuId() {
    static UINT next = 1000;
    return next++;
}

MenuItem* FindIn(const std::vector<std::unique_ptr<MenuItem>>& items, const auto& matches) {
    for (auto& item : items) {
        if (matches(*item))
            return item.get();
        if (MenuItem* found = FindIn(item->Items(), matches))
            return found;
    }
    return nullptr;
}

} // namespace

MenuItem::MenuItem(Menu& root, std::wstring name) : root_(root), name_(std::move(name)), id_(NextMenuId()) {}

MenuItem::~MenuItem() {
    items_.clear();
    if (submenu_)
        DestroyMenu(submenu_);
}

MenuItem& MenuItem::Add(std::wstring name) {
    if (!submenu_)
        submenu_ = CreatePopupMenu();
    items_.push_back(std::make_unique<MenuItem>(root_, std::move(name)));
    Changed();
    return *items_.back();
}

void MenuItem::ActionChanged(const Action& action) {
    checked_ = action.Checked();
    enabled_ = action.Enabled();
    visible_ = action.Visible();
    Changed();
}

void MenuItem::SetCaption(std::wstring caption) {
    caption_ = std::move(caption);
    Changed();
}

std::wstring MenuItem::Text() const {
    std::wstring text = caption_.empty() && LinkedAction() ? LinkedAction()->Caption : caption_;
    if (LinkedAction() && LinkedAction()->Shortcut)
        text += L"\t" + ShortCutText(LinkedAction()->Shortcut);
    return text;
}

void MenuItem::SetChecked(bool checked) {
    checked_ = checked;
    Changed();
}

void MenuItem::SetVisible(bool visible) {
    visible_ = visible;
    Changed();
}

void MenuItem::Click() {
    if (LinkedAction())
        LinkedAction()->Execute();
    else if (OnClick)
        OnClick();
}

void MenuItem::Changed() { root_.Changed(); }

Menu::Menu(Kind kind) : kind_(kind) {}

Menu::~Menu() {
    items_.clear();
    if (handle_)
        DestroyMenu(handle_);
}

MenuItem& Menu::Add(std::wstring name) {
    items_.push_back(std::make_unique<MenuItem>(*this, std::move(name)));
    Changed();
    return *items_.back();
}

MenuItem* Menu::Find(const std::wstring& name) const {
    return FindIn(items_, [&](const MenuItem& item) { return item.Name() == name; });
}

MenuItem* Menu::FindById(UINT id) const {
    return FindIn(items_, [&](const MenuItem& item) { return item.Id() == id; });
}

HMENU Menu::Handle() {
    if (!handle_) {
        handle_ = kind_ == Kind::Bar ? CreateMenu() : CreatePopupMenu();
        Fill(handle_, items_);
    }
    return handle_;
}

void Menu::Changed() {
    if (!handle_)
        return;
    Fill(handle_, items_);
    if (OnChange)
        OnChange();
}

// Rebuilds a native menu from the entries that are visible now. Submenus are
// removed, not destroyed: their entries own them.
void Menu::Fill(HMENU menu, const std::vector<std::unique_ptr<MenuItem>>& items) {
    while (GetMenuItemCount(menu) > 0)
        RemoveMenu(menu, 0, MF_BYPOSITION);
    UINT position = 0;
    for (auto& item : items) {
        if (!item->Visible())
            continue;
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        std::wstring text = item->Text();
        if (item->IsSeparator()) {
            info.fMask = MIIM_FTYPE;
            info.fType = MFT_SEPARATOR;
        } else {
            info.fMask = MIIM_ID | MIIM_STRING | MIIM_STATE | MIIM_SUBMENU;
            info.wID = item->Id();
            info.dwTypeData = text.data();
            info.fState = (item->Checked() ? MFS_CHECKED : 0) | (item->Enabled() ? 0 : MFS_DISABLED);
            info.hSubMenu = item->SubmenuHandle();
            if (info.hSubMenu)
                Fill(info.hSubMenu, item->Items());
        }
        InsertMenuItemW(menu, position++, TRUE, &info);
    }
}

void Menu::Popup(int x, int y, HWND owner) {
    UINT flags = TPM_RETURNCMD | TPM_NONOTIFY | TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON;
    if (AnimateLeftToRight)
        flags |= TPM_HORPOSANIMATION;
    if (OnPopup)
        OnPopup();
    SetForegroundWindow(owner);
    UINT id = static_cast<UINT>(TrackPopupMenuEx(Handle(), flags, x, y, owner, nullptr));
    PostMessageW(owner, WM_NULL, 0, 0); // lets the menu close properly
    if (MenuItem* item = id ? FindById(id) : nullptr)
        item->Click();
}

} // namespace ui
