#include "TestBitmaps.h"

#include "controls/MediaBitmapList.h"
#include "controls/MediaBitmapStream.h"

#include <gtest/gtest.h>

#include <vector>

namespace controls {

namespace {

TMediaBitmapList SampleList() {
    TMediaBitmapList list;
    std::mt19937 random(3);
    for (auto [name, w, h] : {std::tuple{"01.bmp", 9, 8}, {"02.bmp", 9, 7}, {"ball2.bmp", 11, 11}}) {
        TMediaBitmap& bitmap = list.Add();
        bitmap.SetName(name);
        bitmap.SetSize(w, h);
        test::FillRandom(bitmap, random);
    }
    return list;
}

void PutU32(std::vector<uint8_t>& out, uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<uint8_t>(value >> shift));
}

} // namespace

TEST(BitmapListStream, RoundTripsTheProgramsListIn1085Bytes) {
    TMediaBitmapList list = SampleList();
    std::vector<uint8_t> block = list.WriteData();
    EXPECT_EQ(block.size(), 1085u);
    EXPECT_EQ(block[0], 3);
    EXPECT_EQ(block[4], 6); // first name's length
    EXPECT_EQ(std::string(block.begin() + 8, block.begin() + 14), "01.bmp");

    TMediaBitmapList copy;
    copy.ReadData(block);
    ASSERT_EQ(copy.Count(), 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(copy.Bitmap(i)->Name(), list.Bitmap(i)->Name());
        EXPECT_TRUE(test::SamePixels(*copy.Bitmap(i), *list.Bitmap(i)));
    }
    EXPECT_EQ(copy.Bitmap(3), nullptr);
    EXPECT_EQ(copy.Bitmap(-1), nullptr);
    EXPECT_EQ(copy.WriteData(), block);
}

TEST(BitmapListStream, StoresBytesBgraAndKeepsZeroSizedBitmapsWithoutPixels) {
    std::vector<uint8_t> block;
    PutU32(block, 2);
    PutU32(block, 1);
    block.push_back('e');
    PutU32(block, 0); // 0 x 5: no pixel bytes follow
    PutU32(block, 5);
    PutU32(block, 0);
    PutU32(block, static_cast<uint32_t>(-1)); // -1 x 1 reads as 1 x 1
    PutU32(block, 1);
    block.insert(block.end(), {0x11, 0x22, 0x33, 0x44});
    TMediaBitmapList list;
    list.ReadData(block);
    ASSERT_EQ(list.Count(), 2);
    EXPECT_TRUE(list.Bitmap(0)->IsEmpty());
    EXPECT_EQ(list.Bitmap(0)->Name(), "e");
    EXPECT_EQ(list.Bitmap(1)->Pixel(0, 0), 0x44332211u);

    list.ReadData({}); // nothing stored: an empty list
    EXPECT_EQ(list.Count(), 0);
    EXPECT_TRUE(list.WriteData().empty());
}

TEST(BitmapListStream, RejectsEveryTruncationAndTrailingBytesAndLeavesTheListEmpty) {
    std::vector<uint8_t> block = SampleList().WriteData();
    for (size_t size = 1; size < block.size(); ++size) {
        TMediaBitmapList list = SampleList();
        EXPECT_THROW(list.ReadData(std::span(block).first(size)), TBitmapStreamError) << size;
        EXPECT_EQ(list.Count(), 0);
    }
    block.push_back(0);
    TMediaBitmapList list;
    EXPECT_THROW(list.ReadData(block), TBitmapStreamError);
}

TEST(BitmapListStream, RandomlyDamagedBlocksAreReadOrRejectedButNeverCrash) {
    const std::vector<uint8_t> good = SampleList().WriteData();
    std::mt19937 random(5);
    for (int trial = 0; trial < 2000; ++trial) {
        std::vector<uint8_t> block = good;
        for (int flips = 1 + trial % 4; flips > 0; --flips)
            block[random() % block.size()] = static_cast<uint8_t>(random());
        TMediaBitmapList list;
        try {
            list.ReadData(block);
            EXPECT_EQ(list.WriteData().size(), block.size()); // what is accepted is all of it
        } catch (const TBitmapStreamError&) {
            EXPECT_EQ(list.Count(), 0);
        }
    }
}

TEST(BitmapListStream, ChecksCountsAndSizesBeforeAllocating) {
    auto expectDamaged = [](const std::vector<uint8_t>& block, const std::string& what) {
        TMediaBitmapList list;
        try {
            list.ReadData(block);
            FAIL() << "accepted";
        } catch (const TBitmapStreamError& error) {
            EXPECT_NE(std::string(error.what()).find(what), std::string::npos) << error.what();
        }
    };
    std::vector<uint8_t> hugeCount;
    PutU32(hugeCount, 0xFFFFFFFF);
    PutU32(hugeCount, 0);
    expectDamaged(hugeCount, "damaged bitmap list: 4294967295 bitmaps cannot fit");

    std::vector<uint8_t> longName;
    PutU32(longName, 1);
    PutU32(longName, 0x7FFFFFFF);
    PutU32(longName, 0);
    PutU32(longName, 0);
    expectDamaged(longName, "name needs 2147483647 bytes, 8 left");

    std::vector<uint8_t> hugeBitmap;
    PutU32(hugeBitmap, 1);
    PutU32(hugeBitmap, 0);
    PutU32(hugeBitmap, 0x80000000u); // the most negative width
    PutU32(hugeBitmap, 0x7FFFFFFF);
    PutU32(hugeBitmap, 0);
    expectDamaged(hugeBitmap, "is larger than the 4 bytes left");
}

} // namespace controls
