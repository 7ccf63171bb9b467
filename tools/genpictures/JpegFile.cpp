#include "JpegFile.h"

#include <cstdio>
#include <cstdlib>
#include <jpeglib.h>
#include <memory>

namespace genpictures {
namespace {

// Only our own pictures come here: a failure is a broken build tool.
[[noreturn]] void Fail(j_common_ptr info) {
    (*info->err->output_message)(info);
    std::exit(1);
}

} // namespace

std::vector<uint8_t> EncodeJpeg(const Canvas& canvas, int quality) {
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    errors.error_exit = Fail;
    jpeg_create_compress(&info);
    std::unique_ptr<jpeg_compress_struct, void (*)(jpeg_compress_struct*)> guard(&info,
                                                                                 jpeg_destroy_compress);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = static_cast<JDIMENSION>(canvas.Width);
    info.image_height = static_cast<JDIMENSION>(canvas.Height);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    jpeg_start_compress(&info, TRUE);
    std::vector<JSAMPLE> row(size_t(canvas.Width) * 3);
    for (int y = 0; y < canvas.Height; ++y) {
        for (int x = 0; x < canvas.Width; ++x) {
            uint32_t p = canvas.Pixels[size_t(y) * size_t(canvas.Width) + size_t(x)];
            row[size_t(x) * 3] = static_cast<JSAMPLE>(p >> 16);
            row[size_t(x) * 3 + 1] = static_cast<JSAMPLE>(p >> 8);
            row[size_t(x) * 3 + 2] = static_cast<JSAMPLE>(p);
        }
        JSAMPROW rows[] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    std::vector<uint8_t> file(buffer, buffer + size);
    free(buffer);
    return file;
}

} // namespace genpictures
