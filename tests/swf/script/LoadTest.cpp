#include "../ScriptHelpers.h"

#include "swf/MovieLoader.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

namespace {

using namespace testing_swf;
using Lines = std::vector<std::string>;
namespace fs = std::filesystem;

// A folder of files for one test, gone afterwards.
class Folder {
public:
    Folder() : path_(fs::temp_directory_path() / ("kfp-load-" + std::to_string(std::random_device{}()))) {
        fs::create_directories(path_);
    }
    ~Folder() {
        std::error_code ec;
        fs::remove_all(path_, ec);
    }
    Folder(const Folder&) = delete;
    Folder& operator=(const Folder&) = delete;

    const fs::path& Path() const { return path_; }
    void Write(const std::string& name, const std::string& text) const {
        std::ofstream(path_ / name, std::ios::binary) << text;
    }
    void Write(const std::string& name, const std::vector<uint8_t>& bytes) const {
        std::ofstream(path_ / name, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    }

private:
    fs::path path_;
};

// Plays test.swf from the folder; the trace lines after each tick, the
// opening counting as the first.
std::vector<Lines> PlayTicks(const Folder& folder, const ActionAssembler& actions, int ticks) {
    folder.Write("test.swf", ActionMovie(actions));
    std::vector<Lines> seen(1);
    swf::Player player;
    player.OnTrace = [&seen](const std::string& line) { seen.back().push_back(line); };
    player.Load(folder.Path() / "test.swf");
    for (int i = 1; i < ticks; ++i) {
        seen.emplace_back();
        player.Advance();
    }
    return seen;
}

// object.method(args...) with string arguments; the result stays pushed.
ActionAssembler& CallMethod(ActionAssembler& a, const std::string& object, const std::string& method,
                            const std::vector<std::string>& args = {}) {
    for (auto it = args.rbegin(); it != args.rend(); ++it)
        a.Push(*it);
    return a.Push(double(args.size())).Push(object).Op(act::GetVariable).Push(method).Op(act::CallMethod);
}

// name = new cls();
ActionAssembler& NewObject(ActionAssembler& a, const std::string& name, const std::string& cls) {
    return a.Push(name).Push(0.0).Push(cls).Op(act::NewObject).Op(act::SetVariable);
}

// object.method = function (arg) { trace(prefix + arg); };
ActionAssembler& TraceHandler(ActionAssembler& a, const std::string& object, const std::string& method,
                              const std::string& prefix) {
    ActionAssembler body;
    body.Push(prefix).Push("arg").Op(act::GetVariable).Op(act::Add2).Op(act::Trace);
    a.Push(object).Op(act::GetVariable).Push(method).DefineFunction("", {"arg"}, body);
    return a.Op(act::SetMember);
}

ActionAssembler& GetUrl2(ActionAssembler& a, const std::string& url, const std::string& target,
                         uint8_t flags) {
    return a.Push(url).Push(target).Record(act::GetUrl2, {flags});
}

// A movie whose first frame traces a line.
std::vector<uint8_t> TracingMovie(const std::string& line) {
    ActionAssembler a;
    a.Trace(line);
    return ActionMovie(a);
}

TEST(Loading, LocalFilesOnlyWithinReach) {
    Folder folder;
    folder.Write("a.txt", "abc");
    const fs::path& base = folder.Path();
    EXPECT_EQ(swf::MovieLoader::ReadLocal(base, "a.txt")->size(), 3u);
    EXPECT_EQ(swf::MovieLoader::ReadLocal(base, "a.txt?cache=1#x")->size(), 3u);
    EXPECT_EQ(swf::MovieLoader::ReadLocal({}, "file://" + (base / "a.txt").string())->size(), 3u);
    for (const char* url : {"", "b.txt", "http://example.invalid/a.txt", "ftp:a.txt", "?x"})
        EXPECT_FALSE(swf::MovieLoader::ReadLocal(base, url)) << url;
    // A folder is no file; a movie without a folder reaches nothing relative.
    fs::create_directories(base / "dir");
    EXPECT_FALSE(swf::MovieLoader::ReadLocal(base, "dir"));
    EXPECT_FALSE(swf::MovieLoader::ReadLocal({}, "a.txt"));
}

TEST(Loading, TextArrivesAtTheEndOfTheTickThatAskedOrFails) {
    Folder folder;
    folder.Write("data.xml", "\xEF\xBB\xBF<a b=\"1\">t</a>");
    ActionAssembler a;
    NewObject(a, "x", "XML");
    TraceHandler(a, "x", "onLoad", "x loaded ");
    NewObject(a, "missing", "XML");
    TraceHandler(a, "missing", "onLoad", "missing loaded ");
    NewObject(a, "remote", "LoadVars");
    TraceHandler(a, "remote", "onLoad", "remote loaded ");
    CallMethod(a, "x", "load", {"data.xml"}).Op(act::Trace);
    CallMethod(a, "missing", "load", {"nothere.xml"}).Op(act::Pop);
    CallMethod(a, "remote", "load", {"http://example.invalid/v.txt"}).Op(act::Pop);
    CallMethod(a, "x", "getBytesLoaded").Op(act::Trace);
    a.Trace("script done");
    auto ticks = PlayTicks(folder, a, 2);
    EXPECT_EQ(ticks[0], (Lines{"true", "0", "script done", "x loaded true", "missing loaded false",
                               "remote loaded false"}));
    EXPECT_TRUE(ticks[1].empty());

    ActionAssembler after;
    NewObject(after, "x", "XML");
    CallMethod(after, "x", "load", {"data.xml"}).Op(act::Pop);
    // onLoad runs after the default onData parsed the text (the byte order
    // mark dropped); the counts give the file's size.
    ActionAssembler show;
    show.Push("x").Op(act::GetVariable).Op(act::Trace);
    CallMethod(show, "x", "getBytesTotal").Op(act::Trace);
    after.Push("x").Op(act::GetVariable).Push("onLoad").DefineFunction("", {}, show).Op(act::SetMember);
    EXPECT_EQ(PlayTicks(folder, after, 1)[0], (Lines{"<a b=\"1\">t</a>", "17"}));
}

TEST(Loading, FormDataBecomesVariables) {
    Folder folder;
    folder.Write("vars.txt", "first=1&second=two+words%21&=skipped&third\n");
    ActionAssembler a;
    NewObject(a, "v", "LoadVars");
    ActionAssembler show;
    show.Push("v").Op(act::GetVariable).Push("second").Op(act::GetMember).Op(act::Trace);
    CallMethod(show, "v", "toString").Op(act::Trace);
    a.Push("v").Op(act::GetVariable).Push("onLoad").DefineFunction("", {}, show).Op(act::SetMember);
    CallMethod(a, "v", "load", {"vars.txt"}).Op(act::Pop);
    // loadVariables into a clip and into level 0 (GetURL2's variables
    // flags), as the timeline sees them a tick later.
    a.Push(1.0).Push("clip").Push(2.0).Push("this").Op(act::GetVariable).Push("createEmptyMovieClip");
    a.Op(act::CallMethod).Op(act::Pop);
    GetUrl2(a, "vars.txt", "clip", 0xC0);
    GetUrl2(a, "vars.txt", "_level0", 0x80);
    auto ticks = PlayTicks(folder, a, 2);
    ASSERT_EQ(ticks[0].size(), 2u);
    EXPECT_EQ(ticks[0][0], "two words!");
    EXPECT_EQ(ticks[0][1], "second=two%20words%21&first=1&loaded=true&onLoad=%5Btype%20Function%5D");

    ActionAssembler check;
    check.Push("clip").Op(act::GetVariable).Push("first").Op(act::GetMember).Op(act::Trace);
    check.Push("second").Op(act::GetVariable).Op(act::Trace);
    swfw::MovieWriter w(8, {0, 2000, 0, 2000}, 12);
    DoAction(w, a);
    w.ShowFrame();
    DoAction(w, check);
    w.ShowFrame();
    folder.Write("test.swf", w.Build());
    Lines lines;
    swf::Player player;
    player.OnTrace = [&lines](const std::string& line) { lines.push_back(line); };
    player.Load(folder.Path() / "test.swf");
    player.Advance();
    EXPECT_EQ(Lines(lines.end() - 2, lines.end()), (Lines{"1", "two words!"}));
}

TEST(Loading, MoviesPlayInClipsAndLevels) {
    Folder folder;
    folder.Write("child.swf", TracingMovie("child frame 1"));
    folder.Write("level.swf", TracingMovie("level frame 1"));
    folder.Write("broken.swf", std::string("FWS\x08 not a movie"));
    ActionAssembler a;
    a.Push("clip").Push(1.0).Push("clip").Push(2.0).Push("this").Op(act::GetVariable);
    a.Push("createEmptyMovieClip").Op(act::CallMethod).Op(act::SetVariable);
    CallMethod(a, "clip", "loadMovie", {"child.swf"}).Op(act::Pop);
    GetUrl2(a, "level.swf", "_level3", 0);
    GetUrl2(a, "broken.swf", "_level4", 0);
    a.Trace("asked");
    auto ticks = PlayTicks(folder, a, 2);
    EXPECT_EQ(ticks[0], (Lines{"asked", "child frame 1", "level frame 1"}));
    // The one-frame movies loop without running their frame again.
    EXPECT_TRUE(ticks[1].empty());
}

TEST(Loading, MovieClipLoaderReportsInThePluginsOrder) {
    Folder folder;
    folder.Write("child.swf", TracingMovie("child frame 1"));
    ActionAssembler a;
    NewObject(a, "loader", "MovieClipLoader");
    NewObject(a, "listener", "Object");
    for (const char* event : {"onLoadStart", "onLoadProgress", "onLoadComplete", "onLoadInit", "onLoadError"})
        TraceHandler(a, "listener", event, std::string(event) + " ");
    a.Push("listener").Op(act::GetVariable).Push(1.0).Push("loader").Op(act::GetVariable);
    a.Push("addListener").Op(act::CallMethod).Op(act::Pop);
    a.Push("clip").Push(1.0).Push("clip").Push(2.0).Push("this").Op(act::GetVariable);
    a.Push("createEmptyMovieClip").Op(act::CallMethod).Op(act::SetVariable);
    a.Push("clip").Op(act::GetVariable).Push("child.swf").Push(2.0).Push("loader").Op(act::GetVariable);
    a.Push("loadClip").Op(act::CallMethod).Op(act::Trace);
    CallMethod(a, "loader", "loadClip", {"missing.swf", "clip"}).Op(act::Trace);
    CallMethod(a, "loader", "loadClip", {"child.swf", "nowhere"}).Op(act::Trace);
    auto ticks = PlayTicks(folder, a, 1);
    EXPECT_EQ(ticks[0], (Lines{"true", "true", "false", "onLoadStart _level0.clip",
                               "onLoadProgress _level0.clip", "onLoadComplete _level0.clip",
                               "onLoadError _level0.clip", "child frame 1", "onLoadInit _level0.clip"}));
}

} // namespace
