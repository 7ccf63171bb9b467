#include "controls/ColorPicker.h"

#include "controls/ColorGridPainter.h"
#include "controls/ColorPalette.h"
#include "controls/DibPixelSurface.h"
#include "controls/VisualStyles.h"
#include "ui/Text.h"

#include <commdlg.h>
#include <windowsx.h>

namespace controls {

namespace {

// Where a hint goes, from the bottom-left corner of the cell under the mouse.
constexpr POINT kHintOffset{4, 12};

POINT PointOf(LPARAM lp) { return {GET_X_LPARAM(lp), GET_Y_LPARAM(lp)}; }

void PaintThemedCellState(TMediaBitmap& picture, TRect cell, TCellState state) {
    RECT rect{cell.left, cell.top, cell.right, cell.bottom};
    if (!DrawThemedToolButton(BitmapDc(picture), rect, state == TCellState::Selected))
        PaintPlainCellState(picture, cell, state);
    // The swatch is written into the pixels next; GDI must be done first.
    GdiFlush();
}

} // namespace

TColorPicker::TColorPicker()
    : hook_(reinterpret_cast<UINT_PTR>(this),
            [this](UINT msg, WPARAM wp, LPARAM lp) { return HandleParentMessage(msg, wp, lp); }) {
    SetBorderOuter(TFrameStyleEx::fsLowered);
    SetBorderWidth(2);
    SetBorderColor(clWindow);
    SetColor(clWindow);
    ApplyVisualStyles();
    state_.OnChange = [this] {
        if (OnChange)
            OnChange();
    };
    state_.OnClick = [this] {
        if (OnClick)
            OnClick();
    };
    state_.OnRepaint = [this] { Repaint(); };
    state_.OnChooseCustomColor = [this](ui::TColor start) { return AskForColor(start); };
    UpdateSize();
}

// With visual styles the sunken frame would look foreign: a flat line in
// the colour of the style's edit boxes replaces it.
void TColorPicker::ApplyVisualStyles() {
    if (!VisualStylesActive())
        return;
    SetBorderOuter(TFrameStyleEx::fsFlat);
    SetFlatColor(ThemedEditBorderColor().value_or(clBtnShadow));
    SetFlatColorAdjustment(0);
}

void TColorPicker::SetDefaultColor(ui::TColor color) {
    state_.DefaultColor = color;
    if (ShowDefaultColor())
        Repaint();
}

void TColorPicker::SetCustomColor(ui::TColor color) {
    state_.CustomColor = color;
    if (ShowCustomColor())
        Repaint();
}

void TColorPicker::SetAutoSize(bool autoSize) {
    autoSize_ = autoSize;
    UpdateSize();
}

void TColorPicker::ChangeSections(bool TPickerSections::*section, bool show) {
    if (state_.Sections.*section == show)
        return;
    state_.Sections.*section = show;
    UpdateSize();
    Repaint();
}

int TColorPicker::FontHeight() const {
    if (state_.Sections == TPickerSections{})
        return 0; // only the sections are measured by the font
    HDC screen = GetDC(nullptr);
    HGDIOBJ previous = SelectObject(screen, ui::FontFor(Font()));
    TEXTMETRICW metrics{};
    GetTextMetricsW(screen, &metrics);
    SelectObject(screen, previous);
    ReleaseDC(nullptr, screen);
    return metrics.tmHeight;
}

TColorGridLayout TColorPicker::Layout() const {
    return TColorGridLayout({Width(), Height()}, ClientRect(), state_.Sections, FontHeight());
}

void TColorPicker::UpdateSize() {
    if (!autoSize_)
        return;
    TRect client = ClientRect();
    TPoint size = TColorGridLayout::AutoSize({client.left, client.top}, state_.Sections, FontHeight());
    SetBounds({Left(), Top(), size.x, size.y});
}

void TColorPicker::FrameChanged() {
    UpdateSize();
    Repaint();
}

void TColorPicker::BoundsChanged() {
    hint_.Hide();
    UpdateSize();
}

void TColorPicker::Paint(HDC dc) {
    AttachToParent();
    TFramedControl::Paint(dc);
}

void TColorPicker::PaintClient(TMediaBitmap& picture) {
    TCellStatePainter painter = VisualStylesActive() ? PaintThemedCellState : PaintPlainCellState;
    PaintColorGrid(picture, Layout(), state_, ClientRect(), Color(), painter);
}

// The parent's window exists by the time it paints us, and it is the one
// the mouse messages arrive at.
void TColorPicker::AttachToParent() {
    if (HWND window = Parent() ? Parent()->HandleIfCreated() : nullptr)
        hook_.Install(window);
}

std::optional<LRESULT> TColorPicker::HandleParentMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        return MouseDown(PointOf(lp));
    case WM_MOUSEMOVE:
        return MouseMove(PointOf(lp), wp);
    case WM_LBUTTONUP:
        return MouseUp();
    case WM_CAPTURECHANGED:
        dragging_ = false;
        break;
    case WM_MOUSELEAVE:
        trackingLeave_ = false;
        MouseLeft();
        break;
    }
    return std::nullopt;
}

