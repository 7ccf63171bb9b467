// swfconform: scores the engine against reference movies and the pictures
// the Flash plug-in drew of them.
//   swfconform CORPUS_DIR [--only TEXT] [--save DIR]
// Each case runs in a child process, so that a crash or a hang is reported
// as such and the run goes on. Exits 77 when there is no corpus, 1 when a
// case crashed or hung, 0 otherwise.
#include "ImageCompare.h"
#include "Json.h"
#include "PngFile.h"
#include "StageImage.h"

#include "swf/FreeTypeFonts.h"
#include "swf/Player.h"

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <iostream>
#include <sstream>

namespace {

constexpr int NoCorpus = 77;
constexpr int CaseSeconds = 60;

struct Options {
    std::filesystem::path Corpus;
    std::string Only;
    std::filesystem::path Save;
};

struct Tally {
    int Cases = 0, Strict = 0, Near = 0;
    void Add(bool strict, bool near) {
        ++Cases;
        Strict += strict;
        Near += near;
    }
    std::string Line(const std::string& name) const {
        auto pct = [this](int n) { return Cases ? 100.0 * n / Cases : 0.0; };
        std::ostringstream out;
        out.precision(1);
        out << std::fixed << name << ": " << Cases << " cases, strict " << Strict << " (" << pct(Strict)
            << "%), near " << Near << " (" << pct(Near) << "%)";
        return out.str();
    }
};

std::string ReadText(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

swf::Quality QualityOf(const std::string& name) {
    return name == "low" ? swf::Quality::Low : name == "medium" ? swf::Quality::Medium : swf::Quality::High;
}

std::string SaveName(std::string dir, const std::string& capture) {
    std::replace(dir.begin(), dir.end(), '/', '_');
    return dir + "." + capture + ".png";
}

// Runs in the child: plays the case and prints "strict near detail".
std::string RunVisual(const tools::Json& c, const Options& options) {
    std::filesystem::path dir = options.Corpus / c["dir"].Text;
    swf::Player player;
    player.SetFontProvider(std::make_shared<swf::FreeTypeFonts>());
    player.Quality = QualityOf(c["quality"].Text);
    player.Load(dir / "test.swf");
    if (!player.HasMovie())
        return "0 0 load failed: " + player.LoadError();
    bool strict = true, near = true;
    std::string detail;
    int frames = static_cast<int>(c["num_frames"].Number);
    for (int frame = 1; frame <= frames; ++frame) {
        if (frame > 1)
            player.Advance();
        for (const tools::Json& cap : c["captures"].Items) {
            if (static_cast<int>(cap["after_frames"].Number) != frame)
                continue;
            const tools::Json& view = c["viewport"];
            tools::Image ours = view.IsNull()
                                    ? tools::RenderStage(player, 1)
                                    : tools::RenderView(player, static_cast<int>(view["width"].Number),
                                                        static_cast<int>(view["height"].Number));
            if (!options.Save.empty())
                tools::WritePng(options.Save / SaveName(c["dir"].Text, cap["name"].Text), ours);
            tools::Image expected = tools::ReadPng(dir / (cap["name"].Text + ".expected.png"));
            auto score = tools::ComparePictures(ours, expected, static_cast<int>(cap["tolerance"].Number),
                                                static_cast<long>(cap["max_outliers"].Number));
            strict = strict && score.Strict;
            near = near && score.Near;
            detail += " " + cap["name"].Text + ":" +
                      (score.Problem.empty()
                           ? std::to_string(score.Outliers) + "px/max" + std::to_string(score.MaxDifference)
                           : score.Problem);
        }
    }
    return std::to_string(strict) + " " + std::to_string(near) + detail;
}

// Trace lines, line ends normalised and trailing blank lines dropped. A
// lone carriage return (text fields end their paragraphs with one) is a
// line end in the plug-in's log too.
std::string NormaliseTrace(std::string text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i)
        if (text[i] != '\r')
            out += text[i];
        else if (i + 1 == text.size() || text[i + 1] != '\n')
            out += '\n';
    while (!out.empty() && out.back() == '\n')
        out.pop_back();
    return out;
}

// Plays the case as the reference player ran it and compares what the
// movie traced; the first differing line goes into the detail.
std::string RunTrace(const tools::Json& c, const Options& options) {
    std::filesystem::path dir = options.Corpus / c["dir"].Text;
    std::string ours;
    swf::Player player;
    player.OnTrace = [&ours](const std::string& line) { ours += line + "\n"; };
    // The references were recorded with the clock and zone fixed to this.
    player.ScriptClock = *swf::script::DateClock::Parse("2001-02-03T04:05:06+0545");
    player.Load(dir / "test.swf");
    if (!player.HasMovie())
        return "0 0 load failed: " + player.LoadError();
    int frames = static_cast<int>(c["num_frames"].Number);
    for (int frame = 2; frame <= frames; ++frame)
        player.Advance();
    ours = NormaliseTrace(ours);
    std::string expected = NormaliseTrace(ReadText(dir / "output.txt"));
    bool pass = ours == expected;
    if (!options.Save.empty()) {
        std::string name = c["dir"].Text;
        std::replace(name.begin(), name.end(), '/', '_');
        std::ofstream(options.Save / (name + ".trace.txt")) << ours << "\n";
    }
    std::string detail;
    if (!pass) {
        std::istringstream a(ours), b(expected);
        std::string x, y;
        int line = 1;
        while (std::getline(a, x) && std::getline(b, y) && x == y)
            ++line;
        detail = " line " + std::to_string(line);
    }
    return std::to_string(pass) + " " + std::to_string(pass) + detail;
}

// Forks, runs the case in the child and reads its one-line verdict.
std::string RunIsolated(const tools::Json& c, const Options& options) {
    int fds[2];
    if (pipe(fds) != 0)
        return "0 0 pipe failed";
    pid_t child = fork();
    if (child == 0) {
        close(fds[0]);
        std::string verdict;
        try {
            verdict = c["kind"].Text == "visual" ? RunVisual(c, options) : RunTrace(c, options);
        } catch (const std::exception& e) {
            verdict = std::string("0 0 error: ") + e.what();
        }
        (void)!write(fds[1], verdict.data(), verdict.size());
        _exit(0);
    }
    close(fds[1]);
    std::string verdict;
    pollfd p{fds[0], POLLIN, 0};
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(CaseSeconds);
    char buffer[4096];
    while (true) {
        auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline -
                                                                          std::chrono::steady_clock::now());
        if (left.count() <= 0) {
            kill(child, SIGKILL);
            verdict = "0 0 HANG";
            break;
        }
        if (poll(&p, 1, static_cast<int>(left.count())) <= 0)
            continue;
        ssize_t n = read(fds[0], buffer, sizeof buffer);
        if (n <= 0)
            break;
        verdict.append(buffer, size_t(n));
    }
    close(fds[0]);
    int status = 0;
    waitpid(child, &status, 0);
    if (verdict.empty())
        verdict = "0 0 CRASH (signal " + std::to_string(WIFSIGNALED(status) ? WTERMSIG(status) : 0) + ")";
    return verdict;
}

