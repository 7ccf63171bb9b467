#pragma once

#include "swf/script/Value.h"
#include "swf/script/geom/BitmapDataObject.h"

#include <cstdint>
#include <optional>
#include <span>
#include <utility>
#include <vector>

namespace swf::script {
class Vm;
}

// How BitmapData's methods read their arguments: what the plug-in takes for
// a bitmap, a rectangle, a point and a colour, shared by the files that hold
// the methods.
namespace swf::script::geom::bitmap_args {

// What the methods answer when the bitmap is gone or the arguments are too
// few.
constexpr double Failed = -1;

// A live bitmap, or null for anything else and for a disposed one.
BitmapDataObject* AsBitmap(const Value& v);
// Any bitmap, disposed or not (some methods tell the two apart).
BitmapDataObject* AsAnyBitmap(const Value& v);

// A coordinate: not a number is 0.
int Coordinate(Vm& vm, const Value& v);
uint32_t Color(Vm& vm, const Value& v);

struct Area {
    int X, Y, Width, Height;
};

// A rectangle argument: anything with the four members, else nothing.
std::optional<Area> ReadArea(Vm& vm, const Value& rect);
// A point argument: anything with x and y.
std::optional<std::pair<int, int>> ReadPoint(Vm& vm, const Value& point);

// The part of an area over the bitmap, shifted by (dx, dy) first.
Area Within(const Area& a, const BitmapDataObject& b, int64_t dx = 0, int64_t dy = 0);

// A source area copied to a point: the part of the source's area that is
// on the source and lands on the destination, and where it lands.
struct CopyRegion {
    Area From;
    int ToX, ToY;
};
CopyRegion Clip(const Area& area, const BitmapDataObject& source, std::pair<int, int> to,
                const BitmapDataObject& destination);

// A live bitmap and the pixel on it that the first two arguments name,
// given at least `least` arguments.
struct PixelTarget {
    BitmapDataObject* Bitmap;
    int X, Y;
};
std::optional<PixelTarget> ReadPixel(Vm& vm, const Value& self, std::span<const Value> args, size_t least);

// The (source, rectangle, point) that copying methods start with.
struct CopyArgs {
    BitmapDataObject* Source = nullptr;
    CopyRegion Region{};
    // 0, or what the plug-in answers: -2 no bitmap, -3 a disposed one, -4 no
    // rectangle.
    double Error = 0;
    // The source's words under the region, read before anything is written
    // (the source may be the destination), row by row.
    std::vector<uint32_t> Words;
};
// The source's area copied to a point of the destination.
CopyArgs Take(BitmapDataObject& source, const Area& area, std::pair<int, int> to,
              const BitmapDataObject& destination);
CopyArgs ReadCopy(Vm& vm, const BitmapDataObject& destination, std::span<const Value> args);

// A new BitmapData of the class the movie sees, filled with the colour.
Value NewBitmap(Vm& vm, int width, int height, bool transparent, uint32_t argb);

} // namespace swf::script::geom::bitmap_args
