#include "swf/MaskLink.h"
#include "swf/Timeline.h"
#include "swf/script/Builtins.h"
#include "swf/script/ClipLifetime.h"
#include "swf/script/ClipObject.h"
#include "swf/script/TextFieldObject.h"
#include "swf/script/Vm.h"
#include "swf/script/geom/GeomClasses.h"
#include "swf/script/geom/GeomSupport.h"

#include <array>
#include <cmath>
#include <string>

namespace swf::script::geom {
namespace {

using builtins::Arg;

// By PlaceObject3 number, from 1.
constexpr std::array<const char*, 14> BlendNames = {"normal", "layer",      "multiply", "screen",   "lighten",
                                                    "darken", "difference", "add",      "subtract", "invert",
                                                    "alpha",  "erase",      "overlay",  "hardlight"};

DisplayObject* Placed(Vm& vm, const Value& clip) {
    Timeline* t = vm.TimelineOf(clip);
    return t ? t->Self() : nullptr;
}

Value GetBlendMode(Vm& vm, const Value& self, std::span<const Value>) {
    DisplayObject* placed = Placed(vm, self);
    if (!placed)
        return {};
    uint8_t mode = placed->Blend;
    return mode >= 1 && mode <= BlendNames.size() ? BlendNames[mode - 1] : "normal";
}

Value SetBlendMode(Vm& vm, const Value& self, std::span<const Value> args) {
    if (DisplayObject* placed = Placed(vm, self))
        placed->Blend = ReadBlendMode(vm, Arg(args, 0));
    return {};
}

Value GetBackground(Vm& vm, const Value& self, std::span<const Value>) {
    DisplayObject* placed = Placed(vm, self);
    if (!placed)
        return {};
    if (!placed->Background)
        return Value::Null();
    const Rgba& c = *placed->Background;
    return double(uint32_t(c.R) << 16 | uint32_t(c.G) << 8 | c.B);
}

// Null or undefined take the background away.
Value SetBackground(Vm& vm, const Value& self, std::span<const Value> args) {
    DisplayObject* placed = Placed(vm, self);
    if (!placed)
        return {};
    Value v = Arg(args, 0);
    if (v.IsNullish()) {
        placed->Background.reset();
    } else {
        auto rgb = static_cast<uint32_t>(ToInt32(vm.ToNumber(v)));
        placed->Background = Rgba{uint8_t(rgb >> 16), uint8_t(rgb >> 8), uint8_t(rgb), 255};
    }
    return {};
}

Value GetScrollRect(Vm& vm, const Value& self, std::span<const Value>) {
    DisplayObject* placed = Placed(vm, self);
    if (!placed || !placed->Scroll)
        return {};
    const ScrollRect& r = *placed->Scroll;
    return NewRectangle(vm, r.X, r.Y, r.Width, r.Height);
}

// Anything but a rectangle takes the scroll rectangle away.
Value SetScrollRect(Vm& vm, const Value& self, std::span<const Value> args) {
    DisplayObject* placed = Placed(vm, self);
    if (!placed)
        return {};
    Value r = Arg(args, 0);
    if (!IsA(r, vm.Protos.Rectangle)) {
        placed->Scroll.reset();
        return {};
    }
    ScrollRect scroll{Number(vm, r, "x"), Number(vm, r, "y"), Number(vm, r, "width"),
                      Number(vm, r, "height")};
    for (double d : {scroll.X, scroll.Y, scroll.Width, scroll.Height})
        if (!std::isfinite(d))
            return {};
    placed->Scroll = scroll;
    return {};
}

// A clip (or a target path) or a text field masks the clip from now on;
// anything else takes its mask away.
Value SetClipMask(Vm& vm, const Value& self, std::span<const Value> args) {
    DisplayObject* placed = Placed(vm, self);
    if (!placed)
        return {};
    Value v = Arg(args, 0);
    DisplayObject* mask = nullptr;
    Timeline* maskParent = nullptr;
    if (Timeline* clip = ClipArgument(vm, self, v)) {
        mask = clip->Self();
        maskParent = clip->Parent();
    } else if (auto field = v.IsObject() ? std::dynamic_pointer_cast<TextFieldObject>(v.Object()) : nullptr) {
        mask = field->Display();
        maskParent = field->Parent() ? field->Parent()->GetTimeline() : nullptr;
    }
    SetMask(*placed, mask, maskParent);
    return {};
}

} // namespace

uint8_t ReadBlendMode(Vm& vm, const Value& v) {
    uint8_t mode = 1;
    if (v.IsNumber()) {
        double d = v.Number();
        if (d >= 1 && d <= BlendNames.size())
            mode = static_cast<uint8_t>(d);
    } else {
        std::string name = vm.ToString(v);
        for (size_t i = 0; i < BlendNames.size(); ++i)
            if (name == BlendNames[i])
                mode = static_cast<uint8_t>(i + 1);
    }
    return mode;
}

void InstallClipDisplayProperties(Vm& vm) {
    const ObjectPtr& proto = vm.Protos.MovieClip;
    Accessor(vm, proto, "blendMode", GetBlendMode, SetBlendMode);
    Accessor(vm, proto, "opaqueBackground", GetBackground, SetBackground);
    Accessor(vm, proto, "scrollRect", GetScrollRect, SetScrollRect);
    vm.Method(proto, "setMask", SetClipMask);
    Accessor(
        vm, proto, "cacheAsBitmap",
        [](Vm& vm, const Value& self, std::span<const Value>) -> Value {
            DisplayObject* placed = Placed(vm, self);
            return placed ? Value(placed->CacheAsBitmap) : Value();
        },
        [](Vm& vm, const Value& self, std::span<const Value> args) -> Value {
            if (DisplayObject* placed = Placed(vm, self))
                placed->CacheAsBitmap = vm.ToBoolean(Arg(args, 0));
            return {};
        });
}

} // namespace swf::script::geom
