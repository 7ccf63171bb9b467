#include "controls/MediaBackground.h"

#include "controls/PlasmaTexture.h"

#include <algorithm>

namespace controls {

namespace {

int ClampCentre(int percent) { return std::clamp(percent, 10, 90); }

} // namespace

void TMediaBackground::ApplyStyle() {
    if (style_ != TMediaBackgroundStyle::ebsPlasma) {
        plasma_.reset();
        return;
    }
    auto texture = std::make_unique<TMediaBitmap>();
    TPlasmaTexture::Generate(*texture, color_, gradientOrPlasmaColor_, random_);
    plasma_ = std::move(texture);
}

void TMediaBackground::SetStyle(TMediaBackgroundStyle style) {
    style_ = style;
    ApplyStyle();
    Changed();
}

void TMediaBackground::SetColor(TColor color) {
    color_ = color;
    ApplyStyle();
    Changed();
}

void TMediaBackground::SetGradientOrPlasmaColor(TColor color) {
    gradientOrPlasmaColor_ = color;
    ApplyStyle();
    Changed();
}

void TMediaBackground::SetBitmapIndex(int index) { Set(bitmapIndex_, ClampBitmapIndex(bitmaps_, index)); }

void TMediaBackground::SetGradientCenterX(int percent) { Set(centre_.x, ClampCentre(percent)); }

void TMediaBackground::SetGradientCenterY(int percent) { Set(centre_.y, ClampCentre(percent)); }

void TMediaBackground::Assign(const TMediaBackground& other) {
    color_ = other.color_;
    gradientOrPlasmaColor_ = other.gradientOrPlasmaColor_;
    bitmaps_ = other.bitmaps_;
    bitmapIndex_ = other.bitmapIndex_;
    gradientStyle_ = other.gradientStyle_;
    gradientDirection_ = other.gradientDirection_;
    tileStyle_ = other.tileStyle_;
    centre_ = other.centre_;
    SetStyle(other.style_);
}

void TMediaBackground::Draw(TMediaBitmap& target, TRect rect) const {
    switch (style_) {
    case TMediaBackgroundStyle::ebsColor:
        target.FillRect(rect, color_);
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
    if (const TMediaBitmap* bitmap = StyleBitmap(bitmaps_, bitmapIndex_))
        DrawBitmapPart(*bitmap, target, rect, bitmap->Bounds(), tileStyle_);
}

void TMediaBackground::DrawGradient(TMediaBitmap& target, TRect rect) const {
    if (gradientStyle_ == TMediaGradientStyle::egsLinear)
        target.DrawLinearGradient(rect, color_, gradientOrPlasmaColor_,
                                  gradientDirection_ == TMediaGradientDirection::egdVertical);
    else
        target.DrawRadialGradient(rect, color_, centre_, gradientOrPlasmaColor_);
}

} // namespace controls
