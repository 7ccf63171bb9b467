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
    constexpr double Inner = 12.6, Outer = 15.2;
    constexpr int TailPieces = 8;
    constexpr double Piece = 2 * Pi / TrayFrames / 2;
    s.Stroke(Outline().Circle(Centre, (Inner + Outer) / 2), Outer - Inner, Faded(tones::Blue.Mid, 60));
    double head = -Pi / 2 + 2 * Pi * Frame / TrayFrames;
    for (int i = 0; i < TailPieces; ++i) {
        auto alpha = static_cast<uint8_t>(255 - i * 255 / TailPieces);
        double a1 = head - Piece * i, a0 = a1 - Piece;
        s.Fill(Outline().Sector(Centre, Inner, Outer, a0, a1), Paint::Solid({120, 220, 255, alpha}));
    }
    parts::Emblem(s, Centre, 11.2);
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
