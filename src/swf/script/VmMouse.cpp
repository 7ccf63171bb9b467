#include "swf/HitTest.h"
#include "swf/script/ClipObject.h"
#include "swf/script/Vm.h"

#include <algorithm>
#include <cmath>

namespace swf::script {
namespace {

constexpr uint32_t ButtonLikeEvents = clipevent::Press | clipevent::Release | clipevent::ReleaseOutside |
                                      clipevent::RollOver | clipevent::RollOut | clipevent::DragOver |
                                      clipevent::DragOut;

constexpr const char* ButtonLikeMethods[] = {"onPress",   "onRelease",  "onReleaseOutside", "onRollOver",
                                             "onRollOut", "onDragOver", "onDragOut"};

} // namespace

bool Vm::ClipTakesMouse(Timeline& clip) {
    auto object = std::static_pointer_cast<ClipObject>(ClipObjectFor(clip));
    for (const ClipEventHandler& h : object->Handlers)
        if (h.Events & ButtonLikeEvents)
            return true;
    for (const char* method : ButtonLikeMethods) {
        Value handler = GetMember(Value(object), method);
        if (handler.IsObject() && handler.Object()->Callable())
            return true;
    }
    return false;
}

void Vm::ClipMouseEvent(Timeline& clip, uint32_t clipEvent, const char* method) {
    ObjectPtr object = ClipObjectFor(clip);
    QueueClipEvent(object, clipEvent, false);
    Value handler = GetMember(Value(object), method);
    if (handler.IsObject() && handler.Object()->Callable())
        queue_.push_back({object, {}, handler, {}});
}

void Vm::ButtonMouseEvent(Timeline& parent, DisplayObject& button, const char* method) {
    if (!button.Script)
        return;
    Value handler = GetMember(Value(button.Script), method);
    if (handler.IsObject() && handler.Object()->Callable())
        queue_.push_back({ClipObjectFor(parent), {}, handler, Value(button.Script)});
}

ObjectPtr Vm::ButtonObject(DisplayObject& button) {
    if (!button.Script)
        button.Script = NewObject(Protos.Button);
    return button.Script;
}

Value Vm::ButtonProperty(DisplayObject& button, const char* name) {
    if (button.Script)
        return GetMember(Value(button.Script), name);
    return Protos.Button ? GetMember(Value(Protos.Button), name) : Value();
}

} // namespace swf::script

namespace swf::script {
namespace {

// From the clip's parent's coordinates to the stage.
Matrix ParentToStage(Timeline& clip) {
    Matrix m;
    for (Timeline* t = clip.Parent(); t && t->Self(); t = t->Parent())
        m = t->Self()->Transform.Then(m);
    return m;
}

// The innermost clip whose content covers the point, the dragged one and
// what it holds left out.
Timeline* ClipUnder(Timeline& timeline, const Matrix& toStage, Point p, const Timeline* dragged,
                    int nesting) {
    if (nesting > Timeline::Limits::MaxNesting)
        return nullptr;
    HitTest hits;
    for (auto it = timeline.Objects().rbegin(); it != timeline.Objects().rend(); ++it) {
        DisplayObject& object = it->second;
        if (object.Clip.get() == dragged || object.ClipDepth != 0 || !object.Visible || object.Masking ||
            !hits.ObjectCovers(object, timeline.Characters(), toStage, p))
            continue;
        if (!object.Clip)
            return &timeline;
        Timeline* inner = ClipUnder(*object.Clip, toStage.Then(object.Transform), p, dragged, nesting + 1);
        return inner ? inner : object.Clip.get();
    }
    return nullptr;
}

} // namespace

void Vm::StartDrag(const ObjectPtr& clip, bool lockCenter, std::optional<DragBox> box) {
    Timeline* t = TimelineOf(Value(clip));
    if (!t || !t->Self())
        return;
    Input.Dragging = InputState::Drag{clip, box, 0, 0};
    if (!lockCenter) {
        Matrix toParent;
        if (ParentToStage(*t).Invert(toParent)) {
            Point p = toParent.Apply({mouseX_, mouseY_});
            Input.Dragging->Dx = t->Self()->Transform.Tx - p.X;
            Input.Dragging->Dy = t->Self()->Transform.Ty - p.Y;
        }
    }
    FollowDrag();
}

void Vm::StopDrag() { Input.Dragging.reset(); }

void Vm::FollowDrag() {
    if (!Input.Dragging)
        return;
    Timeline* t = TimelineOf(Value(Input.Dragging->Clip));
    Matrix toParent;
    if (!t || !t->Self() || !ParentToStage(*t).Invert(toParent)) {
        Input.Dragging.reset();
        return;
    }
    Point p = toParent.Apply({mouseX_, mouseY_});
    double x = p.X + Input.Dragging->Dx, y = p.Y + Input.Dragging->Dy;
    if (const auto& b = Input.Dragging->Box) {
        x = std::clamp(x, std::min(b->Left, b->Right) * 20, std::max(b->Left, b->Right) * 20);
        y = std::clamp(y, std::min(b->Top, b->Bottom) * 20, std::max(b->Top, b->Bottom) * 20);
    }
    if (std::isfinite(x) && std::isfinite(y)) {
        t->Self()->Transform.Tx = x;
        t->Self()->Transform.Ty = y;
    }
    Timeline* under = root_ ? ClipUnder(*root_, {}, {mouseX_, mouseY_}, t, 0) : nullptr;
    Input.DropTarget = under ? static_cast<ClipObject&>(*ClipObjectFor(*under)).SlashPath() : std::string();
}

} // namespace swf::script
