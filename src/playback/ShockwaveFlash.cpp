#include "playback/ShockwaveFlash.h"

#include "playback/GdiFonts.h"
#include "playback/WaveOutput.h"
#include "ui/Text.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <stdexcept>

namespace playback {
namespace {

// A movie that claims no frame rate still moves.
constexpr double FallbackFramesPerSecond = 12;
// Further behind than this, the clock is reset instead of racing to catch up.
constexpr uint64_t MaxCatchUpFrames = 4;

bool IsNoMovie(const std::wstring& path) { return path.find_first_not_of(L' ') == std::wstring::npos; }

} // namespace

TShockwaveFlash::TShockwaveFlash() : sound_(std::make_unique<WaveOutput>()) {
    frameTimer_.OnTimer = [this] { Tick(); };
    player_.SetFontProvider(std::make_shared<GdiFonts>());
    player_.OnScriptError = [this](const std::string& message) { QueueScriptError(message); };
}

void TShockwaveFlash::SetSoundOutput(std::unique_ptr<SoundOutput> output) {
    sound_->Stop();
    sound_ = std::move(output);
    Changed();
}

void TShockwaveFlash::SetMovie(const std::wstring& path) {
    movie_ = path;
    problem_.clear();
    shownErrors_.clear();
    sound_->Stop(); // what is queued of the last movie goes with it
    if (IsNoMovie(path)) {
        player_.Unload();
    } else {
        player_.Load(std::filesystem::path(path));
        problem_ = ui::Widen(player_.LoadError());
    }
    RestartClock();
    Changed();
}

void TShockwaveFlash::SetScaleMode(int mode) {
    if (mode < 0 || mode > 3)
        throw std::invalid_argument("Invalid scale mode");
    player_.Scale = static_cast<swf::ScaleMode>(mode);
    Invalidate();
}

void TShockwaveFlash::SetBackgroundColor(int color) {
    backgroundColor_ = color < 0 ? -1 : color & 0xFFFFFF;
    Invalidate();
}

void TShockwaveFlash::SetQuality2(const std::wstring& quality) {
    static const std::pair<const wchar_t*, swf::Quality> Names[] = {
        {L"Low", swf::Quality::Low},   {L"AutoLow", swf::Quality::Low},   {L"Medium", swf::Quality::Medium},
        {L"High", swf::Quality::High}, {L"AutoHigh", swf::Quality::High}, {L"Best", swf::Quality::Best},
    };
    for (auto& [name, value] : Names) {
        if (_wcsicmp(name, quality.c_str()) == 0) {
            player_.Quality = value;
            Invalidate();
            return;
        }
    }
    throw std::invalid_argument("Invalid quality: " + ui::Narrow(quality));
}

void TShockwaveFlash::Play() {
    player_.Play();
    RestartClock();
    Changed();
}

void TShockwaveFlash::Changed() {
    Invalidate();
    double fps = PlaybackRate();
    // Ticks at twice the frame rate keep each frame close to its due time.
    frameTimer_.SetInterval(static_cast<UINT>(std::clamp(500.0 / fps, 5.0, 500.0)));
    frameTimer_.SetEnabled(player_.IsPlaying());
    // Halted, closed or replaced, the movie is silent at once: the sound
    // already queued is dropped too.
    if (!player_.IsPlaying())
        sound_->Stop();
    else if (!sound_->Running())
        sound_->Start([this](std::span<int16_t> out) { player_.MixAudio(out); });
}

double TShockwaveFlash::PlaybackRate() const {
    return player_.FramesPerSecond() > 0 ? player_.FramesPerSecond() : FallbackFramesPerSecond;
}

void TShockwaveFlash::RestartClock() {
    clockStart_ = std::chrono::steady_clock::now();
    framesSinceStart_ = 0;
}

// While a stream sound plays on the output, the frames follow the sound
// heard, not the clock: a device that runs a little fast or slow would
// otherwise leave picture and sound apart.
bool TShockwaveFlash::FollowStream() {
    auto mixed = player_.StreamPosition();
    if (!mixed || !sound_->Running())
        return false;
    double heard = *mixed - static_cast<double>(sound_->Pending()) * PlaybackRate() / 44100.0;
    for (uint64_t steps = 0; player_.CurrentFrame() + 1.0 <= heard && steps < MaxCatchUpFrames; ++steps)
        player_.Advance();
    RestartClock(); // the clock takes over from here when the stream ends
    Invalidate();
    return true;
}

void TShockwaveFlash::Tick() {
    if (!player_.IsPlaying() || FollowStream())
        return;
    double fps = PlaybackRate();
    std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - clockStart_;
    auto due = static_cast<uint64_t>(elapsed.count() * fps);
    if (due <= framesSinceStart_)
        return;
    uint64_t steps = due - framesSinceStart_;
    if (steps > MaxCatchUpFrames) {
        RestartClock();
        steps = 1;
    } else {
        framesSinceStart_ = due;
    }
    for (uint64_t i = 0; i < steps; ++i)
        player_.Advance();
    Invalidate();
}

void TShockwaveFlash::BoundsChanged() {
    WinControl::BoundsChanged();
    Invalidate();
}

void TShockwaveFlash::EnsureBuffer(int width, int height) {
    if (buffer_ && bufferSize_.cx == width && bufferSize_.cy == height)
        return;
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = width;
    bi.bmiHeader.biHeight = -height; // top-down, like the engine's surfaces
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    buffer_.reset(CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!buffer_)
        throw std::runtime_error("Not enough memory to draw the movie");
    bufferPixels_ = static_cast<uint32_t*>(bits);
    bufferSize_ = {width, height};
}

void TShockwaveFlash::PaintProblem(HDC dc) const {
    if (problem_.empty())
        return;
    RECT r{0, 0, bufferSize_.cx, bufferSize_.cy};
    ui::SelectObjectScope font(dc, ui::FontFor(Font()));
    SetBkMode(dc, TRANSPARENT);
    COLORREF back = GetPixel(dc, r.right / 2, r.bottom / 2);
    int luma = GetRValue(back) * 3 + GetGValue(back) * 6 + GetBValue(back);
    SetTextColor(dc, luma > 1275 ? RGB(0, 0, 0) : RGB(255, 255, 255));
    DrawTextW(dc, problem_.c_str(), static_cast<int>(problem_.size()), &r,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
}

void TShockwaveFlash::PaintWindow(HDC dc, const RECT&) {
    int width = std::max(ClientWidth(), 1), height = std::max(ClientHeight(), 1);
    EnsureBuffer(width, height);
    std::optional<swf::Rgb> background;
    if (backgroundColor_ >= 0)
        background =
            swf::Rgb{static_cast<uint8_t>(backgroundColor_ >> 16),
                     static_cast<uint8_t>(backgroundColor_ >> 8), static_cast<uint8_t>(backgroundColor_)};
    GdiFlush();
    player_.Render(swf::Surface{bufferPixels_, width, height, width}, background);
    ui::MemoryDcHandle memory(CreateCompatibleDC(dc));
    ui::SelectObjectScope select(memory.get(), buffer_.get());
    PaintProblem(memory.get());
    BitBlt(dc, 0, 0, width, height, memory.get(), 0, 0, SRCCOPY);
}

} // namespace playback
