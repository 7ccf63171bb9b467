#include "PngFile.h"

#include "swf/ColorTransform.h"

#include <png.h>

#include <cstdio>
#include <memory>
#include <stdexcept>

namespace tools {
namespace {

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

File Open(const std::filesystem::path& path, const char* mode) {
    File f(std::fopen(path.string().c_str(), mode));
    if (!f)
        throw std::runtime_error("cannot open " + path.string());
    return f;
}

} // namespace

Image FromSurface(const swf::Surface& surface) {
    Image image{surface.Width, surface.Height, {}};
    image.Rgba.reserve(size_t(surface.Width) * size_t(surface.Height) * 4);
    for (int y = 0; y < surface.Height; ++y)
        for (int x = 0; x < surface.Width; ++x) {
            swf::Rgba c = swf::Unpremultiply(surface.Row(y)[x]);
            image.Rgba.insert(image.Rgba.end(), {c.R, c.G, c.B, c.A});
        }
    return image;
}

void WritePng(const std::filesystem::path& path, const Image& image) {
    png_image png{};
    png.version = PNG_IMAGE_VERSION;
    png.width = static_cast<png_uint_32>(image.Width);
    png.height = static_cast<png_uint_32>(image.Height);
    png.format = PNG_FORMAT_RGBA;
    File f = Open(path, "wb");
    if (!png_image_write_to_stdio(&png, f.get(), 0, image.Rgba.data(), 0, nullptr))
        throw std::runtime_error("cannot write " + path.string() + ": " + png.message);
}

Image ReadPng(const std::filesystem::path& path) {
    png_image png{};
    png.version = PNG_IMAGE_VERSION;
    File f = Open(path, "rb");
    if (!png_image_begin_read_from_stdio(&png, f.get()))
        throw std::runtime_error("cannot read " + path.string() + ": " + png.message);
    png.format = PNG_FORMAT_RGBA;
    Image image{static_cast<int>(png.width), static_cast<int>(png.height), {}};
    image.Rgba.resize(PNG_IMAGE_SIZE(png));
    if (!png_image_finish_read(&png, nullptr, image.Rgba.data(), 0, nullptr)) {
        png_image_free(&png);
        throw std::runtime_error("cannot read " + path.string() + ": " + png.message);
    }
    return image;
}

} // namespace tools
