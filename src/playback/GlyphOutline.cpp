#include "playback/GlyphOutline.h"

#include <windows.h>

#include <cstring>
#include <vector>

namespace playback {
namespace {

// A record header read by copy: the buffer need not be aligned.
template <typename T> bool ReadAt(std::span<const uint8_t> buffer, size_t at, T& out) {
    if (at > buffer.size() || buffer.size() - at < sizeof(T))
        return false;
    std::memcpy(&out, buffer.data() + at, sizeof(T));
    return true;
}

class ContourBuilder {
public:
    ContourBuilder(swf::Shape& shape, double scale) : shape_(shape), scale_(scale) {}

    swf::Point Map(const POINTFX& p) const {
        return {(p.x.value + p.x.fract / 65536.0) * scale_, -(p.y.value + p.y.fract / 65536.0) * scale_};
    }

    void Start(swf::Point at) {
        swf::Path path;
        path.Start = pen_ = at;
        path.Fill1 = 1;
        shape_.Paths.push_back(path);
    }

    void Line(swf::Point to) { Add({{}, to, false}); }
    void Curve(swf::Point control, swf::Point to) { Add({control, to, true}); }

    // Contours are closed implicitly: a last line back to the start.
    void Close() {
        const swf::Path& path = shape_.Paths.back();
        if (pen_.X != path.Start.X || pen_.Y != path.Start.Y)
            Line(path.Start);
    }

private:
    void Add(const swf::Segment& s) {
        shape_.Paths.back().Segments.push_back(s);
        pen_ = s.To;
    }

    swf::Shape& shape_;
    double scale_;
    swf::Point pen_;
};

// A quadratic spline record: every point but the last is off the curve,
// with an implied on-curve point halfway between two off-curve ones.
void AddSpline(ContourBuilder& out, const std::vector<swf::Point>& points) {
    for (size_t i = 0; i + 1 < points.size(); ++i) {
        swf::Point to = i + 2 == points.size() ? points[i + 1]
                                               : swf::Point{(points[i].X + points[i + 1].X) / 2,
                                                            (points[i].Y + points[i + 1].Y) / 2};
        out.Curve(points[i], to);
    }
}

// The records of one contour, from `at` up to `end`.
void ReadRecords(ContourBuilder& out, std::span<const uint8_t> buffer, size_t at, size_t end) {
    const size_t recordHeader = offsetof(TTPOLYCURVE, apfx);
    while (at + recordHeader <= end) {
        WORD type = 0, count = 0;
        ReadAt(buffer, at, type);
        ReadAt(buffer, at + sizeof(WORD), count);
        size_t bytes = recordHeader + size_t(count) * sizeof(POINTFX);
        if (count == 0 || bytes > end - at)
            return;
        std::vector<swf::Point> points;
        for (size_t i = 0; i < count; ++i) {
            POINTFX p;
            ReadAt(buffer, at + recordHeader + i * sizeof(POINTFX), p);
            points.push_back(out.Map(p));
        }
        if (type == TT_PRIM_QSPLINE && points.size() >= 2)
            AddSpline(out, points);
        else
            for (swf::Point p : points)
                out.Line(p);
        at += bytes;
    }
}

} // namespace

swf::Shape OutlineToShape(std::span<const uint8_t> buffer, double scale) {
    swf::Shape shape;
    shape.Fills.push_back({});
    shape.NonZero = true;
    ContourBuilder out(shape, scale);
    size_t at = 0;
    TTPOLYGONHEADER header;
    while (ReadAt(buffer, at, header)) {
        if (header.cb < sizeof header || header.cb > buffer.size() - at)
            break;
        out.Start(out.Map(header.pfxStart));
        ReadRecords(out, buffer, at + sizeof header, at + header.cb);
        out.Close();
        at += header.cb;
    }
    return shape;
}

} // namespace playback
