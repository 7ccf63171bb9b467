#include "swf/Movie.h"
#include "swf/MovieLoader.h"
#include "swf/script/Builtins.h"
#include "swf/script/ClipObject.h"
#include "swf/script/Loading.h"
#include "swf/script/Scope.h"
#include "swf/script/Text.h"
#include "swf/script/Vm.h"

#include <cmath>

namespace swf::script::builtins {
namespace {

// GetURL2 flags.
constexpr uint8_t LoadVariablesFlag = 0x80;
constexpr uint8_t LoadTargetFlag = 0x40;
constexpr int MaxLevel = 0x7FFF;
constexpr uint16_t FileAttributesTag = 69;
// What an unloaded clip, or one playing a movie it cannot run, plays.
const TagList noFrames;

// A movie for the other script machine (ActionScript 3) plays here as an
// empty clip: none of its frames run.
bool ForOtherMachine(const Movie& movie) {
    const auto& tags = movie.Tags();
    return !tags.empty() && tags[0].Code == FileAttributesTag && !tags[0].Body.empty() &&
           (tags[0].Body[0] & 0x08) != 0;
}

// Puts the movie in the clip's place: a sprite in its parent's list, or a
// level the player keeps. The timeline that now plays it, if any.
Timeline* Replace(Vm& vm, Timeline& clip, const std::shared_ptr<const Movie>& movie) {
    if (Timeline* parent = clip.Parent()) {
        vm.ReuseClipObject(vm.ClipObjectFor(clip), parent, clip.Depth());
        bool empty = ForOtherMachine(*movie);
        Timeline* loaded = parent->LoadMovie(clip.Depth(), empty ? noFrames : movie->Frames(),
                                             empty ? 1 : movie->FrameCount(), movie->Characters());
        if (loaded)
            vm.ClipObjectFor(*loaded);
        vm.ReuseClipObject(nullptr, nullptr, 0);
        return loaded;
    }
    auto level = LevelOf(vm, Value(vm.ClipObjectFor(clip)));
    return level && vm.PlayOnLevel ? vm.PlayOnLevel(*level, movie) : nullptr;
}

// The load's end: the movie plays in the clip, or on the level when there
// is no clip there yet.
void Finish(Vm& vm, const ObjectPtr& clip, std::optional<int> level, const std::string& url,
            const LoadReport& report) {
    if (clip && !vm.TimelineOf(Value(clip)))
        return; // the clip went while its movie was on the way
    auto bytes = vm.Loader->Read(url);
    auto movie = bytes ? vm.Loader->OpenMovie(*bytes) : nullptr;
    if (!movie) {
        if (report.Failed)
            report.Failed(clip);
        return;
    }
    if (report.Arrived)
        report.Arrived(clip, bytes->size());
    vm.AddMovie(*movie);
    Timeline* target = clip ? vm.TimelineOf(Value(clip)) : nullptr;
    Timeline* loaded = target                             ? Replace(vm, *target, movie)
                       : level && !clip && vm.PlayOnLevel ? vm.PlayOnLevel(*level, movie)
                                                          : nullptr;
    if (!loaded)
        return;
    ObjectPtr now = vm.ClipObjectFor(*loaded);
    vm.Loader->SetLoadedBytes(loaded, bytes->size());
    if (report.Initialized)
        vm.Loader->WhenSettled([report, now] { report.Initialized(now); });
}

ObjectPtr LevelClip(Vm& vm, int level) {
    Timeline* t = level == 0 ? vm.Root() : vm.LevelAt ? vm.LevelAt(level) : nullptr;
    return t ? vm.ClipObjectFor(*t) : nullptr;
}

void UnloadClip(Vm& vm, const ObjectPtr& clip) {
    Timeline* t = vm.TimelineOf(Value(clip));
    if (!t)
        return;
    if (Timeline* parent = t->Parent())
        parent->LoadMovie(t->Depth(), noFrames, 1, t->Characters());
    else if (auto level = LevelOf(vm, Value(clip)); level && vm.PlayOnLevel)
        vm.PlayOnLevel(*level, nullptr);
}

} // namespace

std::optional<int> LevelOf(Vm& vm, const Value& target) {
    if (target.IsNumber()) {
        double n = target.Number();
        return std::isfinite(n) && n >= 0 && n <= MaxLevel ? std::optional<int>(int(n)) : std::nullopt;
    }
    if (target.IsObject()) {
        Timeline* t = vm.TimelineOf(target);
        if (!t || t->Parent())
            return std::nullopt;
        if (t == vm.Root())
            return 0;
        for (int level = 1; vm.LevelAt && level <= MaxLevel; ++level)
            if (vm.LevelAt(level) == t)
                return level;
        return std::nullopt;
    }
    std::string name = ToLowerAscii(vm.ToString(target));
    if (name.compare(0, 6, "_level") != 0 || name.size() == 6 || name.size() > 11)
        return std::nullopt;
    if (name.find_first_not_of("0123456789", 6) != std::string::npos)
        return std::nullopt;
    int level = std::stoi(name.substr(6));
    return level <= MaxLevel ? std::optional<int>(level) : std::nullopt;
}

bool LoadMovieInto(Vm& vm, const ObjectPtr& clip, const std::string& url, LoadReport report) {
    if (!vm.Loader || !vm.TimelineOf(Value(clip)))
        return false;
    if (url.empty()) {
        UnloadClip(vm, clip);
        return true;
    }
    return vm.Loader->Later([&vm, clip, url, report] { Finish(vm, clip, std::nullopt, url, report); });
}

bool LoadVariablesInto(Vm& vm, const ObjectPtr& clip, const std::string& url) {
    if (!vm.Loader || !clip)
        return false;
    return vm.Loader->Later([&vm, clip, url] {
        if (!vm.TimelineOf(Value(clip)))
            return;
        if (auto bytes = vm.Loader->Read(url))
            DecodeForm(vm, Value(clip), std::string(bytes->begin(), bytes->end()));
    });
}

void GetUrl(Vm& vm, Scope& scope, const std::string& url, const Value& target, uint8_t flags) {
    if (ToLowerAscii(url.substr(0, 10)) == "fscommand:") {
        if (ToLowerAscii(url.substr(10)) == "quit")
            vm.Quit();
        return;
    }
    auto level = target.IsObject() ? std::nullopt : LevelOf(vm, target);
    bool intoClip = (flags & LoadTargetFlag) != 0;
    if (!level && !intoClip)
        return; // a browser window
    ObjectPtr clip = level ? LevelClip(vm, *level) : scope.ResolveTarget(target);
    if (flags & LoadVariablesFlag) {
        LoadVariablesInto(vm, clip, url);
        return;
    }
    if (clip)
        LoadMovieInto(vm, clip, url);
    else if (level && vm.Loader && !url.empty()) // a new level, there once its movie is
        vm.Loader->Later([&vm, level, url] { Finish(vm, nullptr, level, url, {}); });
}

void InstallClipLoadMethods(Vm& vm, const ObjectPtr& proto) {
    vm.Method(proto, "loadMovie", [](Vm& vm, const Value& self, std::span<const Value> args) -> Value {
        if (self.IsObject() && !args.empty())
            LoadMovieInto(vm, self.Object(), vm.ToString(args[0]));
        return {};
    });
    vm.Method(proto, "unloadMovie", [](Vm& vm, const Value& self, std::span<const Value>) -> Value {
        if (self.IsObject())
            UnloadClip(vm, self.Object());
        return {};
    });
    vm.Method(proto, "loadVariables", [](Vm& vm, const Value& self, std::span<const Value> args) -> Value {
        if (self.IsObject() && !args.empty())
            LoadVariablesInto(vm, self.Object(), vm.ToString(args[0]));
        return {};
    });
}

} // namespace swf::script::builtins
