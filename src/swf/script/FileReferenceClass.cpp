#include "swf/script/Builtins.h"
#include "swf/script/Vm.h"
#include "swf/script/geom/GeomSupport.h"

namespace swf::script::builtins {
namespace {

// This player opens no file dialogs and makes no transfers for movies: every
// request is refused at once (false), as the plug-in answers a request it
// cannot start, and no listener hears of a transfer.
Value Refuse(Vm&, const Value&, std::span<const Value>) { return false; }

// Instances are broadcasters of their own (onSelect, onCancel, onOpen,
// onProgress, onComplete, onIOError go to the listeners).
Value ConstructFileReference(Vm& vm, const Value& self, std::span<const Value>) {
    if (self.IsObject())
        MakeBroadcaster(vm, self.Object());
    return self;
}

void InstallFileReference(Vm& vm, const ObjectPtr& package) {
    ObjectPtr proto = vm.NewObject();
    for (const char* name : {"browse", "download", "upload"})
        vm.Method(proto, name, Refuse);
    vm.Method(proto, "cancel", [](Vm&, const Value&, std::span<const Value>) -> Value { return {}; });
    geom::Class(vm, package, "FileReference", proto, ConstructFileReference);
}

void InstallFileReferenceList(Vm& vm, const ObjectPtr& package) {
    ObjectPtr proto = vm.NewObject();
    vm.Method(proto, "browse", Refuse);
    geom::Class(vm, package, "FileReferenceList", proto, ConstructFileReference);
}

} // namespace

void InstallFileReferences(Vm& vm) {
    ObjectPtr package = geom::Package(vm, "net");
    InstallFileReference(vm, package);
    InstallFileReferenceList(vm, package);
}

} // namespace swf::script::builtins
