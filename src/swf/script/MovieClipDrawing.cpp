#include "swf/Drawing.h"
#include "swf/Timeline.h"
#include "swf/script/Builtins.h"
#include "swf/script/ClipLifetime.h"
#include "swf/script/Vm.h"
#include "swf/script/geom/BitmapDataObject.h"
#include "swf/script/geom/GeomSupport.h"

#include <algorithm>
#include <cmath>

// MovieClip's drawing methods: lineStyle, beginFill, beginGradientFill,
// beginBitmapFill, moveTo, lineTo, curveTo, endFill and clear, and
// attachBitmap, which shows a BitmapData the way a bitmap fill does.
namespace swf::script::builtins {
namespace {

// A gradient holds at most this many stops, as in a DefineShape4 file.
constexpr size_t MaxStops = 15;

Drawing* DrawingOf(Vm& vm, const Value& self) {
    Timeline* t = vm.TimelineOf(self);
    return t ? t->Drawn(true) : nullptr;
}

// Coordinates are pixels; what is no number draws at 0.
double Twips(Vm& vm, const Value& v) {
    double d = vm.ToNumber(v);
    return std::isfinite(d) ? std::clamp(d * 20, -1e8, 1e8) : 0.0;
}

Point PointArg(Vm& vm, std::span<const Value> args, size_t first) {
    return {Twips(vm, Arg(args, first)), Twips(vm, Arg(args, first + 1))};
}

// Alpha is 0-100, 100 when not given.
uint8_t AlphaOf(Vm& vm, const Value& alpha) {
    double a = alpha.IsUndefined() ? 100 : vm.ToNumber(alpha);
    return static_cast<uint8_t>(std::lround(std::isnan(a) ? 0 : std::clamp(a, 0.0, 100.0) * 2.55));
}

Rgba ColorOf(Vm& vm, const Value& rgb, uint8_t alpha) {
    auto c = static_cast<uint32_t>(ToInt32(vm.ToNumber(rgb)));
    return {uint8_t(c >> 16), uint8_t(c >> 8), uint8_t(c), alpha};
}

Cap CapOf(const std::string& name) {
    return name == "none" ? Cap::None : name == "square" ? Cap::Square : Cap::Round;
}

Join JoinOf(const std::string& name) {
    return name == "miter" ? Join::Miter : name == "bevel" ? Join::Bevel : Join::Round;
}

// lineStyle(thickness, rgb, alpha, pixelHinting, noScale, capsStyle,
// jointStyle, miterLimit); no thickness: no line. Thickness 0 is a
// hairline.
Value LineStyleCall(Vm& vm, const Value& self, std::span<const Value> args) {
    Drawing* d = DrawingOf(vm, self);
    if (!d)
        return {};
    if (Arg(args, 0).IsUndefined()) {
        d->SetLine(std::nullopt);
        return {};
    }
    double thickness = vm.ToNumber(Arg(args, 0));
    LineStyle style;
    style.Width = static_cast<uint16_t>(std::isnan(thickness) ? 0 : std::clamp(thickness, 0.0, 255.0) * 20);
    style.Color = ColorOf(vm, Arg(args, 1), AlphaOf(vm, Arg(args, 2)));
    if (args.size() > 5)
        style.StartCap = style.EndCap = CapOf(vm.ToString(args[5]));
    if (args.size() > 6)
        style.JoinStyle = JoinOf(vm.ToString(args[6]));
    double limit = args.size() > 7 ? vm.ToNumber(args[7]) : 3;
    style.MiterLimit = std::isnan(limit) ? 3 : std::clamp(limit, 1.0, 255.0);
    d->SetLine(style);
    return {};
}

// beginFill(rgb, alpha).
std::optional<FillStyle> SolidFill(Vm& vm, std::span<const Value> args) {
    FillStyle fill;
    fill.Color = ColorOf(vm, args[0], AlphaOf(vm, Arg(args, 1)));
    return fill;
}

const std::vector<Value>* ElementsOf(const Value& v) {
    auto* a = v.IsObject() ? dynamic_cast<ArrayObject*>(v.Object().get()) : nullptr;
    return a ? &a->Elements : nullptr;
}

// The gradient's square (-16384..16384 twips) to the clip's twips. A box
// {matrixType: "box", x, y, w, h, r} spans w by h pixels from (x, y) turned
// by r radians; a flash.geom.Matrix maps the square in pixels; the
// {a, b, d, e, g, h} form scales a unit square centred on (g, h).
Matrix GradientMatrix(Vm& vm, const Value& m) {
    if (vm.ToString(vm.GetMember(m, "matrixType")) == "box") {
        double w = geom::Number(vm, m, "w"), h = geom::Number(vm, m, "h"), r = geom::Number(vm, m, "r");
        double x = geom::Number(vm, m, "x"), y = geom::Number(vm, m, "y");
        return {std::cos(r) * w / 1638.4, std::sin(r) * h / 1638.4, -std::sin(r) * w / 1638.4,
                std::cos(r) * h / 1638.4, (x + w / 2) * 20,         (y + h / 2) * 20};
    }
    if (!vm.GetMember(m, "tx").IsUndefined())
        return geom::ReadMatrix(vm, m);
    return {geom::Number(vm, m, "a") / 1638.4, geom::Number(vm, m, "b") / 1638.4,
            geom::Number(vm, m, "d") / 1638.4, geom::Number(vm, m, "e") / 1638.4,
            geom::Number(vm, m, "g") * 20,     geom::Number(vm, m, "h") * 20};
}

// The stops of colours (0xRRGGBB), alphas (0-100) and ratios (0-255); none
// when the lists differ in length or a ratio is out of range.
std::optional<std::vector<GradientStop>> StopsOf(Vm& vm, std::span<const Value> args) {
    const auto *colors = ElementsOf(args[1]), *alphas = ElementsOf(args[2]), *ratios = ElementsOf(args[3]);
    if (!colors || !alphas || !ratios || colors->size() != alphas->size() || colors->size() != ratios->size())
        return std::nullopt;
    std::vector<GradientStop> stops;
    for (size_t i = 0; i < colors->size() && i < MaxStops; ++i) {
        double ratio = vm.ToNumber((*ratios)[i]);
        if (ratio <= -1 || ratio >= 256)
            return std::nullopt;
        stops.push_back({static_cast<uint8_t>(std::isnan(ratio) ? 0 : std::clamp(ratio, 0.0, 255.0)),
                         ColorOf(vm, (*colors)[i], AlphaOf(vm, (*alphas)[i]))});
    }
    return stops;
}

// beginGradientFill(fillType, colors, alphas, ratios, matrix, spreadMethod,
// interpolationMethod, focalPointRatio); none for a call the plug-in
// refuses (too few or too many arguments, another type, bad stops).
std::optional<FillStyle> GradientFill(Vm& vm, std::span<const Value> args) {
    std::string type = vm.ToString(args[0]);
    if (args.size() < 5 || args.size() > 8 || (type != "linear" && type != "radial") || !args[4].IsObject())
        return std::nullopt;
    auto stops = StopsOf(vm, args);
    if (!stops || stops->empty())
        return std::nullopt;
    FillStyle fill;
    fill.Kind = type == "linear" ? FillKind::Linear : FillKind::Radial;
    fill.Transform = GradientMatrix(vm, args[4]);
    fill.Grad.Stops = std::move(*stops);
    std::string spread = vm.ToString(Arg(args, 5));
    fill.Grad.SpreadMode = spread == "reflect"  ? Spread::Reflect
                           : spread == "repeat" ? Spread::Repeat
                                                : Spread::Pad;
    fill.Grad.LinearRgb = vm.ToString(Arg(args, 6)) == "linearRGB";
    // The focal point is kept in 1/256ths, as a shape's record holds it: 0.9
    // draws as 230/256, which moves the rings beyond the circle visibly.
    double focal = args.size() > 7 ? vm.ToNumber(args[7]) : 0;
    focal = std::isfinite(focal) ? std::trunc(std::clamp(focal, -1.0, 1.0) * 256) / 256 : 0;
    if (fill.Kind == FillKind::Radial && focal != 0) {
        fill.Kind = FillKind::Focal;
        fill.Grad.Focal = focal;
    }
    return fill;
}

// beginBitmapFill(bitmap, matrix, repeat, smoothing): the BitmapData's
// pixels as they are when drawn, one pixel per pixel of the clip unless the
// flash.geom.Matrix says otherwise; repeated and not smoothed unless told.
std::optional<FillStyle> BitmapFill(Vm& vm, std::span<const Value> args) {
    auto* data = args[0].IsObject() ? dynamic_cast<geom::BitmapDataObject*>(args[0].Object().get()) : nullptr;
    if (!data || data->Disposed())
        return std::nullopt;
    FillStyle fill;
    fill.Kind = FillKind::Bitmap;
    fill.Image = data->SharedPixels();
    Matrix pixels = Arg(args, 1).IsObject() ? geom::ReadMatrix(vm, args[1]) : Matrix{};
    fill.Transform = pixels.Then(Matrix::Scale(20, 20));
    fill.Repeat = args.size() < 3 || vm.ToBoolean(args[2]);
    fill.Smooth = args.size() > 3 && vm.ToBoolean(args[3]);
    return fill;
}

// attachBitmap(bitmap, depth, pixelSnapping, smoothing): the bitmap takes
// the depth (whatever was there is removed). Pixel snapping is not done:
// the picture is drawn where the clip's matrix puts it.
Value AttachBitmap(Vm& vm, const Value& self, std::span<const Value> args) {
    Timeline* t = vm.TimelineOf(self);
    auto* data =
        Arg(args, 0).IsObject() ? dynamic_cast<geom::BitmapDataObject*>(args[0].Object().get()) : nullptr;
    auto depth = args.size() > 1 ? ListDepth(vm.ToNumber(args[1])) : std::nullopt;
    if (!t || !data || data->Disposed() || !depth)
        return {};
    DisplayObject entry;
    entry.Own = data->Picture(args.size() > 3 && vm.ToBoolean(args[3]));
    entry.Definition = entry.Own.get();
    entry.Dynamic = true;
    entry.PlacedFrame = t->CurrentFrame();
    t->Remove(*depth);
    t->Objects()[*depth] = std::move(entry);
    return {};
}

// Without a first argument the fill ends; a refused call changes nothing.
using FillReader = std::optional<FillStyle> (*)(Vm&, std::span<const Value>);

void FillMethod(Vm& vm, const ObjectPtr& proto, const char* name, FillReader read) {
    vm.Method(proto, name, [read](Vm& vm, const Value& self, std::span<const Value> args) -> Value {
        Drawing* d = DrawingOf(vm, self);
        if (d && Arg(args, 0).IsUndefined())
            d->EndFill();
        else if (d)
            if (auto fill = read(vm, args))
                d->BeginFill(*fill);
        return {};
    });
}

using PenCall = void (*)(Vm&, Drawing&, std::span<const Value>);

void Pen(Vm& vm, const ObjectPtr& proto, const char* name, PenCall f) {
    vm.Method(proto, name, [f](Vm& vm, const Value& self, std::span<const Value> args) -> Value {
        if (Drawing* d = DrawingOf(vm, self))
            f(vm, *d, args);
        return {};
    });
}

} // namespace

void InstallClipDrawing(Vm& vm, const ObjectPtr& proto) {
    vm.Method(proto, "lineStyle", LineStyleCall);
    FillMethod(vm, proto, "beginFill", SolidFill);
    FillMethod(vm, proto, "beginGradientFill", GradientFill);
    FillMethod(vm, proto, "beginBitmapFill", BitmapFill);
    vm.Method(proto, "attachBitmap", AttachBitmap);
    Pen(vm, proto, "moveTo",
        [](Vm& vm, Drawing& d, std::span<const Value> args) { d.MoveTo(PointArg(vm, args, 0)); });
    Pen(vm, proto, "lineTo",
        [](Vm& vm, Drawing& d, std::span<const Value> args) { d.LineTo(PointArg(vm, args, 0)); });
    Pen(vm, proto, "curveTo", [](Vm& vm, Drawing& d, std::span<const Value> args) {
        d.CurveTo(PointArg(vm, args, 0), PointArg(vm, args, 2));
    });
    Pen(vm, proto, "endFill", [](Vm&, Drawing& d, std::span<const Value>) { d.EndFill(); });
    Pen(vm, proto, "clear", [](Vm&, Drawing& d, std::span<const Value>) { d.Clear(); });
}

} // namespace swf::script::builtins
