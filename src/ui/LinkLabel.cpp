#include "ui/LinkLabel.h"

#include "ui/Application.h"

#include <shellapi.h>

namespace ui {

TColor LinkLabel::TextColor() const {
    if (hovered_)
        return HoverColor;
    return visited_ ? VisitedColor : Font().Color;
}

void LinkLabel::SetHovered(bool hovered) {
    if (hovered == hovered_)
        return;
    hovered_ = hovered;
    Invalidate();
}

void LinkLabel::Click() {
    if (OnClick)
        App().Guard(OnClick);
    // The caption itself, quietly: no box from the shell when it names
    // nothing it can open.
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = SEE_MASK_FLAG_NO_UI;
    info.hwnd = HandleIfCreated();
    info.lpVerb = L"open";
    info.lpFile = Text().c_str();
    info.nShow = SW_SHOWNORMAL;
    if (ShellExecuteExW(&info)) {
        visited_ = true;
        Invalidate();
    }
}

LRESULT LinkLabel::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_SETCURSOR:
        SetCursor(LoadCursorW(nullptr, IDC_HAND));
        return TRUE;
    case WM_MOUSEMOVE:
        if (!hovered_) {
            TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, HandleIfCreated(), 0};
            TrackMouseEvent(&track);
        }
        SetHovered(true);
        return 0;
    case WM_MOUSELEAVE:
        SetHovered(false);
        return 0;
    case WM_LBUTTONUP:
        Click();
        return 0;
    }
    return ShadowLabel::HandleMessage(msg, wp, lp);
}

} // namespace ui
