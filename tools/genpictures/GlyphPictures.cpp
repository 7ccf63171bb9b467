#include "ProgramPictures.h"

#include "Style.h"
#include "Symbols.h"

// The control panel's button glyphs, 16 x 16, in the order of the
// program's Glyph list.
namespace genpictures {
namespace {

constexpr Point Centre{8, 8};
constexpr double Edge = 0.75;

void Ink(Sketch& s, const Outline& symbol) { Body(s, symbol, tones::Ink, Edge); }

void Close(Sketch& s) { Ink(s, symbols::Eject(Centre, 5.5)); }
void Back(Sketch& s) { Ink(s, symbols::StepBack(Centre, 5)); }
void Stop(Sketch& s) { Ink(s, symbols::Stop(Centre, 5)); }
void Play(Sketch& s) { Ink(s, symbols::Play({8.6, 8}, 5.5)); }
void Pause(Sketch& s) { Ink(s, symbols::Pause(Centre, 5)); }
void Forward(Sketch& s) { Ink(s, symbols::StepForward(Centre, 5)); }

void Speaker(Sketch& s) { Body(s, symbols::Speaker({6, 8}, 5), tones::Ink, Edge); }

void Mute(Sketch& s) {
    Speaker(s);
    s.Stroke(symbols::Waves({7.5, 8}, 6.5), 1.3, tones::Ink.Mid);
}

void Unmute(Sketch& s) {
    Speaker(s);
    Body(s, symbols::Cross({12, 8}, 3.6, 1.8), tones::Red, Edge);
}

void VolumeDown(Sketch& s) { Ink(s, symbols::Minus(Centre, 5, 2.5)); }
void VolumeUp(Sketch& s) { Ink(s, symbols::Plus(Centre, 5, 2.5)); }

} // namespace

std::vector<SketchFunction> GlyphSketches() {
    return {Close, Back, Stop, Play, Pause, Forward, Mute, Unmute, VolumeDown, VolumeUp};
}

} // namespace genpictures
