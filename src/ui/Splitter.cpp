#include "ui/Splitter.h"

#include <algorithm>

namespace ui {

bool Splitter::Vertical() const { return GetAlign() == Align::Left || GetAlign() == Align::Right; }

Control* Splitter::Target() const {
    if (!Parent())
        return nullptr;
    for (auto& sibling : Parent()->Children()) {
        Control* c = sibling.get();
        if (c == this || !c->Visible() || c->GetAlign() != GetAlign())
            continue;
        bool touches = (GetAlign() == Align::Right && c->Left() == Left() + Width()) ||
                       (GetAlign() == Align::Left && c->Left() + c->Width() == Left()) ||
                       (GetAlign() == Align::Top && c->Top() + c->Height() == Top()) ||
                       (GetAlign() == Align::Bottom && c->Top() == Top() + Height());
        if (touches)
            return c;
    }
    return nullptr;
}

int Splitter::ClientSpace() const {
    for (auto& sibling : Parent()->Children()) {
        if (sibling->GetAlign() == Align::Client && sibling->Visible())
            return Vertical() ? sibling->Width() : sibling->Height();
    }
    return 0;
}

int Splitter::Clamp(int size) const {
    int largest = std::max(startSize_ + ClientSpace() - MinSize, MinSize);
    return std::clamp(size, MinSize, largest);
}

void Splitter::BeginDrag(POINT at) {
    target_ = Target();
    if (!target_)
        return;
    startMouse_ = Vertical() ? at.x : at.y;
    startSize_ = newSize_ = Vertical() ? target_->Width() : target_->Height();
    SetCapture(HandleIfCreated());
    DrawLine();
}

void Splitter::Track(POINT at) {
    int delta = (Vertical() ? at.x : at.y) - startMouse_;
    // Dragging towards the neighbour makes it smaller.
    bool growsWithDelta = GetAlign() == Align::Left || GetAlign() == Align::Top;
    int size = Clamp(startSize_ + (growsWithDelta ? delta : -delta));
    if (size == newSize_)
        return;
    DrawLine();
    newSize_ = size;
    DrawLine();
}

void Splitter::EndDrag(bool apply) {
    if (!target_)
        return;
    DrawLine();
    Control* target = target_;
    target_ = nullptr;
    if (GetCapture() == HandleIfCreated())
        ReleaseCapture();
    if (!apply || newSize_ == startSize_)
        return;
    Bounds b = target->GetBounds();
    if (Vertical())
        b.Width = newSize_;
    else
        b.Height = newSize_;
    target->SetBounds(b);
}

// Where the splitter would sit with the new size, in parent coordinates.
int Splitter::LinePosition() const {
    int change = newSize_ - startSize_;
    switch (GetAlign()) {
    case Align::Right:
        return Left() - change;
    case Align::Left:
        return Left() + change;
    case Align::Bottom:
        return Top() - change;
    default:
        return Top() + change;
    }
}

void Splitter::DrawLine() const {
    HWND parent = Parent()->HandleIfCreated();
    HDC dc = GetDCEx(parent, nullptr, DCX_CACHE | DCX_LOCKWINDOWUPDATE);
    int pos = LinePosition();
    if (Vertical())
        PatBlt(dc, pos, Top(), Width(), Height(), PATINVERT);
    else
        PatBlt(dc, Left(), pos, Width(), Height(), PATINVERT);
    ReleaseDC(parent, dc);
}

LRESULT Splitter::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    auto parentPoint = [&] {
        POINT p{static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))};
        MapWindowPoints(HandleIfCreated(), Parent()->HandleIfCreated(), &p, 1);
        return p;
    };
    switch (msg) {
    case WM_SETCURSOR:
        if (Resizable && LOWORD(lp) == HTCLIENT) {
            SetCursor(LoadCursorW(nullptr, Vertical() ? IDC_SIZEWE : IDC_SIZENS));
            return TRUE;
        }
        break;
    case WM_LBUTTONDOWN:
        if (Resizable)
            BeginDrag(parentPoint());
        return 0;
    case WM_MOUSEMOVE:
        if (target_)
            Track(parentPoint());
        return 0;
    case WM_LBUTTONUP:
        EndDrag(true);
        return 0;
    case WM_CAPTURECHANGED:
        EndDrag(false);
        return 0;
    }
    return WinControl::HandleMessage(msg, wp, lp);
}

} // namespace ui
