#pragma once

#include "swf/Player.h"
#include "swfwriter/TagBodies.h"

#include <cstdint>
#include <vector>

namespace testing_swf {

// A rendered frame with pixel probes.
struct Frame {
    int Width = 0, Height = 0;
    std::vector<uint32_t> Pixels;
    uint32_t At(int x, int y) const { return Pixels[size_t(y) * size_t(Width) + size_t(x)]; }
};

// Renders the player's current frame at one pixel per 20 twips.
Frame Render(swf::Player& player, swf::Quality quality = swf::Quality::High);

// Loads the movie and renders its first frame.
Frame RenderMovie(const std::vector<uint8_t>& movie, swf::Quality quality = swf::Quality::High,
                  bool reference = false);

// A movie of the given stage size in pixels with a white background.
swfw::MovieWriter Stage(int width, int height);

// A filled rectangle shape (DefineShape3), in pixels.
std::vector<uint8_t> RectShape(uint16_t id, int x0, int y0, int x1, int y1, swfw::Rgba color);

// A closed rectangle path from (x0, y0) to (x1, y1), in twips.
void Box(swfw::ShapeBuilder& s, int32_t x0, int32_t y0, int32_t x1, int32_t y1);

// A movie of the given stage size (pixels) showing one shape of the given
// DefineShape version at the origin.
std::vector<uint8_t> ShapeMovie(int width, int height, int version, const swfw::ShapeBuilder& shape);

// Places a character at a depth, optionally offset in pixels.
void PlaceAt(swfw::MovieWriter& w, uint16_t depth, uint16_t id, int dx = 0, int dy = 0);

// A DefineFont2 body with one glyph: a square filling the em box above the
// baseline, advancing `advance` of the 1024 units of its em.
std::vector<uint8_t> SquareFont(uint16_t id, char32_t code, int16_t advance = 1024);

// Largest difference of any channel.
int Difference(uint32_t a, uint32_t b);

} // namespace testing_swf
