#include "swf/ShapeParser.h"

#include "swf/Error.h"
#include "swf/Records.h"

#include <algorithm>
#include <optional>

namespace swf {
namespace {

Rgba ReadColor(ByteReader& in, int version) { return version >= 3 ? ReadRgba(in) : ReadRgb(in); }

uint32_t ReadCount(ByteReader& in, int version) {
    uint32_t count = in.U8();
    if (count == 0xff && version >= 2)
        count = in.U16();
    return count;
}

FillStyle ReadBitmapFill(ByteReader& in, uint8_t type) {
    FillStyle f;
    f.Kind = FillKind::Bitmap;
    f.BitmapId = in.U16();
    f.Transform = ReadMatrix(in);
    f.Repeat = (type & 1) == 0;
    f.Smooth = (type & 2) == 0;
    return f;
}

LineStyle ReadLineStyle2(ByteReader& in) {
    LineStyle l;
    l.Width = in.U16();
    l.StartCap = static_cast<Cap>(std::min(in.UBits(2), 2u));
    l.JoinStyle = static_cast<Join>(std::min(in.UBits(2), 2u));
    l.HasFill = in.UBits(1);
    l.NoHScale = in.UBits(1);
    l.NoVScale = in.UBits(1);
    in.UBits(1); // pixel hinting
    in.UBits(5);
    in.UBits(1); // no close
    l.EndCap = static_cast<Cap>(std::min(in.UBits(2), 2u));
    if (l.JoinStyle == Join::Miter)
        l.MiterLimit = in.U16() / 256.0;
    if (l.HasFill)
        l.Fill = ReadFillStyle(in, 4);
    else
        l.Color = ReadRgba(in);
    return l;
}

LineStyle ReadLineStyle(ByteReader& in, int version) {
    if (version >= 4)
        return ReadLineStyle2(in);
    LineStyle l;
    l.Width = in.U16();
    l.Color = ReadColor(in, version);
    return l;
}

// Walks the records, turning each run of edges with one set of styles into
// a Path.
class RecordReader {
public:
    RecordReader(ByteReader& in, Shape& shape) : in_(in), shape_(shape) {}

    void Read(int version, const std::function<void(ByteReader&, Shape&)>& newStyles) {
        fillBits_ = in_.UBits(4);
        lineBits_ = in_.UBits(4);
        while (true) {
            if (in_.UBits(1)) {
                Edge();
                continue;
            }
            unsigned flags = in_.UBits(5);
            if (flags == 0)
                break;
            StyleChange(flags, version, newStyles);
        }
        Flush();
    }

private:
    // Style indices in a record that also brings new style arrays refer to
    // the new arrays.
    void StyleChange(unsigned flags, int version, const std::function<void(ByteReader&, Shape&)>& newStyles) {
        Flush();
        if (flags & 1) {
            unsigned bits = in_.UBits(5);
            pos_.X = in_.SBits(bits);
            pos_.Y = in_.SBits(bits);
        }
        std::optional<uint32_t> fill0, fill1, line;
        if (flags & 2)
            fill0 = in_.UBits(fillBits_);
        if (flags & 4)
            fill1 = in_.UBits(fillBits_);
        if (flags & 8)
            line = in_.UBits(lineBits_);
        if ((flags & 16) && version >= 2 && newStyles) {
            fillBase_ = static_cast<uint32_t>(shape_.Fills.size());
            lineBase_ = static_cast<uint32_t>(shape_.Lines.size());
            newStyles(in_, shape_);
            current_ = Path{};
            current_.Layer = shape_.Layers++;
            fillBits_ = in_.UBits(4);
            lineBits_ = in_.UBits(4);
        }
        if (fill0)
            current_.Fill0 = StyleIndex(*fill0, fillBase_, shape_.Fills.size());
        if (fill1)
            current_.Fill1 = StyleIndex(*fill1, fillBase_, shape_.Fills.size());
        if (line)
            current_.Line = StyleIndex(*line, lineBase_, shape_.Lines.size());
        current_.Start = pos_;
    }

    // An index past the style array selects nothing.
    static uint32_t StyleIndex(uint32_t index, uint32_t base, size_t count) {
        return index == 0 || base + index > count ? 0 : base + index;
    }

