#include "RenderArguments.h"

#include <cmath>
#include <cstdlib>

namespace tools {
namespace {

bool ParseInt(const std::string& text, int& out) {
    char* end = nullptr;
    long v = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || *end != 0 || v < 1 || v > 1000000)
        return false;
    out = static_cast<int>(v);
    return true;
}

bool ParseQuality(const std::string& text, swf::Quality& out) {
    static const std::pair<const char*, swf::Quality> names[] = {{"low", swf::Quality::Low},
                                                                 {"medium", swf::Quality::Medium},
                                                                 {"high", swf::Quality::High},
                                                                 {"best", swf::Quality::Best}};
    for (const auto& [name, q] : names)
        if (text == name) {
            out = q;
            return true;
        }
    return false;
}

bool ParseCapture(const std::string& text, Capture& out) {
    size_t colon = text.find(':');
    if (colon == std::string::npos || colon + 1 >= text.size())
        return false;
    out.Path = text.substr(colon + 1);
    return ParseInt(text.substr(0, colon), out.Frame);
}

// Applies one option that takes a value; false when the value is wrong.
bool ApplyOption(const std::string& name, const std::string& value, RenderArguments& a) {
    if (name == "--frames")
        return ParseInt(value, a.Frames);
    if (name == "--quality")
        return ParseQuality(value, a.Level);
    if (name == "--scale") {
        char* end = nullptr;
        a.Scale = std::strtod(value.c_str(), &end);
        return !value.empty() && *end == 0 && std::isfinite(a.Scale) && a.Scale > 0 && a.Scale <= 64;
    }
    if (name == "--out") {
        a.Out = value;
        return !value.empty();
    }
    if (name == "--audio") {
        a.Audio = value;
        return !value.empty();
    }
    if (name == "--clock") {
        auto clock = swf::script::DateClock::Parse(value);
        if (clock)
            a.Clock = *clock;
        return clock.has_value();
    }
    if (name == "--capture") {
        a.Captures.emplace_back();
        return ParseCapture(value, a.Captures.back());
    }
    return false;
}

} // namespace

std::optional<RenderArguments> ParseRenderArguments(const std::vector<std::string>& args,
                                                    std::string& error) {
    RenderArguments a;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--trace") {
            a.Trace = true;
        } else if (arg.rfind("--", 0) == 0) {
            if (i + 1 >= args.size() || !ApplyOption(arg, args[i + 1], a)) {
                error = "bad value for " + arg;
                return std::nullopt;
            }
            ++i;
        } else if (a.Movie.empty()) {
            a.Movie = arg;
        } else {
            error = "unexpected argument " + arg;
            return std::nullopt;
        }
    }
    if (a.Movie.empty()) {
        error = "no movie given";
        return std::nullopt;
    }
    for (const Capture& c : a.Captures)
        a.Frames = std::max(a.Frames, c.Frame);
    return a;
}

} // namespace tools
