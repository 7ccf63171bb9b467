#pragma once

#include "ui/Handles.h"
#include "ui/WinControl.h"

#include <functional>

namespace ui {

// A check box with a caption, drawn over its parent's colour. OnClick runs
// whenever the state changes, by a click or by code, and only then.
class CheckBox : public WinControl {
public:
    CheckBox() { TabStop = true; }

    bool Checked() const { return checked_; }
    void SetChecked(bool checked);
    std::function<void()> OnClick;

protected:
    CreateParams GetCreateParams() const override;
    void HandleCreated() override;
    bool HandleReflected(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

private:
    bool checked_ = false;
    BrushHandle background_;
};

} // namespace ui
