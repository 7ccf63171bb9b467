#include "swf/script/geom/BitmapDataObject.h"

#include <algorithm>

namespace swf::script::geom {

BitmapDataObject::Limits BitmapDataObject::LimitsFor(int version) {
    if (version <= 9)
        return {2880, int64_t(2880) * 2880};
    return {8191, 16777215};
}

void BitmapDataObject::Dispose() {
    *bitmap_ = Bitmap{};
    disposed_ = true;
}

void BitmapDataObject::Create(int width, int height, bool transparent, uint32_t argb) {
    bitmap_->Width = width;
    bitmap_->Height = height;
    bitmap_->Opaque = !transparent;
    bitmap_->Pixels.assign(size_t(width) * size_t(height), 0);
    Fill(0, 0, width, height, argb);
}

// The picture shows what the BitmapData holds whenever it is drawn, and
// nothing once it is disposed.
std::shared_ptr<const Character> BitmapDataObject::Picture(bool smoothing) const {
    Shape shape;
    FillStyle fill;
    fill.Kind = FillKind::Bitmap;
    fill.Image = bitmap_;
    fill.Transform = Matrix::Scale(20, 20);
    fill.Repeat = false;
    fill.Smooth = smoothing;
    shape.Fills.push_back(fill);
    int32_t w = Width() * 20, h = Height() * 20;
    shape.Bounds = {0, w, 0, h};
    Path box;
    box.Fill1 = 1;
    for (Point p : {Point{double(w), 0}, Point{double(w), double(h)}, Point{0, double(h)}, Point{0, 0}})
        box.Segments.push_back({{}, p, false});
    shape.Paths.push_back(std::move(box));
    return std::make_shared<const Character>(std::make_shared<const DrawableShape>(std::move(shape)));
}

uint32_t UnpremultiplyDown(uint32_t p) {
    uint32_t a = p >> 24;
    if (a == 0)
        return 0;
    // Halves round down: 220.5 is 220, 56.67 is 57, and exact quotients stay
    // (255 at alpha 1).
    auto un = [a](uint32_t v) { return std::min<uint32_t>(255, (2 * v * 255 + a - 1) / (2 * a)); };
    return a << 24 | un(p >> 16 & 0xFF) << 16 | un(p >> 8 & 0xFF) << 8 | un(p & 0xFF);
}

uint32_t BitmapDataObject::Get(int x, int y) const {
    // An opaque bitmap's words are read as they are: threshold and
    // pixelDissolve may leave alpha below 255 in them.
    return bitmap_->Opaque ? bitmap_->At(x, y) : UnpremultiplyDown(bitmap_->At(x, y));
}

void BitmapDataObject::Set(int x, int y, uint32_t argb) {
    if (bitmap_->Opaque)
        argb |= 0xFF000000;
    Rgba c{uint8_t(argb >> 16), uint8_t(argb >> 8), uint8_t(argb), uint8_t(argb >> 24)};
    bitmap_->Pixels[size_t(y) * size_t(bitmap_->Width) + size_t(x)] = Premultiply(c);
}

void BitmapDataObject::Fill(int x, int y, int width, int height, uint32_t argb) {
    int x0 = std::max(x, 0), y0 = std::max(y, 0);
    int x1 = std::min<int64_t>(int64_t(x) + width, bitmap_->Width),
        y1 = std::min<int64_t>(int64_t(y) + height, bitmap_->Height);
    for (int j = y0; j < y1; ++j)
        for (int i = x0; i < x1; ++i)
            Set(i, j, argb);
}

} // namespace swf::script::geom
