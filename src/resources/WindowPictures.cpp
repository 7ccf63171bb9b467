#include "resources/WindowPictures.h"

#include "swf/JpegDecoder.h"
#include "ui/Text.h"

#include <cstring>
#include <stdexcept>

namespace resources {
namespace {

std::span<const uint8_t> ResourceBytes(const wchar_t* name) {
    HRSRC found = FindResourceW(nullptr, name, RT_RCDATA);
    HGLOBAL loaded = found ? LoadResource(nullptr, found) : nullptr;
    const void* data = loaded ? LockResource(loaded) : nullptr;
    if (!data)
        throw std::runtime_error("the picture \"" + ui::Narrow(name) + "\" is missing from the program");
    return {static_cast<const uint8_t*>(data), SizeofResource(nullptr, found)};
}

} // namespace

ui::BitmapHandle LoadJpegPicture(const wchar_t* name) {
    swf::Bitmap picture = swf::DecodeJpeg({}, ResourceBytes(name));
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), picture.Width, -picture.Height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    ui::BitmapHandle bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap)
        throw std::runtime_error("no memory for the picture \"" + ui::Narrow(name) + "\"");
    // A JPEG is opaque: its pixels are already what the screen shows.
    std::memcpy(bits, picture.Pixels.data(), picture.Pixels.size() * sizeof(uint32_t));
    return bitmap;
}

ui::IconHandle LoadIconPicture(const wchar_t* name, int size) {
    auto icon = static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), name, IMAGE_ICON, size, size, 0));
    if (!icon)
        throw std::runtime_error("the icon \"" + ui::Narrow(name) + "\" is missing from the program");
    return ui::IconHandle(icon);
}

} // namespace resources
