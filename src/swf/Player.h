#pragma once

#include "swf/ButtonInput.h"
#include "swf/FontProvider.h"
#include "swf/LayerCache.h"
#include "swf/Matrix.h"
#include "swf/Movie.h"
#include "swf/MovieLevels.h"
#include "swf/Quality.h"
#include "swf/Rasterizer.h"
#include "swf/Surface.h"
#include "swf/Timeline.h"
#include "swf/script/Vm.h"
#include "swf/sound/MovieSound.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace swf {

// How the stage is fitted into the view.
enum class ScaleMode { ShowAll = 0, NoBorder = 1, ExactFit = 2, NoScale = 3 };

// Plays one movie: owns its timeline position and draws its frames. Loading
// never throws; a movie that cannot be read leaves the player empty with a
// short reason in LoadError().
class Player {
public:
    void Load(const std::filesystem::path& path);
    void Load(std::span<const uint8_t> file);
    void Unload();

    bool HasMovie() const { return movie_ != nullptr; }
    const Movie* CurrentMovie() const { return movie_.get(); }
    const std::string& LoadError() const { return loadError_; }

    // Transport, in the player's terms (frames are 0-based).
    Player();
    ~Player();

    void Play();
    void StopPlay(); // also silences the movie
    void Stop() { StopPlay(); }
    void Rewind() { GotoFrame(0); }
    void Back();
    void Forward();
    void GotoFrame(uint32_t frame);
    bool IsPlaying() const { return playing_; }
    uint32_t CurrentFrame() const { return root_ ? root_->CurrentFrame() : 0; }
    uint32_t TotalFrames() const { return movie_ ? movie_->FrameCount() : 0; }
    double FramesPerSecond() const { return movie_ ? movie_->Header().FramesPerSecond() : 0; }

    // Moves a playing movie on by one frame, looping after the last.
    void Advance();

    // The movie's sound goes on in `out`: 44.1 kHz, 16-bit, left and right
    // interleaved; silence without a movie.
    void MixAudio(std::span<int16_t> out);
    // How far the stream sound of the movie's own timeline has been mixed,
    // in its frames; nothing while it has none playing. A frame clock that
    // follows it stays in step with the sound.
    std::optional<double> StreamPosition() const;

    // Where the movie's trace() lines go (nowhere by default), and the
    // message when the engine stops a script that ran too long or too deep.
    // Set them before Load.
    std::function<void(const std::string&)> OnTrace;
    std::function<void(const std::string&)> OnScriptError;
    // How long the scripts of one tick may run before they are stopped.
    std::chrono::milliseconds ScriptTimeLimit{4000};
    // The clock and time zone the scripts' Date reads (the system's unless
    // fixed).
    script::DateClock ScriptClock;

    // Input from the view the movie is drawn in, in that view's pixels and
    // size (as given to Render). The movie's scripts hear of it at once.
    // Key codes are the plug-in's (Windows virtual-key codes); `character`
    // is the typed character, 0 for none.
    void MouseMove(int x, int y, int viewWidth, int viewHeight);
    void MouseDown();
    void MouseUp();
    void KeyDown(uint32_t keyCode, uint32_t character);
    void KeyUp(uint32_t keyCode);
    // Whether the pointer should show the hand: over a button, or a clip
    // that acts as one, that does not refuse it.
    bool WantsHandCursor() const;
    // Whether the movie hid the pointer (Mouse.hide) over its view.
    bool MouseHidden() const { return scripts_ && scripts_->Input.MouseHidden; }

    // Draws the current frame over the whole surface. With no override the
    // movie's own background colour is used (white when it has none).
    void Render(const Surface& target, std::optional<Rgb> background) const;

    // Where the stage lands in a view of the given size: stage twips to
    // view pixels, per Scale.
    Matrix StageToView(int width, int height) const;

    // Outlines for text in fonts the movie does not embed; without one,
    // such text shows as boxes.
    void SetFontProvider(std::shared_ptr<FontProvider> fonts);
    // Replaces the rasterizer (the tests draw with the reference one).
    void SetRasterizer(std::unique_ptr<Rasterizer> rasterizer);

    ScaleMode Scale = ScaleMode::ShowAll;
    swf::Quality Quality = Quality::High;
    // Filtered and cached objects keep their finished layers between
    // frames; off, they are drawn again every frame (to measure the gain).
    bool KeepLayers = true;

private:
    // Reads the movie; its imports come from `folder` (none when empty).
    void Open(std::span<const uint8_t> file, const std::filesystem::path& folder);
    void FinishLoads();
    // loadMovieNum: a movie on level 0 replaces the movie's own timeline.
    Timeline* PlayOnLevel(int level, const std::shared_ptr<const Movie>& movie);

    std::shared_ptr<const Movie> movie_;
    Timeline::Limits limits_;
    std::unique_ptr<AssetImports> imports_;
    std::unique_ptr<script::Vm> scripts_; // outlives the timelines it hears from
    // The movie's sound outlives the timelines, which report to it.
    std::unique_ptr<sound::MovieSound> sounds_;
    std::unique_ptr<Timeline> root_;
    std::shared_ptr<const Movie> rootMovie_; // what level 0 plays, when a script replaced it
    std::unique_ptr<MovieLevels> levels_;
    std::unique_ptr<ButtonInput> buttons_; // works on root_ and scripts_
    std::shared_ptr<FontProvider> fonts_;
    std::unique_ptr<Rasterizer> rasterizer_;
    // The layers of filtered and cached objects, kept between frames.
    std::unique_ptr<LayerCache> layerCache_ = std::make_unique<LayerCache>();
    std::string loadError_;
    bool playing_ = false;
};

} // namespace swf
