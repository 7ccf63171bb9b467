#include "swf/Timeline.h"
#include "swf/script/Builtins.h"
#include "swf/script/ClipObject.h"
#include "swf/script/TextFieldObject.h"
#include "swf/script/TextFormatObject.h"
#include "swf/script/Vm.h"

#include <algorithm>
#include <cmath>

namespace swf::script::builtins {
namespace {

// Script depths start at -16384 in the file's numbering.
constexpr int DepthOffset = 16384;

TextFieldObject* FieldOf(const Value& self) {
    return self.IsObject() ? dynamic_cast<TextFieldObject*>(self.Object().get()) : nullptr;
}

// A character position argument, clamped to the text.
size_t Position(Vm& vm, const Value& v, size_t length) {
    double d = vm.ToNumber(v);
    return std::isfinite(d) ? static_cast<size_t>(std::clamp(std::floor(d), 0.0, double(length))) : 0;
}

// The range [begin, end) getTextFormat and setTextFormat take: none for the
// whole text, one index for its character, two for a range.
std::pair<size_t, size_t> RangeOf(Vm& vm, std::span<const Value> args, size_t count, size_t length) {
    if (count == 0)
        return {0, length};
    size_t begin = Position(vm, args[0], length);
    if (count == 1)
        return {begin, begin + 1};
    return {begin, Position(vm, args[1], length)};
}

Value GetTextFormat(Vm& vm, const Value& self, std::span<const Value> args) {
    TextFieldObject* field = FieldOf(self);
    if (!field)
        return {};
    size_t length = field->Content().Text().size();
    size_t count = std::min<size_t>(args.size(), 2);
    while (count > 0 && args[count - 1].IsUndefined())
        --count;
    auto [begin, end] = RangeOf(vm, args, count, length);
    return NewTextFormatObject(vm, field->Content().FormatOf(begin, end));
}

Value SetTextFormat(Vm& vm, const Value& self, std::span<const Value> args) {
    TextFieldObject* field = FieldOf(self);
    if (!field || args.empty())
        return {};
    // The format is the last argument; indices come before it.
    TextFormat format = ReadTextFormat(vm, args.back());
    size_t length = field->Content().Text().size();
    auto [begin, end] = RangeOf(vm, args, std::min<size_t>(args.size() - 1, 2), length);
    field->Content().SetFormat(begin, end, format);
    field->Changed();
    return {};
}

Value ReplaceText(Vm& vm, const Value& self, std::span<const Value> args) {
    TextFieldObject* field = FieldOf(self);
    if (!field || args.size() < 3)
        return {};
    size_t length = field->Content().Text().size();
    size_t begin = Position(vm, args[0], length), end = Position(vm, args[1], length);
    if (begin > end)
        return {};
    field->Content().Replace(begin, end, DecodeText(vm.ToString(args[2])), field->NewFormat());
    field->Changed();
    return {};
}

Value CreateTextField(Vm& vm, const Value& self, std::span<const Value> args) {
    Timeline* t = vm.TimelineOf(self);
    double depth = vm.ToNumber(Arg(args, 1));
    if (!t || args.size() < 6 || !std::isfinite(depth))
        return {};
    double box[4];
    for (size_t i = 0; i < 4; ++i) {
        box[i] = vm.ToNumber(args[i + 2]);
        box[i] = std::isfinite(box[i]) ? std::clamp(box[i], -1e6, 1e6) : 0;
    }
    EditText definition;
    definition.Bounds = {0, int32_t(std::max(0.0, box[2]) * 20), 0, int32_t(std::max(0.0, box[3]) * 20)};
    auto clip = std::static_pointer_cast<ClipObject>(vm.ClipObjectFor(*t));
    auto field = vm.Make<TextFieldObject>(clip, definition, t->Characters(), vm.Fonts);
    field->Put("__proto__", Value(vm.Protos.TextField), DontEnum);
    auto d = static_cast<uint16_t>(std::clamp(int(depth) + DepthOffset, 0, 0xffff));
    DisplayObject entry;
    entry.Definition = field->OwnCharacter();
    entry.Name = vm.ToString(args[0]);
    entry.Dynamic = true;
    entry.Transform.Tx = box[0] * 20;
    entry.Transform.Ty = box[1] * 20;
    entry.Script = field;
    t->Objects()[d] = std::move(entry);
    field->Changed();
    return vm.Version() >= 8 ? Value(ObjectPtr(field)) : Value();
}

void InstallMethods(Vm& vm, const ObjectPtr& proto) {
    vm.Method(proto, "getTextFormat", GetTextFormat);
    vm.Method(proto, "setTextFormat", SetTextFormat);
    vm.Method(proto, "replaceText", ReplaceText);
    vm.Method(proto, "getNewTextFormat", [](Vm& vm, const Value& self, std::span<const Value>) -> Value {
        TextFieldObject* field = FieldOf(self);
        return field ? Value(NewTextFormatObject(vm, field->NewFormat())) : Value();
    });
    vm.Method(proto, "setNewTextFormat", [](Vm& vm, const Value& self, std::span<const Value> args) -> Value {
        if (TextFieldObject* field = FieldOf(self); field && !args.empty())
            field->NewFormat().Apply(ReadTextFormat(vm, args[0]));
        return {};
    });
    vm.Method(proto, "replaceSel", [](Vm& vm, const Value& self, std::span<const Value> args) -> Value {
        // Without a selection the text goes to the end.
        if (TextFieldObject* field = FieldOf(self)) {
            double end = double(field->Content().Text().size());
            Value range[] = {Value(end), Value(end), Value(vm.ToString(Arg(args, 0)))};
            ReplaceText(vm, self, range);
        }
        return {};
    });
    vm.Method(proto, "removeTextField", [](Vm&, const Value& self, std::span<const Value>) -> Value {
        TextFieldObject* field = FieldOf(self);
        DisplayObject* entry = field ? field->Display() : nullptr;
        auto parent = field ? field->Parent() : nullptr;
        if (entry && entry->Dynamic && parent && parent->GetTimeline())
            std::erase_if(parent->GetTimeline()->Objects(),
                          [entry](auto& item) { return &item.second == entry; });
        return {};
    });
    vm.Method(proto, "getDepth", [](Vm&, const Value& self, std::span<const Value>) -> Value {
        TextFieldObject* field = FieldOf(self);
        auto parent = field ? field->Parent() : nullptr;
        if (!parent || !parent->GetTimeline())
            return {};
        for (auto& [depth, entry] : parent->GetTimeline()->Objects())
            if (entry.Script.get() == field)
                return double(int(depth) - DepthOffset);
        return {};
    });
    vm.Method(proto, "toString", [](Vm&, const Value& self, std::span<const Value>) -> Value {
        TextFieldObject* field = FieldOf(self);
        auto parent = field ? field->Parent() : nullptr;
        DisplayObject* entry = field ? field->Display() : nullptr;
        if (!entry || !parent)
            return "[object Object]";
        return parent->TargetPath() + "." + entry->Name;
    });
}

} // namespace

void InstallTextField(Vm& vm) {
    vm.Protos.TextField = vm.NewObject();
    ObjectPtr ctor = vm.NewClass(vm.Protos.TextField,
                                 [](Vm&, const Value&, std::span<const Value>) -> Value { return {}; });
    InstallMethods(vm, vm.Protos.TextField);
    vm.Method(ctor, "getFontList", [](Vm& vm, const Value&, std::span<const Value>) -> Value {
        return vm.NewArray({Value("_sans"), Value("_serif"), Value("_typewriter")});
    });
    vm.Method(vm.Protos.MovieClip, "createTextField", CreateTextField);
    vm.Global()->Put("TextField", Value(ctor), DontEnum);
}

} // namespace swf::script::builtins
