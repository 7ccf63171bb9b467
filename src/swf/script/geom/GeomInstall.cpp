#include "swf/script/Builtins.h"
#include "swf/script/geom/FilterClasses.h"
#include "swf/script/geom/GeomClasses.h"

namespace swf::script::builtins {

void InstallGeom(Vm& vm) {
    geom::InstallPoint(vm);
    geom::InstallRectangle(vm);
    geom::InstallMatrix(vm);
    geom::InstallColorTransform(vm);
    geom::InstallTransform(vm);
    geom::InstallColor(vm);
    geom::InstallBitmapData(vm);
    geom::InstallFilterClasses(vm);
    geom::InstallClipFilters(vm);
    geom::InstallClipDisplayProperties(vm);
}

} // namespace swf::script::builtins
