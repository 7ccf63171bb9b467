#include "controls/ProgressRange.h"

#include "controls/Numeric.h"

namespace controls {

template <class T> bool TProgressRange::Change(T& field, T value) {
    if (field == value)
        return false;
    field = value;
    return true;
}

bool TProgressRange::SetPosition(int position) {
    if (position == position_)
        return false;
    float before = Fraction(position_);
    position_ = position;
    return Fraction(position_) != before;
}

bool TProgressRange::SetMin(int min) {
    min_ = min;
    return true;
}

bool TProgressRange::SetMax(int max) {
    max_ = max;
    return true;
}

bool TProgressRange::SetOrientation(TBarOrientation orientation) { return Change(orientation_, orientation); }
bool TProgressRange::SetBorderWidth(int width) { return Change(borderWidth_, width); }
bool TProgressRange::SetShowBorder(bool show) { return Change(showBorder_, show); }
bool TProgressRange::SetSmooth(bool smooth) { return Change(smooth_, smooth); }

float TProgressRange::Fraction(int value) const {
    if (min_ < 0 || value < min_ || value > max_ || max_ == min_)
        return 0.0f;
    return static_cast<float>(static_cast<double>(value - min_) / (static_cast<double>(max_) - min_));
}

TRect TProgressRange::ProgressRect(int width, int height) const {
    TRect r{0, 0, width, height};
    if (showBorder_)
        r = Inflate(r, -2);
    return Inflate(r, -borderWidth_);
}

TRect TProgressRange::FilledRect(int width, int height) const {
    TRect r = ProgressRect(width, height);
    bool horizontal = orientation_ == TBarOrientation::boHorizontal;
    long double length = horizontal ? r.Width() : r.Height();
    auto n = static_cast<int>(RoundHalfEven(static_cast<long double>(Fraction(position_)) * length));
    if (horizontal)
        r.right = r.left + n;
    else
        r.top = r.bottom - n;
    return r;
}

} // namespace controls
