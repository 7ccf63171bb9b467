#include "ui/Image.h"

#include "ui/Application.h"

#include <cstdlib>

namespace ui {

void Image::SetPicture(BitmapHandle picture) {
    picture_ = std::move(picture);
    Invalidate();
}

void Image::SetIcon(IconHandle icon) {
    icon_ = std::move(icon);
    Invalidate();
}

void Image::PaintBackground(HDC dc, const RECT& area) {
    WinControl::PaintBackground(dc, area);
    if (icon_)
        DrawIconEx(dc, 0, 0, icon_.get(), 0, 0, 0, nullptr, DI_NORMAL);
    if (!picture_)
        return;
    BITMAP info{};
    GetObjectW(picture_.get(), sizeof info, &info);
    MemoryDcHandle source(CreateCompatibleDC(dc));
    SelectObjectScope select(source.get(), picture_.get());
    BitBlt(dc, 0, 0, info.bmWidth, std::abs(info.bmHeight), source.get(), 0, 0, SRCCOPY);
}

LRESULT Image::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_LBUTTONUP && OnClick) {
        App().Guard(OnClick);
        return 0;
    }
    return WinControl::HandleMessage(msg, wp, lp);
}

} // namespace ui
