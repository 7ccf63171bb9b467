#pragma once

#include "swf/script/Object.h"
#include "swf/script/Value.h"

#include <span>

namespace swf::script {

class Vm;

// The built-in classes and global functions, one file each.
namespace builtins {

void Install(Vm& vm);
void InstallObject(Vm& vm);
void InstallFunction(Vm& vm);
void InstallArray(Vm& vm);
void InstallString(Vm& vm);
void InstallNumber(Vm& vm);
void InstallBoolean(Vm& vm);
void InstallMath(Vm& vm);
void InstallDate(Vm& vm);
void InstallGlobals(Vm& vm);
void InstallMovieClip(Vm& vm);
// MovieClip's drawing methods (MovieClipDrawing.cpp).
void InstallClipDrawing(Vm& vm, const ObjectPtr& proto);
// MovieClip's getBounds, localToGlobal, hitTest and their kin.
void InstallClipGeometry(Vm& vm, const ObjectPtr& proto);
void InstallStage(Vm& vm);
void InstallKey(Vm& vm);
void InstallMouse(Vm& vm);
void InstallButton(Vm& vm);
void InstallSound(Vm& vm);
void InstallError(Vm& vm);
void InstallSystem(Vm& vm);
void InstallPlaceholders(Vm& vm);
void InstallContextMenu(Vm& vm);
// flash.net.FileReference and FileReferenceList.
void InstallFileReferences(Vm& vm);
void InstallExternalInterface(Vm& vm);
void InstallTextFormat(Vm& vm);
void InstallTextField(Vm& vm);
void InstallSelection(Vm& vm);
// flash.geom, flash.display and flash.filters (in geom/).
void InstallGeom(Vm& vm);
void InstallXmlNode(Vm& vm);
void InstallXml(Vm& vm);
void InstallLoadVars(Vm& vm);
void InstallMovieClipLoader(Vm& vm);

// A class whose instances wrap a primitive (Boolean, Number, String):
// calling it converts its argument, `new` wraps the converted value.
ObjectPtr WrapperClass(Vm& vm, const ObjectPtr& proto, const char* name,
                       Value (*convert)(Vm&, std::span<const Value>));

// Gives the object addListener, removeListener, broadcastMessage and the
// _listeners array they work on.
void MakeBroadcaster(Vm& vm, const ObjectPtr& object);

// The player's version as movies read it (System.capabilities.version,
// $version).
inline constexpr const char* PlayerVersion = "WIN 9,0,0,0";

// Argument i, undefined past the end.
inline Value Arg(std::span<const Value> args, size_t i) { return i < args.size() ? args[i] : Value(); }

} // namespace builtins
} // namespace swf::script
