#include "controls/ColorGridLayout.h"
#include "controls/ColorGridPainter.h"
#include "controls/ColorPalette.h"
#include "controls/ColorPickerState.h"
#include "controls/FrameStyle.h"

#include <gtest/gtest.h>

#include <vector>

namespace controls {

namespace {

// The program's picker: 152 x 98, sunken frame and a 2-pixel band.
constexpr TPoint kSize{152, 98};
constexpr TRect kClient{4, 4, 148, 94};

TColorGridLayout ProgramLayout(TPickerSections sections = {}) { return {kSize, kClient, sections, 13}; }

// Records the selection at every change.
struct Recorder {
    explicit Recorder(TColorPickerState& state) {
        state.OnChange = [this, &state] { changes.push_back(state.Selected()); };
        state.OnClick = [this] { ++clicks; };
    }
    std::vector<int> changes;
    int clicks = 0;
};

constexpr TPixel Rgb(uint32_t rgb) { return 0xFF000000u | rgb; }

} // namespace

TEST(ColorPickerSelection, StartsWithNoColourAndRaisesOncePerChange) {
    TColorPickerState state;
    Recorder rec(state);
    EXPECT_EQ(state.SelectedColor(), 0x1FFFFFFFu);
    EXPECT_EQ(state.Hover(), piNothing);

    state.Press(3);
    state.Press(3);
    EXPECT_EQ(rec.changes, std::vector<int>{3});
    EXPECT_EQ(state.SelectedColor(), 0x00003300u); // Dark Green

    state.SetSelectedColor(0x000000FF);
    state.SetSelectedColor(0x000000FF);
    EXPECT_EQ(state.Selected(), 16);
    EXPECT_EQ(Palette()[16].name, "Red");
    EXPECT_EQ(rec.changes, (std::vector<int>{3, 16}));

    state.SetSelectedColor(clNone);
    EXPECT_EQ(state.Selected(), piNoColor);
    EXPECT_EQ(rec.clicks, 0);
}

TEST(ColorPickerSelection, AColourOutsideTheGridBecomesTheCustomColourEveryTime) {
    TColorPickerState state;
    Recorder rec(state);
    state.SetSelectedColor(0x00123456);
    EXPECT_EQ(state.Selected(), piCustomColor);
    EXPECT_EQ(state.SelectedColor(), 0x00123456u);
    state.SetSelectedColor(0x00123456);
    EXPECT_EQ(rec.changes, (std::vector<int>{piCustomColor, piCustomColor}));
    EXPECT_EQ(rec.clicks, 2);

    // A system colour outside the grid is stored as the colour it shows.
    state.SetSelectedColor(SystemColor(1)); // desktop: 58, 110, 165
    EXPECT_EQ(state.SelectedColor(), 0x00A56E3Au);
}

TEST(ColorPickerSelection, SystemColoursMatchByWhatTheyShowUnlessTheirSectionIsShown) {
    TColorPickerState state;
    state.SetSelectedColor(clWindow); // white here
    EXPECT_EQ(state.Selected(), 39);
    state.SetSelectedColor(SystemColor(8)); // window text: black
    EXPECT_EQ(state.Selected(), 0);

    state.Sections.systemColors = true;
    state.SetSelectedColor(clWindow);
    EXPECT_EQ(state.Selected(), 45);
    EXPECT_EQ(state.SelectedColor(), clWindow);
    // A direct colour still finds its swatch first.
    state.SetSelectedColor(0x00FFFFFF);
    EXPECT_EQ(state.Selected(), 39);
}

TEST(ColorPickerSelection, TheDefaultSectionTakesItsColourFirst) {
    TColorPickerState state;
    state.DefaultColor = 0x00FFFFFF;
    state.SetSelectedColor(clWindow);
    EXPECT_EQ(state.Selected(), 39); // section hidden

    state.Sections.defaultColor = true;
    state.SetSelectedColor(clWindow);
    EXPECT_EQ(state.Selected(), piDefaultColor);
    EXPECT_EQ(state.SelectedColor(), 0x00FFFFFFu);
}

TEST(ColorPickerSelection, TheMouseSkipsTheSeparatorAndAsksForMoreColours) {
    TColorPickerState state;
    Recorder rec(state);
    std::vector<TColor> asked;
    std::optional<TColor> answer;
    state.OnChooseCustomColor = [&](TColor start) {
        asked.push_back(start);
        return answer;
    };
    state.MoveOver(5);
    state.Press(piSeparator);
    state.Press(piMoreColors); // cancelled
    EXPECT_EQ(state.Hover(), piNothing);
    EXPECT_TRUE(rec.changes.empty());

    state.Press(7);
    answer = 0x00ABCDEF;
    state.Press(piMoreColors);
    EXPECT_EQ(asked, (std::vector<TColor>{clNone, 0x00333333}));
    EXPECT_EQ(state.SelectedColor(), 0x00ABCDEFu);
    EXPECT_EQ(rec.changes, (std::vector<int>{7, piCustomColor}));
    EXPECT_EQ(rec.clicks, 1);

    state.DragOver(piMoreColors); // dragging never opens the dialog
    EXPECT_EQ(asked.size(), 2u);
    state.DragOver(piSeparator);
    EXPECT_EQ(state.SelectedColor(), clNone);
}

TEST(ColorPickerLayout, TheProgramPickerMeasures152By98WithCellsOf18) {
    EXPECT_EQ(TColorGridLayout::AutoSize({4, 4}, {}, 13).x, 152);
    EXPECT_EQ(TColorGridLayout::AutoSize({4, 4}, {}, 13).y, 98);
    EXPECT_EQ(TColorGridLayout::AutoSize({3, 3}, {}, 13).x, 150); // visual styles
    TPoint all = TColorGridLayout::AutoSize({4, 4}, {true, true, true, true}, 13);
    EXPECT_EQ(all.y, 98 + 80 + 26 + 26 + 25);

    TColorGridLayout layout = ProgramLayout();
    EXPECT_EQ(layout.CellWidth(), 18);
    EXPECT_EQ(layout.CellHeight(), 18);
    EXPECT_EQ(layout.Cell(0), (TRect{4, 4, 22, 22}));
    EXPECT_EQ(layout.Cell(39), (TRect{130, 76, 148, 94}));
    EXPECT_EQ(layout.ItemCount(), 40);
}

TEST(ColorPickerLayout, TheHitGridStartsAtTheCornerNotInsideTheFrame) {
    TColorGridLayout layout = ProgramLayout();
    EXPECT_EQ(layout.HitTest({2, 2}), 0);
    EXPECT_EQ(layout.HitTest({20, 10}), 1); // right margin of the first cell
    EXPECT_EQ(layout.HitTest({147, 40}), piNoColor);
    EXPECT_EQ(layout.HitTest({40, 95}), piNoColor);
    EXPECT_EQ(layout.HitTest({143, 89}), 39);
    EXPECT_EQ(layout.HitTest({-1, 5}), piNoColor);
    EXPECT_EQ(layout.HitTest({5, 98}), piNoColor);
    EXPECT_EQ(layout.HitCell(9), (TRect{18, 18, 36, 36}));

    // Every pixel of a swatch, and the top and left of its frame, hit it.
    for (int item = 0; item < 40; ++item) {
        TRect framed = Inflate(layout.Cell(item), -3);
        for (int y = framed.top; y < framed.bottom - 1; ++y)
            for (int x = framed.left; x < framed.right - 1; ++x)
                ASSERT_EQ(layout.HitTest({x, y}), item) << x << "," << y;
    }
}

TEST(ColorPickerLayout, DraggingAlongTheFirstRowSelectsEachCellThenNone) {
    TColorPickerState state;
    Recorder rec(state);
    TColorGridLayout layout = ProgramLayout();
    state.Press(layout.HitTest({2, 10}));
    for (int x = 3; x < 170; ++x)
        state.DragOver(layout.HitTest({x, 10}));
    EXPECT_EQ(rec.changes, (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, piNoColor}));
    EXPECT_EQ(state.SelectedColor(), clNone);
}

