#pragma once

#include "swf/Timeline.h"

#include <map>
#include <memory>

namespace swf {

class Canvas;
class FontProvider;
class LayerCache;
class Movie;
struct Matrix;

// Movies loaded onto the levels above the movie's own (loadMovieNum): each
// plays with its own characters and is drawn over the lower levels.
class MovieLevels {
public:
    static constexpr size_t MaxLevels = 64;

    explicit MovieLevels(Timeline::Limits& limits) : limits_(limits) {}

    Timeline* At(int level) const;
    // Plays the movie on the level, in place of what was there; without a
    // movie the level goes. The level's timeline, if it plays.
    Timeline* Play(int level, const std::shared_ptr<const Movie>& movie);
    // One tick of every level, the lowest first.
    void Advance();
    void Draw(Canvas& canvas, FontProvider& fonts, LayerCache* cache, const Matrix& view) const;

private:
    struct Level {
        std::shared_ptr<const Movie> Source;
        std::unique_ptr<Timeline> Root;
    };

    Timeline::Limits& limits_;
    std::map<int, Level> levels_;
};

} // namespace swf
