#pragma once

#include "swf/Surface.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace tools {

// An RGBA image, 8 bits a channel, straight alpha, rows top-down.
struct Image {
    int Width = 0, Height = 0;
    std::vector<uint8_t> Rgba;
};

// The pixels of a surface (premultiplied ARGB) as straight RGBA.
Image FromSurface(const swf::Surface& surface);

// Throws std::runtime_error with a short reason.
void WritePng(const std::filesystem::path& path, const Image& image);
Image ReadPng(const std::filesystem::path& path);

} // namespace tools
