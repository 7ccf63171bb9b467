#pragma once

namespace swf {

// Low: no anti-aliasing, no bitmap smoothing. Medium: anti-aliased, bitmaps
// unsmoothed. High: anti-aliased, bitmaps smoothed. Best: as High, with
// curves flattened finer.
enum class Quality { Low, Medium, High, Best };

inline bool Antialiased(Quality q) { return q != Quality::Low; }
inline bool SmoothsBitmaps(Quality q) { return q == Quality::High || q == Quality::Best; }
// How curves become chords: no point of a curve is farther than Tolerance
// (device pixels) from its chords, and with a Grid the ends of the chords
// inside a curve are held to multiples of 1/Grid pixel.
struct Flattening {
    double Tolerance = 0.2;
    double Grid = 0;
};

// Without anti-aliasing every pixel centre near a curve decides a whole
// pixel, so the chords must be the plug-in's: its low-quality curves of
// shapes lie inside the true curve by about a tenth of a pixel, with the
// chord ends on whole twips at the output scale (the corpus's shapes are
// exact with both; finer chords light pixels it leaves out, coarser ones
// miss pixels it lights).
inline Flattening ShapeFlattening(Quality q) {
    if (q == Quality::Low)
        return {0.1, 20};
    return {q == Quality::Best ? 0.05 : 0.2, 0};
}
// Masks at Low keep the tolerance without the grid: the plug-in's mask
// edges lie where chords ending on the curve itself put them (a circle
// masking in visual/simple_shapes/scroll_rect_mask is exact so, and 8
// pixels off with the grid).
inline Flattening MaskFlattening(Quality q) {
    return q == Quality::Low ? Flattening{0.1, 0} : ShapeFlattening(q);
}
// Glyphs of text keep fine chords at Low: the plug-in draws their curves
// closer to the true outline than those of shapes.
inline Flattening GlyphFlattening(Quality q) {
    return q == Quality::Low ? Flattening{0.02, 0} : ShapeFlattening(q);
}

} // namespace swf
