#include "ProgramPictures.h"

#include "Parts.h"

#include <numbers>
#include <utility>

// The emblem in its three uses: the window's icon, the .swf files' icon
// and the tray's animation.
namespace genpictures {
namespace {

constexpr double Pi = std::numbers::pi;
constexpr int TrayFrames = 12;
constexpr Point Centre{16, 16};

// A bright arc runs once round the emblem in the twelve frames, its tail
// fading behind it; a frame's head is where the next frame's starts, so
// the loop has no seam.
template <int Frame> void TrayFrame(Sketch& s) {
    constexpr double Inner = 11.6, Outer = 15.4;
    constexpr int TailPieces = 9;
    constexpr double Piece = 2 * Pi / TrayFrames / 2;
    s.Stroke(Outline().Circle(Centre, (Inner + Outer) / 2), Outer - Inner, Faded(tones::Blue.Dark, 70));
    double head = -Pi / 2 + 2 * Pi * Frame / TrayFrames;
    for (int i = 0; i < TailPieces; ++i) {
        auto alpha = static_cast<uint8_t>(255 - i * 230 / TailPieces);
        double a1 = head - Piece * i, a0 = a1 - Piece;
        Rgba colour = i == 0 ? Rgba{150, 235, 255, 255} : Rgba{20, 160, 255, alpha};
        s.Fill(Outline().Sector(Centre, Inner, Outer, a0, a1), Paint::Solid(colour));
    }
    parts::Emblem(s, Centre, 10.4);
}

template <int... Frames> std::vector<SketchFunction> FrameSketches(std::integer_sequence<int, Frames...>) {
    return {TrayFrame<Frames>...};
}

} // namespace

std::vector<SketchFunction> TraySketches() {
    return FrameSketches(std::make_integer_sequence<int, TrayFrames>());
}

void WindowIconSketch(Sketch& s) { parts::Emblem(s, Centre, 15); }

void FileIconSketch(Sketch& s) {
    parts::Sheet(s, 3.5, 1.5, 21, 28, 7);
    parts::Emblem(s, {21.5, 21.5}, 9.5);
}

} // namespace genpictures
