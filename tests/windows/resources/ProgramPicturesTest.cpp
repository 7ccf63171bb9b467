#include "resources/ProgramPictures.h"
#include "app/Glyphs.h"

#include <gtest/gtest.h>

#include <cstring>
#include <stdexcept>
#include <vector>

namespace {

// The pixels Windows keeps for picture `index` of a list, drawn over black
// and over white.
std::vector<uint32_t> DrawOver(const ui::ImageList& list, int index, COLORREF backdrop) {
    BITMAPINFO bi{};
    bi.bmiHeader = {sizeof(BITMAPINFOHEADER), list.Width(), -list.Height(), 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    ui::BitmapHandle bitmap(CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
    ui::MemoryDcHandle dc(CreateCompatibleDC(nullptr));
    ui::SelectObjectScope select(dc.get(), bitmap.get());
    RECT all{0, 0, list.Width(), list.Height()};
    ui::BrushHandle brush(CreateSolidBrush(backdrop));
    FillRect(dc.get(), &all, brush.get());
    ImageList_Draw(list.Handle(), index, dc.get(), 0, 0, ILD_NORMAL);
    GdiFlush();
    std::vector<uint32_t> pixels(static_cast<size_t>(list.Width() * list.Height()));
    std::memcpy(pixels.data(), bits, pixels.size() * 4);
    return pixels;
}

// Transparent corners and a drawn middle: the backdrop shows at the corner
// and not everywhere.
void ExpectShapedPicture(const ui::ImageList& list, int index) {
    auto black = DrawOver(list, index, RGB(0, 0, 0)), white = DrawOver(list, index, RGB(255, 255, 255));
    EXPECT_EQ(black[0] & 0xFFFFFF, 0u) << "picture " << index;
    EXPECT_EQ(white[0] & 0xFFFFFF, 0xFFFFFFu) << "picture " << index;
    size_t opaque = 0;
    for (size_t i = 0; i < black.size(); ++i)
        opaque += (black[i] & 0xFFFFFF) == (white[i] & 0xFFFFFF);
    EXPECT_GT(opaque, black.size() / 8) << "picture " << index << " is hardly there";
}

TEST(ProgramPictures, ToolbarAndTrayListsFillWithTheirPictures) {
    ui::ImageList toolbar(32, 32), tray(32, 32);
    resources::LoadToolbarImages(toolbar);
    resources::LoadTrayImages(tray);
    ASSERT_EQ(toolbar.Count(), 19);
    ASSERT_EQ(tray.Count(), 12);
    for (int i = 0; i < toolbar.Count(); ++i)
        ExpectShapedPicture(toolbar, i);
    for (int i = 0; i < tray.Count(); ++i)
        ExpectShapedPicture(tray, i);
    // The tray's frames make an icon each, as the animation needs.
    ui::IconHandle frame(tray.MakeIcon(11));
    EXPECT_TRUE(frame);
}

TEST(ProgramPictures, ListsOfAnotherSizeAreRefusedAndLeftAsTheyWere) {
    ui::ImageList small(16, 16);
    EXPECT_THROW(resources::LoadToolbarImages(small), std::invalid_argument);
    EXPECT_EQ(small.Count(), 0);
}

TEST(ProgramPictures, EveryButtonGlyphIsASixteenPixelIcon) {
    for (int i = 0; i < 10; ++i) {
        ui::IconHandle glyph = app::MakeGlyph(static_cast<app::Glyph>(i));
        ASSERT_TRUE(glyph) << "glyph " << i;
        ICONINFO info{};
        ASSERT_TRUE(GetIconInfo(glyph.get(), &info));
        ui::BitmapHandle colour(info.hbmColor), mask(info.hbmMask);
        BITMAP bitmap{};
        GetObjectW(colour.get(), sizeof bitmap, &bitmap);
        EXPECT_EQ(bitmap.bmWidth, 16);
        EXPECT_EQ(bitmap.bmHeight, 16);
    }
    EXPECT_THROW(resources::LoadButtonGlyph(10), std::out_of_range);
    EXPECT_THROW(resources::LoadButtonGlyph(-1), std::out_of_range);
}

TEST(ProgramPictures, TheWindowIconHoldsThreeSizes) {
    HRSRC group = FindResourceW(nullptr, MAKEINTRESOURCEW(1), RT_GROUP_ICON);
    ASSERT_TRUE(group);
    auto* directory = static_cast<const uint8_t*>(LockResource(LoadResource(nullptr, group)));
    ASSERT_TRUE(directory);
    EXPECT_EQ(directory[4] | directory[5] << 8, 3); // entries
    for (int size : {16, 32, 48}) {
        ui::IconHandle icon = resources::LoadProgramIcon(size);
        ASSERT_TRUE(icon) << size;
        ICONINFO info{};
        ASSERT_TRUE(GetIconInfo(icon.get(), &info));
        ui::BitmapHandle colour(info.hbmColor), mask(info.hbmMask);
        BITMAP bitmap{};
        GetObjectW(colour.get(), sizeof bitmap, &bitmap);
        EXPECT_EQ(bitmap.bmWidth, size);
    }
}

} // namespace
