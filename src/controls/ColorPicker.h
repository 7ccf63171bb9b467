#pragma once

#include "controls/ColorGridLayout.h"
#include "controls/ColorPickerState.h"
#include "controls/FramedControl.h"
#include "controls/HintWindow.h"
#include "controls/WindowHook.h"

#include <array>
#include <functional>

namespace controls {

// A windowless grid of 40 colour swatches in a sunken frame. The user picks
// a swatch with the mouse (pressing, or dragging across the grid); every
// change of the selection raises OnChange. It takes the mouse messages of
// the window it is painted on through a hook, since it has none of its own.
class TColorPicker : public TFramedControl {
public:
    TColorPicker();

    // No colour (clNone) until a swatch is picked or a colour is set.
    ui::TColor SelectedColor() const { return state_.SelectedColor(); }
    void SetSelectedColor(ui::TColor color) { state_.SetSelectedColor(color); }
    // The selected and the hovered item: 0..39 the swatches, 40..69 the
    // system colours, negative the TPickerItem values.
    int SelectedItem() const { return state_.Selected(); }
    int HoverItem() const { return state_.Hover(); }

    std::function<void()> OnChange;
    // Raised when the custom colour is selected.
    std::function<void()> OnClick;

    bool ShowColorHints = true;
    const THintWindow& Hint() const { return hint_; }

    bool ShowNoColor() const { return state_.Sections.noColor; }
    void SetShowNoColor(bool show) { ChangeSections(&TPickerSections::noColor, show); }
    bool ShowDefaultColor() const { return state_.Sections.defaultColor; }
    void SetShowDefaultColor(bool show) { ChangeSections(&TPickerSections::defaultColor, show); }
    bool ShowCustomColor() const { return state_.Sections.customColor; }
    void SetShowCustomColor(bool show) { ChangeSections(&TPickerSections::customColor, show); }
    bool ShowSystemColors() const { return state_.Sections.systemColors; }
    void SetShowSystemColors(bool show) { ChangeSections(&TPickerSections::systemColors, show); }

    ui::TColor DefaultColor() const { return state_.DefaultColor; }
    void SetDefaultColor(ui::TColor color);
    ui::TColor CustomColor() const { return state_.CustomColor; }
    void SetCustomColor(ui::TColor color);

    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool autoSize);

    void Paint(HDC dc) override;

protected:
    void PaintClient(TMediaBitmap& picture) override;
    void FrameChanged() override;
    void BoundsChanged() override;

private:
    TColorGridLayout Layout() const;
    int FontHeight() const;
    void ApplyVisualStyles();
    void UpdateSize();
    void ChangeSections(bool TPickerSections::*section, bool show);
    void AttachToParent();

    std::optional<LRESULT> HandleParentMessage(UINT msg, WPARAM wp, LPARAM lp);
    std::optional<LRESULT> MouseDown(POINT at);
    std::optional<LRESULT> MouseMove(POINT at, WPARAM keys);
    std::optional<LRESULT> MouseUp();
    void MouseLeft();
    bool Contains(POINT at) const;
    int HitTest(POINT at) const;
    void ShowHintFor(int item);
    std::optional<ui::TColor> AskForColor(ui::TColor start);

    TColorPickerState state_;
    TWindowHook hook_;
    THintWindow hint_;
    bool autoSize_ = true;
    bool dragging_ = false;
    bool trackingLeave_ = false;
    std::array<COLORREF, 16> customColors_{};
};

} // namespace controls
