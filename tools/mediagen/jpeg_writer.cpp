#include "jpeg_writer.h"

#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>

#include <jpeglib.h>

namespace mediagen {

namespace {
// libjpeg's default error handler exits the process; we turn errors into exceptions.
[[noreturn]] void throw_on_error(j_common_ptr cinfo) {
    char message[JMSG_LENGTH_MAX];
    (*cinfo->err->format_message)(cinfo, message);
    throw std::runtime_error(std::string("jpeg: ") + message);
}
}  // namespace

// Compresses row by row into a memory buffer and copies it out.
Bytes encode_jpeg(const Image& img, int quality) {
    jpeg_compress_struct cinfo{};
    jpeg_error_mgr jerr{};
    cinfo.err = jpeg_std_error(&jerr);
    jerr.error_exit = throw_on_error;
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    Bytes out;
    try {
        jpeg_create_compress(&cinfo);
        jpeg_mem_dest(&cinfo, &buffer, &size);
        cinfo.image_width = static_cast<JDIMENSION>(img.width());
        cinfo.image_height = static_cast<JDIMENSION>(img.height());
        cinfo.input_components = 3;
        cinfo.in_color_space = JCS_RGB;
        jpeg_set_defaults(&cinfo);
        jpeg_set_quality(&cinfo, quality, TRUE);
        jpeg_start_compress(&cinfo, TRUE);
        std::vector<JSAMPLE> row(static_cast<std::size_t>(img.width() * 3));
        while (cinfo.next_scanline < cinfo.image_height) {
            const int y = static_cast<int>(cinfo.next_scanline);
            for (int x = 0; x < img.width(); ++x) {
                const Rgb c = img.at(x, y);
                row[static_cast<std::size_t>(x * 3)] = c.r;
                row[static_cast<std::size_t>(x * 3 + 1)] = c.g;
                row[static_cast<std::size_t>(x * 3 + 2)] = c.b;
            }
            JSAMPROW rows[1] = {row.data()};
            jpeg_write_scanlines(&cinfo, rows, 1);
        }
        jpeg_finish_compress(&cinfo);
        out.assign(buffer, buffer + size);
    } catch (...) {
        jpeg_destroy_compress(&cinfo);
        std::free(buffer);
        throw;
    }
    jpeg_destroy_compress(&cinfo);
    std::free(buffer);
    return out;
}

}  // namespace mediagen
