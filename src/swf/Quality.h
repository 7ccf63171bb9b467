#pragma once

namespace swf {

// Low: no anti-aliasing, no bitmap smoothing. Medium: anti-aliased, bitmaps
// unsmoothed. High: anti-aliased, bitmaps smoothed. Best: as High, with
// curves flattened finer.
enum class Quality { Low, Medium, High, Best };

inline bool Antialiased(Quality q) { return q != Quality::Low; }
inline bool SmoothsBitmaps(Quality q) { return q == Quality::High || q == Quality::Best; }
inline double FlattenTolerance(Quality q) {
    return q == Quality::Best ? 0.05 : q == Quality::Low ? 0.02 : 0.2;
}

} // namespace swf
