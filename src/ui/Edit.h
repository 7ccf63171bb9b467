#pragma once

#include "ui/WinControl.h"

namespace ui {

// A single-line edit field. The main window keeps transient values as text
// in hidden ones.
class Edit : public WinControl {
public:
    Edit() = default;

protected:
    CreateParams GetCreateParams() const override;
    bool HandleReflected(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;
};

} // namespace ui
