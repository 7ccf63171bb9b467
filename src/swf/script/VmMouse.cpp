#include "swf/script/ClipObject.h"
#include "swf/script/Vm.h"

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
