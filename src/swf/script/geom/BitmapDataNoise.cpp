#include "swf/script/Builtins.h"
#include "swf/script/Vm.h"
#include "swf/script/geom/BitmapDataArgs.h"
#include "swf/script/geom/BitmapDataMethods.h"
#include "swf/script/geom/PerlinNoise.h"
#include "swf/script/geom/SeededRandom.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <string>

namespace swf::script::geom {
namespace {

using builtins::Arg;
using namespace bitmap_args;

// A step through n cells that visits every cell once before it comes back:
// a stride near the golden section of n that shares no factor with it, so
// the cells dissolve scattered.
uint64_t Stride(uint64_t n) {
    uint64_t stride = std::max<uint64_t>(1, n * 618 / 1000);
    while (std::gcd(stride, n) != 1)
        ++stride;
    return stride;
}

// pixelDissolve(source, rectangle, point [, seed, numPixels, fillColor]):
// the cell the seed names and numPixels cells after it take the fill colour
// (the source is this bitmap) or the source's pixels; answers the last cell,
// the seed of the next call, so that calls in a row dissolve the whole area.
Value PixelDissolve(Vm& vm, const Value& self, std::span<const Value> args) {
    BitmapDataObject* b = AsBitmap(self);
    if (!b || args.size() < 3)
        return Failed;
    CopyArgs copy = ReadCopy(vm, *b, args);
    if (copy.Error == -4)
        return copy.Error;
    if (copy.Error != 0)
        return Failed;
    int64_t seed = Coordinate(vm, Arg(args, 3));
    const CopyRegion& r = copy.Region;
    // The plug-in writes nothing where a side is a single pixel.
    if (r.From.Width < 2 || r.From.Height < 2)
        return double(seed);
    uint64_t cells = uint64_t(r.From.Width) * uint64_t(r.From.Height), stride = Stride(cells);
    uint64_t steps = std::min<uint64_t>(std::max(0, Coordinate(vm, Arg(args, 4))), cells);
    uint32_t fill = Color(vm, Arg(args, 5));
    uint32_t word =
        Premultiply({uint8_t(fill >> 16), uint8_t(fill >> 8), uint8_t(fill), uint8_t(fill >> 24)});
    bool own = copy.Source == b;
    uint64_t cell = uint64_t(seed < 0 ? -seed : seed) % cells;
    for (uint64_t i = 0;; ++i) {
        int x = int(cell % uint64_t(r.From.Width)), y = int(cell / uint64_t(r.From.Width));
        b->SetRaw(r.ToX + x, r.ToY + y, own ? word : copy.Words[cell]);
        if (i == steps)
            break;
        cell = (cell + stride) % cells;
    }
    return double(cell);
}

// noise(seed [, low, high, channelOptions, grayScale]): every pixel's
// chosen channels get values from low to high; channels not chosen are 0,
// alpha 255.
Value Noise(Vm& vm, const Value& self, std::span<const Value> args) {
    BitmapDataObject* b = AsBitmap(self);
    if (!b || args.empty())
        return {};
    SeededRandom random(Coordinate(vm, args[0]));
    uint32_t low = args.size() > 1 ? Color(vm, args[1]) & 0xFF : 0;
    uint32_t high = args.size() > 2 ? Color(vm, args[2]) & 0xFF : 255;
    uint32_t channels = args.size() > 3 ? Color(vm, args[3]) : 7;
    bool gray = args.size() > 4 && vm.ToBoolean(args[4]);
    uint32_t span = high >= low ? high - low + 1 : 1;
    auto value = [&] { return low + random.Next() % span; };
    for (int y = 0; y < b->Height(); ++y)
        for (int x = 0; x < b->Width(); ++x) {
            uint32_t argb = 0;
            if (gray) {
                uint32_t v = value();
                argb = v << 16 | v << 8 | v;
            } else {
                for (int c = 0; c < 3; ++c)
                    if (channels & (1u << c))
                        argb |= value() << (16 - 8 * c);
            }
            argb |= (channels & 8 ? value() : 255) << 24;
            b->Set(x, y, argb);
        }
    return {};
}

// The offsets argument: an array of points, one per octave.
std::vector<std::pair<double, double>> Offsets(Vm& vm, const Value& list, int octaves) {
    std::vector<std::pair<double, double>> offsets;
    if (!list.IsObject())
        return offsets;
    for (int k = 0; k < octaves; ++k) {
        Value point = vm.GetMember(list, std::to_string(k));
        auto number = [&](const char* name) {
            double d = point.IsObject() ? vm.ToNumber(vm.GetMember(point, name)) : 0;
            return std::isfinite(d) ? d : 0.0;
        };
        offsets.emplace_back(number("x"), number("y"));
    }
    return offsets;
}

// perlinNoise(baseX, baseY, numOctaves, randomSeed, stitch, fractalNoise
// [, channelOptions, grayScale, offsets]).
Value PerlinNoiseMethod(Vm& vm, const Value& self, std::span<const Value> args) {
    BitmapDataObject* b = AsBitmap(self);
    if (!b || args.size() < 6)
        return {};
    PerlinOptions o;
    o.BaseX = vm.ToNumber(args[0]);
    o.BaseY = vm.ToNumber(args[1]);
    o.Octaves = std::clamp(Coordinate(vm, args[2]), 0, 64);
    o.Seed = Coordinate(vm, args[3]);
    o.Stitch = vm.ToBoolean(args[4]);
    o.Fractal = vm.ToBoolean(args[5]);
    o.Channels = args.size() > 6 ? Color(vm, args[6]) : 7;
    o.Gray = args.size() > 7 && vm.ToBoolean(args[7]);
    o.Offsets = Offsets(vm, Arg(args, 8), o.Octaves);
    std::vector<uint32_t> colors = PerlinNoise(b->Width(), b->Height(), o);
    // The values go into the stored words as they are, as the plug-in's
    // do: over a noisy alpha the colours stay bright.
    for (int y = 0; y < b->Height(); ++y)
        for (int x = 0; x < b->Width(); ++x) {
            uint32_t argb = colors[size_t(y) * size_t(b->Width()) + size_t(x)];
            b->SetRaw(x, y, b->Transparent() ? argb : argb | 0xFF000000);
        }
    return {};
}

} // namespace

void InstallBitmapDataNoise(Vm& vm, const ObjectPtr& proto) {
    vm.Method(proto, "pixelDissolve", PixelDissolve);
    vm.Method(proto, "noise", Noise);
    vm.Method(proto, "perlinNoise", PerlinNoiseMethod);
}

} // namespace swf::script::geom
