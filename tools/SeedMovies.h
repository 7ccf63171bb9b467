#pragma once

#include <string>
#include <utility>
#include <vector>

namespace tools {

// Small movies from our own writer that together use every tag the engine
// reads: the fuzzer's starting points and the benchmark's scenes.
std::vector<std::pair<std::string, std::vector<uint8_t>>> SeedMovies();

// A heavy scene for the benchmark: `count` overlapping gradient shapes,
// strokes or bitmap fills on a 1280x720 stage.
enum class Scene { Gradients, Strokes, Bitmaps };
std::vector<uint8_t> HeavyScene(Scene scene, int count);

// A sound scene for the benchmark: `voices` different 4-bit ADPCM stereo
// sounds at 22 kHz of `seconds` each, all started on the first frame.
std::vector<uint8_t> SoundScene(int voices, int seconds);

} // namespace tools