TEST(ColorPickerLayout, TheOptionalSectionsHaveTheirOwnItems) {
    // Font 13: sections of 25 pixels (26 above the grid).
    TPickerSections all{true, true, true, true};
    TPoint size = TColorGridLayout::AutoSize({4, 4}, all, 13);
    TColorGridLayout layout(size, {4, 4, size.x - 4, size.y - 4}, all, 13);
    EXPECT_EQ(layout.HitTest({60, 10}), piNoColor);
    EXPECT_EQ(layout.HitTest({60, 30}), piDefaultColor);
    EXPECT_EQ(layout.HitTest({2, 52}), 0);
    EXPECT_EQ(layout.HitTest({2, 52 + 90}), piSeparator);
    EXPECT_EQ(layout.HitTest({2, 52 + 98}), 40);
    EXPECT_EQ(layout.HitTest({95, 52 + 98 + 54}), 69);
    EXPECT_EQ(layout.HitTest({130, 52 + 98 + 54}), piSeparator); // empty places
    EXPECT_EQ(layout.HitTest({10, size.y - 10}), piMoreColors);
    EXPECT_EQ(layout.HitTest({size.x - 10, size.y - 10}), piCustomColor);
    EXPECT_EQ(layout.ItemCount(), 70);
    EXPECT_EQ(layout.Cell(40).top, 4 + 52 + 90 + 8);
}

