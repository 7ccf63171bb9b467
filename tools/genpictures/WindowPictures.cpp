#include "WindowPictures.h"

#include "Parts.h"

#include <algorithm>
#include <cmath>

namespace genpictures {
namespace {

struct Rgb {
    double R, G, B;
};

Rgb FromTone(Rgba c) { return {double(c.R), double(c.G), double(c.B)}; }

Rgb Mix(Rgb a, Rgb b, double t) {
    t = std::clamp(t, 0.0, 1.0);
    return {a.R + (b.R - a.R) * t, a.G + (b.G - a.G) * t, a.B + (b.B - a.B) * t};
}

uint32_t Pack(Rgb c) {
    auto channel = [](double v) { return static_cast<uint32_t>(std::clamp(std::lround(v), 0L, 255L)); };
    return channel(c.R) << 16 | channel(c.G) << 8 | channel(c.B);
}

// A premultiplied picture laid over the canvas with its top-left at (x, y).
void Lay(Canvas& canvas, const Picture& picture, int x, int y) {
    for (int py = 0; py < picture.Size; ++py)
        for (int px = 0; px < picture.Size; ++px) {
            int cx = x + px, cy = y + py;
            if (cx < 0 || cy < 0 || cx >= canvas.Width || cy >= canvas.Height)
                continue;
            uint32_t src = picture.Pixels[size_t(py) * size_t(picture.Size) + size_t(px)];
            uint32_t keep = 255 - (src >> 24);
            uint32_t& dst = canvas.At(cx, cy);
            uint32_t out = 0;
            for (int shift : {16, 8, 0}) {
                uint32_t value = ((src >> shift) & 0xFF) + (((dst >> shift) & 0xFF) * keep + 127) / 255;
                out |= std::min(value, 255u) << shift;
            }
            dst = out;
        }
}

// A thin ring of light, strongest at radius r.
double Ring(double distance, double r, double width) {
    double d = std::abs(distance - r) / width;
    return d < 1 ? (1 - d) * (1 - d) : 0;
}

} // namespace

void GeneralPageSketch(Sketch& s) {
    parts::Window(s, 2.5, 4, 27, 24, tones::Blue);
    for (int i = 0; i < 3; ++i) {
        double y = 12.5 + i * 5;
        Body(s, Outline().RoundRect(6, y - 1.8, 3.6, 3.6, 0.6), tones::Paper, 0.6);
        s.Stroke(Outline().MoveTo({6.8, y}).LineTo({7.8, y + 1}).LineTo({9.4, y - 1.4}), 0.9,
                 tones::Green.Dark);
        s.Fill(Outline().Rect(12, y - 0.7, i == 1 ? 10 : 13, 1.4), Paint::Solid(tones::Steel.Dark));
    }
}

void ViewPageSketch(Sketch& s) {
    Point centre = parts::Screen(s);
    parts::Emblem(s, centre, 5.5);
}

Canvas DrawBanner(const Tone& tone) {
    Canvas banner(401, 30);
    Rgb dark = FromTone(tone.Dark), mid = FromTone(tone.Mid), light = FromTone(tone.Light);
    for (int y = 0; y < banner.Height; ++y)
        for (int x = 0; x < banner.Width; ++x) {
            double t = x / 400.0;
            Rgb c = t < 0.5 ? Mix(dark, mid, t * 2) : Mix(mid, light, (t - 0.5) * 2);
            // Lit from above: the upper rows glow, the last row is the edge.
            if (y < 14)
                c = Mix(c, {255, 255, 255}, 0.22 * (14 - y) / 14.0);
            if (y == banner.Height - 1)
                c = FromTone(tone.Edge);
            banner.At(x, y) = Pack(c);
        }
    Lay(banner, Draw(WindowIconSketch, 32, 26), banner.Width - 32, 2);
    return banner;
}

Canvas DrawAboutPicture() {
    constexpr int Horizon = 138;
    constexpr double Cx = 185, Cy = 60;
    Canvas about(370, 251);
    Rgb skyTop = FromTone(tones::Ink.Edge), skyLow = FromTone(tones::Blue.Mid);
    Rgb fieldTop = FromTone(tones::Paper.Mid), fieldLow = FromTone(tones::Paper.Dark);
    for (int y = 0; y < about.Height; ++y)
        for (int x = 0; x < about.Width; ++x) {
            Rgb c;
            if (y < Horizon) {
                c = Mix(skyTop, skyLow, double(y) / Horizon);
                double d = std::hypot(x - Cx, y - Cy);
                double glow = 0.35 * Ring(d, 62, 3) + 0.22 * Ring(d, 88, 4) + 0.12 * Ring(d, 118, 5);
                c = Mix(c, {200, 235, 255}, glow + 0.25 * std::max(0.0, 1 - d / 70));
            } else if (y < Horizon + 2) {
                c = y == Horizon ? FromTone(tones::Blue.Light) : FromTone(tones::Blue.Dark);
            } else {
                c = Mix(fieldTop, fieldLow, double(y - Horizon) / (about.Height - Horizon));
            }
            about.At(x, y) = Pack(c);
        }
    Lay(about, Draw(WindowIconSketch, 32, 96), int(Cx) - 48, int(Cy) - 48);
    return about;
}

} // namespace genpictures
