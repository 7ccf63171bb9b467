#include "swf/Drawing.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace swf {

void Drawing::SetLine(std::optional<LineStyle> style) {
    line_ = 0;
    if (style) {
        shape_.Lines.push_back(*style);
        line_ = static_cast<uint32_t>(shape_.Lines.size());
    }
    pathOpen_ = false;
}

void Drawing::BeginFill(std::optional<FillStyle> fill) {
    CloseFill();
    fill_ = 0;
    if (fill) {
        sharesPixels_ = sharesPixels_ || fill->Image;
        shape_.Fills.push_back(*fill);
        fill_ = static_cast<uint32_t>(shape_.Fills.size());
        // A new fill covers whatever was drawn before it.
        if (!shape_.Paths.empty())
            ++shape_.Layers;
        fillStart_ = pen_;
    }
    pathOpen_ = false;
}

void Drawing::MoveTo(Point to) {
    CloseFill();
    pen_ = to;
    if (fill_ != 0)
        fillStart_ = to;
    pathOpen_ = false;
}

void Drawing::LineTo(Point to) { AddSegment({{}, to, false}); }

void Drawing::CurveTo(Point control, Point to) { AddSegment({control, to, true}); }

void Drawing::Clear() {
    uint64_t revision = revision_;
    *this = Drawing();
    revision_ = revision + 1;
}

void Drawing::AddSegment(const Segment& segment) {
    if (segments_ >= MaxSegments)
        return;
    ++segments_;
    if (!pathOpen_) {
        shape_.Paths.push_back({pen_, {}, 0, fill_, line_, shape_.Layers - 1});
        pathOpen_ = true;
    }
    shape_.Paths.back().Segments.push_back(segment);
    pen_ = segment.To;
    Changed();
}

// An open outline of the fill is closed by a line back to where it began,
// drawn with the line style in force, as though the script had drawn it.
void Drawing::CloseFill() {
    if (FillOpen())
        LineTo(fillStart_);
}

void Drawing::Changed() {
    ++revision_;
    drawable_.reset();
}

std::optional<Rect> Drawing::Bounds() const {
    if (shape_.Paths.empty())
        return std::nullopt;
    double x0 = std::numeric_limits<double>::infinity(), y0 = x0, x1 = -x0, y1 = -x0;
    auto add = [&](Point p) {
        x0 = std::min(x0, p.X);
        y0 = std::min(y0, p.Y);
        x1 = std::max(x1, p.X);
        y1 = std::max(y1, p.Y);
    };
    double halfLine = 0;
    for (const Path& path : shape_.Paths) {
        add(path.Start);
        for (const Segment& s : path.Segments) {
            if (s.Curve)
                add(s.Control);
            add(s.To);
        }
        if (path.Line != 0)
            halfLine = std::max(halfLine, shape_.Lines[path.Line - 1].Width / 2.0);
    }
    auto twips = [](double v) {
        return static_cast<int32_t>(std::clamp(std::round(v), -2147483647.0, 2147483647.0));
    };
    return Rect{twips(x0 - halfLine), twips(x1 + halfLine), twips(y0 - halfLine), twips(y1 + halfLine)};
}

// A fill still open is shown closed.
std::shared_ptr<const DrawableShape> Drawing::Shape() const {
    if (drawable_)
        return drawable_;
    if (FillOpen()) {
        Drawing closed = *this;
        closed.CloseFill();
        drawable_ = std::make_shared<const DrawableShape>(closed.shape_);
    } else {
        drawable_ = std::make_shared<const DrawableShape>(shape_);
    }
    return drawable_;
}

} // namespace swf
