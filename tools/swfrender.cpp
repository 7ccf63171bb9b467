// swfrender: draws frames of a movie to PNG files, without a window.
#include "PngFile.h"
#include "RenderArguments.h"
#include "StageImage.h"
#include "WavRecorder.h"

#include "swf/FreeTypeFonts.h"
#include "swf/Player.h"

#include <iostream>

namespace {

constexpr int BadArguments = 2, UnreadableMovie = 3;

void Usage(const std::string& error) {
    std::cerr << "swfrender: " << error << "\n"
              << "usage: swfrender MOVIE.swf [--frames N] [--quality low|medium|high|best] [--scale S]\n"
              << "                 [--out FILE.png] [--capture K:FILE.png]... [--audio FILE.wav] [--trace]\n"
              << "                 [--clock YYYY-MM-DDTHH:MM:SS+HHMM]\n";
}

// Runs a step that writes a file; false (and a line on stderr) when it fails.
template <typename Step> bool Report(Step step) {
    try {
        step();
        return true;
    } catch (const std::exception& e) {
        std::cerr << "swfrender: " << e.what() << "\n";
        return false;
    }
}

// Writes the pictures due after frame `frame`; false when one fails.
bool WriteDue(swf::Player& player, const tools::RenderArguments& args, int frame) {
    bool ok = true;
    auto write = [&](const std::string& path) {
        ok = Report([&] { tools::WritePng(path, tools::RenderStage(player, args.Scale)); }) && ok;
    };
    for (const tools::Capture& c : args.Captures)
        if (c.Frame == frame)
            write(c.Path);
    if (args.Out && frame == args.Frames)
        write(*args.Out);
    return ok;
}

} // namespace

int main(int argc, char** argv) {
    std::string error;
    auto args = tools::ParseRenderArguments({argv + 1, argv + argc}, error);
    if (!args) {
        Usage(error);
        return BadArguments;
    }
    swf::Player player;
    player.SetFontProvider(std::make_shared<swf::FreeTypeFonts>());
    player.Quality = args->Level;
    player.ScriptClock = args->Clock;
    if (args->Trace)
        player.OnTrace = [](const std::string& line) { std::cout << line << "\n"; };
    // Scripts stopped for running too long are reported, trace or not.
    player.OnScriptError = [](const std::string& message) { std::cerr << "swfrender: " << message << "\n"; };
    player.Load(std::filesystem::path(args->Movie));
    if (!player.HasMovie()) {
        std::cerr << "swfrender: " << args->Movie << ": " << player.LoadError() << "\n";
        return UnreadableMovie;
    }
    bool ok = true;
    std::optional<tools::WavRecorder> audio;
    if (args->Audio)
        ok = Report([&] { audio.emplace(*args->Audio, player.FramesPerSecond()); });
    for (int frame = 1; frame <= args->Frames; ++frame) {
        if (frame > 1)
            player.Advance();
        ok = WriteDue(player, *args, frame) && ok;
        if (audio)
            audio->AfterFrame(player);
    }
    if (audio)
        ok = Report([&] { audio->Finish(); }) && ok;
    return ok ? 0 : 1;
}
