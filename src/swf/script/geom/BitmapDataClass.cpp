#include "swf/script/Builtins.h"
#include "swf/script/Vm.h"
#include "swf/script/geom/BitmapDataArgs.h"
#include "swf/script/geom/BitmapDataMethods.h"
#include "swf/script/geom/BitmapDataObject.h"
#include "swf/script/geom/GeomClasses.h"
#include "swf/script/geom/GeomSupport.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

namespace swf::script::geom {
namespace {

using builtins::Arg;
using namespace bitmap_args;

Value Construct(Vm& vm, const Value&, std::span<const Value> args) {
    double width = vm.ToNumber(Arg(args, 0)), height = vm.ToNumber(Arg(args, 1));
    auto limits = BitmapDataObject::LimitsFor(vm.Version());
    // Sizes the plug-in refuses make no object at all.
    if (!(width >= 1 && height >= 1 && width <= limits.Side && height <= limits.Side))
        return Value::Null();
    int w = static_cast<int>(width), h = static_cast<int>(height);
    if (int64_t(w) * h > limits.Area)
        return Value::Null();
    bool transparent = args.size() < 3 || vm.ToBoolean(args[2]);
    uint32_t fill = args.size() < 4 ? 0xFFFFFFFF : Color(vm, args[3]);
    return NewBitmap(vm, w, h, transparent, fill);
}

Value Pixel(Vm& vm, const Value& self, std::span<const Value> args, bool withAlpha) {
    BitmapDataObject* b = AsBitmap(self);
    if (!b || args.size() < 2)
        return Failed;
    int x = Coordinate(vm, args[0]), y = Coordinate(vm, args[1]);
    if (!b->Inside(x, y))
        return 0.0;
    uint32_t argb = b->Get(x, y);
    return withAlpha ? double(static_cast<int32_t>(argb)) : double(argb & 0xFFFFFF);
}

Value SetPixel(Vm& vm, const Value& self, std::span<const Value> args, bool withAlpha) {
    auto at = ReadPixel(vm, self, args, 3);
    if (!at)
        return {};
    uint32_t argb = Color(vm, args[2]);
    if (!withAlpha)
        argb = (at->Bitmap->Get(at->X, at->Y) & 0xFF000000) | (argb & 0xFFFFFF);
    at->Bitmap->Set(at->X, at->Y, argb);
    return {};
}

Value FillRect(Vm& vm, const Value& self, std::span<const Value> args) {
    BitmapDataObject* b = AsBitmap(self);
    if (!b || args.size() < 2)
        return {};
    if (auto a = ReadArea(vm, args[0]))
        b->Fill(a->X, a->Y, a->Width, a->Height, Color(vm, args[1]));
    return {};
}

Value Clone(Vm& vm, const Value& self, std::span<const Value>) {
    BitmapDataObject* b = AsBitmap(self);
    if (!b)
        return {};
    Value copy = NewBitmap(vm, b->Width(), b->Height(), b->Transparent(), 0);
    AsBitmap(copy)->CopyFrom(*b);
    return copy;
}

// Answers -1 when done too (as the plug-in does), -2 for a bad rectangle,
// -3 for a bad colour transform.
Value ColorTransformMethod(Vm& vm, const Value& self, std::span<const Value> args) {
    BitmapDataObject* b = AsBitmap(self);
    if (!b || args.size() < 2)
        return Failed;
    auto a = ReadArea(vm, args[0]);
    if (!a)
        return -2.0;
    const ColorTransformObject* ct = AsColorTransform(args[1]);
    if (!ct)
        return -3.0;
    ColorTransform c = ct->ToDisplay();
    Area in = Within(*a, *b);
    for (int y = in.Y; y < in.Y + in.Height; ++y)
        for (int x = in.X; x < in.X + in.Width; ++x) {
            uint32_t p = b->Get(x, y);
            Rgba out = c.Apply({uint8_t(p >> 16), uint8_t(p >> 8), uint8_t(p), uint8_t(p >> 24)});
            b->Set(x, y, uint32_t(out.A) << 24 | uint32_t(out.R) << 16 | uint32_t(out.G) << 8 | out.B);
        }
    return Failed;
}

// The difference of two bitmaps of one size: colour differences where the
// colours differ, else alpha differences; 0 when they are the same.
Value Compare(Vm& vm, const Value& self, std::span<const Value> args) {
    BitmapDataObject* b = AsBitmap(self);
    if (!b || args.empty())
        return Failed;
    BitmapDataObject* other = AsBitmap(args[0]);
    if (!other)
        return -2.0;
    if (other == b)
        return 0.0;
    if (other->Width() != b->Width())
        return -3.0;
    if (other->Height() != b->Height())
        return -4.0;
    Value result = NewBitmap(vm, b->Width(), b->Height(), true, 0);
    BitmapDataObject* diff = AsBitmap(result);
    bool same = true;
    for (int y = 0; y < b->Height(); ++y)
        for (int x = 0; x < b->Width(); ++x) {
            uint32_t p = b->Get(x, y), q = other->Get(x, y), d = 0;
            if ((p & 0xFFFFFF) != (q & 0xFFFFFF)) {
                for (int shift : {16, 8, 0})
                    d |= (((p >> shift) - (q >> shift)) & 0xFF) << shift;
                d |= 0xFF000000;
            } else if (p != q) {
                d = (((p >> 24) - (q >> 24)) & 0xFF) << 24 | 0xFFFFFF;
            }
            same = same && d == 0;
            diff->Set(x, y, d);
        }
    return same ? Value(0.0) : result;
}

// Alpha thresholds that are not numbers let everything through.
uint32_t Threshold(Vm& vm, const Value& v) {
    double d = vm.ToNumber(v);
    return std::isfinite(d) && d > 0 ? static_cast<uint32_t>(std::min(d, 256.0)) : 0;
}

bool Solid(const BitmapDataObject& b, int x, int y, uint32_t threshold) {
    return b.Inside(x, y) && (b.Get(x, y) >> 24) >= threshold;
}

// Whether two bitmaps placed at their points have a pixel where both are
// at least as opaque as their thresholds.
bool Overlap(const BitmapDataObject& a, std::pair<int, int> at, uint32_t ta, const BitmapDataObject& b,
             std::pair<int, int> bt, uint32_t tb) {
    int dx = bt.first - at.first, dy = bt.second - at.second;
    for (int y = std::max(0, dy); y < std::min(a.Height(), dy + b.Height()); ++y)
        for (int x = std::max(0, dx); x < std::min(a.Width(), dx + b.Width()); ++x)
            if (Solid(a, x, y, ta) && Solid(b, x - dx, y - dy, tb))
                return true;
    return false;
}

// hitTest(point, alphaThreshold, point | rectangle | bitmap [, bitmap's
// point, bitmap's threshold]): -1 to -4 name the argument that is wrong.
Value HitTest(Vm& vm, const Value& self, std::span<const Value> args) {
    BitmapDataObject* b = AsBitmap(self);
    if (!b || args.size() < 3)
        return Failed;
    // The bitmap's own point is read from the object itself, not from its
    // prototypes.
    const Value& first = args[0];
    if (!first.IsObject() || !first.Object()->FindOwn("x") || !first.Object()->FindOwn("y"))
        return -2.0;
    auto at = ReadPoint(vm, first);
    uint32_t threshold = Threshold(vm, args[1]);
    const Value& other = args[2];
    if (auto* bitmap = AsAnyBitmap(other)) {
        if (bitmap->Disposed())
            return -3.0;
        auto bt =
            args.size() > 3 ? ReadPoint(vm, args[3]) : std::optional<std::pair<int, int>>(std::pair{0, 0});
        if (!bt)
            return -4.0;
        return Overlap(*b, *at, threshold, *bitmap, *bt, args.size() > 4 ? Threshold(vm, args[4]) : 1);
    }
    if (IsA(other, vm.Protos.Rectangle)) {
        auto area = ReadArea(vm, other);
        if (!area)
            return -3.0;
        Area in = Within(*area, *b, -at->first, -at->second);
        for (int y = in.Y; y < in.Y + in.Height; ++y)
            for (int x = in.X; x < in.X + in.Width; ++x)
                if (Solid(*b, x, y, threshold))
                    return true;
        return false;
    }
    auto point = ReadPoint(vm, other);
    if (!point)
        return -3.0;
    return Solid(*b, point->first - at->first, point->second - at->second, threshold);
}

// The shift of a channel's byte in 0xAARRGGBB: red 1, green 2, blue 4,
// alpha 8, nothing else.
std::optional<int> ChannelShift(uint32_t channel) {
    switch (channel) {
    case 1:
        return 16;
    case 2:
        return 8;
    case 4:
        return 0;
    case 8:
        return 24;
    default:
        return std::nullopt;
    }
}

// copyChannel(source, rectangle, point, sourceChannel, destChannel).
Value CopyChannel(Vm& vm, const Value& self, std::span<const Value> args) {
    BitmapDataObject* b = AsBitmap(self);
    if (!b || args.size() < 5)
        return Failed;
    auto* source = AsAnyBitmap(args[0]);
    if (!source)
        return -2.0;
    if (source->Disposed())
        return -3.0;
    auto area = ReadArea(vm, args[1]);
    if (!area)
        return -4.0;
    auto to = ReadPoint(vm, args[2]).value_or(std::pair{0, 0});
    auto from = ChannelShift(Color(vm, args[3])), into = ChannelShift(Color(vm, args[4]));
    // No such destination changes nothing; no such source copies zeros.
    if (!into)
        return Failed;
    // Read first: the source may be this bitmap.
    Area in = Within(*area, *source);
    std::vector<uint32_t> values;
    for (int y = in.Y; y < in.Y + in.Height; ++y)
        for (int x = in.X; x < in.X + in.Width; ++x)
            values.push_back(from ? source->Get(x, y) >> *from & 0xFF : 0);
    size_t i = 0;
    for (int y = in.Y; y < in.Y + in.Height; ++y)
        for (int x = in.X; x < in.X + in.Width; ++x, ++i) {
            int64_t tx = int64_t(x) - area->X + to.first, ty = int64_t(y) - area->Y + to.second;
            if (tx < 0 || ty < 0 || tx >= b->Width() || ty >= b->Height())
                continue;
            uint32_t p = b->Get(int(tx), int(ty));
            b->Set(int(tx), int(ty), (p & ~(0xFFu << *into)) | values[i] << *into);
        }
    return Failed;
}

// BitmapData.loadBitmap(linkageId): a copy of the bitmap the running
// code's movie exports by that name; transparent unless the image is
// opaque. Nothing for a name that is no exported bitmap.
Value LoadBitmap(Vm& vm, const Value&, std::span<const Value> args) {
    const Dictionary* movie = vm.RunningMovie();
    auto id = movie ? vm.ExportedId(*movie, vm.ToString(Arg(args, 0))) : std::nullopt;
    const Bitmap* image = id ? movie->FindBitmap(*id) : nullptr;
    if (!image || image->Width <= 0 || image->Height <= 0)
        return {};
    Value made = NewBitmap(vm, 1, 1, !image->Opaque, 0);
    AsBitmap(made)->Load(*image);
    return made;
}

void Properties(Vm& vm, const ObjectPtr& proto) {
    auto number = [](int (BitmapDataObject::*get)() const) {
        return [get](Vm&, const Value& self, std::span<const Value>) -> Value {
            BitmapDataObject* b = AsBitmap(self);
            return b ? double((b->*get)()) : Failed;
        };
    };
    Accessor(vm, proto, "width", number(&BitmapDataObject::Width), {}, 0);
    Accessor(vm, proto, "height", number(&BitmapDataObject::Height), {}, 0);
    Accessor(
        vm, proto, "transparent",
        [](Vm&, const Value& self, std::span<const Value>) -> Value {
            BitmapDataObject* b = AsBitmap(self);
            return b ? Value(b->Transparent()) : Value(Failed);
        },
        {}, 0);
    Accessor(
        vm, proto, "rectangle",
        [](Vm& vm, const Value& self, std::span<const Value>) -> Value {
            BitmapDataObject* b = AsBitmap(self);
            return b ? NewRectangle(vm, 0.0, 0.0, double(b->Width()), double(b->Height())) : Value(Failed);
        },
        {}, 0);
}

} // namespace

void InstallBitmapData(Vm& vm) {
    vm.Protos.BitmapData = vm.NewObject();
    const ObjectPtr& proto = vm.Protos.BitmapData;
    ObjectPtr ctor = Class(vm, Package(vm, "display"), "BitmapData", proto, Construct);
    ctor->Put("RED_CHANNEL", 1.0);
    ctor->Put("GREEN_CHANNEL", 2.0);
    ctor->Put("BLUE_CHANNEL", 4.0);
    ctor->Put("ALPHA_CHANNEL", 8.0);
    vm.Method(ctor, "loadBitmap", LoadBitmap);
    Properties(vm, proto);
    vm.Method(proto, "getPixel", [](Vm& vm, const Value& self, std::span<const Value> args) {
        return Pixel(vm, self, args, false);
    });
    vm.Method(proto, "getPixel32", [](Vm& vm, const Value& self, std::span<const Value> args) {
        return Pixel(vm, self, args, true);
    });
    vm.Method(proto, "setPixel", [](Vm& vm, const Value& self, std::span<const Value> args) {
        return SetPixel(vm, self, args, false);
    });
    vm.Method(proto, "setPixel32", [](Vm& vm, const Value& self, std::span<const Value> args) {
        return SetPixel(vm, self, args, true);
    });
    vm.Method(proto, "fillRect", FillRect);
    vm.Method(proto, "clone", Clone);
    vm.Method(proto, "colorTransform", ColorTransformMethod);
    vm.Method(proto, "compare", Compare);
    vm.Method(proto, "hitTest", HitTest);
    vm.Method(proto, "copyChannel", CopyChannel);
    InstallBitmapDataCopies(vm, proto);
    InstallBitmapDataNoise(vm, proto);
    InstallBitmapDataSearch(vm, proto);
    InstallBitmapDataDraw(vm, proto);
    InstallBitmapDataFilters(vm, proto);
    vm.Method(proto, "dispose", [](Vm&, const Value& self, std::span<const Value>) -> Value {
        if (BitmapDataObject* b = AsBitmap(self))
            b->Dispose();
        return {};
    });
}

} // namespace swf::script::geom
