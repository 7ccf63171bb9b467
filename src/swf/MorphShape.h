#pragma once

#include "swf/ByteReader.h"
#include "swf/Shape.h"

#include <vector>

namespace swf {

// A shape that moves between two states; each edge of the start state has
// its counterpart, in order, in the end state.
struct MorphShape {
    Shape Start; // start edges, start styles
    Rect EndBounds;
    std::vector<FillStyle> EndFills;
    std::vector<LineStyle> EndLines;
    std::vector<Point> EndFrom; // per edge, in order: where the end edge starts
    std::vector<Segment> EndEdges;
};

// DefineMorphShape (version 1) and DefineMorphShape2 (version 2), after the
// character id.
MorphShape ParseMorphShape(ByteReader& in, int version);

// The shape at `ratio` (0 = start, 65535 = end).
Shape MorphAt(const MorphShape& morph, uint16_t ratio);

} // namespace swf
