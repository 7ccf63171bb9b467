#include "swf/script/Builtins.h"
#include "swf/script/Vm.h"
#include "swf/script/geom/GeomSupport.h"

#include <cctype>

namespace swf::script::builtins {
namespace {

// Stage.align keeps the edges it names, each once, in the order L T R B;
// any other character is ignored.
std::string AlignOf(const std::string& text) {
    std::string out;
    for (char edge : {'L', 'T', 'R', 'B'})
        for (char c : text)
            if (std::toupper(static_cast<unsigned char>(c)) == edge) {
                out += edge;
                break;
            }
    return out;
}

// Stage.scaleMode takes the four modes in any case, anything else as the
// default.
std::string ScaleModeOf(const std::string& text) {
    for (const char* mode : {"showAll", "exactFit", "noBorder", "noScale"}) {
        std::string name = mode;
        if (text.size() == name.size() &&
            std::equal(text.begin(), text.end(), name.begin(), [](char a, char b) {
                return std::tolower(static_cast<unsigned char>(a)) ==
                       std::tolower(static_cast<unsigned char>(b));
            }))
            return name;
    }
    return "showAll";
}

// A read-write property whose writes go through a filter into `field`.
void FilteredProperty(Vm& vm, const ObjectPtr& stage, const char* name,
                      std::string (*filter)(const std::string&), std::string initial) {
    auto field = std::make_shared<std::string>(std::move(initial));
    geom::Accessor(
        vm, stage, name, [field](Vm&, const Value&, std::span<const Value>) -> Value { return *field; },
        [field, filter](Vm& vm, const Value&, std::span<const Value> args) -> Value {
            *field = filter(vm.ToString(Arg(args, 0)));
            return {};
        });
}

} // namespace

// The stage as scripts see it: the movie's size (the player scales the
// movie to its view, so the stage keeps the size the movie was made for),
// align and scaleMode as the plug-in spells them back, and listeners.
void InstallStage(Vm& vm) {
    ObjectPtr stage = vm.NewObject();
    FilteredProperty(vm, stage, "align", AlignOf, "");
    FilteredProperty(vm, stage, "scaleMode", ScaleModeOf, "showAll");
    geom::Accessor(vm, stage, "width",
                   [](Vm& vm, const Value&, std::span<const Value>) -> Value { return vm.StageWidth; });
    geom::Accessor(vm, stage, "height",
                   [](Vm& vm, const Value&, std::span<const Value>) -> Value { return vm.StageHeight; });
    stage->Put("showMenu", true, DontEnum);
    MakeBroadcaster(vm, stage);
    vm.Global()->Put("Stage", Value(stage), DontEnum);
}

} // namespace swf::script::builtins
