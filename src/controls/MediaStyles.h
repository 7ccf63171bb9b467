#pragma once

namespace controls {

enum class TMediaBackgroundStyle { ebsColor, ebsBitmap, ebsGradient, ebsPlasma };
enum class TMediaGradientStyle { egsLinear, egsRadial };
enum class TMediaGradientDirection { egdVertical, egdHorizontal };
enum class TMediaTileStyle { etsTile, etsStretch };
enum class TMediaBorderStyle { ebsSingleBorder, ebsBitmapBorder };

class TMediaBitmap;
class TMediaBitmapList;
struct TRect;

// The bitmap of a style: `index` of `list`, when the list is assigned, the
// index is in range and the bitmap has pixels; none otherwise.
const TMediaBitmap* StyleBitmap(const TMediaBitmapList* list, int index);

// What a style's BitmapIndex setter stores: a value beyond the assigned
// list's count is cut to the count (which then draws nothing).
int ClampBitmapIndex(const TMediaBitmapList* list, int index);

// Copies `source` of `from` into `targetRect` of `to`: side by side for
// etsTile, scaled for etsStretch.
void DrawBitmapPart(const TMediaBitmap& from, TMediaBitmap& to, TRect targetRect, TRect source,
                    TMediaTileStyle tileStyle);

} // namespace controls
