#include "ui/Action.h"

#include <algorithm>

namespace ui {
namespace {

std::wstring KeyName(uint32_t vk) {
    if ((vk >= '0' && vk <= '9') || (vk >= 'A' && vk <= 'Z'))
        return std::wstring(1, static_cast<wchar_t>(vk));
    if (vk >= 0x70 && vk <= 0x87) // F1..F24
        return L"F" + std::to_wstring(vk - 0x6F);
    switch (vk) {
    case 0x08:
        return L"BkSp";
    case 0x09:
        return L"Tab";
    case 0x0D:
        return L"Enter";
    case 0x1B:
        return L"Esc";
    case 0x20:
        return L"Space";
    case 0x21:
        return L"PgUp";
    case 0x22:
        return L"PgDn";
    case 0x23:
        return L"End";
    case 0x24:
        return L"Home";
    case 0x25:
        return L"Left";
    case 0x26:
        return L"Up";
    case 0x27:
        return L"Right";
    case 0x28:
        return L"Down";
    case 0x2D:
        return L"Ins";
    case 0x2E:
        return L"Del";
    default:
        return L"";
    }
}

} // namespace

std::wstring ShortCutText(ShortCut shortcut) {
    std::wstring key = KeyName(shortcut & 0xFF);
    if (key.empty())
        return L"";
    std::wstring text;
    if (shortcut & scShift)
        text += L"Shift+";
    if (shortcut & scCtrl)
        text += L"Ctrl+";
    if (shortcut & scAlt)
        text += L"Alt+";
    return text + key;
}

void Action::SetChecked(bool checked) {
    if (checked_ == checked)
        return;
    checked_ = checked;
    Changed();
}

void Action::SetEnabled(bool enabled) {
    if (enabled_ == enabled)
        return;
    enabled_ = enabled;
    Changed();
}

void Action::SetVisible(bool visible) {
    if (visible_ == visible)
        return;
    visible_ = visible;
    Changed();
}

bool Action::Execute() {
    if (!enabled_)
        return false;
    if (AutoCheck)
        SetChecked(!checked_);
    if (!OnExecute)
        return false;
    OnExecute();
    return true;
}

void ActionView::LinkAction(Action* action) {
    if (linked_)
        linked_->RemoveView(*this);
    linked_ = action;
    if (linked_) {
        linked_->AddView(*this);
        ActionChanged(*linked_);
    }
}

void Action::RemoveView(ActionView& view) { std::erase(views_, &view); }

void Action::Changed() {
    for (ActionView* view : views_)
        view->ActionChanged(*this);
}

Action& ActionList::Add(std::wstring name) {
    actions_.push_back(std::make_unique<Action>(std::move(name)));
    return *actions_.back();
}

Action* ActionList::FindShortCut(ShortCut shortcut) const {
    auto it =
        std::find_if(actions_.begin(), actions_.end(), [&](auto& a) { return a->Shortcut == shortcut; });
    return it == actions_.end() ? nullptr : it->get();
}

Action* ActionList::Find(const std::wstring& name) const {
    auto it = std::find_if(actions_.begin(), actions_.end(), [&](auto& a) { return a->Name() == name; });
    return it == actions_.end() ? nullptr : it->get();
}

} // namespace ui
