#pragma once

#include "swf/script/Object.h"

namespace swf::script {
class Vm;
}

// BitmapData's methods beyond pixels, fills and tests, grouped by what they
// do; InstallBitmapData adds them to the prototype.
namespace swf::script::geom {

// threshold, copyPixels, merge, paletteMap, scroll.
void InstallBitmapDataCopies(Vm& vm, const ObjectPtr& proto);
// pixelDissolve, noise and perlinNoise.
void InstallBitmapDataNoise(Vm& vm, const ObjectPtr& proto);
// draw, through the renderer.
void InstallBitmapDataDraw(Vm& vm, const ObjectPtr& proto);
// applyFilter and generateFilterRect, through the clips' filters.
void InstallBitmapDataFilters(Vm& vm, const ObjectPtr& proto);
// floodFill and getColorBoundsRect.
void InstallBitmapDataSearch(Vm& vm, const ObjectPtr& proto);

} // namespace swf::script::geom
