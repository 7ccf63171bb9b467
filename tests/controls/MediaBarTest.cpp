#include "TestBitmaps.h"

#include "controls/MediaBars.h"
#include "controls/PlainBarPainter.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <vector>

namespace controls {

using test::Rgb;
using test::RgbOf;

namespace {

// The block that the build generated and embeds in the program.
std::vector<uint8_t> GeneratedBlock() {
    std::ifstream in(KFP_MEDIA_BITMAPS_FILE, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A bar set up as one of the main window's, painted as the control does.
class TBarPicture {
public:
    TBarPicture(const TMediaBarSetup& setup, const TMediaBitmapList& bitmaps) : setup_(setup) {
        SetUpMediaBarStyles(painter_, &bitmaps);
        range_.SetShowBorder(setup.showBorder);
        range_.SetMax(setup.max);
        range_.SetPosition(setup.position);
        buffer_.SetSize(setup.width, setup.height);
    }

    const TMediaBitmap& Paint(int position) {
        range_.SetPosition(position);
        buffer_.Fill(clBlack);
        painter_.DrawBackground(buffer_, setup_.width, setup_.height);
        painter_.DrawProgress(buffer_, range_, setup_.width, setup_.height);
        return buffer_;
    }

private:
    TMediaBarSetup setup_;
    TMediaBarPainter painter_;
    TProgressRange range_;
    TMediaBitmap buffer_;
};

std::vector<Rgb> Column(const TMediaBitmap& bitmap, int x) {
    std::vector<Rgb> colours;
    for (int y = 0; y < bitmap.Height(); ++y)
        colours.push_back(RgbOf(bitmap.Pixel(x, y)));
    return colours;
}

class MediaBar : public ::testing::Test {
protected:
    void SetUp() override { bitmaps.ReadData(GeneratedBlock()); }
    TMediaBitmapList bitmaps;
};

} // namespace

TEST_F(MediaBar, TheGeneratedListHasTheThreeBitmapsIn1085Bytes) {
    EXPECT_EQ(GeneratedBlock().size(), 1085u);
    ASSERT_EQ(bitmaps.Count(), 3);
    EXPECT_EQ(bitmaps.Bitmap(0)->Name(), "01.bmp");
    EXPECT_EQ(bitmaps.Bitmap(0)->Width(), 9);
    EXPECT_EQ(bitmaps.Bitmap(0)->Height(), 8);
    EXPECT_EQ(bitmaps.Bitmap(2)->Name(), "ball2.bmp");
    EXPECT_EQ(bitmaps.Bitmap(2)->Width(), 11);
    const TMediaBitmap& fill = *bitmaps.Bitmap(1);
    EXPECT_EQ(fill.Name(), "02.bmp");
    ASSERT_EQ(fill.Width(), 9);
    ASSERT_EQ(fill.Height(), 7);
    EXPECT_EQ(fill.Pixel(0, 0) & 0xFFFFFF, 0xC7E1FFu);
    EXPECT_EQ(fill.Pixel(5, 0) & 0xFFFFFF, 0xB0D0F8u);
    EXPECT_EQ(fill.Pixel(2, 3) & 0xFFFFFF, 0x003E97u);
    EXPECT_EQ(fill.Pixel(0, 5) & 0xFFFFFF, 0x498AE6u);
    EXPECT_EQ(fill.Pixel(8, 6) & 0xFFFFFF, 0x005EFFu);
}

TEST_F(MediaBar, ProgressBar1ShowsTheGradientRowsAndTheStretchedFillHalfWay) {
    TBarPicture bar(MediaProgressBar1Setup(), bitmaps);
    const TMediaBitmap& picture = bar.Paint(50);
    // Right of the fill: the five gradient rows.
    EXPECT_EQ(Column(picture, 248),
              (std::vector<Rgb>{
                  {255, 255, 255}, {237, 244, 252}, {219, 234, 249}, {202, 223, 246}, {184, 213, 243}}));
    EXPECT_EQ(Column(picture, 495), Column(picture, 248));
    // The fill: 248 columns from the 9, the 7 rows reduced to 5 by AND
    // (rows 0 | 1 | 2 & 3 | 4 | 5 & 6).
    EXPECT_EQ(picture.Pixel(0, 0) & 0xFFFFFF, 0xC7E1FFu);
    EXPECT_EQ(picture.Pixel(0, 1) & 0xFFFFFF, 0x7DA9DEu);
    EXPECT_EQ(picture.Pixel(0, 2) & 0xFFFFFF, 0x4A7FC2u);
    EXPECT_EQ(picture.Pixel(56, 2) & 0xFFFFFF, 0x2A66B0u & 0x003E97u);
    EXPECT_EQ(picture.Pixel(0, 4) & 0xFFFFFF, 0x498AE6u & 0x4992FFu);
    EXPECT_EQ(picture.Pixel(247, 4) & 0xFFFFFF, 0x004CC6u & 0x005EFFu);

    // Empty at 0: only the gradient.
    EXPECT_EQ(Column(bar.Paint(0), 0), Column(picture, 495));
}

TEST_F(MediaBar, ProgressBar2ShowsItsThreeGradientRowsAndFillsWhenFull) {
    TBarPicture bar(MediaProgressBar2Setup(), bitmaps);
    EXPECT_EQ(Column(bar.Paint(0), 100),
              (std::vector<Rgb>{{255, 255, 255}, {225, 237, 250}, {196, 220, 245}}));
    const TMediaBitmap& full = bar.Paint(252);
    EXPECT_EQ(full.Pixel(182, 0) & 0xFFFFFF, 0xB0D0F8u & 0x5589C8u);
    EXPECT_EQ(full.Pixel(0, 2) & 0xFFFFFF, 0x4A7FC2u & 0x498AE6u & 0x4992FFu);
}

TEST(MediaBarSetup, BothBarsStoreTheFillIndexBeforeTheListIsKnown) {
    TMediaBarPainter painter;
    TMediaBitmapList none;
    SetUpMediaBarStyles(painter, &none);
    EXPECT_EQ(painter.ProgressBackground().BitmapIndex(), 1);
    EXPECT_EQ(painter.Border().Width(), 0);
    EXPECT_EQ(painter.ProgressBorder().Width(), 0);
}

TEST(PlainBarPainter, DrawsASunkenFrameAndHighlightBlocksWithGaps) {
    TProgressRange range;
    range.SetPosition(100);
    TMediaBitmap buffer;
    buffer.SetSize(30, 14);
    TPlainBarPainter::DrawBackground(buffer, range, 30, 14, clWhite);
    TPlainBarPainter::DrawProgress(buffer, range, 30, 14);
    const TPixel shadow = ColorToPixel(clBtnShadow);
    const TPixel light = ColorToPixel(clBtnHighlight);
    const TPixel mark = ColorToPixel(clHighlight);
    EXPECT_EQ(buffer.Pixel(0, 5), shadow);
    EXPECT_EQ(buffer.Pixel(29, 5), light);
    EXPECT_EQ(buffer.Pixel(1, 1), ColorToPixel(clWhite));
    // Progress area 2..28 × 2..12: blocks Round(0.64 × 10) = 6 long.
    EXPECT_EQ(buffer.Pixel(2, 2), mark);
    EXPECT_EQ(buffer.Pixel(7, 2), mark);
    EXPECT_EQ(buffer.Pixel(8, 2), ColorToPixel(clWhite));
    EXPECT_EQ(buffer.Pixel(10, 2), mark);

    range.SetSmooth(true);
    TPlainBarPainter::DrawProgress(buffer, range, 30, 14);
    EXPECT_EQ(buffer.Pixel(8, 2), mark);
}

} // namespace controls
