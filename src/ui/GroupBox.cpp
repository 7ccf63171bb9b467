#include "ui/GroupBox.h"

#include "ui/Handles.h"

namespace ui {

void GroupBox::PaintWindow(HDC dc, const RECT& dirty) {
    PaintBackground(dc, dirty);
    SelectObjectScope font(dc, FontFor(Font()));
    SIZE extent{};
    GetTextExtentPoint32W(dc, Text().c_str(), static_cast<int>(Text().size()), &extent);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ColorToRgb(Font().Color));
    TextOutW(dc, 0, 0, Text().c_str(), static_cast<int>(Text().size()));
    // The line runs on from the caption at the middle of its height.
    RECT line{extent.cx + 4, extent.cy / 2, ClientWidth(), extent.cy / 2 + 2};
    if (line.left < line.right)
        DrawEdge(dc, &line, EDGE_ETCHED, BF_TOP);
}

} // namespace ui
