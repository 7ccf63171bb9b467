#include "controls/BackGround.h"

#include "controls/BackgroundFills.h"
#include "controls/DibPixelSurface.h"

#include <algorithm>

namespace controls {

namespace {

// One id for every background: a window takes the hook of the first only.
constexpr UINT_PTR kBackgroundHookId = 0x4B464247;

void CopyPicture(const TMediaBitmap& from, TMediaBitmap& to) {
    to = TMediaBitmap();
    if (from.IsEmpty())
        return;
    to.SetSize(from.Width(), from.Height());
    for (int y = 0; y < from.Height(); ++y)
        std::copy(from.Row(y).begin(), from.Row(y).end(), to.Row(y).begin());
    to.SetPerPixelAlpha(from.PerPixelAlpha());
}

} // namespace

TBackGround::TBackGround()
    : fill_(FindFill(kColorFillName)), dark_(clBtnShadow), light_(clBtnHighlight),
      hook_(kBackgroundHookId,
            [this](UINT msg, WPARAM wp, LPARAM lp) { return HandleParentMessage(msg, wp, lp); }) {
    SetParentColor(true);
    SetAlign(ui::Align::Client);
}

void TBackGround::SetFillType(std::wstring_view name) {
    const TFillEntry* entry = FindFill(name);
    if (!entry || entry == fill_)
        return;
    fill_ = entry;
    Changed();
}

void TBackGround::SetFillColorNormal(ui::TColor color) {
    if (color != Color())
        SetColor(color); // stops following the parent
}

void TBackGround::SetFillColorDark(ui::TColor color) {
    if (color == dark_)
        return;
    dark_ = color;
    Changed();
}

void TBackGround::SetFillColorLight(ui::TColor color) {
    if (color == light_)
        return;
    light_ = color;
    Changed();
}

void TBackGround::SetFillBitmap(const TMediaBitmap& picture) {
    CopyPicture(picture, bitmap_);
    Changed();
}

void TBackGround::SetFillCached(bool cached) {
    if (cached == FillCached())
        return;
    if (!cached) {
        cache_.reset();
        return;
    }
    cache_ = std::make_unique<TFillCache>();
    cache_->Update({Width(), Height()}, *fill_, Colors(), &bitmap_);
}

void TBackGround::Changed() {
    if (cache_)
        cache_->MarkDirty();
    InvalidateInParent();
}

void TBackGround::BoundsChanged() { AttachToParent(); }

void TBackGround::Paint(HDC dc) {
    AttachToParent();
    // "Nothing" must leave the parent's own painting alone.
    if (fill_->proc == NoFill || Width() <= 0 || Height() <= 0)
        return;
    if (cache_)
        PaintCached(dc);
    else
        PaintDirect(dc);
}

// Only the part the paint asks for is drawn, so that a small repaint of a
// large background stays cheap.
void TBackGround::PaintDirect(HDC dc) const {
    RECT clip;
    if (GetClipBox(dc, &clip) == ERROR)
        return;
    TRect area = Intersect({clip.left, clip.top, clip.right, clip.bottom}, {0, 0, Width(), Height()});
    if (area.IsEmpty())
        return;
    TMediaBitmap scratch;
    scratch.SetSize(area.Width(), area.Height());
    DrawFill(*fill_, scratch, {-area.left, -area.top, Width() - area.left, Height() - area.top}, Colors(),
             &bitmap_);
    DrawBitmap(scratch, dc, area.left, area.top);
}

void TBackGround::PaintCached(HDC dc) {
    TMediaBitmap& picture = cache_->Update({Width(), Height()}, *fill_, Colors(), &bitmap_);
    if (HDC source = BitmapDc(picture)) {
        GdiFlush();
        BitBlt(dc, 0, 0, Width(), Height(), source, 0, 0, SRCCOPY);
    }
}

// Placed on a parent whose window exists: hook it, unless another
// background already does.
void TBackGround::AttachToParent() {
    ui::WinControl* parent = Parent();
    if (parent == attachedTo_)
        return;
    attachedTo_ = parent;
    hook_.Remove();
    if (parent && parent->HandleAllocated())
        hook_.Install(parent->HandleIfCreated());
}

std::optional<LRESULT> TBackGround::HandleParentMessage(UINT msg, WPARAM, LPARAM) {
    if (msg == WM_ERASEBKGND && Visible())
        return 1; // the fill paints over all of it
    return std::nullopt;
}

} // namespace controls
