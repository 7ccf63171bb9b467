#pragma once

#include "swf/Bitmap.h"
#include "swf/ColorTransform.h"
#include "swf/Matrix.h"
#include "swf/Quality.h"
#include "swf/Shape.h"

#include <memory>

namespace swf {

// The colour source of one fill: premultiplied pixels for a run of a row.
class Paint {
public:
    virtual ~Paint() = default;
    virtual void Shade(int x, int y, int count, uint32_t* out) const = 0;
};

class SolidPaint : public Paint {
public:
    explicit SolidPaint(uint32_t argb) : argb_(argb) {}
    void Shade(int x, int y, int count, uint32_t* out) const override;

private:
    uint32_t argb_;
};

struct PaintContext {
    Matrix ShapeToDevice;
    ColorTransform Colors;
    Quality Level = Quality::High;
    const BitmapLookup* Bitmaps = nullptr;
};

// The paint of a fill style drawn through the given transforms. A fill that
// cannot be painted (a missing bitmap, a collapsed matrix) gets a paint of
// its own kind that draws nothing or a flat colour, as the plug-in does.
std::unique_ptr<Paint> MakePaint(const FillStyle& fill, const PaintContext& context);

} // namespace swf
