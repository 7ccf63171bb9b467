#include "resources/ProgramPictures.h"

#include "resources/PictureStrip.h"

#include <windows.h>

#include <stdexcept>
#include <string>

namespace resources {
namespace {

PictureStrip LoadStrip(const StripLayout& layout) {
    // Resources of the module live as long as the program; nothing to free.
    HRSRC found = FindResourceW(nullptr, layout.ResourceName, RT_RCDATA);
    HGLOBAL loaded = found ? LoadResource(nullptr, found) : nullptr;
    const void* data = loaded ? LockResource(loaded) : nullptr;
    if (!data)
        throw std::runtime_error(std::string("the pictures \"") + layout.FileName +
                                 "\" are missing from the program");
    return DecodeStrip({static_cast<const uint8_t*>(data), SizeofResource(nullptr, found)}, layout);
}

void LoadInto(ui::ImageList& list, const StripLayout& layout) {
    if (list.Width() != layout.Size || list.Height() != layout.Size)
        throw std::invalid_argument("the image list's pictures are of another size");
    PictureStrip strip = LoadStrip(layout);
    for (int i = 0; i < strip.Count; ++i)
        list.AddPixels(strip.Picture(i).data());
}

} // namespace

void LoadToolbarImages(ui::ImageList& list) { LoadInto(list, ToolbarStrip); }

void LoadTrayImages(ui::ImageList& list) { LoadInto(list, TrayStrip); }

ui::IconHandle LoadButtonGlyph(int index) {
    PictureStrip strip = LoadStrip(GlyphStrip);
    auto pixels = strip.Picture(index);
    int size = strip.Size;
    BITMAPINFO bi{};
    bi.bmiHeader = {sizeof(BITMAPINFOHEADER), size, -size, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    ui::BitmapHandle colour(CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
    ui::BitmapHandle mask(CreateBitmap(size, size, 1, 1, nullptr));
    if (!colour || !mask)
        throw std::runtime_error("Not enough memory for a picture");
    // An icon's colours are straight; the alpha channel alone shapes it.
    auto* out = static_cast<uint32_t*>(bits);
    for (size_t i = 0; i < pixels.size(); ++i)
        out[i] = Unpremultiply(pixels[i]);
    ICONINFO info{TRUE, 0, 0, mask.get(), colour.get()};
    ui::IconHandle icon(CreateIconIndirect(&info));
    if (!icon)
        throw std::runtime_error("Cannot make a button picture");
    return icon;
}

ui::IconHandle LoadProgramIcon(int size) {
    return ui::IconHandle(static_cast<HICON>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1), IMAGE_ICON, size, size, LR_DEFAULTCOLOR)));
}

} // namespace resources
