#include "controls/MediaBackground.h"

#include "controls/PlasmaTexture.h"

#include <algorithm>

namespace controls {

namespace {

int ClampCentre(int percent) { return std::clamp(percent, 10, 90); }

} // namespace

void TMediaBackground::ApplyStyle() {
    if (f_.style != TMediaBackgroundStyle::ebsPlasma) {
        plasma_.reset();
        return;
    }
    auto texture = std::make_unique<TMediaBitmap>();
    TPlasmaTexture::Generate(*texture, f_.color, f_.gradientOrPlasmaColor, random_);
    plasma_ = std::move(texture);
}

void TMediaBackground::SetStyle(TMediaBackgroundStyle style) {
    f_.style = style;
    ApplyStyle();
    Changed();
}

void TMediaBackground::SetColor(TColor color) {
    f_.color = color;
    ApplyStyle();
    Changed();
}

void TMediaBackground::SetGradientOrPlasmaColor(TColor color) {
    f_.gradientOrPlasmaColor = color;
    ApplyStyle();
    Changed();
}

void TMediaBackground::SetBitmapIndex(int index) { Set(f_.bitmapIndex, ClampBitmapIndex(f_.bitmaps, index)); }

void TMediaBackground::SetGradientCenterX(int percent) { Set(f_.centre.x, ClampCentre(percent)); }

void TMediaBackground::SetGradientCenterY(int percent) { Set(f_.centre.y, ClampCentre(percent)); }

void TMediaBackground::Assign(const TMediaBackground& other) {
    f_ = other.f_;
    ApplyStyle();
    Changed();
}

void TMediaBackground::Draw(TMediaBitmap& target, TRect rect) const {
    switch (f_.style) {
    case TMediaBackgroundStyle::ebsColor:
        target.FillRect(rect, f_.color);
        break;
    case TMediaBackgroundStyle::ebsBitmap:
        DrawBitmap(target, rect);
        break;
    case TMediaBackgroundStyle::ebsGradient:
        DrawGradient(target, rect);
        break;
    case TMediaBackgroundStyle::ebsPlasma:
        if (plasma_)
            plasma_->TileDraw(target, rect, plasma_->Bounds());
        break;
    }
}

void TMediaBackground::DrawBitmap(TMediaBitmap& target, TRect rect) const {
    if (const TMediaBitmap* bitmap = StyleBitmap(f_.bitmaps, f_.bitmapIndex))
        DrawBitmapPart(*bitmap, target, rect, bitmap->Bounds(), f_.tileStyle);
}

void TMediaBackground::DrawGradient(TMediaBitmap& target, TRect rect) const {
    if (f_.gradientStyle == TMediaGradientStyle::egsLinear)
        target.DrawLinearGradient(rect, f_.color, f_.gradientOrPlasmaColor,
                                  f_.gradientDirection == TMediaGradientDirection::egdVertical);
    else
        target.DrawRadialGradient(rect, f_.color, f_.centre, f_.gradientOrPlasmaColor);
}

} // namespace controls
