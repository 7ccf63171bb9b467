#include "swf/JpegDecoder.h"

#include "swf/BitmapDecoder.h"
#include "swf/Error.h"

// clang-format off
#include <cstdio>
#include <jpeglib.h>
// clang-format on

#include <csetjmp>
#include <cstring>
#include <memory>

namespace swf {
namespace {

constexpr uint8_t Marker = 0xff, Soi = 0xd8, Eoi = 0xd9, Sos = 0xda;

// Copies the marker segments before the scan, leaving out SOI and EOI.
// Returns where the scan starts, or the data size when there is none.
size_t CopyHeaderSegments(std::span<const uint8_t> data, std::vector<uint8_t>& out) {
    size_t i = 0;
    while (i + 1 < data.size()) {
        if (data[i] != Marker) {
            ++i;
            continue;
        }
        uint8_t code = data[i + 1];
        if (code == Marker) {
            ++i;
            continue;
        }
        if (code == Sos)
            return i;
        if (code == Soi || code == Eoi || code == 0x01 || (code >= 0xd0 && code <= 0xd7)) {
            i += 2;
            continue;
        }
        if (i + 3 >= data.size())
            break;
        size_t length = size_t(data[i + 2]) << 8 | data[i + 3];
        size_t end = std::min(data.size(), i + 2 + length);
        out.insert(out.end(), data.begin() + static_cast<std::ptrdiff_t>(i),
                   data.begin() + static_cast<std::ptrdiff_t>(end));
        i = end;
    }
    return data.size();
}

struct ErrorManager {
    jpeg_error_mgr Base;
    std::jmp_buf Jump;
};

void OnError(j_common_ptr info) { std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->Jump, 1); }
void OnMessage(j_common_ptr, int) {}

// Damaged progressive data can announce scan after scan; a real image
// needs a handful.
constexpr int MaxScans = 1000;

void OnProgress(j_common_ptr info) {
    if (info->is_decompressor && reinterpret_cast<j_decompress_ptr>(info)->input_scan_number > MaxScans)
        OnError(info);
}

// libjpeg reports errors by longjmp, so these two steps keep no C++
// objects alive across the calls that can jump.
struct Decoder {
    jpeg_decompress_struct Info;
    ErrorManager Errors;
};

bool ReadHeader(Decoder& d, const std::vector<uint8_t>& stream) {
    if (setjmp(d.Errors.Jump))
        return false;
    jpeg_mem_src(&d.Info, stream.data(), static_cast<unsigned long>(stream.size()));
    jpeg_read_header(&d.Info, TRUE);
    d.Info.out_color_space = JCS_RGB;
    return true;
}

bool ReadRows(Decoder& d, uint8_t* rgb, size_t stride) {
    if (setjmp(d.Errors.Jump))
        return false;
    jpeg_start_decompress(&d.Info);
    if (d.Info.output_components != 3)
        return false;
    while (d.Info.output_scanline < d.Info.output_height) {
        JSAMPROW row = rgb + size_t(d.Info.output_scanline) * stride;
        jpeg_read_scanlines(&d.Info, &row, 1);
    }
    jpeg_finish_decompress(&d.Info);
    return true;
}

} // namespace

std::vector<uint8_t> CleanJpegStream(std::span<const uint8_t> tables, std::span<const uint8_t> image) {
    std::vector<uint8_t> out{Marker, Soi};
    CopyHeaderSegments(tables, out);
    size_t scan = CopyHeaderSegments(image, out);
    out.insert(out.end(), image.begin() + static_cast<std::ptrdiff_t>(scan), image.end());
    if (out.size() < 2 || out[out.size() - 2] != Marker || out.back() != Eoi) {
        out.push_back(Marker);
        out.push_back(Eoi);
    }
    return out;
}

Bitmap DecodeJpeg(std::span<const uint8_t> tables, std::span<const uint8_t> image) {
    std::vector<uint8_t> stream = CleanJpegStream(tables, image);
    auto decoder = std::make_unique<Decoder>();
    decoder->Info.err = jpeg_std_error(&decoder->Errors.Base);
    decoder->Errors.Base.error_exit = OnError;
    decoder->Errors.Base.emit_message = OnMessage;
    jpeg_create_decompress(&decoder->Info);
    jpeg_progress_mgr progress{};
    progress.progress_monitor = OnProgress;
    decoder->Info.progress = &progress;
    struct Destroy {
        Decoder& D;
        ~Destroy() { jpeg_destroy_decompress(&D.Info); }
    } destroy{*decoder};
    if (!ReadHeader(*decoder, stream))
        ThrowDamaged("JPEG image is corrupt");
    int width = static_cast<int>(decoder->Info.image_width),
        height = static_cast<int>(decoder->Info.image_height);
    CheckBitmapSize(width, height);
    std::vector<uint8_t> rgb(size_t(width) * size_t(height) * 3, 0);
    if (!ReadRows(*decoder, rgb.data(), size_t(width) * 3))
        ThrowDamaged("JPEG image is corrupt");
    Bitmap bmp;
    bmp.Width = width;
    bmp.Height = height;
    bmp.Pixels.resize(size_t(width) * size_t(height));
    for (size_t i = 0; i < bmp.Pixels.size(); ++i)
        bmp.Pixels[i] =
            0xff000000u | uint32_t(rgb[i * 3]) << 16 | uint32_t(rgb[i * 3 + 1]) << 8 | rgb[i * 3 + 2];
    return bmp;
}

} // namespace swf
