// swfbench: frames per second of the engine at 1280x720 "High" on one
// thread, for generated heavy scenes and for the corpus movies, against the
// time to merely clear the same buffer.
//   swfbench [CORPUS_DIR]
#include "Json.h"
#include "SeedMovies.h"

#include "swf/FreeTypeFonts.h"
#include "swf/Player.h"
#include "swfwriter/FilterRecords.h"
#include "swfwriter/TagBodies.h"

#include <algorithm>
#include <chrono>
#include <fstream>
#include <iomanip>
#include <iostream>
#include <random>
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

double RunMovie(const std::vector<uint8_t>& bytes, int frames, bool keepLayers = true) {
    swf::Player player;
    player.SetFontProvider(std::make_shared<swf::FreeTypeFonts>());
    player.Quality = swf::Quality::High;
    player.KeepLayers = keepLayers;
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

// A 60-pixel orange square.
std::vector<uint8_t> SquareShape(uint16_t id) {
    swfw::ShapeBuilder s;
    s.Styles(0, s.SolidFill({255, 140, 0, 255}), 0);
    s.MoveTo(0, 0);
    s.LineTo(1200, 0);
    s.LineTo(1200, 1200);
    s.LineTo(0, 1200);
    s.LineTo(0, 0);
    return swfw::ShapeBody(id, 3, {0, 1200, 0, 1200}, s);
}

// `count` 60-pixel squares, each blurred (odd ones) or glowing (even ones),
// moving a whole pixel a frame. With `reshaped` each also changes its
// scale a little every frame, so no kept layer can be used again.
std::vector<uint8_t> FilterScene(int count, bool reshaped, int frames) {
    std::mt19937 rng(11);
    swfw::MovieWriter w(10, {0, 25600, 0, 14400}, 30);
    w.SetBackgroundColor(255, 255, 255);
    w.Tag(swfw::code::DefineShape3, SquareShape(1));
    std::vector<swfw::Transform> places;
    for (int i = 0; i < count; ++i) {
        swfw::Place p;
        p.Depth = uint16_t(i + 1);
        p.CharacterId = 1;
        p.Matrix = swfw::Transform{1, 0, 0, 1, int32_t(rng() % 23000), int32_t(rng() % 12000)};
        swfw::EdgeFields glow{{uint8_t(rng()), uint8_t(rng()), 255, 255}, 8, 8, 0, 0, 2};
        p.Filters = swfw::FilterList({i % 2 ? swfw::BlurRecord(8, 8, 2) : swfw::GlowRecord(glow)});
        places.push_back(*p.Matrix);
        w.Tag(swfw::code::PlaceObject3, swfw::PlaceObject3Body(p));
    }
    w.ShowFrame();
    for (int f = 1; f < frames; ++f) {
        for (int i = 0; i < count; ++i) {
            swfw::Place move;
            move.Depth = uint16_t(i + 1);
            move.Move = true;
            swfw::Transform m = places[size_t(i)];
            m.Tx += 20 * f;
            if (reshaped)
                m.A = m.D = 1 + 0.01 * f;
            move.Matrix = m;
            w.Tag(swfw::code::PlaceObject3, swfw::PlaceObject3Body(move));
        }
        w.ShowFrame();
    }
    return w.Build();
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
    for (int count : {100, 400}) {
        std::string clips = std::to_string(count) + " blurred and glowing clips";
        auto moving = FilterScene(count, false, 30);
        Row(clips + ", moving (kept layers)", RunMovie(moving, 30));
        Row(clips + ", moving (layers not kept)", RunMovie(moving, 30, false));
        Row(clips + ", rescaled (redrawn)", RunMovie(FilterScene(count, true, 30), 30));
    }
    Sound(8);
    Sound(64);
    if (argc > 1)
        Corpus(argv[1]);
    return 0;
}
