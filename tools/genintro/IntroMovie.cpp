#include "IntroMovie.h"

#include "IntroShapes.h"
#include "swfwriter/TagBodies.h"

#include <cmath>
#include <numbers>
#include <string_view>

namespace genintro {
namespace {

using swfw::Rgba;
using swfw::ShapeBuilder;
using swfw::Transform;

constexpr int32_t StageWidth = 9600, StageHeight = 7200; // 480 x 360 pixels
constexpr double CentreX = 4800, CentreY = 2800;
constexpr int Frames = 150;
constexpr double FramesPerSecond = 30;
constexpr int Dots = 12;
constexpr double Tau = 2 * std::numbers::pi;

enum Id : uint16_t { Background = 1, Glow, RingInner, RingMiddle, RingOuter, Dot, Disc, Arrow, WordMark };
enum Depth : uint16_t {
    BackgroundDepth = 1,
    GlowDepth,
    RingInnerDepth,
    RingMiddleDepth,
    RingOuterDepth,
    FirstDotDepth = 10,
    DiscDepth = 30,
    ArrowDepth,
    WordMarkDepth = 40,
};

// The gradient square spans 32768 twips around its centre.
Transform RadialGradient(double cx, double cy, double radius) {
    double s = radius / 16384;
    return {s, 0, 0, s, static_cast<int32_t>(cx), static_cast<int32_t>(cy)};
}

Transform HorizontalGradient(double x0, double x1) {
    return {(x1 - x0) / 32768, 0, 0, 1, static_cast<int32_t>((x0 + x1) / 2), 0};
}

Transform VerticalGradient(double y0, double y1) {
    double s = (y1 - y0) / 32768;
    return {0, s, -s, 0, 0, static_cast<int32_t>((y0 + y1) / 2)};
}

Transform Placed(double x, double y, double scale, double angle = 0) {
    double c = std::cos(angle) * scale, s = std::sin(angle) * scale;
    return {c, s, -s, c, static_cast<int32_t>(std::lround(x)), static_cast<int32_t>(std::lround(y))};
}

swfw::Twips Square(int32_t half) { return {-half, half, -half, half}; }

void Define(swfw::MovieWriter& movie, uint16_t id, const swfw::Twips& bounds, const ShapeBuilder& shape,
            int version = 3) {
    movie.Tag(version >= 4 ? swfw::code::DefineShape4 : swfw::code::DefineShape3,
              swfw::ShapeBody(id, version, bounds, shape));
}

void DefineBackground(swfw::MovieWriter& movie) {
    ShapeBuilder shape;
    uint32_t fill = shape.GradientFill(0x12, RadialGradient(CentreX, 3000, 7400),
                                       {{0, {30, 62, 118}}, {150, {12, 26, 58}}, {255, {3, 6, 16}}});
    shape.Styles(0, fill, 0);
    Pen pen(shape);
    pen.MoveTo(0, 0);
    pen.LineTo(StageWidth, 0);
    pen.LineTo(StageWidth, StageHeight);
    pen.LineTo(0, StageHeight);
    pen.LineTo(0, 0);
    Define(movie, Background, {0, StageWidth, 0, StageHeight}, shape);
}

void DefineSoftCircle(swfw::MovieWriter& movie, uint16_t id, double radius, Rgba centre, Rgba edge) {
    ShapeBuilder shape;
    shape.Styles(0, shape.GradientFill(0x12, RadialGradient(0, 0, radius), {{0, centre}, {255, edge}}), 0);
    Pen(shape).Circle(0, 0, radius);
    Define(movie, id, Square(static_cast<int32_t>(radius) + 40), shape);
}

// Bands of a ring: `segments` of them, each `sweep` of its share of the turn.
void DefineRing(swfw::MovieWriter& movie, uint16_t id, double inner, double outer, int segments, double sweep,
                Rgba from, Rgba to) {
    ShapeBuilder shape;
    shape.Styles(0, shape.GradientFill(0x10, HorizontalGradient(-outer, outer), {{0, from}, {255, to}}), 0);
    Pen pen(shape);
    for (int k = 0; k < segments; ++k) {
        double a0 = Tau * k / segments;
        Band(pen, inner, outer, a0, a0 + Tau / segments * sweep);
    }
    Define(movie, id, Square(static_cast<int32_t>(outer) + 60), shape);
}

void DefineDisc(swfw::MovieWriter& movie) {
    constexpr double Radius = 1250;
    ShapeBuilder shape;
    uint32_t fill = shape.GradientFill(0x10, VerticalGradient(-Radius, Radius),
                                       {{0, {130, 215, 255}}, {140, {40, 120, 230}}, {255, {14, 52, 160}}});
    uint32_t rim = shape.Line(50, {255, 255, 255, 150});
    shape.Styles(0, fill, rim);
    Pen(shape).Circle(0, 0, Radius);
    Define(movie, Disc, Square(1320), shape);
}

void DefineArrow(swfw::MovieWriter& movie) {
    ShapeBuilder shape;
    shape.Styles(
        0,
        shape.GradientFill(0x10, VerticalGradient(-520, 520), {{0, {255, 255, 255}}, {255, {200, 230, 255}}}),
        0);
    Pen pen(shape);
    pen.MoveTo(-300, -520);
    pen.LineTo(600, 0);
    pen.LineTo(-300, 520);
    pen.LineTo(-300, -520);
    Define(movie, Arrow, Square(640), shape);
}

constexpr std::string_view Name = "KORVALEN";
constexpr double LetterWidth = 560, LetterAdvance = 760, LetterHeight = 720;

void DefineWordMark(swfw::MovieWriter& movie) {
    ShapeBuilder shape(4);
    shape.Styles(0, 0, shape.Line4(150, {235, 243, 255, 255}, 0, 0, 0));
    Pen pen(shape);
    double width = LetterAdvance * (Name.size() - 1) + LetterWidth;
    for (size_t i = 0; i < Name.size(); ++i)
        Letter(pen, Name[i], -width / 2 + LetterAdvance * static_cast<double>(i), -LetterHeight / 2);
    auto halfWidth = static_cast<int32_t>(width / 2 + 120);
    Define(movie, WordMark, {-halfWidth, halfWidth, -480, 480}, shape, 4);
}

int16_t Fixed(double value) { return static_cast<int16_t>(std::lround(value * 256)); }

void Place(swfw::MovieWriter& movie, bool first, uint16_t depth, uint16_t id, const Transform& matrix,
           std::optional<swfw::ColorTransform> colors = {}) {
    swfw::Place place;
    place.Depth = depth;
    place.Matrix = matrix;
    place.Colors = colors;
    place.Move = !first;
    if (first)
        place.CharacterId = id;
    movie.Tag(swfw::code::PlaceObject2, swfw::PlaceObject2Body(place));
}

swfw::ColorTransform Fade(double alpha) {
    swfw::ColorTransform colors;
    colors.MulA = Fixed(alpha);
    return colors;
}

// One frame of the loop: every moving part at phase (0 to one turn).
void PlaceFrame(swfw::MovieWriter& movie, bool first, double phase) {
    if (first)
        Place(movie, true, BackgroundDepth, Background, {});
    Place(movie, first, GlowDepth, Glow, Placed(CentreX, CentreY, 1 + 0.1 * std::sin(2 * phase)),
          Fade(0.75 + 0.25 * std::sin(2 * phase)));
    Place(movie, first, RingInnerDepth, RingInner, Placed(CentreX, CentreY, 1, phase));
    Place(movie, first, RingMiddleDepth, RingMiddle, Placed(CentreX, CentreY, 1, -phase + 0.6));
    Place(movie, first, RingOuterDepth, RingOuter, Placed(CentreX, CentreY, 1, 2 * phase + 0.3));
    for (int i = 0; i < Dots; ++i) {
        double share = Tau * i / Dots, angle = phase + share;
        double radius = 2450 + 150 * std::sin(3 * phase + 2 * share);
        Place(movie, first, static_cast<uint16_t>(FirstDotDepth + i), Dot,
              Placed(CentreX + radius * std::cos(angle), CentreY + radius * std::sin(angle),
                     0.7 + 0.3 * std::sin(2 * phase + i)),
              Fade(0.35 + 0.65 * (0.5 + 0.5 * std::sin(2 * phase + share))));
    }
    Place(movie, first, DiscDepth, Disc, Placed(CentreX, CentreY, 1 + 0.035 * std::sin(2 * phase)));
    Place(movie, first, ArrowDepth, Arrow,
          Placed(CentreX, CentreY, 1 + 0.05 * std::sin(2 * phase + std::numbers::pi / 4)));
    swfw::ColorTransform shine = Fade(0.85 + 0.15 * std::sin(phase));
    shine.AddB = static_cast<int16_t>(std::lround(30 * (0.5 + 0.5 * std::sin(phase))));
    Place(movie, first, WordMarkDepth, WordMark, Placed(CentreX, 6150, 1), shine);
}

} // namespace

std::vector<uint8_t> BuildIntroMovie() {
    swfw::MovieWriter movie(8, {0, StageWidth, 0, StageHeight}, FramesPerSecond);
    movie.SetBackgroundColor(3, 6, 16);
    DefineBackground(movie);
    DefineSoftCircle(movie, Glow, 3000, {90, 200, 255, 140}, {90, 200, 255, 0});
    DefineRing(movie, RingInner, 1700, 1850, 3, 0.7, {0, 225, 255, 230}, {0, 110, 255, 200});
    DefineRing(movie, RingMiddle, 2000, 2080, 2, 0.8, {255, 90, 210, 210}, {140, 70, 255, 190});
    DefineRing(movie, RingOuter, 2300, 2350, 6, 0.45, {255, 200, 70, 220}, {255, 120, 20, 180});
    DefineSoftCircle(movie, Dot, 170, {255, 255, 255, 255}, {120, 220, 255, 0});
    DefineDisc(movie);
    DefineArrow(movie);
    DefineWordMark(movie);
    for (int frame = 0; frame < Frames; ++frame) {
        PlaceFrame(movie, frame == 0, Tau * frame / Frames);
        movie.ShowFrame();
    }
    return movie.Build(swfw::Compression::Zlib);
}

} // namespace genintro
