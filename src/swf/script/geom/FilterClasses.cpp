#include "swf/script/geom/FilterClasses.h"

#include "swf/script/Builtins.h"
#include "swf/script/Vm.h"
#include "swf/script/geom/GeomSupport.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace swf::script::geom {
namespace {

using builtins::Arg;

enum class Kind { Number, Blur, Quality, Strength, Color, Alpha, Bool, Type, Mode, List, Any };

struct Field {
    const char* Name;
    Kind K;
    double Default = 0;
    const char* Text = nullptr; // default of a text field
};

struct FilterClass {
    const char* Name;
    std::vector<Field> Fields; // in the constructor's order
};

const std::vector<Field>& GradientFields() {
    static const std::vector<Field> fields = {
        {"distance", Kind::Number, 4},    {"angle", Kind::Number, 45},     {"colors", Kind::List},
        {"alphas", Kind::List},           {"ratios", Kind::List},          {"blurX", Kind::Blur, 4},
        {"blurY", Kind::Blur, 4},         {"strength", Kind::Strength, 1}, {"quality", Kind::Quality, 1},
        {"type", Kind::Type, 0, "inner"}, {"knockout", Kind::Bool, 0}};
    return fields;
}

const std::vector<FilterClass>& Classes() {
    static const std::vector<FilterClass> classes = {
        {"BlurFilter", {{"blurX", Kind::Blur, 4}, {"blurY", Kind::Blur, 4}, {"quality", Kind::Quality, 1}}},
        {"DropShadowFilter",
         {{"distance", Kind::Number, 4},
          {"angle", Kind::Number, 45},
          {"color", Kind::Color, 0},
          {"alpha", Kind::Alpha, 1},
          {"blurX", Kind::Blur, 4},
          {"blurY", Kind::Blur, 4},
          {"strength", Kind::Strength, 1},
          {"quality", Kind::Quality, 1},
          {"inner", Kind::Bool, 0},
          {"knockout", Kind::Bool, 0},
          {"hideObject", Kind::Bool, 0}}},
        {"GlowFilter",
         {{"color", Kind::Color, 0xFF0000},
          {"alpha", Kind::Alpha, 1},
          {"blurX", Kind::Blur, 6},
          {"blurY", Kind::Blur, 6},
          {"strength", Kind::Strength, 2},
          {"quality", Kind::Quality, 1},
          {"inner", Kind::Bool, 0},
          {"knockout", Kind::Bool, 0}}},
        {"BevelFilter",
         {{"distance", Kind::Number, 4},
          {"angle", Kind::Number, 45},
          {"highlightColor", Kind::Color, 0xFFFFFF},
          {"highlightAlpha", Kind::Alpha, 1},
          {"shadowColor", Kind::Color, 0},
          {"shadowAlpha", Kind::Alpha, 1},
          {"blurX", Kind::Blur, 4},
          {"blurY", Kind::Blur, 4},
          {"strength", Kind::Strength, 1},
          {"quality", Kind::Quality, 1},
          {"type", Kind::Type, 0, "inner"},
          {"knockout", Kind::Bool, 0}}},
        {"GradientGlowFilter", GradientFields()},
        {"GradientBevelFilter", GradientFields()},
        {"ColorMatrixFilter", {{"matrix", Kind::List}}},
        {"ConvolutionFilter",
         {{"matrixX", Kind::Number, 0},
          {"matrixY", Kind::Number, 0},
          {"matrix", Kind::List},
          {"divisor", Kind::Number, 1},
          {"bias", Kind::Number, 0},
          {"preserveAlpha", Kind::Bool, 1},
          {"clamp", Kind::Bool, 1},
          {"color", Kind::Color, 0},
          {"alpha", Kind::Alpha, 0}}},
        {"DisplacementMapFilter",
         {{"mapBitmap", Kind::Any},
          {"mapPoint", Kind::Any},
          {"componentX", Kind::Number, 0},
          {"componentY", Kind::Number, 0},
          {"scaleX", Kind::Number, 0},
          {"scaleY", Kind::Number, 0},
          {"mode", Kind::Mode, 0, "wrap"},
          {"color", Kind::Color, 0},
          {"alpha", Kind::Alpha, 0}}},
    };
    return classes;
}

// A copy of a list, so that the filter's own list cannot be changed from
// outside.
Value CopyList(Vm& vm, const Value& v) {
    auto* a = v.IsObject() ? dynamic_cast<ArrayObject*>(v.Object().get()) : nullptr;
    return a ? Value(vm.NewArray(a->Elements)) : Value(vm.NewArray());
}

Value Clamped(Vm& vm, const Field& f, const Value& v) {
    double d = vm.ToNumber(v);
    auto finite = [](double x, double fallback) { return std::isfinite(x) ? x : fallback; };
    switch (f.K) {
    case Kind::Number:
        return finite(d, 0);
    case Kind::Blur:
        return std::clamp(finite(d, 0), 0.0, 255.0);
    case Kind::Strength:
        return std::clamp(finite(d, 0), 0.0, 255.0);
    case Kind::Quality:
        return std::clamp(std::trunc(finite(d, 0)), 0.0, 15.0);
    case Kind::Alpha:
        return std::clamp(finite(d, 0), 0.0, 1.0);
    case Kind::Color:
        return double(static_cast<uint32_t>(ToInt32(d)) & 0xFFFFFF);
    case Kind::Bool:
        return vm.ToBoolean(v);
    case Kind::Type: {
        std::string s = vm.ToString(v);
        return s == "outer" || s == "full" ? s : std::string("inner");
    }
    case Kind::Mode: {
        std::string s = vm.ToString(v);
        return s == "clamp" || s == "ignore" || s == "color" ? s : std::string("wrap");
    }
    case Kind::List:
        return CopyList(vm, v);
    case Kind::Any:
        break;
    }
    return v;
}

Value Default(Vm& vm, const Field& f) {
    if (f.Text)
        return f.Text;
    if (f.K == Kind::List)
        return Value(vm.NewArray());
    if (f.K == Kind::Bool)
        return f.Default != 0;
    if (f.K == Kind::Any)
        return {};
    return f.Default;
}

// Fields live in own properties hidden from scripts; the accessors on the
// prototype read and clamp them.
void Store(const ObjectPtr& o, const std::string& name, Value v) {
    o->Put(name, std::move(v), DontEnum | VersionHidden);
}

Value Load(const Value& self, const std::string& name) {
    const Property* p = self.IsObject() ? self.Object()->FindOwnAnyVersion(name) : nullptr;
    return p && (p->Flags & VersionHidden) ? p->Data : Value();
}

void InstallClass(Vm& vm, const ObjectPtr& package, const FilterClass& c) {
    ObjectPtr proto = vm.NewObject();
    const FilterClass* cls = &c;
    Class(vm, package, c.Name, proto, [cls](Vm& vm, const Value& self, std::span<const Value> args) -> Value {
        if (!self.IsObject())
            return {};
        for (size_t i = 0; i < cls->Fields.size(); ++i) {
            const Field& f = cls->Fields[i];
            Store(self.Object(), f.Name, i < args.size() ? Clamped(vm, f, args[i]) : Default(vm, f));
        }
        return self;
    });
    for (const Field& f : c.Fields) {
        const Field* field = &f;
        Accessor(
            vm, proto, f.Name,
            [field](Vm& vm, const Value& self, std::span<const Value>) -> Value {
                Value v = Load(self, field->Name);
                return field->K == Kind::List ? CopyList(vm, v) : v;
            },
            [field](Vm& vm, const Value& self, std::span<const Value> args) -> Value {
                if (self.IsObject())
                    Store(self.Object(), field->Name, Clamped(vm, *field, Arg(args, 0)));
                return {};
            });
    }
    vm.Method(proto, "clone", [cls, proto](Vm& vm, const Value& self, std::span<const Value>) -> Value {
        ObjectPtr copy = vm.NewObject(proto);
        for (const Field& f : cls->Fields) {
            Value v = Load(self, f.Name);
            Store(copy, f.Name, f.K == Kind::List ? CopyList(vm, v) : v);
        }
        return Value(copy);
    });
}

} // namespace

void InstallFilterClasses(Vm& vm) {
    ObjectPtr package = Package(vm, "filters");
    for (const FilterClass& c : Classes())
        InstallClass(vm, package, c);
}

} // namespace swf::script::geom
