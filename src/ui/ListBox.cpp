#include "ui/ListBox.h"

#include "ui/Handles.h"

namespace ui {

ListBox::ListBox() {
    TabStop = true;
    SetColor(0xFF000000 | COLOR_WINDOW);
}

WinControl::CreateParams ListBox::GetCreateParams() const {
    CreateParams cp;
    cp.ClassName = L"LISTBOX";
    cp.Style = WS_CHILD | WS_CLIPSIBLINGS | WS_VSCROLL | LBS_NOTIFY | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS |
               LBS_NOINTEGRALHEIGHT;
    cp.ExStyle = WS_EX_CLIENTEDGE;
    return cp;
}

void ListBox::HandleCreated() {
    SendMessageW(HandleIfCreated(), LB_SETITEMHEIGHT, 0, itemHeight_);
    FillWindow();
}

void ListBox::FillWindow() {
    HWND window = HandleIfCreated();
    if (!window)
        return;
    SendMessageW(window, WM_SETREDRAW, FALSE, 0);
    SendMessageW(window, LB_RESETCONTENT, 0, 0);
    for (const std::wstring& item : items_)
        SendMessageW(window, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
    SendMessageW(window, LB_SETCURSEL, static_cast<WPARAM>(itemIndex_), 0);
    SendMessageW(window, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(window, nullptr, TRUE);
}

void ListBox::SetItems(std::vector<std::wstring> items) {
    items_ = std::move(items);
    itemIndex_ = -1;
    FillWindow();
}

int ListBox::ItemIndex() const {
    if (HWND window = HandleIfCreated())
        return static_cast<int>(SendMessageW(window, LB_GETCURSEL, 0, 0));
    return itemIndex_;
}

void ListBox::SetItemIndex(int index) {
    itemIndex_ = index >= 0 && index < Count() ? index : -1;
    if (HWND window = HandleIfCreated())
        SendMessageW(window, LB_SETCURSEL, static_cast<WPARAM>(itemIndex_), 0);
}

void ListBox::SetItemHeight(int height) {
    itemHeight_ = height;
    if (HWND window = HandleIfCreated()) {
        SendMessageW(window, LB_SETITEMHEIGHT, 0, height);
        Invalidate();
    }
}

bool ListBox::HandleReflected(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    if (msg == WM_COMMAND) {
        if (HIWORD(wp) == LBN_DBLCLK && OnDblClick)
            OnDblClick();
        result = 0;
        return true;
    }
    if (msg == WM_DRAWITEM) {
        auto& item = *reinterpret_cast<DRAWITEMSTRUCT*>(lp);
        int index = static_cast<int>(item.itemID);
        if (index >= 0 && index < Count())
            DrawItem(item.hDC, index, item.rcItem, (item.itemState & ODS_SELECTED) != 0);
        result = TRUE;
        return true;
    }
    return false;
}

void ListBox::DrawItem(HDC dc, int index, const RECT& rect, bool selected) {
    BrushHandle brush(CreateSolidBrush(selected ? GetSysColor(COLOR_HIGHLIGHT) : ColorToRgb(Color())));
    FillRect(dc, &rect, brush.get());
    SelectObjectScope font(dc, FontFor(Font()));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, selected ? GetSysColor(COLOR_HIGHLIGHTTEXT) : ColorToRgb(Font().Color));
    // The name sits 2 pixels in, centred on the height of "Pp".
    SIZE sample{};
    GetTextExtentPoint32W(dc, L"Pp", 2, &sample);
    int top = rect.top + (rect.bottom - rect.top - sample.cy) / 2;
    const std::wstring& item = items_[static_cast<size_t>(index)];
    ExtTextOutW(dc, rect.left + 2, top, ETO_CLIPPED, &rect, item.c_str(), static_cast<UINT>(item.size()),
                nullptr);
}

} // namespace ui
