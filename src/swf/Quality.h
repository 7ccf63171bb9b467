#pragma once

namespace swf {

// Low: no anti-aliasing, no bitmap smoothing. Medium: anti-aliased, bitmaps
// unsmoothed. High: anti-aliased, bitmaps smoothed. Best: as High, with
// curves flattened finer.
enum class Quality { Low, Medium, High, Best };

inline bool Antialiased(Quality q) { return q != Quality::Low; }
inline bool SmoothsBitmaps(Quality q) { return q == Quality::High || q == Quality::Best; }
// Without anti-aliasing every pixel centre near a curve decides a whole
// pixel, so the chords must be the plug-in's: its low-quality curves lie
// inside the true curve by about a tenth of a pixel (0.11 matches the
// corpus best; finer chords light pixels it leaves out, coarser ones miss
// pixels it lights).
inline double FlattenTolerance(Quality q) {
    return q == Quality::Best ? 0.05 : q == Quality::Low ? 0.11 : 0.2;
}
// Glyphs of text keep fine chords at Low: the plug-in draws their curves
// closer to the true outline than those of shapes.
inline double GlyphFlattenTolerance(Quality q) { return q == Quality::Low ? 0.02 : FlattenTolerance(q); }

} // namespace swf
