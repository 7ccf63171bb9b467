#pragma once

#include "swf/Dictionary.h"
#include "swf/DisplayObject.h"
#include "swf/Matrix.h"

namespace swf {

// Whether the geometry of placed characters covers a point, as the mouse
// sees it: shapes by their fills and strokes, text by its box, buttons by
// their hit-state characters, sprites by their content within its masks.
// Points and matrices are in stage twips.
class HitTest {
public:
    // A point inside the shape's fills or on its strokes, in shape space.
    static bool ShapeCovers(const Shape& shape, const std::vector<FillLayer>& fills, Point p);

    bool ObjectCovers(const DisplayObject& object, const Dictionary& dictionary, const Matrix& parentToStage,
                      Point stage) const;
    // Any object of the list, masks honoured.
    bool ListCovers(const DisplayList& list, const Dictionary& dictionary, const Matrix& toStage,
                    Point stage) const;
    // Whether the mask a script set on the object, if any, covers the point.
    bool ScriptMaskCovers(const DisplayObject& object, Point stage) const;
    // Whether the masks of the list let the object at `depth` be seen at
    // the point.
    bool Unmasked(const DisplayList& list, const Dictionary& dictionary, uint16_t depth,
                  const Matrix& toStage, Point stage) const;
    bool CharacterCovers(const Character& character, const DisplayObject* object,
                         const Dictionary& dictionary, const Matrix& toStage, Point stage) const;

private:
    // Buttons and sprites at rest may contain themselves.
    static constexpr int MaxDepth = 64;
    mutable int depth_ = 0;
};

} // namespace swf
