#include "swf/script/TextFieldObject.h"

#include "swf/Button.h"
#include "swf/Dictionary.h"
#include "swf/Timeline.h"
#include "swf/script/ClipObject.h"
#include "swf/script/Scope.h"
#include "swf/script/Text.h"
#include "swf/script/TextFieldHtml.h"
#include "swf/script/Vm.h"

#include <cmath>

namespace swf::script {
namespace {

// How a setting converts what scripts assign to it.
enum class Kind { Boolean, Number, Text, Count, Choice };

struct SettingInfo {
    const char* Name;
    Kind Type;
    const char* Choices; // for Choice: the allowed values, the first the default, '|' between
};

constexpr SettingInfo Settings[] = {
    {"type", Kind::Choice, "dynamic|input"},
    {"autoSize", Kind::Choice, "none|left|center|right"},
    {"antiAliasType", Kind::Choice, "normal|advanced"},
    {"gridFitType", Kind::Choice, "pixel|none|subpixel"},
    {"html", Kind::Boolean, nullptr},
    {"multiline", Kind::Boolean, nullptr},
    {"wordWrap", Kind::Boolean, nullptr},
    {"border", Kind::Boolean, nullptr},
    {"background", Kind::Boolean, nullptr},
    {"password", Kind::Boolean, nullptr},
    {"selectable", Kind::Boolean, nullptr},
    {"embedFonts", Kind::Boolean, nullptr},
    {"condenseWhite", Kind::Boolean, nullptr},
    {"mouseWheelEnabled", Kind::Boolean, nullptr},
    {"borderColor", Kind::Number, nullptr},
    {"backgroundColor", Kind::Number, nullptr},
    {"sharpness", Kind::Number, nullptr},
    {"thickness", Kind::Number, nullptr},
    {"hscroll", Kind::Number, nullptr},
    {"scroll", Kind::Number, nullptr},
    {"maxChars", Kind::Count, nullptr},
    {"restrict", Kind::Text, nullptr},
};

bool SameName(const std::string& a, const char* b, bool caseSensitive) {
    return caseSensitive ? a == b : ToLowerAscii(a) == ToLowerAscii(b);
}

const SettingInfo* FindSetting(const std::string& name, bool caseSensitive) {
    for (const SettingInfo& s : Settings)
        if (SameName(name, s.Name, caseSensitive))
            return &s;
    return nullptr;
}

std::vector<std::string> ChoicesOf(const SettingInfo& s) {
    std::vector<std::string> out;
    std::string all = s.Choices;
    for (size_t at = 0; at <= all.size();) {
        size_t bar = all.find('|', at);
        bar = bar == std::string::npos ? all.size() : bar;
        out.push_back(all.substr(at, bar - at));
        at = bar + 1;
    }
    return out;
}

// What an assignment to a setting stores; nothing when it is refused.
std::optional<Value> Convert(Vm& vm, const SettingInfo& s, const Value& v) {
    switch (s.Type) {
    case Kind::Boolean:
        return Value(vm.ToBoolean(v));
    case Kind::Number:
        return Value(vm.ToNumber(v));
    case Kind::Count: {
        double n = vm.ToNumber(v);
        return std::isfinite(n) && n > 0 ? Value(std::floor(n)) : Value::Null();
    }
    case Kind::Text:
        return v.IsNullish() ? Value::Null() : Value(vm.ToString(v));
    case Kind::Choice:
        break;
    }
    // autoSize takes true and false for "left" and "none".
    if (v.IsBoolean() && std::string(s.Name) == "autoSize")
        return Value(v.Boolean() ? "left" : "none");
    std::string text = ToLowerAscii(vm.ToString(v));
    for (const std::string& choice : ChoicesOf(s))
        if (text == choice)
            return Value(choice);
    // A type or grid fitting that is none of them is kept as it was.
    std::string name = s.Name;
    return name == "type" || name == "gridFitType" ? std::nullopt
                                                   : std::optional<Value>(Value(ChoicesOf(s).front()));
}

const char* AlignName(Align a) {
    switch (a) {
    case Align::Right:
        return "right";
    case Align::Center:
        return "center";
    case Align::Justify:
        return "justify";
    case Align::Left:
        break;
    }
    return "left";
}

// The format a field starts with, from its definition.
TextFormat DefinitionFormat(const EditText& field, const Dictionary& dictionary) {
    TextFormat f = TextFormat::Defaults();
    if (const Font* font = field.HasFont ? dictionary.FindFont(field.FontId) : nullptr) {
        f.Font = font->Name;
        // In HTML the tags say what is bold and italic.
        f.Bold = font->Bold && !field.Html;
        f.Italic = font->Italic && !field.Html;
    }
    f.Size = field.Height / 20;
    f.Color = double((uint32_t(field.Color.R) << 16) | (uint32_t(field.Color.G) << 8) | field.Color.B);
    f.Align = AlignName(field.Alignment);
    f.LeftMargin = field.LeftMargin / 20;
    f.RightMargin = field.RightMargin / 20;
    f.Indent = field.Indent / 20;
    f.Leading = field.Leading / 20;
    return f;
}

// The width or height (twips) of a box's bounds in its parent: its corners
// moved and set on whole twips.
double BoxSize(const Rect& box, const Matrix& m, bool width) {
    double low = HUGE_VAL, high = -HUGE_VAL;
    for (Point corner :
         {Point{double(box.XMin), double(box.YMin)}, Point{double(box.XMax), double(box.YMin)},
          Point{double(box.XMin), double(box.YMax)}, Point{double(box.XMax), double(box.YMax)}}) {
        Point p = m.Apply(corner);
        double v = std::round(width ? p.X : p.Y);
        low = std::min(low, v);
        high = std::max(high, v);
    }
    return high - low;
}

Rgba ColorOf(double v) {
    auto c = static_cast<uint32_t>(ToInt32(v));
    return {uint8_t(c >> 16), uint8_t(c >> 8), uint8_t(c), 255};
}

} // namespace

TextFieldObject::TextFieldObject(bool caseSensitive, std::shared_ptr<ClipObject> parent,
                                 const EditText& definition, const Dictionary& dictionary,
                                 std::shared_ptr<FontProvider> fonts)
    : Object(caseSensitive), parent_(parent), definition_(definition), dictionary_(dictionary),
      fonts_(std::move(fonts)) {
    for (const SettingInfo& s : Settings)
        settings_[s.Name] = s.Type == Kind::Choice    ? Value(ChoicesOf(s).front())
                            : s.Type == Kind::Boolean ? Value(false)
                            : s.Type == Kind::Number  ? Value(0.0)
                                                      : Value::Null();
    settings_["html"] = definition.Html;
    settings_["multiline"] = definition.Multiline;
    settings_["wordWrap"] = definition.WordWrap;
    settings_["border"] = definition.Border;
    settings_["background"] = definition.Border;
    settings_["password"] = definition.Password;
    settings_["embedFonts"] = definition.UseOutlines;
    settings_["selectable"] = true;
    settings_["mouseWheelEnabled"] = true;
    settings_["backgroundColor"] = double(0xffffff);
    settings_["scroll"] = 1.0;
    if (definition.AutoSize)
        settings_["autoSize"] = "left";
    settings_["antiAliasType"] = definition.Advanced ? "advanced" : "normal";
    static const char* const GridFits[] = {"none", "pixel", "subpixel"};
    settings_["gridFitType"] = GridFits[std::min<size_t>(definition.GridFit, 2)];
    settings_["thickness"] = definition.Thickness;
    settings_["sharpness"] = definition.Sharpness;
    newFormat_ = DefinitionFormat(definition, dictionary);
    variable_ = definition.VariableName;
    Load(definition.Text, definition.Html);
}

const Character* TextFieldObject::OwnCharacter() {
    if (!own_)
        own_ = std::make_unique<Character>(std::make_shared<const EditText>(definition_));
    return own_.get();
}

DisplayObject* TextFieldObject::Display() const {
    auto parent = parent_.lock();
    Timeline* t = parent ? parent->GetTimeline() : nullptr;
    if (!t)
        return nullptr;
    for (auto& [depth, entry] : t->Objects())
        if (entry.Script.get() == this)
            return &entry;
    return nullptr;
}

Value TextFieldObject::Setting(const char* name) const {
    auto it = settings_.find(name);
    return it == settings_.end() ? Value() : it->second;
}

bool TextFieldObject::Html() const { return ToBoolean(Setting("html"), 7); }

std::string TextFieldObject::PlainText() const { return EncodeText(content_.Text()); }

void TextFieldObject::Load(const std::string& text, bool html) {
    if (html) {
        content_ = ReadFieldHtml(text, newFormat_, ToBoolean(Setting("multiline"), 7));
    } else {
        content_ = TextFieldContent();
        content_.Replace(0, 0, DecodeText(text), newFormat_);
    }
}

void TextFieldObject::SetText(Vm& vm, const std::string& text, bool html) {
    Load(text, html);
    SetVariableFromText(vm);
    Changed();
}

void TextFieldObject::SetVariableFromText(Vm& vm) {
    auto parent = parent_.lock();
    if (variable_.empty() || !parent || !parent->GetTimeline())
        return;
    std::string shown = Html() ? WriteFieldHtml(content_, newFormat_) : PlainText();
    shownVariable_ = shown;
    Activation a = vm.FrameActivation(parent);
    Scope(vm, a).Set(variable_, Value(shown));
}

void TextFieldObject::SyncFromVariable(Vm& vm) {
    auto parent = parent_.lock();
    if (variable_.empty() || !parent || !parent->GetTimeline())
        return;
    Activation a = vm.FrameActivation(parent);
    Value v = Scope(vm, a).Get(variable_);
    if (v.IsUndefined()) {
        if (!shownVariable_)
            SetVariableFromText(vm);
        return;
    }
    std::string text = vm.ToString(v);
    if (shownVariable_ == text)
        return;
    shownVariable_ = text;
    Load(text, Html());
    Changed();
}

EditText TextFieldObject::Rendered() const {
    EditText e = definition_;
    e.Html = true;
    e.Text = WriteFieldHtml(content_, newFormat_);
    e.Runs = std::make_shared<const std::vector<StyledRun>>(content_.Styled());
    e.Multiline = ToBoolean(Setting("multiline"), 7);
    e.WordWrap = ToBoolean(Setting("wordWrap"), 7);
    e.Password = ToBoolean(Setting("password"), 7);
    e.Border = ToBoolean(Setting("border"), 7);
    e.Background = ToBoolean(Setting("background"), 7);
    e.BorderColor = ColorOf(PrimitiveToNumber(Setting("borderColor"), 7));
    e.BackgroundColor = ColorOf(PrimitiveToNumber(Setting("backgroundColor"), 7));
    e.UseOutlines = ToBoolean(Setting("embedFonts"), 7);
    return e;
}

void TextFieldObject::Changed() {
    FitToText();
    if (DisplayObject* entry = Display())
        entry->Field = std::make_shared<const EditText>(Rendered());
}

std::optional<Value> TextFieldObject::GetComputed(Vm& vm, const std::string& name) {
    if (const SettingInfo* s = FindSetting(name, CaseSensitive()))
        return settings_[s->Name];
    return GetSpecial(vm, name);
}

bool TextFieldObject::SetComputed(Vm& vm, const std::string& name, const Value& v) {
    if (const SettingInfo* s = FindSetting(name, CaseSensitive())) {
        if (auto stored = Convert(vm, *s, v)) {
            settings_[s->Name] = *stored;
            Changed();
        }
        return true;
    }
    return SetSpecial(vm, name, v);
}

void TextFieldObject::ComputedKeys(std::vector<std::string>&) const {}

std::optional<Value> TextFieldObject::GetSpecial(Vm& vm, const std::string& name) {
    auto is = [&](const char* n) { return SameName(name, n, CaseSensitive()); };
    if (is("text") || is("htmlText"))
        SyncFromVariable(vm);
    if (is("text"))
        return PlainText();
    if (is("htmlText"))
        return Html() ? WriteFieldHtml(content_, newFormat_) : PlainText();
    if (is("length"))
        return double(content_.Text().size());
    if (is("textColor"))
        return newFormat_.Color.value_or(0);
    if (is("variable"))
        return variable_.empty() ? Value::Null() : Value(variable_);
    if (is("maxscroll") || is("bottomScroll"))
        return 1.0;
    if (is("maxhscroll"))
        return 0.0;
    if (is("textWidth"))
        return std::floor(Measure().Width / 20);
    if (is("textHeight"))
        return std::floor(Measure().Height / 20);
    if (name.empty() || name[0] != '_')
        return std::nullopt;
    return DisplayProperty(vm, name);
}

bool TextFieldObject::SetSpecial(Vm& vm, const std::string& name, const Value& v) {
    auto is = [&](const char* n) { return SameName(name, n, CaseSensitive()); };
    if (is("text")) {
        SetText(vm, vm.ToString(v), false);
    } else if (is("htmlText")) {
        SetText(vm, vm.ToString(v), Html());
    } else if (is("textColor")) {
        TextFormat color;
        color.Color = double(ToInt32(vm.ToNumber(v)) & 0xffffff);
        newFormat_.Apply(color);
        content_.SetFormat(0, content_.Text().size(), color);
        Changed();
    } else if (is("variable")) {
        variable_ = v.IsNullish() ? std::string() : vm.ToString(v);
        shownVariable_.reset();
        SyncFromVariable(vm);
    } else if (is("length") || is("textWidth") || is("textHeight") || is("maxscroll") || is("bottomScroll") ||
               is("maxhscroll")) {
        // read-only
    } else {
        return !name.empty() && name[0] == '_' && SetDisplayProperty(vm, name, v);
    }
    return true;
}

} // namespace swf::script

