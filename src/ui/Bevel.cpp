#include "ui/Bevel.h"

#include "ui/Handles.h"

namespace ui {

void Bevel::PaintWindow(HDC dc, const RECT& dirty) {
    PaintBackground(dc, dirty);
    RECT line{0, 0, ClientWidth(), 2};
    DrawEdge(dc, &line, EDGE_ETCHED, BF_TOP);
}

} // namespace ui
