#include "swf/ShapeRenderer.h"

#include "swf/ColorCompositor.h"
#include "swf/Flatten.h"
#include "swf/MaskCompositor.h"
#include "swf/Stroker.h"

#include <algorithm>
#include <cmath>

namespace swf {
namespace {

void AppendSegment(const Matrix& m, Point from, const Segment& s, Flattening flattening,
                   std::vector<Point>& out) {
    if (s.Curve)
        FlattenQuad(m.Apply(from), m.Apply(s.Control), m.Apply(s.To), flattening, out);
    else
        out.push_back(m.Apply(s.To));
}

void AppendEdges(const std::vector<Point>& points, uint32_t fill, std::vector<RasterEdge>& out) {
    for (size_t i = 1; i < points.size(); ++i)
        out.push_back(
            {float(points[i - 1].X), float(points[i - 1].Y), float(points[i].X), float(points[i].Y), fill});
}

// The pixels the edges can touch, within the canvas.
IntRect EdgeBounds(const std::vector<RasterEdge>& edges, IntRect canvas) {
    float x0 = float(canvas.X1), y0 = float(canvas.Y1), x1 = float(canvas.X0), y1 = float(canvas.Y0);
    for (const RasterEdge& e : edges) {
        x0 = std::min({x0, e.X0, e.X1});
        x1 = std::max({x1, e.X0, e.X1});
        y0 = std::min({y0, e.Y0, e.Y1});
        y1 = std::max({y1, e.Y0, e.Y1});
    }
    auto clampTo = [](float v, int lo, int hi) {
        return static_cast<int>(std::clamp(v, float(lo), float(hi)));
    };
    return {clampTo(std::floor(x0), canvas.X0, canvas.X1), clampTo(std::floor(y0), canvas.Y0, canvas.Y1),
            clampTo(std::ceil(x1) + 1, canvas.X0, canvas.X1),
            clampTo(std::ceil(y1) + 1, canvas.Y0, canvas.Y1)};
}

} // namespace

void ShapeRenderer::Draw(const DrawableShape& shape, const DrawState& state, const Rgba* solid) {
    for (uint32_t layer = 0; layer < shape.FillLayers.size(); ++layer) {
        DrawFills(shape, shape.FillLayers[layer], state, solid);
        std::vector<uint32_t> lines;
        for (const Path& path : shape.Source.Paths)
            if (path.Layer == layer && path.Line != 0)
                lines.push_back(path.Line);
        std::sort(lines.begin(), lines.end());
        lines.erase(std::unique(lines.begin(), lines.end()), lines.end());
        for (uint32_t line : lines)
            DrawStroke(shape.Source, layer, line, state);
    }
}

std::unique_ptr<Paint> ShapeRenderer::PaintFor(const FillStyle& fill, const DrawState& state,
                                               const Rgba* solid) const {
    if (solid)
        return std::make_unique<SolidPaint>(Premultiply(state.Colors.Apply(*solid)));
    return MakePaint(fill, {state.ToDevice, state.Colors, canvas_.Level(), &bitmaps_});
}

void ShapeRenderer::DrawFills(const DrawableShape& shape, const FillLayer& layer, const DrawState& state,
                              const Rgba* solid) {
    const Shape& source = shape.Source;
    std::vector<int> slot(source.Fills.size() + 1, -1);
    std::vector<std::unique_ptr<Paint>> paints;
    edges_.clear();
    Flattening flattening = solid                    ? GlyphFlattening(canvas_.Level())
                            : canvas_.BuildingMask() ? MaskFlattening(canvas_.Level())
                                                     : ShapeFlattening(canvas_.Level());
    for (const FillEdge& e : layer.Edges) {
        if (slot[e.Fill] < 0) {
            slot[e.Fill] = static_cast<int>(paints.size());
            paints.push_back(PaintFor(source.Fills[e.Fill - 1], state, solid));
        }
        points_.assign(1, state.ToDevice.Apply(e.From));
        AppendSegment(state.ToDevice, e.From, e.Edge, flattening, points_);
        AppendEdges(points_, uint32_t(slot[e.Fill]), edges_);
    }
    Run(edges_, uint32_t(paints.size()), source.NonZero ? FillRule::NonZero : FillRule::EvenOdd, paints);
}

// Strokes are outlined in the shape's own space and then transformed with
// it, so a stretched shape has stretched lines. The plug-in draws lines
// flagged to keep their width the same way when the object is scaled, so
// the flags are not acted on here. Lines thinner than a pixel are outlined
// on the device, one pixel wide.
void ShapeRenderer::DrawStroke(const Shape& shape, uint32_t layer, uint32_t line, const DrawState& state) {
    const LineStyle& style = shape.Lines[line - 1];
    Flattening flattening = ShapeFlattening(canvas_.Level());
    double deviceWidth = style.Width * state.ToDevice.MeanScale();
    Matrix toShape;
    bool inShapeSpace = deviceWidth >= 1 && state.ToDevice.Invert(toShape);
    double scale = inShapeSpace ? state.ToDevice.MeanScale() : 1;
    StrokeStyle stroke{inShapeSpace ? deviceWidth / scale / 2 : std::max(deviceWidth, 1.0) / 2,
                       style.StartCap,
                       style.EndCap,
                       style.JoinStyle,
                       style.MiterLimit,
                       flattening.Tolerance / scale};
    edges_.clear();
    Stroker stroker(stroke, 0, edges_);
    for (const Path& path : shape.Paths) {
        if (path.Layer != layer || path.Line != line)
            continue;
        points_.assign(1, state.ToDevice.Apply(path.Start));
        Point from = path.Start;
        for (const Segment& s : path.Segments) {
            AppendSegment(state.ToDevice, from, s, flattening, points_);
            from = s.To;
        }
        if (inShapeSpace)
            for (Point& p : points_)
                p = toShape.Apply(p);
        stroker.Stroke(points_, from == path.Start);
    }
    if (inShapeSpace)
        for (RasterEdge& e : edges_) {
            Point a = state.ToDevice.Apply({e.X0, e.Y0}), b = state.ToDevice.Apply({e.X1, e.Y1});
            e = {float(a.X), float(a.Y), float(b.X), float(b.Y), e.Fill};
        }
    FillStyle fill = style.Fill;
    if (!style.HasFill)
        fill = FillStyle{FillKind::Solid, style.Color, {}, {}, 0, true, true, {}};
    std::vector<std::unique_ptr<Paint>> paints;
    paints.push_back(PaintFor(fill, state, nullptr));
    Run(edges_, 1, FillRule::NonZero, paints);
}

void ShapeRenderer::Run(const std::vector<RasterEdge>& edges, uint32_t fills, FillRule rule,
                        const std::vector<std::unique_ptr<Paint>>& paints) {
    if (edges.empty())
        return;
    RasterJob job{edges, fills, EdgeBounds(edges, canvas_.Bounds()), rule, Antialiased(canvas_.Level())};
    if (canvas_.BuildingMask()) {
        MaskCompositor sink(canvas_);
        canvas_.Raster().Run(job, sink);
        return;
    }
    std::vector<const Paint*> raw;
    for (const auto& p : paints)
        raw.push_back(p.get());
    ColorCompositor sink(canvas_, raw);
    canvas_.Raster().Run(job, sink);
}

} // namespace swf
