#pragma once

#include "ui/WinControl.h"

#include <commctrl.h>

#include <string>

namespace ui {

// A system tree view with expand buttons and lines. Items carry an integer
// of the owner's; derived classes fill the tree and follow its events.
class TreeView : public WinControl {
public:
    TreeView();

    // No in-place editing of item names when set.
    bool ReadOnly = true;
    // Pixels per level.
    int Indent = 19;

    HTREEITEM Selected() const;
    void Select(HTREEITEM item);
    HTREEITEM Root() const;
    HTREEITEM FirstChild(HTREEITEM item) const;
    HTREEITEM NextSibling(HTREEITEM item) const;
    LPARAM ItemData(HTREEITEM item) const;
    std::wstring ItemText(HTREEITEM item) const;
    bool IsExpanded(HTREEITEM item) const;
    void Expand(HTREEITEM item);
    void SetHasChildren(HTREEITEM item, bool hasChildren);
    HTREEITEM ItemAt(POINT client) const;
    void SetDropHighlight(HTREEITEM item);

    struct NewItem {
        std::wstring Text;
        int Image = -1;
        int SelectedImage = -1;
        bool HasChildren = false;
        LPARAM Data = 0;
    };
    // Adds the item under parent (null: a top item) after `after`
    // (TVI_LAST to append).
    HTREEITEM Insert(HTREEITEM parent, HTREEITEM after, const NewItem& item);
    void Delete(HTREEITEM item);

protected:
    CreateParams GetCreateParams() const override;
    void HandleCreated() override;
    bool HandleReflected(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

    // The selection moved, by the user or by code.
    virtual void SelectionChanged() {}
    // The item is about to show its children.
    virtual void Expanding(HTREEITEM) {}
    // The item leaves the tree; its data is the owner's to release.
    virtual void Deleted(LPARAM) {}
    // The user starts dragging the item with the left button.
    virtual void DragBegun(HTREEITEM) {}

private:
    bool HandleNotify(const NMHDR& header);
};

} // namespace ui
