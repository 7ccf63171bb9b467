#include "controls/ProgressRange.h"

#include <gtest/gtest.h>

namespace controls {

namespace {

TProgressRange Range(int min, int max, int position) {
    TProgressRange range;
    range.SetShowBorder(false);
    range.SetMin(min);
    range.SetMax(max);
    range.SetPosition(position);
    return range;
}

int FilledWidth(const TProgressRange& range, int width) { return range.FilledRect(width, 5).Width(); }

} // namespace

TEST(ProgressRange, FillsTheShareOfTheLengthRoundingHalvesToEven) {
    EXPECT_EQ(Range(0, 100, 50).FilledRect(496, 5), (TRect{0, 0, 248, 5}));
    EXPECT_EQ(FilledWidth(Range(0, 100, 1), 496), 5); // 4.96
    EXPECT_EQ(FilledWidth(Range(0, 4, 1), 10), 2);    // 2.5
    EXPECT_EQ(FilledWidth(Range(0, 4, 3), 10), 8);    // 7.5
    EXPECT_EQ(FilledWidth(Range(0, 100, 100), 496), 496);
    EXPECT_EQ(FilledWidth(Range(10, 20, 15), 100), 50);
}

TEST(ProgressRange, OutOfRangeValuesAndDegenerateRangesGiveAnEmptyBar) {
    EXPECT_EQ(FilledWidth(Range(0, 100, 101), 496), 0); // above Max: empty, not full
    EXPECT_EQ(FilledWidth(Range(0, 0, 0), 496), 0);
    EXPECT_EQ(FilledWidth(Range(0, -1, 0), 496), 0);
    EXPECT_EQ(FilledWidth(Range(-10, 10, 5), 496), 0); // negative Min
    EXPECT_EQ(FilledWidth(Range(5, 10, 4), 496), 0);
}

TEST(ProgressRange, VerticalBarsGrowFromTheBottom) {
    TProgressRange range = Range(0, 100, 50);
    range.SetOrientation(TBarOrientation::boVertical);
    EXPECT_EQ(range.FilledRect(7, 20), (TRect{0, 10, 7, 20}));
}

TEST(ProgressRange, BorderSettingsInsetTheProgressRectangle) {
    TProgressRange range = Range(0, 100, 100);
    EXPECT_EQ(range.ProgressRect(100, 20), (TRect{0, 0, 100, 20}));
    range.SetShowBorder(true);
    EXPECT_EQ(range.ProgressRect(100, 20), (TRect{2, 2, 98, 18}));
    range.SetBorderWidth(3);
    EXPECT_EQ(range.FilledRect(100, 20), (TRect{5, 5, 95, 15}));
}

TEST(ProgressRange, PositionAsksForARepaintExactlyWhenTheFractionMoves) {
    TProgressRange range = Range(0, 1000, 10);
    EXPECT_TRUE(range.SetPosition(11)); // same pixel edge on a short bar, other fraction
    EXPECT_FALSE(range.SetPosition(11));
    EXPECT_TRUE(range.SetPosition(2000));  // above Max: the bar empties
    EXPECT_FALSE(range.SetPosition(3000)); // still empty
    EXPECT_EQ(range.Position(), 3000);
    range.SetMin(-1);
    EXPECT_FALSE(range.SetPosition(500)); // a negative Min keeps the bar empty

    EXPECT_TRUE(range.SetMax(range.Max())); // Min and Max always repaint
    EXPECT_FALSE(range.SetShowBorder(range.ShowBorder()));
    EXPECT_TRUE(range.SetSmooth(!range.Smooth()));
}

} // namespace controls
