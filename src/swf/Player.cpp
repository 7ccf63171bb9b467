#include "swf/Player.h"

#include "swf/Canvas.h"
#include "swf/Container.h"
#include "swf/Error.h"
#include "swf/ScanlineRasterizer.h"
#include "swf/StageRenderer.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>

namespace swf {
namespace {

std::vector<uint8_t> ReadFile(const std::filesystem::path& path) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec))
        throw Error("file not found");
    auto size = std::filesystem::file_size(path, ec);
    if (ec)
        throw Error("file cannot be read");
    if (size > MaxMovieLength)
        throw Error("not a Flash movie");
    std::ifstream in(path, std::ios::binary);
    std::vector<uint8_t> bytes(static_cast<size_t>(size));
    if (!in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size())))
        throw Error("file cannot be read");
    return bytes;
}

void Fill(const Surface& target, uint32_t argb) {
    for (int y = 0; y < target.Height; ++y)
        std::fill_n(target.Row(y), target.Width, argb);
}

// The part of the target inside [x0, x1) x [y0, y1), as a surface of its own.
Surface SubSurface(const Surface& target, int x0, int y0, int x1, int y1) {
    x0 = std::clamp(x0, 0, target.Width);
    x1 = std::clamp(x1, x0, target.Width);
    y0 = std::clamp(y0, 0, target.Height);
    y1 = std::clamp(y1, y0, target.Height);
    if (x1 == x0 || y1 == y0)
        return {target.Pixels, 0, 0, target.Stride};
    return {target.Row(y0) + x0, x1 - x0, y1 - y0, target.Stride};
}

} // namespace

Player::Player()
    : fonts_(std::make_shared<BoxFontProvider>()), rasterizer_(std::make_unique<ScanlineRasterizer>()) {}

Player::~Player() = default;

void Player::SetFontProvider(std::shared_ptr<FontProvider> fonts) {
    fonts_ = fonts ? std::move(fonts) : std::make_shared<BoxFontProvider>();
    if (scripts_)
        scripts_->Fonts = fonts_;
}

void Player::SetRasterizer(std::unique_ptr<Rasterizer> rasterizer) {
    if (rasterizer)
        rasterizer_ = std::move(rasterizer);
}

void Player::Load(const std::filesystem::path& path) {
    Unload();
    try {
        Open(ReadFile(path), path.parent_path());
    } catch (const Error& e) {
        loadError_ = e.what();
    }
}

void Player::Load(std::span<const uint8_t> file) {
    Unload();
    Open(file, {});
}

void Player::Open(std::span<const uint8_t> file, const std::filesystem::path& folder) {
    try {
        movie_ = Movie::Parse(file);
        sounds_ = std::make_unique<sound::MovieSound>(movie_->Tags());
        limits_.Sounds = sounds_.get();
        imports_ = std::make_unique<AssetImports>();
        imports_->Resolve(*movie_, folder);
        limits_.Imports = imports_.get();
        scripts_ = std::make_unique<script::Vm>(movie_->Header().Version);
        scripts_->OnTrace = OnTrace;
        scripts_->OnError = OnScriptError;
        scripts_->Sounds = sounds_.get();
        scripts_->Fonts = fonts_;
        scripts_->TimeLimit = ScriptTimeLimit;
        scripts_->Clock = ScriptClock;
        scripts_->StageWidth = movie_->Header().FrameSize.Width() / 20.0;
        scripts_->StageHeight = movie_->Header().FrameSize.Height() / 20.0;
        scripts_->Loader = std::make_unique<MovieLoader>(folder);
        levels_ = std::make_unique<MovieLevels>(limits_);
        scripts_->LevelAt = [this](int level) { return levels_->At(level); };
        scripts_->PlayOnLevel = [this](int level, const std::shared_ptr<const Movie>& movie) {
            return PlayOnLevel(level, movie);
        };
        if (movie_->Header().FramesPerSecond() > 0)
            scripts_->FrameMilliseconds = 1000 / movie_->Header().FramesPerSecond();
        limits_.Events = scripts_.get();
        root_ =
            std::make_unique<Timeline>(movie_->Frames(), movie_->FrameCount(), movie_->Characters(), limits_);
        scripts_->SetRoot(root_.get());
        buttons_ = std::make_unique<ButtonInput>(*root_, *scripts_);
        scripts_->AddMovie(*movie_);
        scripts_->Loader->SetLoadedBytes(root_.get(), file.size());
        scripts_->RunQueue();
        FinishLoads();
        playing_ = true;
    } catch (const Error& e) {
        loadError_ = e.what();
    } catch (const std::bad_alloc&) {
        loadError_ = "not enough memory for this movie";
    }
}

void Player::Unload() {
    layerCache_ = std::make_unique<LayerCache>();
    buttons_.reset();
    levels_.reset();
    root_.reset();
    rootMovie_.reset();
    scripts_.reset();
    limits_.Events = nullptr;
    imports_.reset();
    limits_.Imports = nullptr;
    sounds_.reset();
    limits_.Sounds = nullptr;
    movie_.reset();
    loadError_.clear();
    playing_ = false;
}

void Player::StopPlay() {
    playing_ = false;
    if (sounds_)
        sounds_->StopAll();
}

void Player::Back() {
    StopPlay();
    if (CurrentFrame() > 0)
        GotoFrame(CurrentFrame() - 1);
}

void Player::Forward() {
    StopPlay();
    if (CurrentFrame() + 1 < TotalFrames())
        GotoFrame(CurrentFrame() + 1);
}

void Player::Play() {
    playing_ = HasMovie();
    if (root_)
        root_->Play();
}

