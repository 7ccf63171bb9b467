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

    TMediaBackgroundStyle Style() const { return f_.style; }
    void SetStyle(TMediaBackgroundStyle style);
    TColor Color() const { return f_.color; }
    void SetColor(TColor color);
    TColor GradientOrPlasmaColor() const { return f_.gradientOrPlasmaColor; }
    void SetGradientOrPlasmaColor(TColor color);

    // Not owned; the style keeps the reference until it is set again.
    const TMediaBitmapList* Bitmaps() const { return f_.bitmaps; }
    void SetBitmaps(const TMediaBitmapList* bitmaps) { Set(f_.bitmaps, bitmaps); }
    int BitmapIndex() const { return f_.bitmapIndex; }
    void SetBitmapIndex(int index);
    TMediaTileStyle BitmapTileStyle() const { return f_.tileStyle; }
    void SetBitmapTileStyle(TMediaTileStyle style) { Set(f_.tileStyle, style); }

    TMediaGradientStyle GradientStyle() const { return f_.gradientStyle; }
    void SetGradientStyle(TMediaGradientStyle style) { Set(f_.gradientStyle, style); }
    TMediaGradientDirection GradientDirection() const { return f_.gradientDirection; }
    void SetGradientDirection(TMediaGradientDirection direction) { Set(f_.gradientDirection, direction); }
    // Percent of the rectangle, kept within 10..90.
    int GradientCenterX() const { return f_.centre.x; }
    void SetGradientCenterX(int percent);
    int GradientCenterY() const { return f_.centre.y; }
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
    // The stored properties, copied whole by Assign.
    struct TFields {
        TMediaBackgroundStyle style = TMediaBackgroundStyle::ebsColor;
        TColor color = clWindow;
        TColor gradientOrPlasmaColor = clHighlight;
        const TMediaBitmapList* bitmaps = nullptr;
        int bitmapIndex = -1;
        TMediaGradientStyle gradientStyle = TMediaGradientStyle::egsLinear;
        TMediaGradientDirection gradientDirection = TMediaGradientDirection::egdVertical;
        TMediaTileStyle tileStyle = TMediaTileStyle::etsTile;
        TPoint centre{50, 50};
    } f_;
    std::unique_ptr<TMediaBitmap> plasma_;
};

} // namespace controls
