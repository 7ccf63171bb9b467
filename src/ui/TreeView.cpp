#include "ui/TreeView.h"

namespace ui {

TreeView::TreeView() {
    TabStop = true;
    SetColor(0xFF000000 | COLOR_WINDOW);
}

WinControl::CreateParams TreeView::GetCreateParams() const {
    CreateParams cp;
    cp.ClassName = WC_TREEVIEWW;
    cp.Style = WS_CHILD | WS_CLIPSIBLINGS | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT |
               TVS_SHOWSELALWAYS | (ReadOnly ? 0 : TVS_EDITLABELS);
    cp.ExStyle = WS_EX_CLIENTEDGE;
    return cp;
}

void TreeView::HandleCreated() { TreeView_SetIndent(HandleIfCreated(), Indent); }

HTREEITEM TreeView::Selected() const {
    HWND window = HandleIfCreated();
    return window ? TreeView_GetSelection(window) : nullptr;
}

void TreeView::Select(HTREEITEM item) {
    if (HWND window = HandleIfCreated()) {
        TreeView_SelectItem(window, item);
        if (item)
            TreeView_EnsureVisible(window, item);
    }
}

HTREEITEM TreeView::Root() const {
    HWND window = HandleIfCreated();
    return window ? TreeView_GetRoot(window) : nullptr;
}

HTREEITEM TreeView::FirstChild(HTREEITEM item) const { return TreeView_GetChild(HandleIfCreated(), item); }

HTREEITEM TreeView::NextSibling(HTREEITEM item) const {
    return TreeView_GetNextSibling(HandleIfCreated(), item);
}

LPARAM TreeView::ItemData(HTREEITEM item) const {
    TVITEMW tvi{};
    tvi.mask = TVIF_PARAM | TVIF_HANDLE;
    tvi.hItem = item;
    TreeView_GetItem(HandleIfCreated(), &tvi);
    return tvi.lParam;
}

std::wstring TreeView::ItemText(HTREEITEM item) const {
    wchar_t text[MAX_PATH] = L"";
    TVITEMW tvi{};
    tvi.mask = TVIF_TEXT | TVIF_HANDLE;
    tvi.hItem = item;
    tvi.pszText = text;
    tvi.cchTextMax = MAX_PATH;
    TreeView_GetItem(HandleIfCreated(), &tvi);
    return text;
}

bool TreeView::IsExpanded(HTREEITEM item) const {
    return (TreeView_GetItemState(HandleIfCreated(), item, TVIS_EXPANDED) & TVIS_EXPANDED) != 0;
}

void TreeView::Expand(HTREEITEM item) { TreeView_Expand(HandleIfCreated(), item, TVE_EXPAND); }

void TreeView::SetHasChildren(HTREEITEM item, bool hasChildren) {
    TVITEMW tvi{};
    tvi.mask = TVIF_CHILDREN | TVIF_HANDLE;
    tvi.hItem = item;
    tvi.cChildren = hasChildren ? 1 : 0;
    TreeView_SetItem(HandleIfCreated(), &tvi);
}

HTREEITEM TreeView::ItemAt(POINT client) const {
    TVHITTESTINFO hit{};
    hit.pt = client;
    HTREEITEM item = TreeView_HitTest(HandleIfCreated(), &hit);
    return hit.flags & TVHT_ONITEM ? item : nullptr;
}

void TreeView::SetDropHighlight(HTREEITEM item) { TreeView_SelectDropTarget(HandleIfCreated(), item); }

HTREEITEM TreeView::Insert(HTREEITEM parent, HTREEITEM after, const NewItem& item) {
    TVINSERTSTRUCTW insert{};
    insert.hParent = parent ? parent : TVI_ROOT;
    insert.hInsertAfter = after;
    insert.item.mask = TVIF_TEXT | TVIF_PARAM | TVIF_CHILDREN | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    insert.item.pszText = const_cast<wchar_t*>(item.Text.c_str());
    insert.item.iImage = item.Image;
    insert.item.iSelectedImage = item.SelectedImage;
    insert.item.cChildren = item.HasChildren ? 1 : 0;
    insert.item.lParam = item.Data;
    return TreeView_InsertItem(HandleIfCreated(), &insert);
}

void TreeView::Delete(HTREEITEM item) { TreeView_DeleteItem(HandleIfCreated(), item); }

bool TreeView::HandleReflected(UINT msg, WPARAM, LPARAM lp, LRESULT& result) {
    if (msg != WM_NOTIFY)
        return false;
    result = 0;
    return HandleNotify(*reinterpret_cast<NMHDR*>(lp));
}

bool TreeView::HandleNotify(const NMHDR& header) {
    const auto& view = reinterpret_cast<const NMTREEVIEWW&>(header);
    switch (header.code) {
    case TVN_SELCHANGEDW:
        SelectionChanged();
        return true;
    case TVN_ITEMEXPANDINGW:
        if (view.action & TVE_EXPAND)
            Expanding(view.itemNew.hItem);
        return true;
    case TVN_DELETEITEMW:
        Deleted(view.itemOld.lParam);
        return true;
    case TVN_BEGINDRAGW:
        DragBegun(view.itemNew.hItem);
        return true;
    }
    return false;
}

} // namespace ui
