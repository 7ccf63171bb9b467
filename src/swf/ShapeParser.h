#pragma once

#include "swf/ByteReader.h"
#include "swf/Shape.h"

#include <functional>

namespace swf {

// Reads the shape records of DefineShape 1-4, morph shapes and font glyphs.
// `version` is the DefineShape number (1-4): it decides colour sizes, count
// widths and the line style layout.
FillStyle ReadFillStyle(ByteReader& in, int version);
Gradient ReadGradient(ByteReader& in, int version, bool focal);
void ReadStyleArrays(ByteReader& in, Shape& shape, int version);

// Reads records up to the end record into shape.Paths. New style arrays in
// the stream are read by `newStyles` (absent for glyphs and morph shapes).
void ReadShapeRecords(ByteReader& in, Shape& shape, int version,
                      const std::function<void(ByteReader&, Shape&)>& newStyles);

// DefineShape 1-4 (the body after the character id).
Shape ParseShape(ByteReader& in, int version);

// A glyph: records with one implicit fill style, painted in `color`.
Shape ParseGlyph(ByteReader& in, Rgba color = {});

} // namespace swf