bool IsTarget(const tools::Json& c) {
    return c["kind"].Text == "visual" && !c["has_actions"].Flag && c["viewport"].IsNull();
}

int Run(const Options& options) {
    auto index = options.Corpus / "cases.json";
    if (!std::filesystem::exists(index)) {
        std::cout << "no corpus at " << options.Corpus << "\n";
        return NoCorpus;
    }
    tools::Json cases = tools::ParseJson(ReadText(index));
    Tally target, visual, trace;
    int broken = 0;
    for (const tools::Json& c : cases.Items) {
        if (!options.Only.empty() && c["dir"].Text.find(options.Only) == std::string::npos)
            continue;
        std::string verdict = RunIsolated(c, options);
        bool strict = verdict.rfind("1", 0) == 0, near = verdict.size() > 2 && verdict[2] == '1';
        broken += verdict.find("CRASH") != std::string::npos || verdict.find("HANG") != std::string::npos;
        (c["kind"].Text == "visual" ? visual : trace).Add(strict, near);
        if (IsTarget(c))
            target.Add(strict, near);
        std::cout << (strict ? "STRICT"
                      : near ? "NEAR  "
                             : "FAIL  ")
                  << " " << c["kind"].Text << " " << c["dir"].Text
                  << (verdict.size() > 3 ? verdict.substr(3) : "") << "\n";
    }
    std::cout << target.Line("visual, no scripts, no viewport") << "\n"
              << visual.Line("all visual") << "\n"
              << trace.Line("trace") << "\n"
              << "crashed or hung: " << broken << "\n";
    return broken ? 1 : 0;
}

} // namespace

int main(int argc, char** argv) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg == "--only" && i + 1 < argc)
            options.Only = argv[++i];
        else if (arg == "--save" && i + 1 < argc)
            options.Save = argv[++i];
        else if (options.Corpus.empty())
            options.Corpus = arg;
        else {
            std::cerr << "usage: swfconform CORPUS_DIR [--only TEXT] [--save DIR]\n";
            return 2;
        }
    }
    if (options.Corpus.empty()) {
        std::cerr << "usage: swfconform CORPUS_DIR [--only TEXT] [--save DIR]\n";
        return 2;
    }
    return Run(options);
}
