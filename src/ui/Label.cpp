#include "ui/Label.h"

#include "ui/Handles.h"

namespace ui {

WinControl::CreateParams Label::GetCreateParams() const {
    CreateParams cp;
    cp.ClassName = L"STATIC";
    cp.Style = WS_CHILD | WS_CLIPSIBLINGS | SS_LEFT | SS_NOPREFIX;
    return cp;
}

void Label::SetCaption(std::wstring caption) {
    SetText(std::move(caption));
    FitToText();
    Invalidate();
}

void Label::AppearanceChanged() {
    FitToText();
    WinControl::AppearanceChanged();
}

void Label::FitToText() {
    if (!AutoSize)
        return;
    HDC screen = GetDC(nullptr);
    SIZE extent{};
    TEXTMETRICW tm{};
    {
        SelectObjectScope font(screen, FontFor(Font()));
        GetTextExtentPoint32W(screen, Text().c_str(), static_cast<int>(Text().size()), &extent);
        GetTextMetricsW(screen, &tm);
    }
    ReleaseDC(nullptr, screen);
    SetBounds({Left(), Top(), static_cast<int>(extent.cx), static_cast<int>(tm.tmHeight)});
}

void Label::PaintLabel(HDC dc) {
    RECT client{0, 0, Width(), Height()};
    if (Parent()) {
        int saved = SaveDC(dc);
        OffsetViewportOrgEx(dc, -Left(), -Top(), nullptr);
        RECT inParent{Left(), Top(), Left() + Width(), Top() + Height()};
        Parent()->PaintBackground(dc, inParent);
        RestoreDC(dc, saved);
    }
    SelectObjectScope font(dc, FontFor(Font()));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ColorToRgb(Enabled() ? Font().Color : clBtnShadow));
    DrawTextW(dc, Text().c_str(), static_cast<int>(Text().size()), &client,
              DT_LEFT | DT_NOPREFIX | DT_SINGLELINE);
}

LRESULT Label::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: {
        PaintScope paint(HandleIfCreated());
        PaintLabel(paint.Dc());
        return 0;
    }
    case WM_PRINTCLIENT:
        PaintLabel(reinterpret_cast<HDC>(wp));
        return 0;
    }
    return WinControl::HandleMessage(msg, wp, lp);
}

} // namespace ui
