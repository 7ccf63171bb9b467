#include "ui/ToolBar.h"

#include <algorithm>

namespace ui {

ToolButton::ToolButton(ToolBar& bar, std::wstring name, int id)
    : bar_(bar), name_(std::move(name)), id_(id) {}

void ToolButton::ActionChanged(const Action& action) {
    down_ = action.Checked();
    enabled_ = action.Enabled();
    bar_.Rebuild();
}

void ToolButton::SetDown(bool down) {
    down_ = down;
    bar_.Rebuild();
}

void ToolButton::SetVisible(bool visible) {
    visible_ = visible;
    bar_.Rebuild();
}

void ToolButton::Click() {
    if (LinkedAction())
        LinkedAction()->Execute();
    else if (OnClick)
        OnClick();
}

ToolButton& ToolBar::AddButton(std::wstring name) {
    int id = static_cast<int>(buttons_.size()) + 1;
    buttons_.push_back(std::make_unique<ToolButton>(*this, std::move(name), id));
    Rebuild();
    return *buttons_.back();
}

ToolButton* ToolBar::Find(const std::wstring& name) const {
    auto it = std::find_if(buttons_.begin(), buttons_.end(), [&](auto& b) { return b->Name() == name; });
    return it == buttons_.end() ? nullptr : it->get();
}

void ToolBar::SetImages(const ImageList* images) {
    images_ = images;
    Rebuild();
}

int ToolBar::ShownButtonCount() const {
    HWND window = HandleIfCreated();
    return window ? static_cast<int>(SendMessageW(window, TB_BUTTONCOUNT, 0, 0)) : 0;
}

WinControl::CreateParams ToolBar::GetCreateParams() const {
    CreateParams cp;
    cp.ClassName = TOOLBARCLASSNAMEW;
    cp.Style = WS_CHILD | WS_CLIPSIBLINGS | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_NODIVIDER | CCS_NORESIZE |
               CCS_NOPARENTALIGN;
    return cp;
}

void ToolBar::HandleCreated() {
    HWND window = HandleIfCreated();
    SendMessageW(window, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    // No text rows: a button's string serves as its tool tip.
    SendMessageW(window, TB_SETMAXTEXTROWS, 0, 0);
    Rebuild();
}

// The native toolbar mirrors the buttons that are visible now.
void ToolBar::Rebuild() {
    HWND window = HandleIfCreated();
    if (!window)
        return;
    while (SendMessageW(window, TB_BUTTONCOUNT, 0, 0) > 0)
        SendMessageW(window, TB_DELETEBUTTON, 0, 0);
    if (images_) {
        SendMessageW(window, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images_->Handle()));
        SendMessageW(window, TB_SETBITMAPSIZE, 0, MAKELPARAM(images_->Width(), images_->Height()));
    }
    SendMessageW(window, TB_SETBUTTONSIZE, 0, MAKELPARAM(ButtonSize.cx, ButtonSize.cy));
    for (auto& b : buttons_) {
        if (!b->visible_)
            continue;
        TBBUTTON tb{};
        tb.iBitmap = b->ImageIndex >= 0 ? b->ImageIndex : I_IMAGENONE;
        tb.idCommand = b->Id();
        tb.fsState =
            static_cast<BYTE>((b->enabled_ ? TBSTATE_ENABLED : 0) | (b->down_ ? TBSTATE_CHECKED : 0));
        tb.fsStyle = BTNS_BUTTON;
        tb.iString = reinterpret_cast<INT_PTR>(b->Hint.c_str());
        SendMessageW(window, TB_ADDBUTTONSW, 1, reinterpret_cast<LPARAM>(&tb));
    }
    SendMessageW(window, TB_SETBUTTONSIZE, 0, MAKELPARAM(ButtonSize.cx, ButtonSize.cy));
}

bool ToolBar::HandleReflected(UINT msg, WPARAM wp, LPARAM, LRESULT& result) {
    if (msg != WM_COMMAND)
        return false;
    int id = LOWORD(wp);
    auto it = std::find_if(buttons_.begin(), buttons_.end(), [&](auto& b) { return b->Id() == id; });
    if (it != buttons_.end())
        (*it)->Click();
    result = 0;
    return true;
}

} // namespace ui
