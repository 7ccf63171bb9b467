#include "swf/script/Builtins.h"

#include "swf/script/Text.h"
#include "swf/script/Vm.h"

namespace swf::script::builtins {

ObjectPtr WrapperClass(Vm& vm, const ObjectPtr& proto, const char* name,
                       Value (*convert)(Vm&, std::span<const Value>)) {
    ObjectPtr ctor = vm.NewClass(
        proto, [convert](Vm& vm, const Value&, std::span<const Value> args) { return convert(vm, args); },
        [convert](Vm& vm, const Value& self, std::span<const Value> args) -> Value {
            Value v = convert(vm, args);
            // A String object has the length of its text.
            if (v.IsString())
                self.Object()->Put("length", double(TextLength(v.String())), DontEnum | DontDelete);
            self.Object()->Primitive = v.IsUndefined() ? Value(false) : v;
            return self;
        });
    vm.Global()->Put(name, Value(ctor), DontEnum);
    return ctor;
}

void Install(Vm& vm) {
    // Object.prototype and Function.prototype first: everything else links
    // to them.
    vm.Protos.Object = vm.Make<Object>();
    vm.Protos.Function = vm.NewObject();
    InstallObject(vm);
    InstallFunction(vm);
    InstallArray(vm);
    InstallString(vm);
    InstallNumber(vm);
    InstallBoolean(vm);
    InstallMath(vm);
    InstallDate(vm);
    InstallGlobals(vm);
    InstallMovieClip(vm);
    InstallStage(vm);
    InstallKey(vm);
    InstallMouse(vm);
    InstallButton(vm);
    InstallSound(vm);
    InstallError(vm);
    InstallSystem(vm);
    InstallPlaceholders(vm);
    InstallContextMenu(vm);
    InstallFileReferences(vm);
    InstallExternalInterface(vm);
    InstallTextFormat(vm);
    InstallTextField(vm);
    InstallSelection(vm);
    InstallGeom(vm);
    InstallXmlNode(vm);
    InstallXml(vm);
    InstallLoadVars(vm);
    InstallMovieClipLoader(vm);
}

} // namespace swf::script::builtins
