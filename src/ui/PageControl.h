#pragma once

#include "ui/WinControl.h"

namespace ui {

// Pages without tabs: each child is a page, and only the active one shows.
// Code (a page tree, for one) chooses the page.
class PageControl : public WinControl {
public:
    PageControl() = default;

    int ActivePageIndex() const { return active_; }
    // Out-of-range indexes are ignored.
    void SetActivePageIndex(int index);

private:
    int active_ = 0;
};

} // namespace ui
