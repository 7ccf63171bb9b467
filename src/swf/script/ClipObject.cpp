#include "swf/script/ClipObject.h"

#include "swf/Bounds.h"
#include "swf/Timeline.h"
#include "swf/script/TextFieldObject.h"
#include "swf/script/Vm.h"

#include <array>
#include <cctype>
#include <cmath>
#include <numbers>

namespace swf::script {
namespace {

constexpr std::array<const char*, 22> Names = {
    "_x",          "_y",     "_xscale",      "_yscale",    "_currentframe", "_totalframes",  "_alpha",
    "_visible",    "_width", "_height",      "_rotation",  "_target",       "_framesloaded", "_name",
    "_droptarget", "_url",   "_highquality", "_focusrect", "_soundbuftime", "_quality",      "_xmouse",
    "_ymouse"};

enum Index {
    X,
    Y,
    XScale,
    YScale,
    CurrentFrame,
    TotalFrames,
    Alpha,
    Visible,
    Width,
    Height,
    Rotation,
    Target,
    FramesLoaded,
    Name,
    DropTarget,
    Url,
    HighQuality,
    FocusRect,
    SoundBufTime,
    Quality,
    XMouse,
    YMouse
};

bool SameName(const std::string& a, const std::string& b, bool caseSensitive) {
    if (caseSensitive)
        return a == b;
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

double ScaleX(const Matrix& m) { return std::sqrt(m.A * m.A + m.B * m.B); }
double ScaleY(const Matrix& m) { return std::sqrt(m.C * m.C + m.D * m.D); }
double RotationOf(const Matrix& m) { return std::atan2(m.B, m.A); }

// Rebuilds the matrix from scale and rotation, keeping the translation.
void Compose(Matrix& m, double sx, double sy, double radians) {
    double skew = std::atan2(-m.C, m.D) - RotationOf(m);
    m.A = sx * std::cos(radians);
    m.B = sx * std::sin(radians);
    m.C = -sy * std::sin(radians + skew);
    m.D = sy * std::cos(radians + skew);
}

// Numbers set from scripts that are not numbers change nothing.
bool Finite(double d) { return std::isfinite(d); }

} // namespace

int ClipObject::PropertyIndex(const std::string& name) {
    for (size_t i = 0; i < Names.size(); ++i)
        if (SameName(name, Names[i], false))
            return static_cast<int>(i);
    return -1;
}

std::optional<Value> ClipObject::GetComputed(Vm& vm, const std::string& name) {
    if (name.empty() || name[0] != '_' || !timeline_)
        return std::nullopt;
    int index = PropertyIndex(name);
    if (index >= 0)
        return GetProperty(vm, index);
    if (SameName(name, "_parent", CaseSensitive())) {
        Timeline* parent = timeline_->Parent();
        return parent ? Value(vm.ClipObjectFor(*parent)) : Value();
    }
    if (SameName(name, "_root", CaseSensitive()))
        return Value(RootOf(vm, *timeline_));
    if (SameName(name, "_level0", CaseSensitive()))
        return vm.Root() ? Value(vm.ClipObjectFor(*vm.Root())) : Value();
    if (SameName(name, "_lockroot", CaseSensitive()))
        return lockRoot_;
    if (SameName(name, "_global", CaseSensitive()) && vm.Version() >= 6)
        return Value(vm.Global());
    return std::nullopt;
}

bool ClipObject::SetComputed(Vm& vm, const std::string& name, const Value& v) {
    if (name.empty() || name[0] != '_' || !timeline_)
        return false;
    if (SameName(name, "_lockroot", CaseSensitive())) {
        lockRoot_ = vm.ToBoolean(v);
        return true;
    }
    int index = PropertyIndex(name);
    if (index < 0)
        return false;
    SetProperty(vm, index, v);
    return true;
}

ObjectPtr ClipObject::RootOf(Vm& vm, Timeline& timeline) {
    for (Timeline* t = &timeline;; t = t->Parent()) {
        auto clip = std::static_pointer_cast<ClipObject>(vm.ClipObjectFor(*t));
        if (clip->lockRoot_ || !t->Parent())
            return clip;
    }
}

std::optional<Value> ClipObject::GetFallback(Vm& vm, const std::string& name) {
    if (!timeline_)
        return std::nullopt;
    for (auto& [depth, object] : timeline_->Objects())
        if (!object.Name.empty() && SameName(object.Name, name, CaseSensitive()))
            return ValueOf(vm, *timeline_, object);
    return std::nullopt;
}

// for..in lists the named child clips too, the topmost first.
void ClipObject::ComputedKeys(std::vector<std::string>& keys) const {
    if (!timeline_)
        return;
    const auto& objects = timeline_->Objects();
    for (auto it = objects.rbegin(); it != objects.rend(); ++it)
        if (it->second.Clip && !it->second.Name.empty())
            keys.push_back(it->second.Name);
}

Timeline* ClipObject::ChildClip(Timeline& parent, const std::string& name, bool caseSensitive) {
    for (auto& [depth, object] : parent.Objects())
        if (object.Clip && !object.Name.empty() && SameName(object.Name, name, caseSensitive))
            return object.Clip.get();
    return nullptr;
}

Value ClipObject::ValueOf(Vm& vm, Timeline& owner, DisplayObject& object) {
    if (object.Clip)
        return Value(vm.ClipObjectFor(*object.Clip));
    if (object.Definition && std::holds_alternative<std::shared_ptr<const Button>>(*object.Definition))
        return Value(vm.ButtonObject(object));
    // A shape has no script object: its timeline stands for it.
    if (!object.Definition || !std::holds_alternative<std::shared_ptr<const EditText>>(*object.Definition))
        return Value(vm.ClipObjectFor(owner));
    return Value(TextFieldFor(vm, owner, object));
}

std::optional<Value> ClipObject::GetProperty(Vm& vm, int index) {
    if (!timeline_)
        return Value();
    DisplayObject* self = timeline_->Self();
    if (auto placed = PlacementProperty(self, index))
        return placed;
    switch (index) {
    case CurrentFrame:
        return double(timeline_->CurrentFrame() + 1);
    case TotalFrames:
    case FramesLoaded:
        return double(timeline_->FrameCount());
    case Width:
    case Height: {
        auto box = ClipBounds(*timeline_, self ? self->Transform : Matrix{});
        if (!box)
            return 0.0;
        return (index == Width ? box->XMax - box->XMin : box->YMax - box->YMin) / 20;
    }
    case Target:
        return SlashPath();
    case DropTarget:
        return vm.Input.DropTarget;
    case Url:
        return std::string();
    case HighQuality:
        return 1.0;
    case FocusRect:
        return true;
    case SoundBufTime:
        return 5.0;
    case Quality:
        return "HIGH";
    case XMouse:
    case YMouse: {
        // The mouse in the clip's own coordinates.
        Matrix toStage;
        for (Timeline* t = timeline_; t; t = t->Parent())
            if (DisplayObject* placed = t->Self())
                toStage = placed->Transform.Then(toStage);
        Matrix toClip;
        if (!toStage.Invert(toClip))
            return 0.0;
        Point p = toClip.Apply({vm.MouseX(), vm.MouseY()});
        return (index == XMouse ? p.X : p.Y) / 20;
    }
    default:
        break;
    }
    return std::nullopt;
}

std::optional<Value> ClipObject::PlacementProperty(const DisplayObject* self, int index) {
    Matrix m = self ? self->Transform : Matrix{};
    switch (index) {
    case X:
        return m.Tx / 20;
    case Y:
        return m.Ty / 20;
    case XScale:
        return ScaleX(m) * 100;
    case YScale:
        return ScaleY(m) * 100;
    case Alpha:
        return self ? double(self->Colors.MulA) * 100 : 100.0;
    case Visible:
        return self ? self->Visible : true;
    case Rotation:
        return RotationOf(m) * 180 / std::numbers::pi;
    case Name:
        return self ? self->Name : std::string();
    default:
        break;
    }
    return std::nullopt;
}

void ClipObject::SetProperty(Vm& vm, int index, const Value& v) {
    DisplayObject* self = timeline_ ? timeline_->Self() : nullptr;
    if (!self)
        return;
    if (index == Width || index == Height)
        SetSize(*self, index == Width, vm.ToNumber(v));
    else
        SetPlacementProperty(vm, *self, index, v);
}

// _width and _height scale the clip so that its unturned box has that size.
void ClipObject::SetSize(DisplayObject& self, bool width, double pixels) {
    auto box = ClipBounds(*timeline_, {});
    double size = box ? (width ? box->XMax - box->XMin : box->YMax - box->YMin) : 0;
    if (!Finite(pixels) || size <= 0)
        return;
    Matrix& m = self.Transform;
    double scale = pixels * 20 / size;
    Compose(m, width ? scale : ScaleX(m), width ? ScaleY(m) : scale, RotationOf(m));
}

void ClipObject::SetPlacementProperty(Vm& vm, DisplayObject& placed, int index, const Value& v) {
    DisplayObject* self = &placed;
    Matrix& m = self->Transform;
    double d = vm.ToNumber(v);
    switch (index) {
    case X:
        if (Finite(d))
            m.Tx = d * 20;
        break;
    case Y:
        if (Finite(d))
            m.Ty = d * 20;
        break;
    case XScale:
        if (Finite(d))
            Compose(m, d / 100, ScaleY(m), RotationOf(m));
        break;
    case YScale:
        if (Finite(d))
            Compose(m, ScaleX(m), d / 100, RotationOf(m));
        break;
    case Alpha:
        // Kept in signed 8.8 fixed point as the plug-in keeps it: 60 reads
        // back as 59.765625.
        if (Finite(d))
            self->Colors.MulA = float(static_cast<int16_t>(ToInt32(std::trunc(d * 256 / 100)))) / 256;
        break;
    case Visible:
        self->Visible = vm.ToBoolean(v);
        break;
    case Rotation:
        if (Finite(d))
            Compose(m, ScaleX(m), ScaleY(m), std::fmod(d, 360) * std::numbers::pi / 180);
        break;
    case Name:
        self->Name = vm.ToString(v);
        break;
    default:
        break;
    }
}

std::string ClipObject::JoinNames(char separator) const {
    std::string path;
    for (Timeline* t = timeline_; t; t = t->Parent())
        if (DisplayObject* self = t->Self())
            path = separator + self->Name + path;
    return path;
}

std::string ClipObject::TargetPath() const {
    if (!timeline_)
        return "";
    std::string path = "_level" + std::to_string(origin_.Level);
    path += JoinNames('.');
    return path;
}

std::string ClipObject::SlashPath() const {
    if (!timeline_)
        return "";
    std::string path = JoinNames('/');
    return path.empty() ? "/" : path;
}

} // namespace swf::script
