#include "controls/DibPixelSurface.h"
#include "controls/MediaBitmap.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace controls {

TEST(DibSurface, GdiDrawingAndPixelAccessShareTheSamePixels) {
    TMediaBitmap bitmap;
    bitmap.SetSize(8, 4);
    bitmap.Fill(clWhite);
    HDC dc = BitmapDc(bitmap);
    ASSERT_NE(dc, nullptr);
    RECT area{2, 1, 5, 3};
    HBRUSH brush = CreateSolidBrush(RGB(0x12, 0x34, 0x56));
    FillRect(dc, &area, brush);
    DeleteObject(brush);
    GdiFlush();
    // Rows are top-down: GDI's row 1 is the buffer's row 1.
    EXPECT_EQ(bitmap.Pixel(2, 1) & 0xFFFFFF, 0x123456u);
    EXPECT_EQ(bitmap.Pixel(4, 2) & 0xFFFFFF, 0x123456u);
    EXPECT_EQ(bitmap.Pixel(5, 2), 0xFFFFFFFFu);

    bitmap.SetPixel(0, 3, 0xFF102030);
    EXPECT_EQ(GetPixel(dc, 0, 3), RGB(0x10, 0x20, 0x30));
}

TEST(DibSurface, DrawCopiesTheWholeBufferToADevice) {
    TMediaBitmap source;
    source.SetSize(3, 2);
    source.Fill(0x0000FF); // red
    TMediaBitmap target;
    target.SetSize(6, 6);
    target.Fill(clBlack);
    DrawBitmap(source, BitmapDc(target), 2, 3);
    GdiFlush();
    EXPECT_EQ(target.Pixel(2, 3) & 0xFFFFFF, 0xFF0000u);
    EXPECT_EQ(target.Pixel(4, 4) & 0xFFFFFF, 0xFF0000u);
    EXPECT_EQ(target.Pixel(5, 5) & 0xFFFFFF, 0u);

    TMediaBitmap empty;
    EXPECT_EQ(BitmapDc(empty), nullptr);
    DrawBitmap(empty, BitmapDc(target), 0, 0); // nothing to copy
}

TEST(DibSurface, AnImpossibleSizeFailsWithTheAllocationMessageAndLeavesTheBufferEmpty) {
    TMediaBitmap bitmap;
    bitmap.SetSize(10, 10);
    try {
        bitmap.SetSize(60000, 60000);
        FAIL() << "no exception";
    } catch (const std::runtime_error& error) {
        EXPECT_STREQ(error.what(), "Can't allocate the DIB handle");
    }
    EXPECT_TRUE(bitmap.IsEmpty());
    EXPECT_EQ(BitmapDc(bitmap), nullptr);
}

} // namespace controls
