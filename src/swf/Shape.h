#pragma once

#include "swf/Bitmap.h"
#include "swf/ColorTransform.h"
#include "swf/Matrix.h"
#include "swf/Movie.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace swf {

enum class FillKind : uint8_t { Solid, Linear, Radial, Focal, Bitmap };
enum class Spread : uint8_t { Pad, Reflect, Repeat };

struct GradientStop {
    uint8_t Ratio = 0;
    Rgba Color;
};

struct Gradient {
    Spread SpreadMode = Spread::Pad;
    bool LinearRgb = false;
    double Focal = 0; // focal point along the x axis, -1..1
    std::vector<GradientStop> Stops;
};

struct FillStyle {
    FillKind Kind = FillKind::Solid;
    Rgba Color;
    Gradient Grad;
    Matrix Transform; // gradient square or bitmap pixels to shape space
    uint16_t BitmapId = 0;
    bool Repeat = true;
    bool Smooth = true;
    // A script's bitmap (beginBitmapFill), taken in place of BitmapId.
    std::shared_ptr<const Bitmap> Image;
};

enum class Cap : uint8_t { Round, None, Square };
enum class Join : uint8_t { Round, Bevel, Miter };

struct LineStyle {
    uint16_t Width = 0; // twips
    Rgba Color;
    Cap StartCap = Cap::Round, EndCap = Cap::Round;
    Join JoinStyle = Join::Round;
    double MiterLimit = 3;
    bool NoHScale = false, NoVScale = false;
    bool HasFill = false;
    FillStyle Fill; // when HasFill: the stroke is painted with this
};

struct Segment {
    Point Control; // meaningful for curves only
    Point To;
    bool Curve = false;
};

// A run of edges drawn with the same styles. Style indices are 1-based into
// the shape's arrays; 0 means none.
struct Path {
    Point Start;
    std::vector<Segment> Segments;
    uint32_t Fill0 = 0, Fill1 = 0, Line = 0;
    uint32_t Layer = 0; // bumped by every new style array; later layers draw on top
};

struct Shape {
    Rect Bounds;
    std::vector<FillStyle> Fills;
    std::vector<LineStyle> Lines;
    std::vector<Path> Paths;
    uint32_t Layers = 1;
    bool NonZero = false; // winding rule of DefineShape4; even-odd otherwise
};

} // namespace swf
