#include "controls/OffscreenBuffer.h"

#include <gtest/gtest.h>

#include <string>

namespace controls {

namespace {

// Records the calls of the render cycle; paints the parent grey and the
// control white with a black left column.
class TRecordingPainter : public TBufferPainter {
public:
    bool CanRender() const override { return visible; }
    void PaintParentBackground(TMediaBitmap& buffer) override {
        calls += "parent ";
        buffer.Fill(0x808080);
    }
    void PaintBuffer(TMediaBitmap& buffer) override {
        calls += "paint ";
        buffer.FillRect({1, 0, 4, 2}, clWhite);
        buffer.FillRect({0, 0, 1, 2}, clBlack);
    }

    bool visible = true;
    std::string calls;
};

} // namespace

TEST(OffscreenBuffer, RunsAheadOfTheControlIn30PixelSteps) {
    TOffscreenBuffer buffer;
    EXPECT_TRUE(buffer.Resize(496, 5));
    EXPECT_EQ(buffer.Picture().Width(), 510);
    EXPECT_EQ(buffer.Picture().Height(), 30);
    EXPECT_FALSE(buffer.Resize(500, 5));
    EXPECT_FALSE(buffer.Resize(510, 5));
    EXPECT_EQ(buffer.Picture().Width(), 510);
    EXPECT_TRUE(buffer.Resize(511, 5));
    EXPECT_EQ(buffer.Picture().Width(), 540);
    EXPECT_TRUE(buffer.Resize(479, 5)); // 61 pixels to spare is too many
    EXPECT_EQ(buffer.Picture().Width(), 480);
    EXPECT_FALSE(buffer.Resize(-5, 5));
    EXPECT_EQ(buffer.ControlWidth(), 479);
    EXPECT_TRUE(buffer.Resize(479, 40));
    EXPECT_EQ(buffer.Picture().Height(), 60);
}

TEST(OffscreenBuffer, RendersOnlyWhenDirtyAndShowable) {
    TOffscreenBuffer buffer;
    TRecordingPainter painter;
    buffer.Render(painter, {}); // no pixels yet
    buffer.Resize(4, 2);
    painter.visible = false;
    buffer.Render(painter, {});
    EXPECT_EQ(painter.calls, "");
    EXPECT_TRUE(buffer.Dirty());
    painter.visible = true;
    buffer.Render(painter, {.transparent = true});
    EXPECT_EQ(painter.calls, "parent paint ");
    EXPECT_FALSE(buffer.Dirty());
    buffer.Render(painter, {});
    EXPECT_EQ(painter.calls, "parent paint ");
    buffer.MarkDirty();
    buffer.Render(painter, {.transparent = false});
    EXPECT_EQ(painter.calls, "parent paint paint ");
    buffer.Resize(0, 2);
    buffer.MarkDirty();
    buffer.Render(painter, {});
    EXPECT_EQ(painter.calls, "parent paint paint ");
}

TEST(OffscreenBuffer, BlendMixesThePictureOverTheParentsBackground) {
    TOffscreenBuffer buffer;
    TRecordingPainter painter;
    buffer.Resize(4, 2);
    buffer.SetBlend(true);
    buffer.Render(painter, {.transparent = true, .blendValue = 120});
    EXPECT_EQ(painter.calls, "parent paint ");
    // White over grey at 120: ((255·120 + 128) >> 8) + ((128·135 + 128) >> 8).
    uint32_t white = ((255 * 120 + 128) >> 8) + ((128 * 135 + 128) >> 8);
    uint32_t black = (128 * 135 + 128) >> 8;
    uint32_t alpha = ((120 * 120 + 128) >> 8) + ((255 * 135 + 128) >> 8);
    EXPECT_EQ(buffer.Picture().Pixel(2, 1), (alpha << 24) | white * 0x010101u);
    EXPECT_EQ(buffer.Picture().Pixel(0, 0), (alpha << 24) | black * 0x010101u);
    // Outside what the control paints, the parent shows through.
    EXPECT_EQ(buffer.Picture().Pixel(20, 20) & 0xFFFFFF, 0x808080u);

    buffer.SetBlend(false);
    EXPECT_TRUE(buffer.Dirty());
    buffer.Render(painter, {.transparent = true});
    EXPECT_EQ(buffer.Picture().Pixel(2, 1), 0xFFFFFFFFu);
}

} // namespace controls
