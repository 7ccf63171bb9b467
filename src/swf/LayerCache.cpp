#include "swf/LayerCache.h"

#include "swf/Drawing.h"
#include "swf/Timeline.h"

#include <cmath>
#include <cstring>

namespace swf {
namespace {

// FNV-1a over the bytes of the fields that decide a picture.
class Hash {
public:
    template <class T> void Add(const T& value) {
        unsigned char bytes[sizeof(T)];
        std::memcpy(bytes, &value, sizeof(T));
        for (unsigned char b : bytes)
            value_ = (value_ ^ b) * 1099511628211ull;
    }
    uint64_t Value() const { return value_; }

private:
    uint64_t value_ = 14695981039346656037ull;
};

bool AddContent(Hash& hash, const DisplayObject& object);

// Children count with their placement and colours; the object itself only
// by its content: its placement is in the matrix the layer is drawn
// through, its colour transform is applied to the kept layer.
bool AddList(Hash& hash, const DisplayList& list) {
    for (const auto& [depth, child] : list) {
        hash.Add(depth);
        for (double v : {child.Transform.A, child.Transform.B, child.Transform.C, child.Transform.D,
                         child.Transform.Tx, child.Transform.Ty})
            hash.Add(v);
        for (float v : {child.Colors.MulR, child.Colors.MulG, child.Colors.MulB, child.Colors.MulA,
                        child.Colors.AddR, child.Colors.AddG, child.Colors.AddB, child.Colors.AddA})
            hash.Add(v);
        if (!AddContent(hash, child))
            return false;
    }
    return true;
}

bool AddContent(Hash& hash, const DisplayObject& object) {
    // Text fields and bitmaps of scripts change without a trace in the list.
    if (object.Own ||
        (object.Definition && std::holds_alternative<std::shared_ptr<const EditText>>(*object.Definition)))
        return false;
    hash.Add(object.Definition);
    hash.Add(object.Ratio);
    hash.Add(object.ClipDepth);
    hash.Add(object.Blend);
    hash.Add(object.Filters.get());
    hash.Add(object.Visible);
    hash.Add(object.Background.has_value());
    const Drawing* drawn = object.Clip ? object.Clip->Drawn() : nullptr;
    if (drawn && drawn->SharesPixels())
        return false;
    hash.Add(drawn ? drawn->Revision() : 0);
    return !object.Clip || AddList(hash, object.Clip->Objects());
}

// The part of a translation below a whole pixel, in 1/64 pixel.
int64_t Fraction(double v) { return std::llround((v - std::floor(v)) * 64) % 64; }

} // namespace

std::optional<uint64_t> LayerCache::SignatureOf(const DisplayObject& object, const Matrix& toDevice,
                                                int quality) {
    Hash hash;
    if (!AddContent(hash, object))
        return std::nullopt;
    for (double v : {toDevice.A, toDevice.B, toDevice.C, toDevice.D})
        hash.Add(v);
    hash.Add(Fraction(toDevice.Tx));
    hash.Add(Fraction(toDevice.Ty));
    hash.Add(quality);
    return hash.Value();
}

const FilterImage* LayerCache::Find(const DisplayObject& object, uint64_t signature, const Matrix& toDevice) {
    auto it = entries_.find(&object);
    if (it == entries_.end() || it->second.Signature != signature)
        return nullptr;
    Entry& e = it->second;
    double dx = toDevice.Tx - e.Tx, dy = toDevice.Ty - e.Ty;
    if (std::abs(dx - std::round(dx)) > 1.0 / 128 || std::abs(dy - std::round(dy)) > 1.0 / 128)
        return nullptr;
    e.Image.Left += int(std::lround(dx));
    e.Image.Top += int(std::lround(dy));
    e.Tx = toDevice.Tx;
    e.Ty = toDevice.Ty;
    e.Used = true;
    return &e.Image;
}

void LayerCache::Store(const DisplayObject& object, uint64_t signature, const Matrix& toDevice,
                       FilterImage image) {
    auto old = entries_.find(&object);
    if (old != entries_.end()) {
        pixels_ -= old->second.Image.Pixels.size();
        entries_.erase(old);
    }
    if (pixels_ + image.Pixels.size() > MaxPixels)
        return;
    pixels_ += image.Pixels.size();
    entries_[&object] = {signature, toDevice.Tx, toDevice.Ty, std::move(image), true};
}

void LayerCache::EndFrame() {
    for (auto it = entries_.begin(); it != entries_.end();) {
        if (it->second.Used) {
            it->second.Used = false;
            ++it;
        } else {
            pixels_ -= it->second.Image.Pixels.size();
            it = entries_.erase(it);
        }
    }
}

} // namespace swf
