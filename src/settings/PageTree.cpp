#include "settings/PageTree.h"

namespace settings {

ui::WinControl::CreateParams TPageTree::GetCreateParams() const {
    CreateParams cp = TreeView::GetCreateParams();
    cp.Style &= ~static_cast<DWORD>(TVS_HASLINES | TVS_HASBUTTONS | TVS_LINESATROOT | TVS_EDITLABELS);
    cp.Style |= TVS_SHOWSELALWAYS;
    cp.ExStyle &= ~static_cast<DWORD>(WS_EX_CLIENTEDGE);
    cp.Style |= WS_BORDER; // a flat frame
    return cp;
}

int TPageTree::SelectedPage() const {
    HTREEITEM item = Selected();
    return item ? static_cast<int>(ItemData(item)) : -1;
}

void TPageTree::SelectionChanged() {
    if (OnChange)
        OnChange();
}

} // namespace settings
