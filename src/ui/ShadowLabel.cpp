#include "ui/ShadowLabel.h"

namespace ui {

void ShadowLabel::PaintWindow(HDC dc, const RECT&) {
    RECT client{0, 0, ClientWidth(), ClientHeight()};
    if (Parent()) {
        int saved = SaveDC(dc);
        OffsetViewportOrgEx(dc, -Left(), -Top(), nullptr);
        RECT inParent{Left(), Top(), GetBounds().Right(), GetBounds().Bottom()};
        Parent()->PaintBackground(dc, inParent);
        RestoreDC(dc, saved);
    }
    HFONT font = FontFor(Font());
    if (Underline) {
        if (!underlined_) {
            LOGFONTW lf{};
            GetObjectW(font, sizeof lf, &lf);
            lf.lfUnderline = TRUE;
            underlined_.reset(CreateFontIndirectW(&lf));
        }
        font = underlined_.get();
    }
    SelectObjectScope select(dc, font);
    SetBkMode(dc, TRANSPARENT);
    const UINT format = DT_LEFT | DT_NOPREFIX | DT_SINGLELINE;
    if (ShadowColor != clNone) {
        RECT shadow = client;
        OffsetRect(&shadow, ShadowDepth, ShadowDepth);
        SetTextColor(dc, ColorToRgb(ShadowColor));
        DrawTextW(dc, Text().c_str(), static_cast<int>(Text().size()), &shadow, format);
    }
    SetTextColor(dc, ColorToRgb(TextColor()));
    DrawTextW(dc, Text().c_str(), static_cast<int>(Text().size()), &client, format);
}

} // namespace ui
