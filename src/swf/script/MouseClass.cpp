#include "swf/script/Builtins.h"
#include "swf/script/Vm.h"

namespace swf::script::builtins {

void InstallMouse(Vm& vm) {
    ObjectPtr mouse = vm.NewObject();
    MakeBroadcaster(vm, mouse);
    // Both answer whether the pointer was showing before the call.
    vm.Method(mouse, "show", [](Vm& vm, const Value&, std::span<const Value>) -> Value {
        bool was = !vm.Input.MouseHidden;
        vm.Input.MouseHidden = false;
        return double(was);
    });
    vm.Method(mouse, "hide", [](Vm& vm, const Value&, std::span<const Value>) -> Value {
        bool was = !vm.Input.MouseHidden;
        vm.Input.MouseHidden = true;
        return double(was);
    });
    vm.Global()->Put("Mouse", Value(mouse), DontEnum);
    // clip.startDrag(lockCenter, left, top, right, bottom), clip.stopDrag()
    vm.Method(vm.Protos.MovieClip, "startDrag",
              [](Vm& vm, const Value& self, std::span<const Value> args) -> Value {
                  std::optional<Vm::DragBox> box;
                  if (args.size() >= 5)
                      box = Vm::DragBox{vm.ToNumber(args[1]), vm.ToNumber(args[2]), vm.ToNumber(args[3]),
                                        vm.ToNumber(args[4])};
                  if (self.IsObject())
                      vm.StartDrag(self.Object(), vm.ToBoolean(Arg(args, 0)), box);
                  return {};
              });
    vm.Method(vm.Protos.MovieClip, "stopDrag", [](Vm& vm, const Value&, std::span<const Value>) -> Value {
        vm.StopDrag();
        return {};
    });
}

} // namespace swf::script::builtins
