#pragma once

#include "Sketch.h"

namespace genpictures {

// The family look: bodies lit from above, a darker edge of their own hue
// and white marks with a soft shadow. Every picture takes its colours from
// these tones.
struct Tone {
    Rgba Light, Mid, Dark, Edge;
};

namespace tones {
inline constexpr Tone Blue{{150, 215, 255}, {45, 125, 230}, {18, 60, 170}, {12, 40, 112}};
inline constexpr Tone Amber{{255, 226, 140}, {247, 184, 64}, {214, 136, 30}, {140, 84, 16}};
inline constexpr Tone Paper{{255, 255, 255}, {246, 248, 252}, {212, 221, 235}, {104, 118, 145}};
inline constexpr Tone Red{{255, 150, 128}, {230, 68, 50}, {170, 28, 22}, {112, 18, 14}};
inline constexpr Tone Green{{170, 238, 128}, {70, 180, 64}, {32, 124, 42}, {20, 84, 30}};
inline constexpr Tone Steel{{240, 244, 250}, {176, 188, 206}, {116, 131, 156}, {64, 76, 100}};
inline constexpr Tone Ink{{90, 150, 235}, {40, 95, 200}, {18, 48, 140}, {8, 28, 88}};
} // namespace tones

inline constexpr Rgba White{255, 255, 255, 255};

inline Rgba Faded(Rgba c, uint8_t alpha) { return {c.R, c.G, c.B, alpha}; }

// Lit from the top of its own bounds to the bottom.
Paint Lit(const Outline& outline, const Tone& tone);

// A body in the tone, with an edge `edge` units wide.
void Body(Sketch& sketch, const Outline& outline, const Tone& tone, double edge = 1);

// A body with a glassy sheen over its upper half, for round buttons.
void GlassBody(Sketch& sketch, Point centre, double radius, const Tone& tone);

// A mark laid on a body: white, with a soft shadow a little below.
void Mark(Sketch& sketch, const Outline& outline, Rgba colour = White);

} // namespace genpictures
