#include "swf/script/Builtins.h"
#include "swf/script/Vm.h"
#include "swf/script/geom/GeomSupport.h"

namespace swf::script::builtins {

// flash.external.ExternalInterface talks to a web page's scripts; the
// player has no page, so the interface is not available, call answers
// null and callbacks are refused. Its members other than call are hidden
// from movies before SWF 8, as the plug-in hides them.
void InstallExternalInterface(Vm& vm) {
    ObjectPtr proto = vm.NewObject();
    ObjectPtr ctor = geom::Class(vm, geom::Package(vm, "external"), "ExternalInterface", proto,
                                 [](Vm&, const Value& self, std::span<const Value>) { return self; });
    vm.Method(ctor, "call", [](Vm&, const Value&, std::span<const Value>) { return Value::Null(); });
    const uint8_t hidden = DontEnum | (vm.Version() < 8 ? VersionHidden : 0);
    ctor->Put("available", false, hidden);
    ctor->Put("addCallback",
              Value(vm.NewFunction([](Vm&, const Value&, std::span<const Value>) -> Value { return false; })),
              hidden);
    // The plug-in's own helpers for the page's side, which do nothing here.
    for (const char* name :
         {"_argumentsToAS", "_argumentsToXML", "_arrayToAS", "_arrayToJS", "_arrayToXML", "_callIn",
          "_callOut", "_escapeXML", "_evalJS", "_initJS", "_jsQuoteString", "_objectID", "_objectToAS",
          "_objectToJS", "_objectToXML", "_toAS", "_toJS", "_toXML", "_unescapeXML"})
        ctor->Put(
            name,
            Value(vm.NewFunction([](Vm&, const Value&, std::span<const Value>) -> Value { return {}; })),
            hidden);
}

} // namespace swf::script::builtins
