#include "RenderHelpers.h"

#include "swf/ReferenceRasterizer.h"

#include <algorithm>
#include <cstdlib>

namespace testing_swf {

Frame Render(swf::Player& player, swf::Quality quality) {
    swf::Rect stage = player.CurrentMovie()->Header().FrameSize;
    Frame f{stage.Width() / 20, stage.Height() / 20, {}};
    f.Pixels.assign(size_t(f.Width) * size_t(f.Height), 0);
    player.Quality = quality;
    player.Render({f.Pixels.data(), f.Width, f.Height, f.Width}, std::nullopt);
    return f;
}

Frame RenderMovie(const std::vector<uint8_t>& movie, swf::Quality quality, bool reference) {
    swf::Player player;
    if (reference)
        player.SetRasterizer(std::make_unique<swf::ReferenceRasterizer>());
    player.Load(movie);
    return Render(player, quality);
}

swfw::MovieWriter Stage(int width, int height) {
    swfw::MovieWriter w(10, {0, width * 20, 0, height * 20}, 12);
    w.SetBackgroundColor(255, 255, 255);
    return w;
}

std::vector<uint8_t> RectShape(uint16_t id, int x0, int y0, int x1, int y1, swfw::Rgba color) {
    swfw::ShapeBuilder s;
    uint32_t fill = s.SolidFill(color);
    s.Styles(0, fill, 0);
    Box(s, x0 * 20, y0 * 20, x1 * 20, y1 * 20);
    return swfw::ShapeBody(id, 3, {x0 * 20, x1 * 20, y0 * 20, y1 * 20}, s);
}

void Box(swfw::ShapeBuilder& s, int32_t x0, int32_t y0, int32_t x1, int32_t y1) {
    s.MoveTo(x0, y0);
    s.LineTo(x1, y0);
    s.LineTo(x1, y1);
    s.LineTo(x0, y1);
    s.LineTo(x0, y0);
}

std::vector<uint8_t> ShapeMovie(int width, int height, int version, const swfw::ShapeBuilder& shape) {
    static constexpr uint16_t codes[] = {0, swfw::code::DefineShape, swfw::code::DefineShape2,
                                         swfw::code::DefineShape3, swfw::code::DefineShape4};
    auto w = Stage(width, height);
    w.Tag(codes[version], swfw::ShapeBody(1, version, {0, width * 20, 0, height * 20}, shape));
    PlaceAt(w, 1, 1);
    w.ShowFrame();
    return w.Build();
}

void PlaceAt(swfw::MovieWriter& w, uint16_t depth, uint16_t id, int dx, int dy) {
    swfw::Place p;
    p.Depth = depth;
    p.CharacterId = id;
    p.Matrix = swfw::Transform{1, 0, 0, 1, dx * 20, dy * 20};
    w.Tag(swfw::code::PlaceObject2, swfw::PlaceObject2Body(p));
}

std::vector<uint8_t> SquareFont(uint16_t id, char32_t code, int16_t advance) {
    swfw::Glyph g{code, swfw::ShapeBuilder(1), advance};
    g.Outline.Styles(0, 1, 0);
    g.Outline.MoveTo(0, -1024);
    for (auto [x, y] : {std::pair{1024, -1024}, {1024, 0}, {0, 0}, {0, -1024}})
        g.Outline.LineTo(x, y);
    return swfw::Font2Body(id, "Square", {g}, 1024, 0);
}

int Difference(uint32_t a, uint32_t b) {
    int d = 0;
    for (int shift = 0; shift < 32; shift += 8)
        d = std::max(d, std::abs(int(a >> shift & 0xff) - int(b >> shift & 0xff)));
    return d;
}

} // namespace testing_swf
