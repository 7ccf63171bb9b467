#include "ui/Action.h"

#include <algorithm>

namespace ui {

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

void Action::RemoveView(ActionView& view) { std::erase(views_, &view); }

void Action::Changed() {
    for (ActionView* view : views_)
        view->ActionChanged(*this);
}

Action& ActionList::Add(std::wstring name) {
    actions_.push_back(std::make_unique<Action>(std::move(name)));
    return *actions_.back();
}

Action* ActionList::Find(const std::wstring& name) const {
    auto it = std::find_if(actions_.begin(), actions_.end(), [&](auto& a) { return a->Name() == name; });
    return it == actions_.end() ? nullptr : it->get();
}

} // namespace ui
