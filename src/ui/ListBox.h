#pragma once

#include "ui/WinControl.h"

#include <functional>
#include <string>
#include <vector>

namespace ui {

// A system list box of text items, drawn by the control itself (all rows of
// one height). At most one item is selected.
class ListBox : public WinControl {
public:
    ListBox();

    const std::vector<std::wstring>& Items() const { return items_; }
    int Count() const { return static_cast<int>(items_.size()); }
    // Replaces every item; nothing is selected afterwards.
    void SetItems(std::vector<std::wstring> items);
    void Clear() { SetItems({}); }

    // -1 when nothing is selected.
    int ItemIndex() const;
    void SetItemIndex(int index);

    int ItemHeight() const { return itemHeight_; }
    void SetItemHeight(int height);

    std::function<void()> OnDblClick;

protected:
    CreateParams GetCreateParams() const override;
    void HandleCreated() override;
    bool HandleReflected(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

    // Draws one row into rect; the default fills it and writes the text.
    virtual void DrawItem(HDC dc, int index, const RECT& rect, bool selected);

private:
    void FillWindow();

    std::vector<std::wstring> items_;
    int itemIndex_ = -1; // kept while there is no window
    int itemHeight_ = 16;
};

} // namespace ui
