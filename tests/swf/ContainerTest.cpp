#include "swf/Error.h"
#include "swf/Movie.h"
#include "swfwriter/SwfWriter.h"

#include <gtest/gtest.h>

namespace {

std::vector<uint8_t> ThreeFrameMovie(swfw::Compression compression = swfw::Compression::None) {
    swfw::MovieWriter w(8, {0, 11000, 0, 8000}, 24.5);
    w.SetBackgroundColor(0x12, 0x34, 0x56);
    for (int i = 0; i < 3; ++i)
        w.ShowFrame();
    return w.Build(compression);
}

std::string ParseError(const std::vector<uint8_t>& bytes) {
    try {
        swf::Movie::Parse(bytes);
    } catch (const swf::Error& e) {
        return e.what();
    }
    return "";
}

void PutU32(std::vector<uint8_t>& bytes, size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i)
        bytes[at + i] = static_cast<uint8_t>(v >> (8 * i));
}

TEST(Container, ReadsHeaderOfPlainAndZlibMovies) {
    for (auto compression : {swfw::Compression::None, swfw::Compression::Zlib, swfw::Compression::Lzma}) {
        auto movie = swf::Movie::Parse(ThreeFrameMovie(compression));
        const auto& h = movie->Header();
        EXPECT_EQ(h.Version, 8);
        EXPECT_EQ(h.FrameSize.Width(), 11000);
        EXPECT_EQ(h.FrameSize.Height(), 8000);
        EXPECT_DOUBLE_EQ(h.FramesPerSecond(), 24.5);
        EXPECT_EQ(movie->FrameCount(), 3u);
        EXPECT_EQ(movie->FramesInStream(), 3u);
        ASSERT_TRUE(movie->BackgroundColor());
        EXPECT_EQ(*movie->BackgroundColor(), (swf::Rgb{0x12, 0x34, 0x56}));
        EXPECT_FALSE(movie->Truncated());
    }
}

TEST(Container, RejectsWhatIsNoMovie) {
    EXPECT_EQ(ParseError({}), "not a Flash movie");
    EXPECT_EQ(ParseError({'F', 'W', 'S'}), "not a Flash movie");
    auto bytes = ThreeFrameMovie();
    bytes[0] = 'X';
    EXPECT_EQ(ParseError(bytes), "not a Flash movie");
    std::string text = "<html>not a movie at all</html>";
    EXPECT_EQ(ParseError({text.begin(), text.end()}), "not a Flash movie");
}

TEST(Container, ReportsDamage) {
    auto bytes = ThreeFrameMovie();
    EXPECT_EQ(ParseError({bytes.begin(), bytes.begin() + 9}), "damaged movie: the header is cut short");

    auto tooSmall = bytes;
    PutU32(tooSmall, 4, 3);
    EXPECT_EQ(ParseError(tooSmall), "damaged movie: header length is too small");

    auto huge = bytes;
    PutU32(huge, 4, 0xfffffff0u);
    EXPECT_EQ(ParseError(huge), "damaged movie: movie is too large");

    auto packed = ThreeFrameMovie(swfw::Compression::Zlib);
    for (size_t i = 10; i < packed.size(); ++i)
        packed[i] ^= 0x5a;
    EXPECT_EQ(ParseError(packed), "damaged movie: compressed data is corrupt");
}

TEST(Container, DamagedLzmaIsReported) {
    auto packed = ThreeFrameMovie(swfw::Compression::Lzma);
    EXPECT_EQ(ParseError({packed.begin(), packed.begin() + 14}), "damaged movie: compressed data is corrupt");
    for (size_t i = 17; i < packed.size(); ++i)
        packed[i] ^= 0xa5;
    std::string error = ParseError(packed);
    EXPECT_TRUE(error.empty() || error.rfind("damaged movie", 0) == 0) << error;
}

TEST(Container, LyingLengthsNeverReadPastTheData) {
    // A file length larger than the file: the tags that are there still play.
    auto longer = ThreeFrameMovie();
    PutU32(longer, 4, static_cast<uint32_t>(longer.size() + 1000));
    EXPECT_EQ(swf::Movie::Parse(longer)->FramesInStream(), 3u);

    // A compressed movie that claims more than it inflates to.
    auto packed = ThreeFrameMovie(swfw::Compression::Zlib);
    PutU32(packed, 4, 1 << 20);
    EXPECT_EQ(swf::Movie::Parse(packed)->FramesInStream(), 3u);

    // A tag whose long length runs past the end stops the walk there.
    swfw::MovieWriter w(8, {0, 2000, 0, 2000}, 12);
    w.ShowFrame();
    std::vector<uint8_t> body(100, 0);
    w.Tag(2, body);
    w.ShowFrame();
    auto bytes = w.Build();
    size_t lengthAt = bytes.size() - 2 - 2 - 100 - 4; // End, ShowFrame, body, length
    PutU32(bytes, lengthAt, 0x7fffffff);
    auto movie = swf::Movie::Parse(bytes);
    EXPECT_TRUE(movie->Truncated());
    EXPECT_EQ(movie->Tags().size(), 1u);
    EXPECT_EQ(movie->FrameCount(), 2u); // the header's count still stands
}

TEST(Container, FramesSplitAtShowFrame) {
    swfw::MovieWriter w(6, {0, 2000, 0, 2000}, 12);
    w.Tag(43, std::vector<uint8_t>{'a', 0}); // FrameLabel
    w.ShowFrame();
    w.ShowFrame();
    w.Tag(43, std::vector<uint8_t>{'b', 0});
    w.ShowFrame();
    auto movie = swf::Movie::Parse(w.Build());
    ASSERT_EQ(movie->FramesInStream(), 3u);
    EXPECT_EQ(movie->FrameStart(0), 0u);
    EXPECT_EQ(movie->FrameStart(1), 2u);
    EXPECT_EQ(movie->FrameStart(2), 3u);
    EXPECT_EQ(movie->FrameStart(3), movie->Tags().size());
    EXPECT_FALSE(movie->BackgroundColor());
}

} // namespace
