#pragma once

#include "controls/Color.h"
#include "controls/MediaBitmap.h"
#include "controls/MediaStyles.h"
#include "controls/StyleObject.h"

namespace controls {

// The frame style of a rectangle: a plain frame `Width` pixels thick inside
// the rectangle, or a frame of the edges and corners of a bitmap. Every
// setter but SetBitmaps raises OnChange.
class TMediaBorder : public TStyleObject {
public:
    TMediaBorderStyle Style() const { return style_; }
    void SetStyle(TMediaBorderStyle style) { Set(style_, style); }
    TColor Color() const { return color_; }
    void SetColor(TColor color) { Set(color_, color); }
    int Width() const { return width_; }
    void SetWidth(int width) { Set(width_, width); }
    int BitmapMarginX() const { return marginX_; }
    void SetBitmapMarginX(int margin) { Set(marginX_, margin); }
    int BitmapMarginY() const { return marginY_; }
    void SetBitmapMarginY(int margin) { Set(marginY_, margin); }

    const TMediaBitmapList* Bitmaps() const { return bitmaps_; }
    void SetBitmaps(const TMediaBitmapList* bitmaps) { bitmaps_ = bitmaps; }
    int BitmapIndex() const { return bitmapIndex_; }
    void SetBitmapIndex(int index);
    TMediaTileStyle BitmapTileStyle() const { return tileStyle_; }
    void SetBitmapTileStyle(TMediaTileStyle style) { Set(tileStyle_, style); }

    // Takes the other style's fields (not its OnChange).
    void Assign(const TMediaBorder& other);
    void Draw(TMediaBitmap& target, TRect rect) const;

private:
    void DrawFrame(TMediaBitmap& target, TRect rect) const;
    void DrawBitmapFrame(TMediaBitmap& target, TRect rect) const;

    TMediaBorderStyle style_ = TMediaBorderStyle::ebsSingleBorder;
    TColor color_ = clBlack;
    int width_ = 1;
    int marginX_ = 3;
    int marginY_ = 3;
    const TMediaBitmapList* bitmaps_ = nullptr;
    int bitmapIndex_ = -1;
    TMediaTileStyle tileStyle_ = TMediaTileStyle::etsTile;
};

} // namespace controls
