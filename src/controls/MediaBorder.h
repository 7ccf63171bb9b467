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
    TMediaBorderStyle Style() const { return f_.style; }
    void SetStyle(TMediaBorderStyle style) { Set(f_.style, style); }
    TColor Color() const { return f_.color; }
    void SetColor(TColor color) { Set(f_.color, color); }
    int Width() const { return f_.width; }
    void SetWidth(int width) { Set(f_.width, width); }
    int BitmapMarginX() const { return f_.marginX; }
    void SetBitmapMarginX(int margin) { Set(f_.marginX, margin); }
    int BitmapMarginY() const { return f_.marginY; }
    void SetBitmapMarginY(int margin) { Set(f_.marginY, margin); }

    const TMediaBitmapList* Bitmaps() const { return f_.bitmaps; }
    void SetBitmaps(const TMediaBitmapList* bitmaps) { f_.bitmaps = bitmaps; }
    int BitmapIndex() const { return f_.bitmapIndex; }
    void SetBitmapIndex(int index);
    TMediaTileStyle BitmapTileStyle() const { return f_.tileStyle; }
    void SetBitmapTileStyle(TMediaTileStyle style) { Set(f_.tileStyle, style); }

    // Takes the other style's fields (not its OnChange).
    void Assign(const TMediaBorder& other);
    void Draw(TMediaBitmap& target, TRect rect) const;

private:
    void DrawFrame(TMediaBitmap& target, TRect rect) const;
    void DrawBitmapFrame(TMediaBitmap& target, TRect rect) const;

    // The stored properties, copied whole by Assign.
    struct TFields {
        TMediaBorderStyle style = TMediaBorderStyle::ebsSingleBorder;
        TColor color = clBlack;
        int width = 1;
        int marginX = 3;
        int marginY = 3;
        const TMediaBitmapList* bitmaps = nullptr;
        int bitmapIndex = -1;
        TMediaTileStyle tileStyle = TMediaTileStyle::etsTile;
    } f_;
};

} // namespace controls
