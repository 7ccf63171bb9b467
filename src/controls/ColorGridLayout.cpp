#include "controls/ColorGridLayout.h"

#include "controls/ColorPalette.h"

namespace controls {

namespace {

constexpr int kColumns = 8;
constexpr int kGridRows = 5;
constexpr int kSystemRows = 4;
// The gap above the system colours, where a separator line goes.
constexpr int kSeparatorHeight = 8;
// The cell size the automatic size is made for.
constexpr int kAutoCell = 18;

int SectionHeight(int fontHeight) { return fontHeight + 12; }

// The buttons above the grid are a pixel taller than the one below.
int NoColorHeight(TPickerSections sections, int fontHeight) {
    return sections.noColor ? SectionHeight(fontHeight) + 1 : 0;
}

int DefaultHeight(TPickerSections sections, int fontHeight) {
    return sections.defaultColor ? SectionHeight(fontHeight) + 1 : 0;
}

int CustomHeight(TPickerSections sections, int fontHeight) {
    return sections.customColor ? SectionHeight(fontHeight) : 0;
}

int SectionsHeight(TPickerSections sections, int fontHeight) {
    return NoColorHeight(sections, fontHeight) + DefaultHeight(sections, fontHeight) +
           CustomHeight(sections, fontHeight);
}

} // namespace

TColorGridLayout::TColorGridLayout(TPoint size, TRect client, TPickerSections sections, int fontHeight)
    : size_(size), client_(client), sections_(sections), fontHeight_(fontHeight) {
    int rows = kGridRows + (sections_.systemColors ? kSystemRows : 0);
    int separator = sections_.systemColors ? kSeparatorHeight : 0;
    cellWidth_ = client_.Width() / kColumns;
    int taken = SectionsHeight(sections_, fontHeight_) + separator;
    cellHeight_ = (client_.Height() - taken) / rows;
    hitWidth_ = client_.right / kColumns;
    hitHeight_ = (client_.bottom - taken) / rows;
}

TPoint TColorGridLayout::AutoSize(TPoint inset, TPickerSections sections, int fontHeight) {
    int grid = kGridRows * kAutoCell;
    if (sections.systemColors)
        grid += kSeparatorHeight + kSystemRows * kAutoCell;
    return {2 * inset.x + kColumns * kAutoCell, 2 * inset.y + grid + SectionsHeight(sections, fontHeight)};
}

int TColorGridLayout::Above() const {
    return NoColorHeight(sections_, fontHeight_) + DefaultHeight(sections_, fontHeight_);
}

int TColorGridLayout::ItemCount() const { return sections_.systemColors ? kPaletteSize : kGridColorCount; }

// The separator pushes the rows of system colours down.
int TColorGridLayout::SeparatorAbove(int row) const { return row >= kGridRows ? kSeparatorHeight : 0; }

TRect TColorGridLayout::Cell(int item) const {
    int row = item / kColumns;
    int left = client_.left + item % kColumns * cellWidth_;
    int top = client_.top + Above() + SeparatorAbove(row) + row * cellHeight_;
    return {left, top, left + cellWidth_, top + cellHeight_};
}

TRect TColorGridLayout::HitCell(int item) const {
    int row = item / kColumns;
    int left = item % kColumns * hitWidth_;
    int top = Above() + SeparatorAbove(row) + row * hitHeight_;
    return {left, top, left + hitWidth_, top + hitHeight_};
}

int TColorGridLayout::HitTest(TPoint at) const {
    int x = at.x;
    int y = at.y;
    if (x < 0 || y < 0 || x >= size_.x || y >= size_.y)
        return piNoColor;
    if (y < NoColorHeight(sections_, fontHeight_))
        return piNoColor;
    if (y < Above())
        return piDefaultColor;
    y -= Above();
    if (y < kGridRows * hitHeight_)
        return HitSwatch(x, y);
    return HitBelowGrid(x, y - kGridRows * hitHeight_);
}

int TColorGridLayout::HitSwatch(int x, int y) const {
    if (hitWidth_ <= 0 || hitHeight_ <= 0)
        return piNoColor;
    int column = x / hitWidth_;
    return column < kColumns ? y / hitHeight_ * kColumns + column : piNoColor;
}

int TColorGridLayout::HitBelowGrid(int x, int y) const {
    if (sections_.systemColors) {
        if (y < kSeparatorHeight + kSystemRows * hitHeight_)
            return HitSystemColor(x, y);
        y -= kSeparatorHeight + kSystemRows * hitHeight_;
    }
    if (y < CustomHeight(sections_, fontHeight_))
        return x >= client_.right - SectionHeight(fontHeight_) ? piCustomColor : piMoreColors;
    return piNoColor;
}

int TColorGridLayout::HitSystemColor(int x, int y) const {
    if (y < kSeparatorHeight)
        return piSeparator;
    int item = HitSwatch(x, y - kSeparatorHeight);
    if (item == piNoColor)
        return piNoColor;
    // The last row has two empty places.
    return item < kSystemColorCount ? kGridColorCount + item : piSeparator;
}

} // namespace controls
