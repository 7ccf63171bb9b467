#pragma once

namespace swf::script {
class Vm;
}

// The classes of the flash.geom, flash.display and flash.filters packages,
// one file each; InstallGeom installs them all.
namespace swf::script::geom {

void InstallPoint(Vm& vm);
void InstallRectangle(Vm& vm);
void InstallMatrix(Vm& vm);
void InstallColorTransform(Vm& vm);
void InstallTransform(Vm& vm);
void InstallColor(Vm& vm);
void InstallBitmapData(Vm& vm);
// MovieClip's blendMode, opaqueBackground, scrollRect and cacheAsBitmap.
void InstallClipDisplayProperties(Vm& vm);

} // namespace swf::script::geom
