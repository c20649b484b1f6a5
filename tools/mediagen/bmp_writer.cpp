#include "bmp_writer.h"

namespace mediagen {

namespace {
constexpr std::uint32_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kPixelsPerMetre = 2835;  // 72 dpi
}  // namespace

// Three bytes a pixel, rounded up to whole 32-bit words as the format requires.
int bmp_row_stride(int width) { return (width * 3 + 3) / 4 * 4; }

// Headers, then rows from the bottom up in BGR order with zero padding.
Bytes encode_bmp(const Image& img) {
    const int stride = bmp_row_stride(img.width());
    const std::uint32_t pixel_bytes = static_cast<std::uint32_t>(stride * img.height());
    const std::uint32_t offset = kFileHeaderSize + kInfoHeaderSize;
    Bytes out;
    out.reserve(offset + pixel_bytes);
    put_tag(out, "BM");
    put_le(out, offset + pixel_bytes, 4);  // file size
    put_le(out, 0, 4);                     // two reserved words
    put_le(out, offset, 4);                // where the pixels start
    put_le(out, kInfoHeaderSize, 4);
    put_le(out, static_cast<std::uint32_t>(img.width()), 4);
    put_le(out, static_cast<std::uint32_t>(img.height()), 4);  // positive: bottom-up
    put_le(out, 1, 2);                                          // planes
    put_le(out, 24, 2);                                         // bits per pixel
    put_le(out, 0, 4);                                          // BI_RGB, no compression
    put_le(out, pixel_bytes, 4);
    put_le(out, kPixelsPerMetre, 4);
    put_le(out, kPixelsPerMetre, 4);
    put_le(out, 0, 4);  // palette colours used
    put_le(out, 0, 4);  // important colours
    for (int y = img.height() - 1; y >= 0; --y) {
        for (int x = 0; x < img.width(); ++x) {
            const Rgb c = img.at(x, y);
            out.push_back(c.b);
            out.push_back(c.g);
            out.push_back(c.r);
        }
        for (int pad = img.width() * 3; pad < stride; ++pad) out.push_back(0);
    }
    return out;
}

}  // namespace mediagen
