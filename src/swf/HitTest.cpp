#include "swf/HitTest.h"

#include "swf/MaskLink.h"
#include "swf/Timeline.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace swf {
namespace {

constexpr int CurveSteps = 8;

// Calls `line` for the straight pieces of an edge, curves flattened.
template <class F> void ForEachLine(Point from, const Segment& s, F&& line) {
    if (!s.Curve) {
        line(from, s.To);
        return;
    }
    Point a = from;
    for (int i = 1; i <= CurveSteps; ++i) {
        double t = double(i) / CurveSteps, u = 1 - t;
        Point b{u * u * from.X + 2 * u * t * s.Control.X + t * t * s.To.X,
                u * u * from.Y + 2 * u * t * s.Control.Y + t * t * s.To.Y};
        line(a, b);
        a = b;
    }
}

// +1 or -1 when the piece crosses the ray going right from p, else 0.
int Crossing(Point a, Point b, Point p) {
    if ((a.Y > p.Y) == (b.Y > p.Y))
        return 0;
    double x = a.X + (p.Y - a.Y) * (b.X - a.X) / (b.Y - a.Y);
    if (x <= p.X)
        return 0;
    return b.Y > a.Y ? 1 : -1;
}

double DistanceSquared(Point a, Point b, Point p) {
    double dx = b.X - a.X, dy = b.Y - a.Y;
    double len = dx * dx + dy * dy;
    double t = len > 0 ? std::clamp(((p.X - a.X) * dx + (p.Y - a.Y) * dy) / len, 0.0, 1.0) : 0;
    double x = a.X + t * dx - p.X, y = a.Y + t * dy - p.Y;
    return x * x + y * y;
}

bool Inside(const Rect& r, Point p) {
    return p.X >= r.XMin && p.X <= r.XMax && p.Y >= r.YMin && p.Y <= r.YMax;
}

bool StrokesCover(const Shape& shape, Point p) {
    for (const Path& path : shape.Paths) {
        if (path.Line == 0 || path.Line > shape.Lines.size())
            continue;
        // Hairlines are a pixel wide whatever the scale.
        double half = std::max<double>(shape.Lines[path.Line - 1].Width, 20) / 2;
        bool hit = false;
        Point from = path.Start;
        for (const Segment& s : path.Segments) {
            ForEachLine(from, s,
                        [&](Point a, Point b) { hit = hit || DistanceSquared(a, b, p) <= half * half; });
            from = s.To;
        }
        if (hit)
            return true;
    }
    return false;
}

} // namespace

bool HitTest::ShapeCovers(const Shape& shape, const std::vector<FillLayer>& fills, Point p) {
    for (const FillLayer& layer : fills) {
        // Each fill's own outline decides whether the point is inside it.
        std::map<uint32_t, int> winding;
        for (const FillEdge& e : layer.Edges)
            ForEachLine(e.From, e.Edge, [&](Point a, Point b) { winding[e.Fill] += Crossing(a, b, p); });
        for (auto [fill, w] : winding)
            if (shape.NonZero ? w != 0 : (w & 1) != 0)
                return true;
    }
    return StrokesCover(shape, p);
}

bool HitTest::CharacterCovers(const Character& character, const DisplayObject* object,
                              const Dictionary& dictionary, const Matrix& toStage, Point stage) const {
    Matrix toLocal;
    if (!toStage.Invert(toLocal) || depth_ >= MaxDepth)
        return false;
    Point p = toLocal.Apply(stage);
    if (auto shape = std::get_if<std::shared_ptr<const DrawableShape>>(&character)) {
        const Shape& s = (*shape)->Source;
        // The bounds hold the strokes, but hairlines are a pixel wide at any scale.
        return Inside({s.Bounds.XMin - 20, s.Bounds.XMax + 20, s.Bounds.YMin - 20, s.Bounds.YMax + 20}, p) &&
               ShapeCovers(s, (*shape)->FillLayers, p);
    }
    if (auto morph = std::get_if<std::shared_ptr<const MorphShape>>(&character)) {
        DrawableShape s(MorphAt(**morph, object ? object->Ratio : 0));
        return ShapeCovers(s.Source, s.FillLayers, p);
    }
    if (auto text = std::get_if<std::shared_ptr<const StaticText>>(&character))
        return Inside((*text)->Bounds, p);
    if (auto field = std::get_if<std::shared_ptr<const EditText>>(&character))
        return Inside((*field)->Bounds, p);
    ++depth_;
    bool hit = false;
    if (auto button = std::get_if<std::shared_ptr<const Button>>(&character)) {
        for (const ButtonRecord& r : (*button)->Records)
            if (r.States & ButtonRecord::HitTest)
                if (const Character* c = dictionary.Find(r.CharacterId))
                    hit = hit || CharacterCovers(*c, nullptr, dictionary, toStage.Then(r.Transform), stage);
    } else if (auto sprite = std::get_if<std::shared_ptr<const Sprite>>(&character)) {
        if (object && object->Clip) {
            hit = ListCovers(object->Clip->Objects(), object->Clip->Characters(), toStage, stage);
        } else {
            // A sprite inside a button has no timeline: its first frame counts.
            Timeline::Limits limits;
            Timeline still((*sprite)->Frames, (*sprite)->FrameCount, dictionary, limits,
                           Timeline::Limits::MaxNesting - 1);
            hit = ListCovers(still.Objects(), dictionary, toStage, stage);
        }
    }
    --depth_;
    return hit;
}

bool HitTest::ObjectCovers(const DisplayObject& object, const Dictionary& dictionary,
                           const Matrix& parentToStage, Point stage) const {
    const Dictionary& own = object.Source ? *object.Source : dictionary;
    return object.Definition && ScriptMaskCovers(object, stage) &&
           CharacterCovers(*object.Definition, &object, own, parentToStage.Then(object.Transform), stage);
}

// Masks may mask each other through scripts; past the nesting limit the
// point counts as masked out.
bool HitTest::ScriptMaskCovers(const DisplayObject& object, Point stage) const {
    std::optional<ScriptMask> mask = MaskOf(object);
    if (!mask)
        return true;
    if (depth_ >= MaxDepth)
        return false;
    ++depth_;
    bool covers = ObjectCovers(*mask->Mask, mask->Parent->Characters(), mask->Parent->ToStage(), stage);
    --depth_;
    return covers;
}

bool HitTest::Unmasked(const DisplayList& list, const Dictionary& dictionary, uint16_t depth,
                       const Matrix& toStage, Point stage) const {
    for (const auto& [maskDepth, mask] : list) {
        if (maskDepth >= depth)
            break;
        if (mask.ClipDepth >= depth && !ObjectCovers(mask, dictionary, toStage, stage))
            return false;
    }
    return true;
}

bool HitTest::ListCovers(const DisplayList& list, const Dictionary& dictionary, const Matrix& toStage,
                         Point stage) const {
    for (const auto& [depth, object] : list)
        if (object.ClipDepth == 0 && object.Visible && !object.Masking &&
            ObjectCovers(object, dictionary, toStage, stage) &&
            Unmasked(list, dictionary, depth, toStage, stage))
            return true;
    return false;
}

} // namespace swf
