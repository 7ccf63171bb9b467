#include "resources/ProgramBitmaps.h"

#include <gtest/gtest.h>

// The list embedded in the test program is the one the player embeds.
TEST(ProgramBitmaps, TheEmbeddedListHoldsTheThreeBitmaps) {
    controls::TMediaBitmapList list;
    resources::LoadProgramBitmaps(list);
    ASSERT_EQ(list.Count(), 3);
    EXPECT_EQ(list.Bitmap(0)->Name(), "01.bmp");
    EXPECT_EQ(list.Bitmap(1)->Name(), "02.bmp");
    EXPECT_EQ(list.Bitmap(1)->Pixel(0, 6) & 0xFFFFFF, 0x4992FFu);
    EXPECT_EQ(list.Bitmap(2)->Name(), "ball2.bmp");
    EXPECT_EQ(list.WriteData().size(), 1085u);
}