TEST(FrameStyle, TheClientInsetAddsTheBandAndTheFramedSides) {
    TFrame frame{.outer = TFrameStyleEx::fsLowered, .borderWidth = 2};
    EXPECT_EQ(FrameClientRect({0, 0, 152, 98}, frame), (TRect{4, 4, 148, 94}));
    frame.outer = TFrameStyleEx::fsFlat;
    EXPECT_EQ(FrameClientRect({0, 0, 150, 96}, frame), (TRect{3, 3, 147, 93}));
    frame = {.outer = TFrameStyleEx::fsStatus,
             .inner = TFrameStyleEx::fsBump,
             .sides = bsLeft | bsBottom,
             .bevelWidth = 3};
    EXPECT_EQ(FrameClientRect({0, 0, 100, 50}, frame), (TRect{5, 0, 100, 45}));
    EXPECT_EQ(FrameWidth(TFrameStyleEx::fsPopup, 1 << 30), kMaxBevelWidth);
    EXPECT_EQ(FrameWidth(TFrameStyleEx::fsNone, 1), 0);
    EXPECT_EQ(FrameWidth(TFrameStyleEx::fsFlatRounded, 1), 2);
}

TEST(FrameStyle, ALoweredFrameIsASunkenEdgeAroundTheBand) {
    TMediaBitmap picture;
    picture.SetSize(20, 10);
    picture.Fill(clBlack);
    PaintFrame(picture, picture.Bounds(),
               {.outer = TFrameStyleEx::fsLowered, .borderWidth = 2, .borderColor = clWindow});
    EXPECT_EQ(picture.Pixel(5, 0), Rgb(0x808080)); // shadow
    EXPECT_EQ(picture.Pixel(0, 5), Rgb(0x808080));
    EXPECT_EQ(picture.Pixel(5, 1), Rgb(0x404040)); // dark shadow
    EXPECT_EQ(picture.Pixel(5, 9), Rgb(0xFFFFFF)); // highlight
    EXPECT_EQ(picture.Pixel(19, 5), Rgb(0xFFFFFF));
    EXPECT_EQ(picture.Pixel(18, 5), Rgb(0xD4D0C8)); // 3-D light
    EXPECT_EQ(picture.Pixel(19, 0), Rgb(0xFFFFFF)); // the corner the lines share
    EXPECT_EQ(picture.Pixel(3, 3), Rgb(0xFFFFFF));  // band
    EXPECT_EQ(picture.Pixel(4, 4), Rgb(0x000000));  // client untouched
}

TEST(FrameStyle, FlatFramesUseTheAdjustedFlatColourAndRoundTheirCorners) {
    TMediaBitmap picture;
    picture.SetSize(10, 10);
    picture.Fill(clBlack);
    TFrame frame{.outer = TFrameStyleEx::fsFlatRounded,
                 .borderColor = 0x00112233,
                 .flatColor = 0x00102030,
                 .flatColorAdjustment = 0x10};
    PaintFrame(picture, picture.Bounds(), frame);
    EXPECT_EQ(picture.Pixel(5, 0), Rgb(0x403020));
    EXPECT_EQ(picture.Pixel(0, 0), Rgb(0x332211)); // the band shows in the corner
    EXPECT_EQ(picture.Pixel(1, 1), Rgb(0x403020));
    EXPECT_EQ(picture.Pixel(5, 1), Rgb(0x332211));
    EXPECT_EQ(picture.Pixel(2, 2), Rgb(0x000000));
}

TEST(ColorGridPainter, MarksTheSelectedAndTheHoveredCell) {
    TMediaBitmap picture;
    picture.SetSize(kSize.x, kSize.y);
    picture.Fill(clBlack);
    TColorPickerState state;
    state.Select(0);
    state.SetHover(9);
    PaintColorGrid(picture, ProgramLayout(), state, kClient, clWindow, PaintPlainCellState);

    EXPECT_EQ(picture.Pixel(4, 4), Rgb(0x0A246A));    // highlight outline
    EXPECT_EQ(picture.Pixel(5, 5), Rgb(0xFFFFFF));    // window inside it
    EXPECT_EQ(picture.Pixel(7, 7), Rgb(0x808080));    // swatch frame
    EXPECT_EQ(picture.Pixel(8, 8), Rgb(0x000000));    // Black
    EXPECT_EQ(picture.Pixel(22, 22), Rgb(0x808080));  // hover outline
    EXPECT_EQ(picture.Pixel(23, 23), Rgb(0xD4D0C8));  // button face
    EXPECT_EQ(picture.Pixel(27, 27), Rgb(0xFF6600));  // Orange
    EXPECT_EQ(picture.Pixel(41, 5), Rgb(0xFFFFFF));   // margin of a plain cell
    EXPECT_EQ(picture.Pixel(135, 81), Rgb(0xFFFFFF)); // White
    EXPECT_EQ(picture.Pixel(2, 2), Rgb(0x000000));    // the frame is not the grid's
}

} // namespace controls
