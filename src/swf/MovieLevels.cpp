#include "swf/MovieLevels.h"

#include "swf/Canvas.h"
#include "swf/Movie.h"
#include "swf/StageRenderer.h"

namespace swf {

Timeline* MovieLevels::At(int level) const {
    auto it = levels_.find(level);
    return it == levels_.end() ? nullptr : it->second.Root.get();
}

Timeline* MovieLevels::Play(int level, const std::shared_ptr<const Movie>& movie) {
    // The old level goes first, so that its scripts forget it.
    levels_.erase(level);
    if (!movie || levels_.size() >= MaxLevels)
        return nullptr;
    Level& slot = levels_[level];
    slot.Source = movie;
    slot.Root =
        std::make_unique<Timeline>(movie->Frames(), movie->FrameCount(), movie->Characters(), limits_);
    return slot.Root.get();
}

void MovieLevels::Advance() {
    // A script may load onto a level while the levels move on.
    std::vector<int> numbers;
    for (const auto& [number, level] : levels_)
        numbers.push_back(number);
    for (int number : numbers)
        if (Timeline* t = At(number))
            t->Advance();
}

void MovieLevels::Draw(Canvas& canvas, FontProvider& fonts, LayerCache* cache, const Matrix& view) const {
    for (const auto& [number, level] : levels_) {
        StageRenderer renderer(canvas, level.Source->Characters(), fonts);
        renderer.UseCache(cache);
        renderer.UseView(view);
        renderer.DrawTimeline(*level.Root, {view, {}});
    }
}

} // namespace swf
