#pragma once

#include "swf/ColorTransform.h"
#include "swf/Matrix.h"
#include "swf/script/Function.h"
#include "swf/script/Object.h"

#include <span>
#include <string>

namespace swf::script {
class Vm;
}

// What the flash.geom, flash.display and flash.filters classes share: the
// packages they live in, their accessor properties, and making and reading
// their instances from native code.
namespace swf::script::geom {

// The package object _global.flash.NAME, made on first use. The flash
// package is hidden from movies before SWF 8, as the plug-in hides it.
ObjectPtr Package(Vm& vm, const char* name);

// A getter/setter pair as addProperty makes it; no setter: read-only.
void Accessor(Vm& vm, const ObjectPtr& object, const std::string& name, NativeCall get, NativeCall set = {},
              uint8_t flags = DontEnum);

// A class whose constructor fills the instance `new` made (or a new
// instance of the prototype when called as a function).
ObjectPtr Class(Vm& vm, const ObjectPtr& package, const char* name, const ObjectPtr& proto, NativeCall init);

// True when the value has the prototype in its chain.
bool IsA(const Value& v, const ObjectPtr& proto);

// A member read as a number.
double Number(Vm& vm, const Value& object, const char* name);

Value NewPoint(Vm& vm, Value x, Value y);
Value NewRectangle(Vm& vm, Value x, Value y, Value width, Value height);
// A flash.geom.Matrix in pixels of a display matrix in twips.
Value NewMatrix(Vm& vm, const Matrix& twips);
// The display matrix (twips) a flash.geom.Matrix stands for.
Matrix ReadMatrix(Vm& vm, const Value& matrix);

// A blend mode by name or PlaceObject3 number; anything else is normal (1).
uint8_t ReadBlendMode(Vm& vm, const Value& v);

// flash.geom.ColorTransform keeps its eight numbers natively; scripts reach
// them through accessors on the prototype.
class ColorTransformObject : public Object {
public:
    using Object::Object;
    // Multipliers red, green, blue, alpha, then the offsets (0-255 units).
    double Values[8] = {1, 1, 1, 1, 0, 0, 0, 0};

    ColorTransform ToDisplay() const;
    void FromDisplay(const ColorTransform& c);
};

Value NewColorTransform(Vm& vm, const ColorTransform& c);
// The native colour transform of a value, or null for anything else.
ColorTransformObject* AsColorTransform(const Value& v);

} // namespace swf::script::geom
