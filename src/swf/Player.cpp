#include "swf/Player.h"

#include "swf/Container.h"
#include "swf/Error.h"

#include <algorithm>
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

} // namespace

void Player::Load(const std::filesystem::path& path) {
    Unload();
    try {
        Load(ReadFile(path));
    } catch (const Error& e) {
        loadError_ = e.what();
    }
}

void Player::Load(std::span<const uint8_t> file) {
    Unload();
    try {
        movie_ = Movie::Parse(file);
        playing_ = true;
    } catch (const Error& e) {
        loadError_ = e.what();
    } catch (const std::bad_alloc&) {
        loadError_ = "not enough memory for this movie";
    }
}

void Player::Unload() {
    movie_.reset();
    loadError_.clear();
    frame_ = 0;
    playing_ = false;
}

void Player::Back() {
    StopPlay();
    if (frame_ > 0)
        GotoFrame(frame_ - 1);
}

void Player::Forward() {
    StopPlay();
    if (frame_ + 1 < TotalFrames())
        GotoFrame(frame_ + 1);
}

void Player::GotoFrame(uint32_t frame) {
    if (HasMovie())
        frame_ = std::min(frame, TotalFrames() - 1);
}

void Player::Advance() {
    if (playing_)
        frame_ = frame_ + 1 < TotalFrames() ? frame_ + 1 : 0;
}

void Player::Render(const Surface& target, std::optional<Rgb> background) const {
    Rgb colour = background.value_or(movie_ && movie_->BackgroundColor() ? *movie_->BackgroundColor()
                                                                         : Rgb{255, 255, 255});
    Fill(target, OpaqueArgb(colour.R, colour.G, colour.B));
}

} // namespace swf
