#include "swf/Timeline.h"
#include "swf/script/Builtins.h"
#include "swf/script/Vm.h"
#include "swf/script/geom/FilterClasses.h"
#include "swf/script/geom/GeomSupport.h"

#include <cmath>
#include <numbers>

namespace swf::script::geom {
namespace {

using builtins::Arg;

constexpr double Degrees = 180 / std::numbers::pi;

double RgbOf(Rgba c) { return double(uint32_t(c.R) << 16 | uint32_t(c.G) << 8 | c.B); }
double AlphaOf(Rgba c) { return c.A / 255.0; }

Rgba ColorOf(Vm& vm, const Value& object, const char* rgb, const char* alpha) {
    auto v = static_cast<uint32_t>(ToInt32(Number(vm, object, rgb)));
    double a = Number(vm, object, alpha);
    return {uint8_t(v >> 16), uint8_t(v >> 8), uint8_t(v),
            uint8_t(std::lround(std::clamp(std::isfinite(a) ? a : 0, 0.0, 1.0) * 255))};
}

const char* TypeOf(const EdgeFilterFields& f) { return f.OnTop ? "full" : f.Inner ? "inner" : "outer"; }

void ReadType(Vm& vm, const Value& object, EdgeFilterFields& f) {
    std::string type = vm.ToString(vm.GetMember(object, "type"));
    f.Inner = type == "inner";
    f.OnTop = type == "full";
}

Value NewFilter(Vm& vm, const char* name, std::vector<Value> args) {
    return vm.Construct(vm.GetMember(Value(Package(vm, "filters")), name), args);
}

bool Is(Vm& vm, const Value& v, const char* name) {
    Value ctor = vm.GetMember(Value(Package(vm, "filters")), name);
    Value proto = vm.GetMember(ctor, "prototype");
    return proto.IsObject() && IsA(v, proto.Object());
}

Value Numbers(Vm& vm, const std::vector<double>& list) {
    std::vector<Value> values(list.begin(), list.end());
    return Value(vm.NewArray(std::move(values)));
}

std::vector<double> ReadNumbers(Vm& vm, const Value& object, const char* name) {
    std::vector<double> out;
    Value list = vm.GetMember(object, name);
    if (auto* a = list.IsObject() ? dynamic_cast<ArrayObject*>(list.Object().get()) : nullptr)
        for (const Value& v : a->Elements)
            out.push_back(vm.ToNumber(v));
    return out;
}

void ReadEdge(Vm& vm, const Value& o, EdgeFilterFields& f, bool angled) {
    f.BlurX = Number(vm, o, "blurX");
    f.BlurY = Number(vm, o, "blurY");
    f.Strength = Number(vm, o, "strength");
    f.Passes = static_cast<int>(Number(vm, o, "quality"));
    f.Knockout = vm.ToBoolean(vm.GetMember(o, "knockout"));
    if (angled) {
        f.Distance = Number(vm, o, "distance");
        f.Angle = Number(vm, o, "angle") / Degrees;
    } else {
        f.Distance = 0;
    }
}

Value GradientToScript(Vm& vm, const char* name, const GradientFilterFields& f) {
    std::vector<double> colors, alphas, ratios;
    for (const GradientStop& s : f.Stops) {
        colors.push_back(RgbOf(s.Color));
        alphas.push_back(AlphaOf(s.Color));
        ratios.push_back(s.Ratio);
    }
    return NewFilter(vm, name,
                     {f.Distance, f.Angle * Degrees, Numbers(vm, colors), Numbers(vm, alphas),
                      Numbers(vm, ratios), f.BlurX, f.BlurY, f.Strength, double(f.Passes), TypeOf(f),
                      f.Knockout});
}

template <class T> T GradientFromScript(Vm& vm, const Value& o) {
    T f;
    ReadEdge(vm, o, f, true);
    ReadType(vm, o, f);
    auto colors = ReadNumbers(vm, o, "colors"), alphas = ReadNumbers(vm, o, "alphas"),
         ratios = ReadNumbers(vm, o, "ratios");
    for (size_t i = 0; i < colors.size() && i < alphas.size() && i < ratios.size(); ++i) {
        auto rgb = static_cast<uint32_t>(ToInt32(colors[i]));
        f.Stops.push_back({static_cast<uint8_t>(std::clamp(ratios[i], 0.0, 255.0)),
                           {uint8_t(rgb >> 16), uint8_t(rgb >> 8), uint8_t(rgb),
                            uint8_t(std::lround(std::clamp(alphas[i], 0.0, 1.0) * 255))}});
    }
    return f;
}

struct ToScriptVisitor {
    Vm& vm;
    Value operator()(const DropShadowFilter& f) const {
        return NewFilter(vm, "DropShadowFilter",
                         {f.Distance, f.Angle * Degrees, RgbOf(f.Color), AlphaOf(f.Color), f.BlurX, f.BlurY,
                          f.Strength, double(f.Passes), f.Inner, f.Knockout, f.HideObject});
    }
    Value operator()(const BlurFilter& f) const {
        return NewFilter(vm, "BlurFilter", {f.BlurX, f.BlurY, double(f.Passes)});
    }
    Value operator()(const GlowFilter& f) const {
        return NewFilter(vm, "GlowFilter",
                         {RgbOf(f.Color), AlphaOf(f.Color), f.BlurX, f.BlurY, f.Strength, double(f.Passes),
                          f.Inner, f.Knockout});
    }
    Value operator()(const BevelFilter& f) const {
        return NewFilter(vm, "BevelFilter",
                         {f.Distance, f.Angle * Degrees, RgbOf(f.Highlight), AlphaOf(f.Highlight),
                          RgbOf(f.Shadow), AlphaOf(f.Shadow), f.BlurX, f.BlurY, f.Strength, double(f.Passes),
                          TypeOf(f), f.Knockout});
    }
    Value operator()(const GradientGlowFilter& f) const {
        return GradientToScript(vm, "GradientGlowFilter", f);
    }
    Value operator()(const GradientBevelFilter& f) const {
        return GradientToScript(vm, "GradientBevelFilter", f);
    }
    Value operator()(const ColorMatrixFilter& f) const {
        return NewFilter(vm, "ColorMatrixFilter",
                         {Numbers(vm, std::vector<double>(f.Matrix.begin(), f.Matrix.end()))});
    }
    Value operator()(const ConvolutionFilter& f) const {
        return NewFilter(vm, "ConvolutionFilter",
                         {double(f.Columns), double(f.Rows),
                          Numbers(vm, std::vector<double>(f.Weights.begin(), f.Weights.end())), f.Divisor,
                          f.Bias, f.PreserveAlpha, f.Clamp, RgbOf(f.Default), AlphaOf(f.Default)});
    }
};

std::optional<Filter> EdgeFromScript(Vm& vm, const Value& o) {
    if (Is(vm, o, "DropShadowFilter")) {
        DropShadowFilter f;
        ReadEdge(vm, o, f, true);
        f.Color = ColorOf(vm, o, "color", "alpha");
        f.Inner = vm.ToBoolean(vm.GetMember(o, "inner"));
        f.HideObject = vm.ToBoolean(vm.GetMember(o, "hideObject"));
        return f;
    }
    if (Is(vm, o, "GlowFilter")) {
        GlowFilter f;
        ReadEdge(vm, o, f, false);
        f.Color = ColorOf(vm, o, "color", "alpha");
        f.Inner = vm.ToBoolean(vm.GetMember(o, "inner"));
        return f;
    }
    if (Is(vm, o, "BevelFilter")) {
        BevelFilter f;
        ReadEdge(vm, o, f, true);
        ReadType(vm, o, f);
        f.Highlight = ColorOf(vm, o, "highlightColor", "highlightAlpha");
        f.Shadow = ColorOf(vm, o, "shadowColor", "shadowAlpha");
        return f;
    }
    if (Is(vm, o, "GradientGlowFilter"))
        return GradientFromScript<GradientGlowFilter>(vm, o);
    if (Is(vm, o, "GradientBevelFilter"))
        return GradientFromScript<GradientBevelFilter>(vm, o);
    return std::nullopt;
}

// What a clip's filters were last set to from a script, so that reading
// them back gives the script's classes the renderer does not draw too.
class FilterMemo : public Object {
public:
    using Object::Object;
    std::shared_ptr<const FilterList> Drawn;
    std::vector<Value> Scripts;
    void DropReferences() override {
        Scripts.clear();
        Object::DropReferences();
    }
};

constexpr const char* MemoName = "filters";

FilterMemo* MemoOf(const Value& clip) {
    const Property* p = clip.IsObject() ? clip.Object()->FindOwnAnyVersion(MemoName) : nullptr;
    return p && p->Data.IsObject() ? dynamic_cast<FilterMemo*>(p->Data.Object().get()) : nullptr;
}

DisplayObject* PlacedClip(Vm& vm, const Value& clip) {
    Timeline* t = vm.TimelineOf(clip);
    return t ? t->Self() : nullptr;
}

Value GetFilters(Vm& vm, const Value& self, std::span<const Value>) {
    DisplayObject* placed = PlacedClip(vm, self);
    if (!placed)
        return {};
    std::vector<Value> list;
    if (FilterMemo* memo = MemoOf(self); memo && memo->Drawn == placed->Filters) {
        for (const Value& f : memo->Scripts)
            list.push_back(vm.CallMethod(f, "clone", {}));
    } else if (placed->Filters) {
        for (const Filter& f : *placed->Filters)
            list.push_back(FilterToScript(vm, f));
    }
    return Value(vm.NewArray(std::move(list)));
}

Value SetFilters(Vm& vm, const Value& self, std::span<const Value> args) {
    DisplayObject* placed = PlacedClip(vm, self);
    auto* array = Arg(args, 0).IsObject() ? dynamic_cast<ArrayObject*>(args[0].Object().get()) : nullptr;
    if (!placed || !array)
        return {};
    auto memo = vm.Make<FilterMemo>();
    FilterList drawn;
    for (const Value& item : std::vector<Value>(array->Elements)) {
        Value copy = vm.CallMethod(item, "clone", {});
        if (!copy.IsObject())
            continue;
        memo->Scripts.push_back(copy);
        if (auto f = FilterFromScript(vm, copy))
            drawn.push_back(std::move(*f));
    }
    placed->Filters = drawn.empty() ? nullptr : std::make_shared<const FilterList>(std::move(drawn));
    memo->Drawn = placed->Filters;
    self.Object()->Put(MemoName, Value(ObjectPtr(memo)), DontEnum | VersionHidden);
    return {};
}

} // namespace

Value FilterToScript(Vm& vm, const Filter& filter) { return std::visit(ToScriptVisitor{vm}, filter); }

std::optional<Filter> FilterFromScript(Vm& vm, const Value& o) {
    if (Is(vm, o, "BlurFilter")) {
        BlurFilter f;
        f.BlurX = Number(vm, o, "blurX");
        f.BlurY = Number(vm, o, "blurY");
        f.Passes = static_cast<int>(Number(vm, o, "quality"));
        return f;
    }
    if (Is(vm, o, "ColorMatrixFilter")) {
        ColorMatrixFilter f;
        auto m = ReadNumbers(vm, o, "matrix");
        for (size_t i = 0; i < f.Matrix.size() && i < m.size(); ++i)
            f.Matrix[i] = float(m[i]);
        return f;
    }
    if (Is(vm, o, "ConvolutionFilter")) {
        ConvolutionFilter f;
        f.Columns = std::clamp(static_cast<int>(Number(vm, o, "matrixX")), 0, 15);
        f.Rows = std::clamp(static_cast<int>(Number(vm, o, "matrixY")), 0, 15);
        for (double w : ReadNumbers(vm, o, "matrix"))
            f.Weights.push_back(float(w));
        f.Weights.resize(size_t(f.Columns) * size_t(f.Rows), 0.0f);
        f.Divisor = float(Number(vm, o, "divisor"));
        f.Bias = float(Number(vm, o, "bias"));
        f.PreserveAlpha = vm.ToBoolean(vm.GetMember(o, "preserveAlpha"));
        f.Clamp = vm.ToBoolean(vm.GetMember(o, "clamp"));
        f.Default = ColorOf(vm, o, "color", "alpha");
        return f;
    }
    return EdgeFromScript(vm, o);
}

void InstallClipFilters(Vm& vm) { Accessor(vm, vm.Protos.MovieClip, "filters", GetFilters, SetFilters); }

} // namespace swf::script::geom
