#pragma once

#include "swf/Bitmap.h"
#include "swf/ColorTransform.h"
#include "swf/Dictionary.h"
#include "swf/Surface.h"
#include "swf/script/Object.h"

#include <cstdint>
#include <memory>
#include <optional>

namespace swf::script::geom {

// Pixels of a flash.display.BitmapData, premultiplied as the renderer keeps
// every bitmap, so that drawing one reuses the bitmap code.
class BitmapDataObject : public Object {
public:
    using Object::Object;

    // The largest size of each side and of the whole, by movie version.
    struct Limits {
        int Side;
        int64_t Area;
    };
    static Limits LimitsFor(int version);

    bool Disposed() const { return disposed_; }
    void Dispose();
    void Create(int width, int height, bool transparent, uint32_t argb);
    const Bitmap& Pixels() const { return *bitmap_; }
    // The pixels themselves, for fills that show what the bitmap holds
    // whenever they are drawn (after dispose: nothing).
    std::shared_ptr<const Bitmap> SharedPixels() const { return bitmap_; }
    // A rectangle the size of the bitmap filled with its shared pixels, one
    // pixel per 20 twips: what attachBitmap shows and draw copies.
    std::shared_ptr<const Character> Picture(bool smoothing) const;
    // The pixels as a target the renderer draws into.
    Surface Target() { return {bitmap_->Pixels.data(), bitmap_->Width, bitmap_->Height, bitmap_->Width}; }
    bool Transparent() const { return !bitmap_->Opaque; }
    int Width() const { return bitmap_->Width; }
    int Height() const { return bitmap_->Height; }
    bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < bitmap_->Width && y < bitmap_->Height; }

    // Straight 0xAARRGGBB as scripts see it.
    uint32_t Get(int x, int y) const;
    // Stores a straight colour; opaque bitmaps keep their alpha at 255.
    void Set(int x, int y, uint32_t argb);
    // The stored premultiplied word. threshold, pixelDissolve and the copies
    // move these unchanged, alpha included even in an opaque bitmap, as the
    // plug-in does.
    uint32_t Raw(int x, int y) const { return bitmap_->At(x, y); }
    void SetRaw(int x, int y, uint32_t premultiplied) {
        bitmap_->Pixels[size_t(y) * size_t(bitmap_->Width) + size_t(x)] = premultiplied;
    }
    // Becomes a copy of a decoded image (loadBitmap).
    void Load(const Bitmap& image) { *bitmap_ = image; }
    // Takes every stored word of a bitmap of the same size.
    void CopyFrom(const BitmapDataObject& other) { bitmap_->Pixels = other.bitmap_->Pixels; }
    // Fills the part of the rectangle inside the bitmap.
    void Fill(int x, int y, int width, int height, uint32_t argb);

private:
    std::shared_ptr<Bitmap> bitmap_ = std::make_shared<Bitmap>();
    bool disposed_ = false;
};

// Straight colour of a premultiplied pixel, as the plug-in rounds it.
uint32_t UnpremultiplyDown(uint32_t premultiplied);

} // namespace swf::script::geom
