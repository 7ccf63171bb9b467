#include "swf/Paint.h"

#include "swf/BitmapPaint.h"
#include "swf/GradientPaint.h"

#include <algorithm>

namespace swf {

void SolidPaint::Shade(int, int, int count, uint32_t* out) const { std::fill_n(out, count, argb_); }

std::unique_ptr<Paint> MakePaint(const FillStyle& fill, const PaintContext& context) {
    Matrix toDevice = context.ShapeToDevice.Then(fill.Transform);
    Matrix inverse;
    if (fill.Kind == FillKind::Solid)
        return std::make_unique<SolidPaint>(Premultiply(context.Colors.Apply(fill.Color)));
    if (fill.Kind == FillKind::Bitmap) {
        const Bitmap* bitmap = fill.Image        ? fill.Image.get()
                               : context.Bitmaps ? (*context.Bitmaps)(fill.BitmapId)
                                                 : nullptr;
        if (!bitmap || bitmap->Width <= 0 || bitmap->Height <= 0 || !toDevice.Invert(inverse))
            return std::make_unique<SolidPaint>(0);
        bool smooth = fill.Smooth && SmoothsBitmaps(context.Level);
        return std::make_unique<BitmapPaint>(*bitmap, inverse, context.Colors, fill.Repeat, smooth);
    }
    if (!toDevice.Invert(inverse)) {
        // A gradient squeezed to nothing shows its last colour.
        Rgba last = fill.Grad.Stops.empty() ? Rgba{} : fill.Grad.Stops.back().Color;
        return std::make_unique<SolidPaint>(Premultiply(context.Colors.Apply(last)));
    }
    return std::make_unique<GradientPaint>(fill, inverse, context.Colors);
}

} // namespace swf
