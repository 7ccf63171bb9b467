#include "swf/MorphShape.h"

#include "swf/Error.h"
#include "swf/Records.h"
#include "swf/ShapeParser.h"

#include <algorithm>
#include <cmath>

namespace swf {
namespace {

uint32_t ReadCount(ByteReader& in) {
    uint32_t count = in.U8();
    return count == 0xff ? in.U16() : count;
}

void ReadMorphGradient(ByteReader& in, Gradient& start, Gradient& end) {
    unsigned count = in.U8();
    for (unsigned i = 0; i < count; ++i) {
        GradientStop a, b;
        a.Ratio = in.U8();
        a.Color = ReadRgba(in);
        b.Ratio = in.U8();
        b.Color = ReadRgba(in);
        start.Stops.push_back(a);
        end.Stops.push_back(b);
    }
}

void ReadMorphFill(ByteReader& in, FillStyle& start, FillStyle& end) {
    uint8_t type = in.U8();
    if (type == 0x00) {
        start.Color = ReadRgba(in);
        end.Color = ReadRgba(in);
    } else if (type == 0x10 || type == 0x12 || type == 0x13) {
        start.Kind = end.Kind = type == 0x10 ? FillKind::Linear : FillKind::Radial;
        start.Transform = ReadMatrix(in);
        end.Transform = ReadMatrix(in);
        ReadMorphGradient(in, start.Grad, end.Grad);
    } else if (type >= 0x40 && type <= 0x43) {
        start.Kind = end.Kind = FillKind::Bitmap;
        start.BitmapId = end.BitmapId = in.U16();
        start.Repeat = end.Repeat = (type & 1) == 0;
        start.Smooth = end.Smooth = (type & 2) == 0;
        start.Transform = ReadMatrix(in);
        end.Transform = ReadMatrix(in);
    } else {
        ThrowDamaged("unknown morph fill style");
    }
}

void ReadMorphLine(ByteReader& in, int version, LineStyle& start, LineStyle& end) {
    start.Width = in.U16();
    end.Width = in.U16();
    if (version >= 2) {
        start.StartCap = static_cast<Cap>(std::min(in.UBits(2), 2u));
        start.JoinStyle = static_cast<Join>(std::min(in.UBits(2), 2u));
        start.HasFill = in.UBits(1);
        start.NoHScale = in.UBits(1);
        start.NoVScale = in.UBits(1);
        in.UBits(7); // pixel hinting, reserved, no close
        start.EndCap = static_cast<Cap>(std::min(in.UBits(2), 2u));
        if (start.JoinStyle == Join::Miter)
            start.MiterLimit = in.U16() / 256.0;
    }
    if (start.HasFill) {
        ReadMorphFill(in, start.Fill, end.Fill);
    } else {
        start.Color = ReadRgba(in);
        end.Color = ReadRgba(in);
    }
    end.StartCap = start.StartCap;
    end.EndCap = start.EndCap;
    end.JoinStyle = start.JoinStyle;
    end.MiterLimit = start.MiterLimit;
    end.HasFill = start.HasFill;
    end.NoHScale = start.NoHScale;
    end.NoVScale = start.NoVScale;
}

void ReadEndEdges(ByteReader& in, MorphShape& morph) {
    Shape end;
    ReadShapeRecords(in, end, 3, {});
    for (const Path& path : end.Paths) {
        Point from = path.Start;
        for (const Segment& s : path.Segments) {
            morph.EndFrom.push_back(from);
            morph.EndEdges.push_back(s);
            from = s.To;
        }
    }
}

double Mix(double a, double b, double t) { return a + (b - a) * t; }
Point Mix(Point a, Point b, double t) { return {Mix(a.X, b.X, t), Mix(a.Y, b.Y, t)}; }

// Colours and stop ratios in between are truncated, as the plug-in's are (a
// morph two thirds of the way from red to blue is 84, 0, 170).
uint8_t MixByte(uint8_t a, uint8_t b, double t) {
    return static_cast<uint8_t>(std::clamp(std::floor(Mix(a, b, t) + 1e-9), 0.0, 255.0));
}

Rgba Mix(Rgba a, Rgba b, double t) {
    return {MixByte(a.R, b.R, t), MixByte(a.G, b.G, t), MixByte(a.B, b.B, t), MixByte(a.A, b.A, t)};
}

Matrix Mix(const Matrix& a, const Matrix& b, double t) {
    return {Mix(a.A, b.A, t), Mix(a.B, b.B, t),   Mix(a.C, b.C, t),
            Mix(a.D, b.D, t), Mix(a.Tx, b.Tx, t), Mix(a.Ty, b.Ty, t)};
}

FillStyle Mix(const FillStyle& a, const FillStyle& b, double t) {
    FillStyle f = a;
    f.Color = Mix(a.Color, b.Color, t);
    f.Transform = Mix(a.Transform, b.Transform, t);
    for (size_t i = 0; i < f.Grad.Stops.size() && i < b.Grad.Stops.size(); ++i) {
        f.Grad.Stops[i].Ratio = MixByte(a.Grad.Stops[i].Ratio, b.Grad.Stops[i].Ratio, t);
        f.Grad.Stops[i].Color = Mix(a.Grad.Stops[i].Color, b.Grad.Stops[i].Color, t);
    }
    return f;
}

// A straight edge morphs like a curve whose control point sits midway.
Point ControlOf(Point from, const Segment& s) {
    return s.Curve ? s.Control : Point{(from.X + s.To.X) / 2, (from.Y + s.To.Y) / 2};
}

} // namespace

MorphShape ParseMorphShape(ByteReader& in, int version) {
    MorphShape morph;
    morph.Start.Bounds = ReadRect(in);
    morph.EndBounds = ReadRect(in);
    if (version >= 2) {
        ReadRect(in);
        ReadRect(in);
        in.U8();
    }
    uint32_t offset = in.U32();
    size_t endAt = in.Position() + offset;
    uint32_t fills = ReadCount(in);
    for (uint32_t i = 0; i < fills; ++i) {
        morph.Start.Fills.emplace_back();
        morph.EndFills.emplace_back();
        ReadMorphFill(in, morph.Start.Fills.back(), morph.EndFills.back());
    }
    uint32_t lines = ReadCount(in);
    for (uint32_t i = 0; i < lines; ++i) {
        morph.Start.Lines.emplace_back();
        morph.EndLines.emplace_back();
        ReadMorphLine(in, version, morph.Start.Lines.back(), morph.EndLines.back());
    }
    ReadShapeRecords(in, morph.Start, 3, {});
    if (endAt < in.Position())
        ThrowDamaged("morph shape end edges overlap the start edges");
    in.Skip(endAt - in.Position());
    ReadEndEdges(in, morph);
    return morph;
}

Shape MorphAt(const MorphShape& morph, uint16_t ratio) {
    double t = ratio / 65535.0;
    Shape shape = morph.Start;
    for (size_t i = 0; i < shape.Fills.size(); ++i)
        shape.Fills[i] = Mix(shape.Fills[i], morph.EndFills[i], t);
    for (size_t i = 0; i < shape.Lines.size(); ++i) {
        shape.Lines[i].Width =
            static_cast<uint16_t>(std::lround(Mix(shape.Lines[i].Width, morph.EndLines[i].Width, t)));
        shape.Lines[i].Color = Mix(shape.Lines[i].Color, morph.EndLines[i].Color, t);
        shape.Lines[i].Fill = Mix(shape.Lines[i].Fill, morph.EndLines[i].Fill, t);
    }
    size_t k = 0;
    for (Path& path : shape.Paths) {
        Point from = path.Start;
        if (k < morph.EndEdges.size())
            path.Start = Mix(path.Start, morph.EndFrom[k], t);
        for (Segment& s : path.Segments) {
            Point start = from;
            from = s.To;
            if (k >= morph.EndEdges.size())
                continue;
            const Segment& e = morph.EndEdges[k];
            Point endFrom = morph.EndFrom[k++];
            bool curve = s.Curve || e.Curve;
            s.Control = Mix(ControlOf(start, s), ControlOf(endFrom, e), t);
            s.To = Mix(s.To, e.To, t);
            s.Curve = curve;
        }
    }
    return shape;
}

} // namespace swf
