#pragma once

#include "swf/Dictionary.h"
#include "swf/DisplayObject.h"
#include "swf/Matrix.h"

#include <optional>

namespace swf {

// An axis-aligned box, in twips.
struct Box {
    double XMin = 0, YMin = 0, XMax = 0, YMax = 0;

    // The box around both.
    Box Union(const Box& other) const;
    bool Contains(Point p) const { return p.X >= XMin && p.X <= XMax && p.Y >= YMin && p.Y <= YMax; }
    bool Overlaps(const Box& o) const {
        return XMin <= o.XMax && o.XMin <= XMax && YMin <= o.YMax && o.YMin <= YMax;
    }
};

// The box around what placed characters draw, as scripts measure it
// (_width, getBounds, hitTest without the shape flag): the declared bounds
// of every shape, text and bitmap inside, each turned by its whole chain of
// matrices down from the target's space, so a turned child grows the box by
// its corners. Buttons count their up state; sprites their objects as they
// stand (a sprite inside a button its first frame). Nothing drawn: none.
class Timeline;

class Bounds {
public:
    std::optional<Box> OfObject(const DisplayObject& object, const Dictionary& dictionary,
                                const Matrix& parentToTarget) const;
    // The same through a matrix that already holds the object's own.
    std::optional<Box> OfContent(const DisplayObject& object, const Dictionary& dictionary,
                                 const Matrix& toTarget) const;
    std::optional<Box> OfList(const DisplayList& list, const Dictionary& dictionary,
                              const Matrix& toTarget) const;
    // A running clip: what scripts drew in it and its list.
    std::optional<Box> OfClip(const Timeline& clip, const Matrix& toTarget) const;
    std::optional<Box> OfCharacter(const Character& character, const DisplayObject* object,
                                   const Dictionary& dictionary, const Matrix& toTarget) const;

private:
    // Buttons and sprites at rest may contain themselves.
    static constexpr int MaxDepth = 64;
    mutable int depth_ = 0;
};

// The box around what a clip holds, in a space its own reaches by `toTarget`.
std::optional<Box> ClipBounds(const Timeline& clip, const Matrix& toTarget);

// The box around a rectangle moved by a matrix.
Box TransformedBox(const Box& box, const Matrix& m);

} // namespace swf
