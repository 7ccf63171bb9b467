#pragma once

#include "controls/Rect.h"

namespace controls {

enum class TBarOrientation { boHorizontal, boVertical };

// The values of a progress bar and the geometry of its fill. The setters
// answer whether the bar must be repainted.
class TProgressRange {
public:
    int Min() const { return min_; }
    int Max() const { return max_; }
    int Position() const { return position_; }
    TBarOrientation Orientation() const { return orientation_; }
    int BorderWidth() const { return borderWidth_; }
    bool ShowBorder() const { return showBorder_; }
    bool Smooth() const { return smooth_; }

    // Repaint only when the fill fraction moves: ten updates a second with
    // the same fraction cost nothing.
    bool SetPosition(int position);
    // Always repaint, even for the same value.
    bool SetMin(int min);
    bool SetMax(int max);
    // Repaint when the value differs.
    bool SetOrientation(TBarOrientation orientation);
    bool SetBorderWidth(int width);
    bool SetShowBorder(bool show);
    bool SetSmooth(bool smooth);

    // The filled share of the bar for `value`, in single precision: 0 when
    // Min < 0, the value is outside Min..Max, or Max = Min.
    float Fraction(int value) const;

    // (0, 0, width, height) shrunk by 2 when ShowBorder, then by BorderWidth.
    TRect ProgressRect(int width, int height) const;

    // The part of ProgressRect that Position fills: Round(fraction × length)
    // pixels (ties to even) from the left, or from the bottom when vertical.
    TRect FilledRect(int width, int height) const;

private:
    template <class T> static bool Change(T& field, T value);

    int min_ = 0;
    int max_ = 100;
    int position_ = 0;
    TBarOrientation orientation_ = TBarOrientation::boHorizontal;
    int borderWidth_ = 0;
    bool showBorder_ = true;
    bool smooth_ = false;
};

} // namespace controls
