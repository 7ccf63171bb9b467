#pragma once

#include "swf/DisplayObject.h"
#include "swf/filters/FilterImage.h"

#include <cstdint>
#include <optional>
#include <unordered_map>

namespace swf {

// Keeps the finished layers of filtered and cached objects from one frame to
// the next, so an object whose content, filters and matrix (apart from
// translation) stay the same is not drawn and filtered again. Layers are
// kept before the colour transform, which is applied on every use.
class LayerCache {
public:
    // What decides the picture of `object` drawn through `toDevice` at
    // this quality: none when the object may change without its fields
    // showing it (text fields, which scripts edit).
    static std::optional<uint64_t> SignatureOf(const DisplayObject& object, const Matrix& toDevice,
                                               int quality);

    // The layer kept for the object under the same signature, moved by the
    // whole pixels its translation moved; null when there is none or the
    // translation moved by a fraction of a pixel.
    const FilterImage* Find(const DisplayObject& object, uint64_t signature, const Matrix& toDevice);
    void Store(const DisplayObject& object, uint64_t signature, const Matrix& toDevice, FilterImage image);

    // Forgets the layers of objects not drawn since the last call.
    void EndFrame();

private:
    struct Entry {
        uint64_t Signature = 0;
        double Tx = 0, Ty = 0;
        FilterImage Image;
        bool Used = true;
    };

    // Layers beyond this many pixels in all are not kept (256 MB).
    static constexpr size_t MaxPixels = size_t(64) << 20;

    std::unordered_map<const DisplayObject*, Entry> entries_;
    size_t pixels_ = 0;
};

} // namespace swf