namespace swf::script {

std::optional<Value> TextFieldObject::DisplayProperty(Vm& vm, const std::string& name) {
    DisplayObject* self = Display();
    auto parent = parent_.lock();
    std::string lower = ToLowerAscii(name);
    if (lower == "_parent")
        return parent && parent->GetTimeline() ? Value(parent) : Value();
    if (lower == "_target")
        return parent
                   ? (parent->SlashPath() == "/" ? "" : parent->SlashPath()) + "/" + (self ? self->Name : "")
                   : std::string();
    if (lower == "_width" || lower == "_height")
        return BoxSize(definition_.Bounds, self ? self->Transform : Matrix{}, lower == "_width") / 20;
    int index = ClipObject::PropertyIndex(name);
    if (index < 0)
        return std::nullopt;
    if (auto placed = ClipObject::PlacementProperty(self, index))
        return placed;
    return parent ? parent->GetProperty(vm, index) : std::nullopt;
}

bool TextFieldObject::SetDisplayProperty(Vm& vm, const std::string& name, const Value& v) {
    std::string lower = ToLowerAscii(name);
    if (lower == "_width" || lower == "_height") {
        double d = vm.ToNumber(v) * 20;
        if (!std::isfinite(d) || d < 0)
            return true;
        Rect& b = definition_.Bounds;
        (lower == "_width" ? b.XMax : b.YMax) =
            (lower == "_width" ? b.XMin : b.YMin) + static_cast<int32_t>(std::min(d, 1e9));
        Changed();
        return true;
    }
    int index = ClipObject::PropertyIndex(name);
    DisplayObject* self = Display();
    if (index < 0 || !self)
        return index >= 0;
    ClipObject::SetPlacementProperty(vm, *self, index, v);
    return true;
}

TextExtent TextFieldObject::Measure() const {
    EditText field = Rendered();
    return TextLayout(field, dictionary_, *fonts_).Extent();
}

// autoSize: the box takes the text's height and its gutters, and without
// word wrap its width too, keeping its left edge, centre or right edge
// where they were.
void TextFieldObject::FitToText() {
    Value mode = Setting("autoSize");
    if (!mode.IsString() || mode.String() == "none")
        return;
    TextExtent text = Measure();
    Rect& box = definition_.Bounds;
    box.YMax = box.YMin + static_cast<int32_t>(std::min(text.Height, 1e9)) + 80;
    if (ToBoolean(Setting("wordWrap"), 7))
        return;
    int32_t width = static_cast<int32_t>(std::min(text.Width, 1e9)) + 80;
    double shift = mode.String() == "right"    ? box.Width() - width
                   : mode.String() == "center" ? (box.Width() - width) / 2.0
                                               : 0;
    box.XMax = box.XMin + width;
    if (DisplayObject* self = Display()) {
        self->Transform.Tx += shift * self->Transform.A;
        self->Transform.Ty += shift * self->Transform.B;
    }
}

std::shared_ptr<TextFieldObject> TextFieldFor(Vm& vm, Timeline& parent, DisplayObject& entry) {
    if (auto existing = std::dynamic_pointer_cast<TextFieldObject>(entry.Script))
        return existing;
    auto field = entry.Definition ? std::get_if<std::shared_ptr<const EditText>>(entry.Definition) : nullptr;
    if (!field)
        return nullptr;
    auto clip = std::static_pointer_cast<ClipObject>(vm.ClipObjectFor(parent));
    auto object =
        vm.Make<TextFieldObject>(clip, **field, entry.Source ? *entry.Source : parent.Characters(), vm.Fonts);
    object->Put("__proto__", Value(vm.Protos.TextField), DontEnum);
    entry.Script = object;
    object->SyncFromVariable(vm);
    return object;
}

namespace {

// A button's fields have no script objects: each record's field with a
// variable shows that variable of the clip the button stands in, once set.
void SyncButtonFields(Vm& vm, Timeline& timeline, DisplayObject& entry, const Button& button) {
    const Dictionary& dictionary = entry.Source ? *entry.Source : timeline.Characters();
    for (const ButtonRecord& record : button.Records) {
        const Character* c = dictionary.Find(record.CharacterId);
        auto field = c ? std::get_if<std::shared_ptr<const EditText>>(c) : nullptr;
        if (!field || (*field)->VariableName.empty())
            continue;
        Activation a = vm.FrameActivation(vm.ClipObjectFor(timeline));
        Value v = Scope(vm, a).Get((*field)->VariableName);
        if (v.IsUndefined())
            continue;
        std::string text = vm.ToString(v);
        auto& shown = entry.ButtonFields[record.Depth];
        if (shown && shown->Text == text)
            continue;
        EditText e = **field;
        e.Text = text;
        shown = std::make_shared<const EditText>(std::move(e));
    }
}

} // namespace

void SyncTextFields(Vm& vm, Timeline& timeline) {
    for (auto& [depth, entry] : timeline.Objects()) {
        auto button =
            entry.Definition ? std::get_if<std::shared_ptr<const Button>>(entry.Definition) : nullptr;
        if (entry.Clip)
            SyncTextFields(vm, *entry.Clip);
        else if (button)
            SyncButtonFields(vm, timeline, entry, **button);
        else if (auto field = entry.Definition
                                  ? std::get_if<std::shared_ptr<const EditText>>(entry.Definition)
                                  : nullptr;
                 field && !(*field)->VariableName.empty())
            TextFieldFor(vm, timeline, entry)->SyncFromVariable(vm);
    }
}

} // namespace swf::script
