#include "swf/LayerBounds.h"

#include "swf/Drawing.h"
#include "swf/FillContours.h"
#include "swf/MorphShape.h"
#include "swf/Timeline.h"
#include "swf/filters/FilterChain.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace swf {
namespace {

// Children nest no deeper than the renderer draws them.
constexpr int MaxNesting = 64;

// A growing box of device points.
struct Extent {
    double X0 = std::numeric_limits<double>::infinity(), Y0 = X0;
    double X1 = -X0, Y1 = -X0;
    bool Known = true;
    FilterScale View; // what children's filters are scaled by

    void Add(double x, double y, double margin) {
        X0 = std::min(X0, x - margin), Y0 = std::min(Y0, y - margin);
        X1 = std::max(X1, x + margin), Y1 = std::max(Y1, y + margin);
    }
};

// How far a stroke may reach beyond its edges, in device pixels.
double StrokeReach(const std::vector<LineStyle>& lines, const Matrix& toDevice) {
    double scale = std::max(std::hypot(toDevice.A, toDevice.B), std::hypot(toDevice.C, toDevice.D));
    double reach = 0;
    for (const LineStyle& line : lines) {
        double miter = line.JoinStyle == Join::Miter ? std::max(line.MiterLimit, 1.0) : 1.0;
        // Strokes that do not scale keep their width in stage pixels.
        double width = line.NoHScale || line.NoVScale ? std::max(line.Width * scale, line.Width / 20.0)
                                                      : line.Width * scale;
        // Square caps reach out by half the width along the diagonal.
        reach = std::max(reach, width * std::max(miter, 1.5) / 2);
    }
    return reach;
}

void AddPoint(Extent& e, const Matrix& toDevice, Point p, double margin) {
    Point d = toDevice.Apply(p);
    e.Add(d.X, d.Y, margin);
}

void AddShape(Extent& e, const Shape& shape, const Matrix& toDevice, double reach) {
    // A pixel of anti-aliasing, and one more for hairlines.
    double margin = reach + 2;
    for (const Path& path : shape.Paths) {
        AddPoint(e, toDevice, path.Start, margin);
        for (const Segment& s : path.Segments) {
            if (s.Curve)
                AddPoint(e, toDevice, s.Control, margin);
            AddPoint(e, toDevice, s.To, margin);
        }
    }
}

void AddMorph(Extent& e, const MorphShape& morph, const Matrix& toDevice) {
    // Every shape between start and end has its points between theirs.
    double reach = std::max(StrokeReach(morph.Start.Lines, toDevice), StrokeReach(morph.EndLines, toDevice));
    AddShape(e, morph.Start, toDevice, reach);
    for (Point p : morph.EndFrom)
        AddPoint(e, toDevice, p, reach + 2);
    for (const Segment& s : morph.EndEdges) {
        AddPoint(e, toDevice, s.Control, reach + 2);
        AddPoint(e, toDevice, s.To, reach + 2);
    }
}

void AddObject(Extent& e, const DisplayObject& object, const Matrix& toDevice, int depth);

void AddTimeline(Extent& e, const Timeline& timeline, const Matrix& toDevice, int depth) {
    if (const Drawing* drawn = timeline.Drawn(); drawn && !drawn->Empty()) {
        const Shape& shape = drawn->Shape()->Source;
        AddShape(e, shape, toDevice, StrokeReach(shape.Lines, toDevice));
    }
    for (const auto& [d, child] : timeline.Objects())
        if (child.Definition || child.Clip)
            AddObject(e, child, toDevice.Then(child.Transform), depth + 1);
}

void AddContent(Extent& e, const DisplayObject& object, const Matrix& toDevice, int depth) {
    if (object.Clip) {
        AddTimeline(e, *object.Clip, toDevice, depth);
    } else if (auto shape = std::get_if<std::shared_ptr<const DrawableShape>>(object.Definition)) {
        const Shape& s = (*shape)->Source;
        AddShape(e, s, toDevice, StrokeReach(s.Lines, toDevice));
    } else if (auto morph = std::get_if<std::shared_ptr<const MorphShape>>(object.Definition)) {
        AddMorph(e, **morph, toDevice);
    } else if (!std::holds_alternative<std::shared_ptr<const Sprite>>(*object.Definition)) {
        // Text and buttons: not worked out here.
        e.Known = false;
    }
}

// A child's filters paint beyond its content (the object's own are added
// by the caller, after the layer is drawn).
void AddObject(Extent& e, const DisplayObject& object, const Matrix& toDevice, int depth) {
    if (depth > MaxNesting || object.Scroll) {
        e.Known = false;
        return;
    }
    if (depth == 0 || !object.Filters || object.Filters->empty()) {
        AddContent(e, object, toDevice, depth);
        return;
    }
    Extent own;
    own.View = e.View;
    AddContent(own, object, toDevice, depth);
    e.Known = e.Known && own.Known;
    if (own.X0 > own.X1)
        return;
    FilterMargin m = MarginOf(*object.Filters, e.View);
    e.Add(own.X0 - m.Left, own.Y0 - m.Top, 0);
    e.Add(own.X1 + m.Right, own.Y1 + m.Bottom, 0);
}

} // namespace

std::optional<IntRect> LayerBounds(const DisplayObject& object, const Matrix& toDevice, FilterScale view) {
    Extent e;
    e.View = view;
    AddObject(e, object, toDevice, 0);
    if (!e.Known)
        return std::nullopt;
    if (e.X0 == std::numeric_limits<double>::infinity())
        return IntRect{};
    // A matrix gone wild (not a number) leaves the whole target.
    if (!(e.X0 <= e.X1 && e.Y0 <= e.Y1))
        return std::nullopt;
    // Far beyond any target: the caller cuts it to the target anyway.
    auto clamp = [](double v) { return int(std::clamp(v, -1e9, 1e9)); };
    return IntRect{clamp(std::floor(e.X0)), clamp(std::floor(e.Y0)), clamp(std::ceil(e.X1)),
                   clamp(std::ceil(e.Y1))};
}

} // namespace swf
