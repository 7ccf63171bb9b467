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

Value CreateClip(Vm& vm, Timeline& parent, const std::string& name, int32_t depth, uint16_t id) {
    DisplayObject* made = parent.AttachSprite(depth, id, name);
    return made && made->Clip ? Value(vm.ClipObjectFor(*made->Clip)) : Value();
}

Value DuplicateClip(Vm& vm, Timeline& source, const std::string& name, int32_t depth) {
    DisplayObject* self = source.Self();
    if (!self || !source.Parent())
        return {};
    Matrix transform = self->Transform;
    ColorTransform colors = self->Colors;
    // The copy has what the script drew into the original so far.
    auto drawn = source.Drawn() ? std::make_unique<Drawing>(*source.Drawn()) : nullptr;
    Value made = CreateClip(vm, *source.Parent(), name, depth, self->CharacterId);
    if (Timeline* copy = vm.TimelineOf(made)) {
        copy->Self()->Transform = transform;
        copy->Self()->Colors = colors;
        copy->SetDrawn(std::move(drawn));
    }
    return made;
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
