#pragma once

#include "ui/Control.h"
#include "ui/WinControl.h"

#include <map>
#include <memory>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>

namespace ui {

// One control of a window's description: its kind, place in the tree and
// design-time properties. Windows are described by constant tables of these.
struct ControlDescription {
    const wchar_t* Name = L"";
    const wchar_t* Parent = nullptr; // null: the window itself
    std::unique_ptr<Control> (*Make)() = nullptr;
    Bounds Place{};
    ui::Align Align = ui::Align::None;
    bool Visible = true;
    const wchar_t* Text = nullptr;
    const wchar_t* Hint = nullptr;
    bool ShowHint = false;
    std::optional<TColor> Color{}; // unset: the parent's colour
    const FontSpec* Font = nullptr;
    // Properties of the control's own kind, applied last.
    void (*Setup)(Control&) = nullptr;
};

template <class T> std::unique_ptr<Control> Make() { return std::make_unique<T>(); }

// Builds the controls of a description into a window and finds them by name.
class WindowBuilder {
public:
    // Controls are created in table order; a parent must come before its
    // children.
    void Build(WinControl& window, std::span<const ControlDescription> description);

    template <class T> T& Get(const std::wstring& name) const {
        auto* control = dynamic_cast<T*>(Find(name));
        if (!control)
            throw std::logic_error("window description lacks a control of the expected kind");
        return *control;
    }

private:
    Control* Find(const std::wstring& name) const;
    std::map<std::wstring, Control*> controls_;
};

} // namespace ui
