#pragma once

#include "swf/Shape.h"

#include <vector>

namespace swf {

// What gradient glows and gradient bevels share: their colours come from a
// gradient instead of one or two colours.
struct GradientFilterFields {
    std::vector<GradientStop> Stops;
    double BlurX = 4, BlurY = 4;
    double Angle = 0.785398, Distance = 4;
    double Strength = 1;
    bool Inner = false, Knockout = false, HideObject = false, OnTop = false;
    int Passes = 1;
};

} // namespace swf