void Player::GotoFrame(uint32_t frame) {
    if (root_) {
        root_->GotoFrame(frame);
        scripts_->RunQueue();
    }
    // A halted movie has no stream sound, even on the frames it is shown.
    if (!playing_ && sounds_)
        sounds_->StopStreams();
}

void Player::Advance() {
    if (playing_ && root_) {
        scripts_->EnterFrame();
        root_->Advance();
        levels_->Advance();
        scripts_->RunQueue();
        buttons_->Refresh();
        scripts_->RunQueue();
        FinishLoads();
        sounds_->EndTick();
    }
}

// What scripts loaded this tick arrives at its end, as the plug-in's
// asynchronous loads do.
void Player::FinishLoads() { scripts_->RunLoads(); }

Timeline* Player::PlayOnLevel(int level, const std::shared_ptr<const Movie>& movie) {
    if (level != 0)
        return levels_->Play(level, movie);
    if (!movie)
        return nullptr;
    buttons_.reset();
    root_.reset();
    rootMovie_ = movie;
    root_ = std::make_unique<Timeline>(movie->Frames(), movie->FrameCount(), movie->Characters(), limits_);
    scripts_->SetRoot(root_.get());
    buttons_ = std::make_unique<ButtonInput>(*root_, *scripts_);
    return root_.get();
}

void Player::MixAudio(std::span<int16_t> out) {
    if (sounds_)
        sounds_->Mix(out);
    else
        std::fill(out.begin(), out.end(), int16_t{0});
}

std::optional<double> Player::StreamPosition() const {
    return sounds_ ? sounds_->StreamPosition(root_.get()) : std::nullopt;
}

void Player::MouseMove(int x, int y, int viewWidth, int viewHeight) {
    Matrix toStage;
    if (!scripts_ || !StageToView(viewWidth, viewHeight).Invert(toStage))
        return;
    Point p = toStage.Apply({double(x), double(y)});
    scripts_->MouseMove(p.X, p.Y);
    buttons_->Move(p);
    scripts_->RunQueue();
}

void Player::MouseDown() {
    if (scripts_) {
        scripts_->MouseButton(true);
        buttons_->Down();
        scripts_->RunQueue();
    }
}

void Player::MouseUp() {
    if (scripts_) {
        scripts_->MouseButton(false);
        buttons_->Up();
        scripts_->RunQueue();
    }
}

void Player::KeyDown(uint32_t keyCode, uint32_t character) {
    if (scripts_) {
        scripts_->Key(true, keyCode, character);
        buttons_->Key(keyCode, character);
        scripts_->RunQueue();
    }
}

bool Player::WantsHandCursor() const { return buttons_ && buttons_->WantsHandCursor(); }

void Player::KeyUp(uint32_t keyCode) {
    if (scripts_) {
        scripts_->Key(false, keyCode, 0);
        scripts_->RunQueue();
    }
}

Matrix Player::StageToView(int width, int height) const {
    Rect stage = movie_ ? movie_->Header().FrameSize : Rect{};
    double w = std::max(stage.Width(), 1) / 20.0, h = std::max(stage.Height(), 1) / 20.0;
    double sx = width / w, sy = height / h;
    switch (Scale) {
    case ScaleMode::ShowAll:
        sx = sy = std::min(sx, sy);
        break;
    case ScaleMode::NoBorder:
        sx = sy = std::max(sx, sy);
        break;
    case ScaleMode::ExactFit:
        break;
    case ScaleMode::NoScale:
        sx = sy = 1;
        break;
    }
    double ox = (width - w * sx) / 2, oy = (height - h * sy) / 2;
    return {sx / 20, 0, 0, sy / 20, ox - stage.XMin * sx / 20, oy - stage.YMin * sy / 20};
}

void Player::Render(const Surface& target, std::optional<Rgb> background) const {
    Rgb colour = background.value_or(movie_ && movie_->BackgroundColor() ? *movie_->BackgroundColor()
                                                                         : Rgb{255, 255, 255});
    Fill(target, OpaqueArgb(colour.R, colour.G, colour.B));
    if (!root_)
        return;
    // Only the stage is drawn; the view around it keeps the background.
    Matrix view = StageToView(target.Width, target.Height);
    Rect stage = movie_->Header().FrameSize;
    Point a = view.Apply({double(stage.XMin), double(stage.YMin)});
    Point b = view.Apply({double(stage.XMax), double(stage.YMax)});
    int x0 = static_cast<int>(std::lround(std::clamp(a.X, -1e6, 1e6)));
    int y0 = static_cast<int>(std::lround(std::clamp(a.Y, -1e6, 1e6)));
    int x1 = static_cast<int>(std::lround(std::clamp(b.X, -1e6, 1e6)));
    int y1 = static_cast<int>(std::lround(std::clamp(b.Y, -1e6, 1e6)));
    Surface stageArea = SubSurface(target, x0, y0, x1, y1);
    if (stageArea.Width == 0)
        return;
    view.Tx -= std::clamp(x0, 0, target.Width);
    view.Ty -= std::clamp(y0, 0, target.Height);
    Canvas canvas(stageArea, *rasterizer_, Quality);
    StageRenderer renderer(canvas, (rootMovie_ ? rootMovie_ : movie_)->Characters(), *fonts_);
    LayerCache* cache = KeepLayers ? layerCache_.get() : nullptr;
    renderer.UseCache(cache);
    renderer.UseView(view);
    renderer.DrawTimeline(*root_, {view, {}});
    levels_->Draw(canvas, *fonts_, cache, view);
    layerCache_->EndFrame();
}

} // namespace swf
