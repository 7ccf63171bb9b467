#pragma once

#include "controls/Color.h"
#include "controls/MediaBitmap.h"
#include "controls/MediaStyles.h"
#include "controls/Random.h"
#include "controls/StyleObject.h"

#include <memory>

namespace controls {

// The fill style of a rectangle: a colour, a bitmap, a linear or radial
// gradient, or a random plasma texture. Every setter raises OnChange.
class TMediaBackground : public TStyleObject {
public:
    explicit TMediaBackground(TRandom& random = TRandom::Shared()) : random_(random) {}

    TMediaBackgroundStyle Style() const { return style_; }
    void SetStyle(TMediaBackgroundStyle style);
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    TColor GradientOrPlasmaColor() const { return gradientOrPlasmaColor_; }
    void SetGradientOrPlasmaColor(TColor color);

    // Not owned; the style keeps the reference until it is set again.
    const TMediaBitmapList* Bitmaps() const { return bitmaps_; }
    void SetBitmaps(const TMediaBitmapList* bitmaps) { Set(bitmaps_, bitmaps); }
    int BitmapIndex() const { return bitmapIndex_; }
    void SetBitmapIndex(int index);
    TMediaTileStyle BitmapTileStyle() const { return tileStyle_; }
    void SetBitmapTileStyle(TMediaTileStyle style) { Set(tileStyle_, style); }

    TMediaGradientStyle GradientStyle() const { return gradientStyle_; }
    void SetGradientStyle(TMediaGradientStyle style) { Set(gradientStyle_, style); }
    TMediaGradientDirection GradientDirection() const { return gradientDirection_; }
    void SetGradientDirection(TMediaGradientDirection direction) { Set(gradientDirection_, direction); }
    // Percent of the rectangle, kept within 10..90.
    int GradientCenterX() const { return centre_.x; }
    void SetGradientCenterX(int percent);
    int GradientCenterY() const { return centre_.y; }
    void SetGradientCenterY(int percent);

    // Present only while Style is ebsPlasma.
    const TMediaBitmap* PlasmaTexture() const { return plasma_.get(); }

    // Takes the other style's fields (not its OnChange).
    void Assign(const TMediaBackground& other);
    void Draw(TMediaBitmap& target, TRect rect) const;

private:
    void ApplyStyle();
    void DrawBitmap(TMediaBitmap& target, TRect rect) const;
    void DrawGradient(TMediaBitmap& target, TRect rect) const;

    TRandom& random_;
    TMediaBackgroundStyle style_ = TMediaBackgroundStyle::ebsColor;
    TColor color_ = clWindow;
    TColor gradientOrPlasmaColor_ = clHighlight;
    const TMediaBitmapList* bitmaps_ = nullptr;
    int bitmapIndex_ = -1;
    TMediaGradientStyle gradientStyle_ = TMediaGradientStyle::egsLinear;
    TMediaGradientDirection gradientDirection_ = TMediaGradientDirection::egdVertical;
    TMediaTileStyle tileStyle_ = TMediaTileStyle::etsTile;
    TPoint centre_{50, 50};
    std::unique_ptr<TMediaBitmap> plasma_;
};

} // namespace controls
