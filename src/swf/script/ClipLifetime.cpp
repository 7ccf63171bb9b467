#include "swf/script/ClipLifetime.h"

#include "swf/Drawing.h"
#include "swf/Timeline.h"
#include "swf/script/Scope.h"
#include "swf/script/Vm.h"

#include <algorithm>
#include <cmath>

namespace swf::script {

namespace {
constexpr int32_t LowestScriptDepth = -16384;
constexpr int32_t HighestScriptDepth = 2130690044;
} // namespace

std::optional<int32_t> ListDepth(double scriptDepth) {
    int32_t d = ToInt32(scriptDepth);
    if (d < LowestScriptDepth || d > HighestScriptDepth)
        return std::nullopt;
    return d + DepthOffset;
}

Value CreateClip(Vm& vm, Timeline& parent, const std::string& name, int32_t depth, uint16_t id,
                 const Value& init) {
    DisplayObject* made = parent.AttachSprite(depth, id, name);
    if (made && !made->Clip && made->Definition &&
        std::holds_alternative<std::shared_ptr<const Button>>(*made->Definition))
        return Value(vm.ButtonObject(*made));
    if (!made || !made->Clip)
        return {};
    ObjectPtr clip = vm.ClipObjectFor(*made->Clip);
    ObjectPtr constructor = ClassOf(vm, *made->Clip);
    if (constructor)
        GiveClass(vm, clip, constructor);
    if (init.IsObject())
        for (const std::string& property : vm.EnumerableNames(init.Object()))
            vm.SetMember(Value(clip), property, vm.GetMember(init, property));
    if (constructor)
        RunConstructor(vm, clip, constructor);
    return Value(clip);
}

Value DuplicateClip(Vm& vm, Timeline& source, const std::string& name, int32_t depth, const Value& init) {
    DisplayObject* self = source.Self();
    if (!self || !source.Parent())
        return {};
    Matrix transform = self->Transform;
    ColorTransform colors = self->Colors;
    // The copy has what the script drew into the original so far.
    auto drawn = source.Drawn() ? std::make_unique<Drawing>(*source.Drawn()) : nullptr;
    Value made = CreateClip(vm, *source.Parent(), name, depth, self->CharacterId, init);
    if (Timeline* copy = vm.TimelineOf(made)) {
        copy->Self()->Transform = transform;
        copy->Self()->Colors = colors;
        copy->SetDrawn(std::move(drawn));
    }
    return made;
}

ObjectPtr ClassOf(Vm& vm, const Timeline& clip) {
    const Timeline* parent = clip.Parent();
    auto entry = parent ? parent->Objects().find(clip.Depth()) : DisplayList::const_iterator{};
    if (!parent || entry == parent->Objects().end() || entry->second.Clip.get() != &clip)
        return nullptr;
    // A sprite plays with the dictionary that defines it; a loaded movie
    // with its own, and it is no instance of the clip's symbol.
    const DisplayObject& object = entry->second;
    const Dictionary& definer = object.Source ? *object.Source : parent->Characters();
    if (&clip.Characters() != &definer)
        return nullptr;
    std::string symbol = vm.ExportName(definer, object.CharacterId);
    return symbol.empty() ? nullptr : vm.RegisteredClass(definer, symbol);
}

void GiveClass(Vm& vm, const ObjectPtr& clip, const ObjectPtr& constructor) {
    Value prototype = vm.GetMember(Value(constructor), "prototype");
    if (prototype.IsObject())
        clip->Put("__proto__", prototype, DontEnum);
}

void RunConstructor(Vm& vm, const ObjectPtr& clip, const ObjectPtr& constructor) {
    clip->Put("__constructor__", Value(constructor), DontEnum);
    if (vm.Version() < 7)
        clip->Put("constructor", Value(constructor), DontEnum);
    vm.CallFrom(Value(constructor), Value(clip), {}, clip->Proto());
}

Timeline* ClipArgument(Vm& vm, const Value& self, const Value& target) {
    if (!target.IsString() || !self.IsObject())
        return vm.TimelineOf(target);
    Activation a = vm.FrameActivation(self.Object());
    return vm.TimelineOf(Value(Scope(vm, a).ResolveTarget(target)));
}

double NextHighestDepth(const Timeline& t) {
    int32_t highest = t.Objects().empty() ? 0 : t.Objects().rbegin()->first;
    return std::max(0.0, ScriptDepth(highest) + 1);
}

} // namespace swf::script