    void Edge() {
        bool straight = in_.UBits(1);
        unsigned bits = in_.UBits(4) + 2;
        Segment s;
        if (straight) {
            Point d;
            if (in_.UBits(1)) {
                d.X = in_.SBits(bits);
                d.Y = in_.SBits(bits);
            } else if (in_.UBits(1)) {
                d.Y = in_.SBits(bits);
            } else {
                d.X = in_.SBits(bits);
            }
            s.To = {pos_.X + d.X, pos_.Y + d.Y};
        } else {
            s.Curve = true;
            s.Control = {pos_.X + in_.SBits(bits), pos_.Y + in_.SBits(bits)};
            s.To = {s.Control.X + in_.SBits(bits), s.Control.Y + in_.SBits(bits)};
        }
        if (current_.Segments.empty())
            current_.Start = pos_;
        current_.Segments.push_back(s);
        pos_ = s.To;
    }

    void Flush() {
        if (!current_.Segments.empty())
            shape_.Paths.push_back(current_);
        current_.Segments.clear();
    }

    ByteReader& in_;
    Shape& shape_;
    Path current_;
    Point pos_;
    unsigned fillBits_ = 0, lineBits_ = 0;
    uint32_t fillBase_ = 0, lineBase_ = 0;
};

} // namespace

Gradient ReadGradient(ByteReader& in, int version, bool focal) {
    Gradient g;
    g.SpreadMode = static_cast<Spread>(std::min(in.UBits(2), 2u));
    g.LinearRgb = in.UBits(2) == 1;
    unsigned count = in.UBits(4);
    for (unsigned i = 0; i < count; ++i) {
        GradientStop stop;
        stop.Ratio = in.U8();
        stop.Color = ReadColor(in, version);
        g.Stops.push_back(stop);
    }
    if (focal)
        g.Focal = static_cast<int16_t>(in.U16()) / 256.0;
    return g;
}

FillStyle ReadFillStyle(ByteReader& in, int version) {
    uint8_t type = in.U8();
    FillStyle f;
    switch (type) {
    case 0x00:
        f.Color = ReadColor(in, version);
        return f;
    case 0x10:
    case 0x12:
    case 0x13:
        f.Kind = type == 0x10 ? FillKind::Linear : type == 0x12 ? FillKind::Radial : FillKind::Focal;
        f.Transform = ReadMatrix(in);
        f.Grad = ReadGradient(in, version, type == 0x13);
        return f;
    case 0x40:
    case 0x41:
    case 0x42:
    case 0x43:
        return ReadBitmapFill(in, type);
    default:
        ThrowDamaged("unknown fill style");
    }
}

void ReadStyleArrays(ByteReader& in, Shape& shape, int version) {
    uint32_t fills = ReadCount(in, version);
    for (uint32_t i = 0; i < fills; ++i)
        shape.Fills.push_back(ReadFillStyle(in, version));
    uint32_t lines = ReadCount(in, version);
    for (uint32_t i = 0; i < lines; ++i)
        shape.Lines.push_back(ReadLineStyle(in, version));
}

void ReadShapeRecords(ByteReader& in, Shape& shape, int version,
                      const std::function<void(ByteReader&, Shape&)>& newStyles) {
    RecordReader(in, shape).Read(version, newStyles);
}

Shape ParseShape(ByteReader& in, int version) {
    Shape shape;
    shape.Bounds = ReadRect(in);
    if (version >= 4) {
        ReadRect(in); // edge bounds
        in.UBits(5);
        shape.NonZero = in.UBits(1);
        in.UBits(2);
    }
    ReadStyleArrays(in, shape, version);
    ReadShapeRecords(in, shape, version,
                     [version](ByteReader& r, Shape& s) { ReadStyleArrays(r, s, version); });
    return shape;
}

Shape ParseGlyph(ByteReader& in, Rgba color) {
    Shape shape;
    FillStyle fill;
    fill.Color = color;
    shape.Fills.push_back(fill);
    ReadShapeRecords(in, shape, 1, {});
    return shape;
}

} // namespace swf
