#include "swf/sound/Envelope.h"

#include <algorithm>

namespace swf::sound {

Envelope::Envelope(std::vector<EnvelopePoint> points) : points_(std::move(points)) {
    // Points out of order would make the level jump back and forth.
    std::stable_sort(points_.begin(), points_.end(), [](const EnvelopePoint& a, const EnvelopePoint& b) {
        return a.Position44 < b.Position44;
    });
}

std::pair<int64_t, int64_t> Envelope::Levels(uint64_t position44) {
    if (next_ > 0 && points_[next_ - 1].Position44 > position44)
        next_ = 0;
    while (next_ < points_.size() && points_[next_].Position44 <= position44)
        ++next_;
    if (next_ == 0)
        return {points_.front().Left, points_.front().Right};
    const EnvelopePoint& a = points_[next_ - 1];
    if (next_ == points_.size())
        return {a.Left, a.Right};
    const EnvelopePoint& b = points_[next_];
    int64_t span = b.Position44 - a.Position44, done = static_cast<int64_t>(position44 - a.Position44);
    return {a.Left + (int64_t{b.Left} - a.Left) * done / span,
            a.Right + (int64_t{b.Right} - a.Right) * done / span};
}

void Envelope::Apply(uint64_t position44, std::span<int32_t> frames) {
    if (points_.empty())
        return;
    for (size_t i = 0; i + 1 < frames.size(); i += 2) {
        auto [left, right] = Levels(position44 + i / 2);
        frames[i] = static_cast<int32_t>(frames[i] * left / 32768);
        frames[i + 1] = static_cast<int32_t>(frames[i + 1] * right / 32768);
    }
}

} // namespace swf::sound
