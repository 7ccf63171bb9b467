#include "ui/WindowDescription.h"

#include "ui/Label.h"

namespace ui {
namespace {

void Apply(const ControlDescription& d, Control& c) {
    c.SetName(d.Name);
    c.SetBounds(d.Place);
    c.SetVisible(d.Visible);
    if (d.Hint)
        c.Hint = d.Hint;
    c.ShowHint = d.ShowHint;
    if (d.Color)
        c.SetColor(*d.Color);
    else
        c.SetParentColor(true);
    if (d.Font)
        c.SetFont(*d.Font);
    if (d.Text) {
        if (auto* label = dynamic_cast<Label*>(&c))
            label->SetCaption(d.Text);
        else if (auto* win = dynamic_cast<WinControl*>(&c))
            win->SetText(d.Text);
    }
    if (d.Setup)
        d.Setup(c);
}

} // namespace

void WindowBuilder::Build(WinControl& window, std::span<const ControlDescription> description) {
    for (const ControlDescription& d : description) {
        WinControl* parent = &window;
        if (d.Parent) {
            parent = dynamic_cast<WinControl*>(Find(d.Parent));
            if (!parent)
                throw std::logic_error("window description names an unknown parent");
        }
        std::unique_ptr<Control> control = d.Make();
        Apply(d, *control);
        Control& placed = parent->Adopt(std::move(control));
        placed.SetAlign(d.Align);
        controls_[d.Name] = &placed;
    }
}

Control* WindowBuilder::Find(const std::wstring& name) const {
    auto it = controls_.find(name);
    return it == controls_.end() ? nullptr : it->second;
}

} // namespace ui
