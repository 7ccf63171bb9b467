#include "swf/script/geom/BitmapDataArgs.h"

#include "swf/script/Builtins.h"
#include "swf/script/Vm.h"

#include <algorithm>

namespace swf::script::geom::bitmap_args {

BitmapDataObject* AsAnyBitmap(const Value& v) {
    return v.IsObject() ? dynamic_cast<BitmapDataObject*>(v.Object().get()) : nullptr;
}

BitmapDataObject* AsBitmap(const Value& v) {
    BitmapDataObject* b = AsAnyBitmap(v);
    return b && !b->Disposed() ? b : nullptr;
}

int Coordinate(Vm& vm, const Value& v) { return ToInt32(vm.ToNumber(v)); }

uint32_t Color(Vm& vm, const Value& v) { return static_cast<uint32_t>(ToInt32(vm.ToNumber(v))); }

std::optional<Area> ReadArea(Vm& vm, const Value& rect) {
    if (!rect.IsObject())
        return std::nullopt;
    for (const char* name : {"x", "y", "width", "height"})
        if (!vm.HasMember(rect.Object(), name))
            return std::nullopt;
    return Area{Coordinate(vm, vm.GetMember(rect, "x")), Coordinate(vm, vm.GetMember(rect, "y")),
                Coordinate(vm, vm.GetMember(rect, "width")), Coordinate(vm, vm.GetMember(rect, "height"))};
}

std::optional<std::pair<int, int>> ReadPoint(Vm& vm, const Value& point) {
    if (!point.IsObject() || !vm.HasMember(point.Object(), "x") || !vm.HasMember(point.Object(), "y"))
        return std::nullopt;
    return std::pair{Coordinate(vm, vm.GetMember(point, "x")), Coordinate(vm, vm.GetMember(point, "y"))};
}

std::optional<PixelTarget> ReadPixel(Vm& vm, const Value& self, std::span<const Value> args, size_t least) {
    BitmapDataObject* b = AsBitmap(self);
    if (!b || args.size() < least)
        return std::nullopt;
    int x = Coordinate(vm, args[0]), y = Coordinate(vm, args[1]);
    if (!b->Inside(x, y))
        return std::nullopt;
    return PixelTarget{b, x, y};
}

Area Within(const Area& a, const BitmapDataObject& b, int64_t dx, int64_t dy) {
    int64_t x0 = std::max<int64_t>(a.X + dx, 0), y0 = std::max<int64_t>(a.Y + dy, 0);
    int64_t x1 = std::min<int64_t>(int64_t(a.X) + dx + a.Width, b.Width());
    int64_t y1 = std::min<int64_t>(int64_t(a.Y) + dy + a.Height, b.Height());
    return {int(x0), int(y0), int(std::max<int64_t>(x1 - x0, 0)), int(std::max<int64_t>(y1 - y0, 0))};
}

CopyRegion Clip(const Area& area, const BitmapDataObject& source, std::pair<int, int> to,
                const BitmapDataObject& destination) {
    Area from = Within(area, source);
    // Where the source's part lands, then cut to the destination and the
    // cut carried back to the source.
    int64_t shiftX = int64_t(to.first) - area.X, shiftY = int64_t(to.second) - area.Y;
    Area landed = Within(from, destination, shiftX, shiftY);
    if (landed.Width == 0 || landed.Height == 0)
        return {{0, 0, 0, 0}, 0, 0};
    return {
        {int(landed.X - shiftX), int(landed.Y - shiftY), landed.Width, landed.Height}, landed.X, landed.Y};
}

CopyArgs Take(BitmapDataObject& source, const Area& area, std::pair<int, int> to,
              const BitmapDataObject& destination) {
    CopyArgs copy;
    copy.Source = &source;
    copy.Region = Clip(area, source, to, destination);
    const Area& from = copy.Region.From;
    copy.Words.reserve(size_t(from.Width) * size_t(from.Height));
    for (int y = from.Y; y < from.Y + from.Height; ++y)
        for (int x = from.X; x < from.X + from.Width; ++x)
            copy.Words.push_back(source.Raw(x, y));
    return copy;
}

CopyArgs ReadCopy(Vm& vm, const BitmapDataObject& destination, std::span<const Value> args) {
    CopyArgs copy;
    copy.Source = AsAnyBitmap(builtins::Arg(args, 0));
    if (!copy.Source) {
        copy.Error = -2;
        return copy;
    }
    if (copy.Source->Disposed()) {
        copy.Error = -3;
        return copy;
    }
    auto area = ReadArea(vm, builtins::Arg(args, 1));
    if (!area) {
        copy.Error = -4;
        return copy;
    }
    auto to = ReadPoint(vm, builtins::Arg(args, 2)).value_or(std::pair{0, 0});
    return Take(*copy.Source, *area, to, destination);
}

Value NewBitmap(Vm& vm, int width, int height, bool transparent, uint32_t argb) {
    auto b = vm.Make<BitmapDataObject>();
    b->Put("__proto__", Value(vm.Protos.BitmapData), DontEnum);
    b->Create(width, height, transparent, argb);
    return Value(ObjectPtr(b));
}

} // namespace swf::script::geom::bitmap_args
