#include "ui/ImageList.h"

#include "ui/Handles.h"

#include <cstring>
#include <stdexcept>

namespace ui {

ImageList::ImageList(int width, int height)
    : width_(width), height_(height), list_(ImageList_Create(width, height, ILC_COLOR32, 4, 4)) {
    if (!list_)
        throw std::runtime_error("Cannot create an image list");
}

int ImageList::AddPixels(const uint32_t* pixels) {
    BITMAPINFO bi{};
    bi.bmiHeader = {sizeof(BITMAPINFOHEADER), width_, -height_, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    BitmapHandle bitmap(CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap)
        throw std::runtime_error("Not enough memory for a picture");
    std::memcpy(bits, pixels, sizeof(uint32_t) * static_cast<size_t>(width_) * static_cast<size_t>(height_));
    int index = ImageList_Add(list_.get(), bitmap.get(), nullptr);
    if (index < 0)
        throw std::runtime_error("Cannot add a picture to an image list");
    return index;
}

} // namespace ui
