#pragma once

#include "swf/Quality.h"
#include "swf/script/DateTime.h"

#include <optional>
#include <string>
#include <vector>

namespace tools {

struct Capture {
    int Frame = 0;
    std::string Path;
};

// The command line of swfrender.
struct RenderArguments {
    std::string Movie;
    int Frames = 1;
    swf::Quality Level = swf::Quality::High;
    double Scale = 1;
    std::optional<std::string> Out;
    std::vector<Capture> Captures;
    bool Trace = false;
    std::optional<std::string> Audio; // a WAV file of the frames' sound
    swf::script::DateClock Clock;     // --clock 2001-02-03T04:05:06+0545
};

// Nothing when the arguments are wrong; `error` then says why.
std::optional<RenderArguments> ParseRenderArguments(const std::vector<std::string>& args, std::string& error);

} // namespace tools
