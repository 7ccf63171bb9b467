#include "swf/script/Builtins.h"
#include "swf/script/Vm.h"
#include "swf/script/geom/BitmapDataArgs.h"
#include "swf/script/geom/BitmapDataMethods.h"

#include <array>
#include <functional>
#include <string>

namespace swf::script::geom {
namespace {

using builtins::Arg;
using namespace bitmap_args;

// Visits the copied region: the destination's pixel and the source's word
// read before the copy began.
void ForEach(const CopyArgs& copy, const std::function<void(int x, int y, uint32_t word)>& visit) {
    const CopyRegion& r = copy.Region;
    size_t i = 0;
    for (int y = 0; y < r.From.Height; ++y)
        for (int x = 0; x < r.From.Width; ++x)
            visit(r.ToX + x, r.ToY + y, copy.Words[i++]);
}

// The test threshold makes; names it does not know compare with "<".
std::function<bool(uint32_t, uint32_t)> Operation(const std::string& name) {
    if (name == "<=")
        return std::less_equal<uint32_t>();
    if (name == ">")
        return std::greater<uint32_t>();
    if (name == ">=")
        return std::greater_equal<uint32_t>();
    if (name == "==")
        return std::equal_to<uint32_t>();
    if (name == "!=")
        return std::not_equal_to<uint32_t>();
    return std::less<uint32_t>();
}

// threshold(source, rectangle, point, operation, threshold [, colour, mask,
// copySource]): the source's stored (premultiplied) words are masked and
// compared; those that pass take the colour, the others the source's word
// when copySource is set. Answers how many passed.
Value Threshold(Vm& vm, const Value& self, std::span<const Value> args) {
    BitmapDataObject* b = AsBitmap(self);
    if (!b || args.size() < 5)
        return Failed;
    CopyArgs copy = ReadCopy(vm, *b, args);
    if (copy.Error != 0)
        return copy.Error;
    auto test = Operation(vm.ToString(args[3]));
    uint32_t mask = args.size() > 6 ? Color(vm, args[6]) : 0xFFFFFFFF;
    uint32_t threshold = Color(vm, args[4]) & mask;
    uint32_t color = args.size() > 5 ? Color(vm, args[5]) : 0;
    uint32_t word =
        Premultiply({uint8_t(color >> 16), uint8_t(color >> 8), uint8_t(color), uint8_t(color >> 24)});
    bool copySource = args.size() > 7 && vm.ToBoolean(args[7]);
    double passed = 0;
    ForEach(copy, [&](int x, int y, uint32_t source) {
        if (test(source & mask, threshold)) {
            b->SetRaw(x, y, word);
            ++passed;
        } else if (copySource) {
            b->SetRaw(x, y, source);
        }
    });
    return passed;
}

uint32_t Scale(uint32_t word, uint32_t alpha) {
    uint32_t out = 0;
    for (int shift : {0, 8, 16, 24})
        out |= ((word >> shift & 0xFF) * alpha + 127) / 255 << shift;
    return out;
}

// Source over destination, both premultiplied.
uint32_t Over(uint32_t source, uint32_t destination) {
    return source + Scale(destination, 255 - (source >> 24));
}

// copyPixels(source, rectangle, point [, alphaBitmap, alphaPoint,
// mergeAlpha]): the alpha bitmap's alpha (from its point, lined up with the
// rectangle's corner) scales the source; mergeAlpha lays the source over
// what is there instead of replacing it.
void CopyPixels(Vm& vm, BitmapDataObject* b, const CopyArgs& copy, std::span<const Value> args) {
    const BitmapDataObject* alpha = AsBitmap(Arg(args, 3));
    auto alphaAt = ReadPoint(vm, Arg(args, 4)).value_or(std::pair{0, 0});
    bool merge = args.size() > 5 && vm.ToBoolean(args[5]);
    int alphaX = alphaAt.first - copy.Region.ToX, alphaY = alphaAt.second - copy.Region.ToY;
    ForEach(copy, [&](int x, int y, uint32_t source) {
        if (alpha) {
            int ax = x + alphaX, ay = y + alphaY;
            source = Scale(source, alpha->Inside(ax, ay) ? alpha->Raw(ax, ay) >> 24 : 0);
        }
        if (merge)
            source = Over(source, b->Raw(x, y));
        if (b->Transparent())
            b->SetRaw(x, y, source);
        else
            b->Set(x, y, UnpremultiplyDown(source));
    });
}

// Straight channels of a colour, blue first.
std::array<uint32_t, 4> Channels(uint32_t argb) {
    return {argb & 0xFF, argb >> 8 & 0xFF, argb >> 16 & 0xFF, argb >> 24};
}

// Straight colour of a source word as the plug-in reads it.
uint32_t Straight(const BitmapDataObject& source, uint32_t word) {
    return source.Transparent() ? UnpremultiplyDown(word) : word | 0xFF000000;
}

// merge(source, rectangle, point, red, green, blue, alpha multipliers):
// each channel goes from the destination's towards the source's by
// multiplier/256.
void Merge(Vm& vm, BitmapDataObject* b, const CopyArgs& copy, std::span<const Value> args) {
    // Blue, green, red, alpha, as Channels lists them.
    std::array<int64_t, 4> weight{Coordinate(vm, args[5]), Coordinate(vm, args[4]), Coordinate(vm, args[3]),
                                  Coordinate(vm, args[6])};
    ForEach(copy, [&](int x, int y, uint32_t word) {
        auto from = Channels(Straight(*copy.Source, word)), to = Channels(b->Get(x, y));
        uint32_t out = 0;
        for (size_t c = 0; c < 4; ++c) {
            int64_t mixed = (int64_t(from[c]) * weight[c] + int64_t(to[c]) * (256 - weight[c])) / 256;
            out |= uint32_t(mixed & 0xFF) << (8 * c);
        }
        b->Set(x, y, out);
    });
}

// paletteMap(source, rectangle, point [, red, green, blue, alpha arrays]):
// each channel's value picks an entry of its array and the entries are
// summed; a channel without an array keeps its value in its place.
void PaletteMap(Vm& vm, BitmapDataObject* b, const CopyArgs& copy, std::span<const Value> args) {
    // Blue, green, red, alpha tables, as Channels lists them.
    std::array<std::array<uint32_t, 256>, 4> table{};
    const size_t argument[4] = {5, 4, 3, 6};
    for (size_t c = 0; c < 4; ++c) {
        const Value& list = Arg(args, argument[c]);
        for (uint32_t v = 0; v < 256; ++v)
            table[c][v] = list.IsObject() ? Color(vm, vm.GetMember(list, std::to_string(v))) : v << (8 * c);
    }
    ForEach(copy, [&](int x, int y, uint32_t word) {
        auto from = Channels(Straight(*copy.Source, word));
        b->Set(x, y, table[0][from[0]] + table[1][from[1]] + table[2][from[2]] + table[3][from[3]]);
    });
}

// The copying methods that answer nothing: they do nothing without a live
// bitmap, enough arguments, and a source, rectangle and point to read.
NativeCall Copying(size_t least,
                   void (*body)(Vm&, BitmapDataObject*, const CopyArgs&, std::span<const Value>)) {
    return [least, body](Vm& vm, const Value& self, std::span<const Value> args) -> Value {
        BitmapDataObject* b = AsBitmap(self);
        if (!b || args.size() < least)
            return {};
        CopyArgs copy = ReadCopy(vm, *b, args);
        if (copy.Error == 0)
            body(vm, b, copy, args);
        return {};
    };
}

// scroll(dx, dy): the content moves; what it leaves uncovered keeps its
// pixels.
Value Scroll(Vm& vm, const Value& self, std::span<const Value> args) {
    BitmapDataObject* b = AsBitmap(self);
    if (!b || args.size() < 2)
        return {};
    CopyArgs copy =
        Take(*b, {0, 0, b->Width(), b->Height()}, {Coordinate(vm, args[0]), Coordinate(vm, args[1])}, *b);
    ForEach(copy, [&](int x, int y, uint32_t word) { b->SetRaw(x, y, word); });
    return {};
}

} // namespace

void InstallBitmapDataCopies(Vm& vm, const ObjectPtr& proto) {
    vm.Method(proto, "threshold", Threshold);
    vm.Method(proto, "copyPixels", Copying(3, CopyPixels));
    vm.Method(proto, "merge", Copying(7, Merge));
    vm.Method(proto, "paletteMap", Copying(3, PaletteMap));
    vm.Method(proto, "scroll", Scroll);
}

} // namespace swf::script::geom
