#include "controls/MediaStyles.h"

#include "controls/MediaBitmapList.h"

namespace controls {

const TMediaBitmap* StyleBitmap(const TMediaBitmapList* list, int index) {
    const TMediaBitmap* bitmap = list ? list->Bitmap(index) : nullptr;
    return bitmap && !bitmap->IsEmpty() ? bitmap : nullptr;
}

int ClampBitmapIndex(const TMediaBitmapList* list, int index) {
    return list && index > list->Count() ? list->Count() : index;
}

void DrawBitmapPart(const TMediaBitmap& from, TMediaBitmap& to, TRect targetRect, TRect source,
                    TMediaTileStyle tileStyle) {
    if (tileStyle == TMediaTileStyle::etsTile)
        from.TileDraw(to, targetRect, source);
    else
        from.StretchDraw(to, targetRect, source);
}

} // namespace controls
