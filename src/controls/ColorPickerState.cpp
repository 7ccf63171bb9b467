#include "controls/ColorPickerState.h"

#include "controls/ColorPalette.h"

namespace controls {

namespace {

// The direct colour a value shows now, as 0x00BBGGRR.
TColor Resolved(TColor color) {
    TPixel pixel = ColorToPixel(color);
    return Channel(pixel, 16) | (Channel(pixel, 8) << 8) | (Channel(pixel, 0) << 16);
}

} // namespace

TColor TColorPickerState::SelectedColor() const {
    switch (selected_) {
    case piNoColor:
    case piSeparator:
        return clNone;
    case piDefaultColor:
        return DefaultColor;
    case piCustomColor:
    case piMoreColors:
        return CustomColor;
    default:
        return Palette()[selected_].color;
    }
}

void TColorPickerState::SetSelectedColor(TColor color) { Select(Match(color)); }

int TColorPickerState::Match(TColor color) {
    if (color == clNone)
        return piNoColor;
    TColor resolved = Resolved(color);
    if (Sections.defaultColor && resolved == Resolved(DefaultColor))
        return piDefaultColor;
    auto palette = Palette();
    // System colours match by number, so that a role is kept even while its
    // value equals a swatch.
    if (Sections.systemColors) {
        for (int i = kGridColorCount; i < kPaletteSize; ++i)
            if (palette[i].color == color)
                return i;
    }
    for (int i = 0; i < kGridColorCount; ++i)
        if (Resolved(palette[i].color) == resolved)
            return i;
    CustomColor = resolved;
    return piCustomColor;
}

void TColorPickerState::Select(int item) {
    if (item == selected_ && item != piCustomColor)
        return;
    selected_ = item;
    Repaint();
    if (OnChange)
        OnChange();
    if (item == piCustomColor && OnClick)
        OnClick();
}

void TColorPickerState::SetHover(int item) {
    if (item == hover_)
        return;
    hover_ = item;
    Repaint();
}

void TColorPickerState::Press(int item) {
    if (item == piSeparator)
        return;
    if (item == piMoreColors)
        ChooseCustomColor();
    else
        Select(item);
}

void TColorPickerState::DragOver(int item) {
    if (item != piMoreColors)
        Select(item);
}

void TColorPickerState::ChooseCustomColor() {
    SetHover(piNothing);
    if (!OnChooseCustomColor)
        return;
    if (std::optional<TColor> chosen = OnChooseCustomColor(SelectedColor())) {
        CustomColor = *chosen;
        Select(piCustomColor);
    }
}

void TColorPickerState::Repaint() const {
    if (OnRepaint)
        OnRepaint();
}

} // namespace controls
