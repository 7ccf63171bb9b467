#include "swf/TextLayout.h"
#include "swf/script/Builtins.h"
#include "swf/script/Text.h"
#include "swf/script/TextFieldContent.h"
#include "swf/script/TextFormatObject.h"
#include "swf/script/Vm.h"

#include <cmath>

namespace swf::script {
namespace {

// The properties in the order the constructor takes its arguments.
constexpr const char* ConstructorOrder[] = {"font",        "size",   "color",  "bold",  "italic",
                                            "underline",   "url",    "target", "align", "leftMargin",
                                            "rightMargin", "indent", "leading"};

Value Text(const std::optional<std::string>& v) { return v ? Value(*v) : Value::Null(); }
Value Number(const std::optional<double>& v) { return v ? Value(*v) : Value::Null(); }
Value Flag(const std::optional<bool>& v) { return v ? Value(*v) : Value::Null(); }

std::optional<std::string> ReadText(Vm& vm, const Value& v) {
    return v.IsNullish() ? std::nullopt : std::optional<std::string>(vm.ToString(v));
}

std::optional<double> ReadNumber(Vm& vm, const Value& v) {
    if (v.IsNullish())
        return std::nullopt;
    double d = vm.ToNumber(v);
    return std::isfinite(d) ? std::optional<double>(d) : std::nullopt;
}

std::optional<bool> ReadFlag(Vm& vm, const Value& v) {
    return v.IsNullish() ? std::nullopt : std::optional<bool>(vm.ToBoolean(v));
}

std::optional<std::string> ReadAlign(Vm& vm, const Value& v) {
    auto text = ReadText(vm, v);
    if (!text)
        return std::nullopt;
    std::string lower = ToLowerAscii(*text);
    for (const char* name : {"left", "center", "right", "justify"})
        if (lower == name)
            return lower;
    return std::nullopt;
}

} // namespace

ObjectPtr NewTextFormatObject(Vm& vm, const TextFormat& f) {
    ObjectPtr o = vm.NewObject(vm.Protos.TextFormat);
    o->Put("align", Text(f.Align));
    o->Put("blockIndent", Number(f.BlockIndent));
    o->Put("bold", Flag(f.Bold));
    o->Put("bullet", Flag(f.Bullet));
    o->Put("color", Number(f.Color));
    o->Put("display", "block");
    o->Put("font", Text(f.Font));
    o->Put("indent", Number(f.Indent));
    o->Put("italic", Flag(f.Italic));
    o->Put("kerning", Flag(f.Kerning));
    o->Put("leading", Number(f.Leading));
    o->Put("leftMargin", Number(f.LeftMargin));
    o->Put("letterSpacing", Number(f.LetterSpacing));
    o->Put("rightMargin", Number(f.RightMargin));
    o->Put("size", Number(f.Size));
    Value stops = Value::Null();
    if (f.TabStops) {
        std::vector<Value> list(f.TabStops->begin(), f.TabStops->end());
        stops = vm.NewArray(std::move(list));
    }
    o->Put("tabStops", stops);
    o->Put("target", Text(f.Target));
    o->Put("underline", Flag(f.Underline));
    o->Put("url", Text(f.Url));
    return o;
}

TextFormat ReadTextFormat(Vm& vm, const Value& object) {
    TextFormat f;
    if (!object.IsObject())
        return f;
    auto get = [&](const char* name) { return vm.GetMember(object, name); };
    f.Font = ReadText(vm, get("font"));
    f.Url = ReadText(vm, get("url"));
    f.Target = ReadText(vm, get("target"));
    f.Align = ReadAlign(vm, get("align"));
    f.Size = ReadNumber(vm, get("size"));
    if (auto color = ReadNumber(vm, get("color")))
        f.Color = double(uint32_t(ToInt32(*color)) & 0xffffff);
    f.BlockIndent = ReadNumber(vm, get("blockIndent"));
    f.Indent = ReadNumber(vm, get("indent"));
    f.Leading = ReadNumber(vm, get("leading"));
    f.LeftMargin = ReadNumber(vm, get("leftMargin"));
    f.RightMargin = ReadNumber(vm, get("rightMargin"));
    f.LetterSpacing = ReadNumber(vm, get("letterSpacing"));
    f.Bold = ReadFlag(vm, get("bold"));
    f.Italic = ReadFlag(vm, get("italic"));
    f.Underline = ReadFlag(vm, get("underline"));
    f.Bullet = ReadFlag(vm, get("bullet"));
    f.Kerning = ReadFlag(vm, get("kerning"));
    Value stops = get("tabStops");
    if (stops.IsObject()) {
        std::vector<double> list;
        double n = vm.ToNumber(vm.GetMember(stops, "length"));
        for (double i = 0; i < n && i < 1024; ++i)
            list.push_back(vm.ToNumber(vm.GetMember(stops, NumberToString(i))));
        f.TabStops = list;
    }
    return f;
}

// The text laid out as a field of the format would lay it out: one line,
// or lines wrapped at the given width. The font is the movie's embedded one
// of that name when there is one, as fields that embed fonts draw it.
Value TextExtentObject(Vm& vm, const TextFormat& format, const std::string& text, const Value& wrapWidth) {
    TextFormat full = TextFormat::Defaults();
    full.Apply(format);
    TextFieldContent content;
    content.Replace(0, 0, DecodeText(text), full);
    EditText field;
    field.Runs = std::make_shared<const std::vector<StyledRun>>(content.Styled());
    double wrap = wrapWidth.IsUndefined() ? 0 : vm.ToNumber(wrapWidth);
    field.WordWrap = std::isfinite(wrap) && wrap > 0;
    field.Bounds = {0, field.WordWrap ? int32_t(std::min(wrap, 1e6) * 20) : 1 << 30, 0, 0};
    const Dictionary* dictionary = vm.Root() ? &vm.Root()->Characters() : nullptr;
    Dictionary none;
    field.UseOutlines = dictionary && dictionary->FindFont(*full.Font, full.Bold.value_or(false),
                                                           full.Italic.value_or(false));
    TextExtent e = TextLayout(field, dictionary ? *dictionary : none, *vm.Fonts, true).Extent();
    double width = std::round(e.Width / 20), height = std::round(e.Height / 20);
    // The plug-in's answer has no prototype.
    ObjectPtr o = vm.NewObject(nullptr);
    o->Put("ascent", std::round(e.Ascent / 20));
    o->Put("descent", std::round(e.Descent / 20));
    o->Put("width", width);
    o->Put("height", height);
    o->Put("textFieldHeight", height + 4);
    o->Put("textFieldWidth", field.WordWrap ? std::round(wrap) : width + 4);
    return o;
}

namespace builtins {

void InstallTextFormat(Vm& vm) {
    vm.Protos.TextFormat = vm.NewObject();
    ObjectPtr ctor = vm.NewClass(
        vm.Protos.TextFormat, [](Vm&, const Value&, std::span<const Value>) -> Value { return {}; },
        [](Vm& vm, const Value& self, std::span<const Value> args) -> Value {
            ObjectPtr blank = NewTextFormatObject(vm, TextFormat{});
            for (const Property* p : blank->OwnProperties())
                self.Object()->Put(p->Name, p->Data);
            for (size_t i = 0; i < args.size() && i < std::size(ConstructorOrder); ++i)
                if (!args[i].IsUndefined())
                    vm.SetMember(self, ConstructorOrder[i], args[i]);
            return self;
        });
    vm.Method(vm.Protos.TextFormat, "getTextExtent",
              [](Vm& vm, const Value& self, std::span<const Value> args) -> Value {
                  return TextExtentObject(vm, ReadTextFormat(vm, self), vm.ToString(Arg(args, 0)),
                                          Arg(args, 1));
              });
    vm.Global()->Put("TextFormat", Value(ctor), DontEnum);
}

} // namespace builtins
} // namespace swf::script