bool TColorPicker::Contains(POINT at) const {
    return Visible() && at.x >= Left() && at.y >= Top() && at.x < Left() + Width() && at.y < Top() + Height();
}

int TColorPicker::HitTest(POINT at) const { return Layout().HitTest({at.x - Left(), at.y - Top()}); }

std::optional<LRESULT> TColorPicker::MouseDown(POINT at) {
    if (!Enabled() || !Contains(at))
        return std::nullopt;
    hint_.Hide();
    int item = HitTest(at);
    // The colour dialog is modal; it must not find us dragging.
    if (item != piMoreColors) {
        dragging_ = true;
        SetCapture(hook_.Window());
    }
    state_.Press(item);
    return 0;
}

std::optional<LRESULT> TColorPicker::MouseMove(POINT at, WPARAM keys) {
    if (dragging_ && (keys & MK_LBUTTON)) {
        state_.DragOver(HitTest(at));
        return 0;
    }
    dragging_ = false;
    if (!Enabled() || !Contains(at)) {
        MouseLeft();
        return std::nullopt;
    }
    if (!trackingLeave_) {
        TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, hook_.Window(), 0};
        trackingLeave_ = TrackMouseEvent(&track);
    }
    int item = HitTest(at);
    if (item != state_.Hover()) {
        state_.MoveOver(item);
        ShowHintFor(item);
    }
    return std::nullopt;
}

std::optional<LRESULT> TColorPicker::MouseUp() {
    if (!dragging_)
        return std::nullopt;
    dragging_ = false;
    ReleaseCapture();
    return 0;
}

void TColorPicker::MouseLeft() {
    hint_.Hide();
    state_.Leave();
}

void TColorPicker::ShowHintFor(int item) {
    if (!ShowColorHints || item < 0 || item >= Layout().ItemCount()) {
        hint_.Hide();
        return;
    }
    TRect cell = Layout().HitCell(item);
    POINT at{Left() + cell.left + kHintOffset.x, Top() + cell.bottom + kHintOffset.y};
    ClientToScreen(hook_.Window(), &at);
    hint_.Show(hook_.Window(), at, ui::Widen(Palette()[item].name));
}

std::optional<ui::TColor> TColorPicker::AskForColor(ui::TColor start) {
    CHOOSECOLORW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = hook_.Window();
    dialog.rgbResult = ui::ColorToRgb(start);
    dialog.lpCustColors = customColors_.data();
    dialog.Flags = CC_RGBINIT | CC_FULLOPEN;
    if (!ChooseColorW(&dialog))
        return std::nullopt;
    return dialog.rgbResult;
}

} // namespace controls
