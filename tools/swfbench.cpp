// swfbench: frames per second of the engine at 1280x720 "High" on one
// thread, for generated heavy scenes and for the corpus movies, against the
// time to merely clear the same buffer.
//   swfbench [CORPUS_DIR]
#include "Json.h"
#include "SeedMovies.h"

#include "swf/FreeTypeFonts.h"
#include "swf/Player.h"

#include <algorithm>
#include <chrono>
#include <fstream>
#include <iomanip>
#include <iostream>
#include <sstream>

namespace {

constexpr int Width = 1280, Height = 720;
using Clock = std::chrono::steady_clock;

struct Buffer {
    std::vector<uint32_t> Pixels = std::vector<uint32_t>(size_t(Width) * Height);
    swf::Surface Surface() { return {Pixels.data(), Width, Height, Width}; }
};

// Renders `frames` frames, advancing between them; frames per second.
double Measure(swf::Player& player, int frames) {
    Buffer buffer;
    auto start = Clock::now();
    for (int i = 0; i < frames; ++i) {
        player.Render(buffer.Surface(), std::nullopt);
        player.Advance();
    }
    double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    return frames / seconds;
}

double ClearFloor() {
    Buffer buffer;
    constexpr int frames = 500;
    auto start = Clock::now();
    for (int i = 0; i < frames; ++i)
        std::fill(buffer.Pixels.begin(), buffer.Pixels.end(), 0xff000000u | uint32_t(i));
    double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    return frames / seconds;
}

void Row(const std::string& name, double fps) {
    std::cout << std::left << std::setw(56) << name << std::right << std::setw(10) << std::fixed
              << std::setprecision(1) << fps << " fps\n";
}

double RunMovie(const std::vector<uint8_t>& bytes, int frames) {
    swf::Player player;
    player.SetFontProvider(std::make_shared<swf::FreeTypeFonts>());
    player.Quality = swf::Quality::High;
    player.Load(bytes);
    return player.HasMovie() ? Measure(player, frames) : 0;
}

std::vector<uint8_t> ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void Corpus(const std::filesystem::path& dir) {
    std::ifstream index(dir / "cases.json");
    if (!index)
        return;
    std::stringstream text;
    text << index.rdbuf();
    std::vector<double> rates;
    for (const tools::Json& c : tools::ParseJson(text.str()).Items) {
        if (c["kind"].Text != "visual")
            continue;
        double fps = RunMovie(ReadFile(dir / c["dir"].Text / "test.swf"), 30);
        Row("corpus " + c["dir"].Text, fps);
        rates.push_back(fps);
    }
    if (rates.empty())
        return;
    std::sort(rates.begin(), rates.end());
    Row("corpus median", rates[rates.size() / 2]);
    Row("corpus slowest", rates.front());
}

// Seconds of sound mixed per second of work, after the sounds were decoded
// at load (whose time is printed too).
void Sound(int voices) {
    constexpr int Seconds = 20;
    auto movie = tools::SoundScene(voices, Seconds);
    swf::Player player;
    auto start = Clock::now();
    player.Load(movie);
    double load = std::chrono::duration<double>(Clock::now() - start).count();
    std::vector<int16_t> chunk(2 * 2048);
    start = Clock::now();
    for (size_t done = 0; done < size_t(44100) * Seconds; done += chunk.size() / 2)
        player.MixAudio(chunk);
    double mix = std::chrono::duration<double>(Clock::now() - start).count();
    std::cout << "sound: " << voices << " ADPCM voices at 22 kHz, " << Seconds << " s each: decoded in "
              << std::fixed << std::setprecision(3) << load << " s, mixed " << std::setprecision(0)
              << Seconds / mix << " times faster than real time\n";
}

} // namespace

int main(int argc, char** argv) {
    std::cout << "1280x720, quality High, one thread\n";
    Row("buffer clear (the fill-rate floor)", ClearFloor());
    Row("2000 overlapping gradient shapes", RunMovie(tools::HeavyScene(tools::Scene::Gradients, 2000), 10));
    Row("2000 curved strokes", RunMovie(tools::HeavyScene(tools::Scene::Strokes, 2000), 10));
    Row("1000 bitmap-filled shapes", RunMovie(tools::HeavyScene(tools::Scene::Bitmaps, 1000), 10));
    Sound(8);
    Sound(64);
    if (argc > 1)
        Corpus(argv[1]);
    return 0;
}
