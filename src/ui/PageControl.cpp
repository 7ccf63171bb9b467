#include "ui/PageControl.h"

namespace ui {

void PageControl::SetActivePageIndex(int index) {
    if (index < 0 || static_cast<size_t>(index) >= Children().size())
        return;
    active_ = index;
    // The new page first, so that nothing behind it flashes.
    Children()[static_cast<size_t>(index)]->Show();
    for (size_t i = 0; i < Children().size(); ++i)
        if (static_cast<int>(i) != index)
            Children()[i]->Hide();
}

} // namespace ui
