#pragma once

#include "ui/TreeView.h"

#include <functional>

namespace settings {

// The settings dialog's list of pages: top-level items only, no lines, no
// buttons, no editing. Each item's data is the index of its page.
class TPageTree : public ui::TreeView {
public:
    TPageTree() = default;

    // The page index of the selected item, or -1.
    int SelectedPage() const;
    std::function<void()> OnChange;

protected:
    CreateParams GetCreateParams() const override;
    void SelectionChanged() override;
};

} // namespace settings
