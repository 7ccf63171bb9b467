#pragma once

#include <windows.h>

#include <commctrl.h>

#include <memory>
#include <type_traits>

namespace ui {

// A list of same-sized 32-bit pictures with alpha, shared by toolbars,
// menus and the tray icon's animation.
class ImageList {
public:
    ImageList(int width, int height);

    int Width() const { return width_; }
    int Height() const { return height_; }
    int Count() const { return ImageList_GetImageCount(list_.get()); }
    HIMAGELIST Handle() const { return list_.get(); }

    // Adds a top-down 0xAARRGGBB picture (premultiplied alpha) of the list's
    // size; returns its index.
    int AddPixels(const uint32_t* pixels);
    // An icon made from picture number index; the caller owns it.
    HICON MakeIcon(int index) const { return ImageList_GetIcon(list_.get(), index, ILD_NORMAL); }

private:
    struct Deleter {
        void operator()(HIMAGELIST list) const { ImageList_Destroy(list); }
    };
    int width_, height_;
    std::unique_ptr<std::remove_pointer_t<HIMAGELIST>, Deleter> list_;
};

} // namespace ui
