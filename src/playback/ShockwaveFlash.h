#pragma once

#include "playback/SoundOutput.h"
#include "swf/Player.h"
#include "ui/Handles.h"
#include "ui/Timer.h"
#include "ui/WinControl.h"

#include <chrono>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace playback {

// The player control that fills the view: it plays one movie with our own
// engine and offers the operations the main window drives it with. Frame
// numbers are 0-based. Writing Movie never fails: a movie that cannot be
// played leaves TotalFrames at 0 and the view says why.
class TShockwaveFlash : public ui::WinControl {
public:
    TShockwaveFlash();

    const std::wstring& Movie() const { return movie_; }
    void SetMovie(const std::wstring& path);

    void SetScaleMode(int mode);
    // 0x00RRGGBB, or -1 for the movie's own colour.
    int BackgroundColor() const { return backgroundColor_; }
    void SetBackgroundColor(int color);
    int TotalFrames() const { return static_cast<int>(player_.TotalFrames()); }
    // "Low", "Medium", "High" (also "Best", "AutoLow", "AutoHigh").
    void SetQuality2(const std::wstring& quality);

    void Play();
    void Stop() { player_.Stop(), Changed(); }
    void Rewind() { player_.Rewind(), Changed(); }
    void Back() { player_.Back(), Changed(); }
    void Forward() { player_.Forward(), Changed(); }
    void StopPlay() { player_.StopPlay(), Changed(); }
    int CurrentFrame() const { return static_cast<int>(player_.CurrentFrame()); }
    bool IsPlaying() const { return player_.IsPlaying(); }

    // Where the movie's sound goes (the system's wave output unless a test
    // puts its own).
    void SetSoundOutput(std::unique_ptr<SoundOutput> output);

    // The text shown over the background when a movie could not be played.
    const std::wstring& ProblemText() const { return problem_; }

protected:
    void PaintWindow(HDC dc, const RECT& dirty) override;
    void BoundsChanged() override;
    // The mouse, the keys and the pointer's shape reach the movie
    // (ShockwaveFlashInput.cpp).
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    bool HandleInput(UINT msg, WPARAM wp, LPARAM lp);
    bool SetMovieCursor();
    // The engine tells of stopped scripts from inside a frame: the message
    // is shown once the frame is done, never from within it.
    void QueueScriptError(const std::string& message);
    void ShowScriptErrors();

    void Changed();
    void Tick();
    bool FollowStream();
    void RestartClock();
    double PlaybackRate() const; // frames per second, never 0
    void EnsureBuffer(int width, int height);
    void PaintProblem(HDC dc) const;

    swf::Player player_;
    std::wstring movie_;
    std::wstring problem_;
    int backgroundColor_ = -1;

    // Frames are due at fixed times from the moment playing started, so the
    // rate does not drift with late timer ticks.
    ui::Timer frameTimer_;
    std::chrono::steady_clock::time_point clockStart_;
    uint64_t framesSinceStart_ = 0;

    // Asks the player for its sound while it plays; declared after the
    // player, so it stops before the player goes.
    std::unique_ptr<SoundOutput> sound_;

    std::vector<std::wstring> scriptErrors_; // waiting to be shown
    std::set<std::wstring> shownErrors_;      // of this movie: each is shown once
    bool showingError_ = false;

    ui::BitmapHandle buffer_;
    uint32_t* bufferPixels_ = nullptr;
    SIZE bufferSize_{0, 0};
};

} // namespace playback
