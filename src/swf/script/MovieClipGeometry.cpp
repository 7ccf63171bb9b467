#include "swf/Bounds.h"
#include "swf/HitTest.h"
#include "swf/Timeline.h"
#include "swf/script/Builtins.h"
#include "swf/script/ClipLifetime.h"
#include "swf/script/ClipObject.h"
#include "swf/script/Vm.h"

#include <cmath>

namespace swf::script::builtins {
namespace {

// What getBounds answers for a clip that draws nothing: the largest twip
// coordinate, one twip more from SWF 8 on.
double EmptyBoundsEdge(const Vm& vm) { return (vm.Version() >= 8 ? 0x8000000 : 0x7FFFFFF) / 20.0; }

// The clip's space to the target's; none when the target collapses space.
std::optional<Matrix> ClipToTarget(const Timeline& clip, const Timeline& target) {
    Matrix fromStage;
    if (!target.ToStage().Invert(fromStage))
        return std::nullopt;
    return fromStage.Then(clip.ToStage());
}

Value BoundsObject(Vm& vm, const std::optional<Box>& box) {
    double edge = EmptyBoundsEdge(vm);
    ObjectPtr out = vm.NewObject();
    out->Put("xMin", box ? box->XMin / 20 : edge);
    out->Put("xMax", box ? box->XMax / 20 : edge);
    out->Put("yMin", box ? box->YMin / 20 : edge);
    out->Put("yMax", box ? box->YMax / 20 : edge);
    return Value(out);
}

// getBounds and getRect: in the target clip's space, the clip's own
// without one.
Value BoundsIn(Vm& vm, const Value& self, std::span<const Value> args) {
    Timeline* t = vm.TimelineOf(self);
    if (!t)
        return {};
    Timeline* target = args.empty() ? t : ClipArgument(vm, self, args[0]);
    if (!target)
        return {};
    auto toTarget = ClipToTarget(*t, *target);
    return BoundsObject(vm, toTarget ? ClipBounds(*t, *toTarget) : std::nullopt);
}

// localToGlobal and globalToLocal change the point object in place, to
// whole twips; a point without numeric x and y stays as it is.
void MovePoint(Vm& vm, const Value& point, const Matrix& m) {
    if (!point.IsObject())
        return;
    Value x = vm.GetMember(point, "x"), y = vm.GetMember(point, "y");
    if (!x.IsNumber() || !y.IsNumber())
        return;
    Point moved = m.Apply({x.Number() * 20, y.Number() * 20});
    vm.SetMember(point, "x", std::round(moved.X) / 20);
    vm.SetMember(point, "y", std::round(moved.Y) / 20);
}

// hitTest(x, y[, shapeFlag]) with stage pixels, or hitTest(clip): whether
// the boxes of the two meet on the stage.
Value HitTestMethod(Vm& vm, const Value& self, std::span<const Value> args) {
    Timeline* t = vm.TimelineOf(self);
    if (!t)
        return {};
    std::optional<Box> own = ClipBounds(*t, t->ToStage());
    if (args.size() >= 2) {
        Point p{vm.ToNumber(args[0]) * 20, vm.ToNumber(args[1]) * 20};
        if (args.size() < 3 || !vm.ToBoolean(args[2]))
            return own && own->Contains(p);
        DisplayObject* placed = t->Self();
        if (!placed || !t->Parent())
            return HitTest().ListCovers(t->Objects(), t->Characters(), t->ToStage(), p);
        return HitTest().ObjectCovers(*placed, t->Parent()->Characters(), t->Parent()->ToStage(), p);
    }
    Timeline* other = args.empty() ? nullptr : ClipArgument(vm, self, args[0]);
    if (!other)
        return false;
    std::optional<Box> theirs = ClipBounds(*other, other->ToStage());
    return own && theirs && own->Overlaps(*theirs);
}

} // namespace

void InstallClipGeometry(Vm& vm, const ObjectPtr& proto) {
    vm.Method(proto, "getBounds", BoundsIn);
    vm.Method(proto, "getRect", BoundsIn);
    vm.Method(proto, "localToGlobal", [](Vm& vm, const Value& self, std::span<const Value> args) -> Value {
        if (Timeline* t = vm.TimelineOf(self); t && !args.empty())
            MovePoint(vm, args[0], t->ToStage());
        return {};
    });
    vm.Method(proto, "globalToLocal", [](Vm& vm, const Value& self, std::span<const Value> args) -> Value {
        Matrix fromStage;
        if (Timeline* t = vm.TimelineOf(self); t && !args.empty() && t->ToStage().Invert(fromStage))
            MovePoint(vm, args[0], fromStage);
        return {};
    });
    vm.Method(proto, "hitTest", HitTestMethod);
    vm.Method(proto, "getInstanceAtDepth",
              [](Vm& vm, const Value& self, std::span<const Value> args) -> Value {
                  Timeline* t = vm.TimelineOf(self);
                  auto depth = args.empty() ? std::nullopt : ListDepth(vm.ToNumber(args[0]));
                  if (!t || !depth)
                      return {};
                  auto it = t->Objects().find(*depth);
                  if (it == t->Objects().end() || it->second.Unloading)
                      return {};
                  return ClipObject::ValueOf(vm, *t, it->second);
              });
}

} // namespace swf::script::builtins
