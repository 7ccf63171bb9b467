#pragma once

#include "ui/Handles.h"
#include "ui/WinControl.h"

#include <functional>

namespace ui {

// A push button with a caption.
class Button : public WinControl {
public:
    Button() { TabStop = true; }

    void Click();
    std::function<void()> OnClick;

protected:
    CreateParams GetCreateParams() const override;
    bool HandleReflected(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;
};

// A button showing a glyph and no caption. It has no tab stop, so a click
// leaves the keyboard focus where it was.
class BitBtn : public Button {
public:
    BitBtn() { TabStop = false; }

    // Takes ownership of the glyph icon.
    void SetGlyph(IconHandle glyph);

protected:
    CreateParams GetCreateParams() const override;
    void HandleCreated() override;

private:
    IconHandle glyph_;
};

// A button that never takes the keyboard focus; it reports presses and
// releases as well as clicks (volume buttons act while held).
class SpeedButton : public BitBtn {
public:
    SpeedButton() = default;

    std::function<void()> OnMouseDown;
    std::function<void()> OnMouseUp;

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;
};

} // namespace ui
