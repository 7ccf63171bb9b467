#pragma once

#include "swf/FillContours.h"

#include <cstdint>
#include <memory>
#include <optional>

namespace swf {

// What scripts draw into a clip (lineStyle, beginFill, moveTo, lineTo,
// curveTo, endFill): a shape grown one edge at a time, shown beneath the
// clip's children. Every fill starts a layer of its own, so a later fill
// covers an earlier one and the lines drawn before it; a fill left open is
// closed by a line back to its start, as the plug-in closes it.
class Drawing {
public:
    // None: later edges draw no line.
    void SetLine(std::optional<LineStyle> style);
    // Ends the fill in progress; none: later edges fill nothing.
    void BeginFill(std::optional<FillStyle> fill);
    void EndFill() { BeginFill(std::nullopt); }
    void MoveTo(Point to);
    void LineTo(Point to);
    void CurveTo(Point control, Point to);
    void Clear();

    bool Empty() const { return shape_.Paths.empty(); }
    // The edges' extent (curves by their control points), grown by half the
    // widest line; twips, in the clip's space. None when nothing is drawn.
    std::optional<Rect> Bounds() const;
    // The shape as drawn so far, its fill outlines worked out on first use
    // after a change.
    std::shared_ptr<const DrawableShape> Shape() const;
    // Counts the changes, so that kept pictures of the clip can tell.
    uint64_t Revision() const { return revision_; }
    // Whether a fill shows a BitmapData's pixels, which change without a
    // change here.
    bool SharesPixels() const { return sharesPixels_; }

private:
    void AddSegment(const Segment& segment);
    void CloseFill();
    bool FillOpen() const { return fill_ != 0 && fillStart_ != pen_; }
    void Changed();

    // A script drawing in a loop runs out of edges here, not of memory.
    static constexpr size_t MaxSegments = size_t(1) << 20;

    swf::Shape shape_;
    size_t segments_ = 0;
    Point pen_;
    Point fillStart_;              // where the outline of the fill in force began
    uint32_t fill_ = 0, line_ = 0; // 1-based styles in force; 0 for none
    bool pathOpen_ = false;        // the last path continues at the pen
    bool sharesPixels_ = false;
    uint64_t revision_ = 0;
    mutable std::shared_ptr<const DrawableShape> drawable_;
};

} // namespace swf
