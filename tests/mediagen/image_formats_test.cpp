// The picture writers: BMP header fields, row padding and bottom-up order; PNG chunk framing and CRCs
// a viewer checks, stored blocks that add up, and a round emblem; title frames as valid JPEG files
// that decode back to the right size and picture.
#include <gtest/gtest.h>
#include <jpeglib.h>

#include <cstdlib>
#include <string>

#include "bmp_writer.h"
#include "card_art.h"
#include "emblem_art.h"
#include "jpeg_writer.h"
#include "png_writer.h"
#include "test_support.h"
#include "title_art.h"

namespace mediagen {
namespace {
using testing::be32;
using testing::le16;
using testing::le32;

TEST(BmpStride, RowsArePaddedToFourBytes) {
    for (const auto& [width, stride] : {std::pair{1, 4}, {3, 12}, {4, 12}, {5, 16}, {64, 192}})
        EXPECT_EQ(bmp_row_stride(width), stride) << width;
}

// "BM", file size, reserved, pixel offset, info size, width, height (positive: bottom-up), planes,
// bits, no compression, pixel bytes: for a 64x64 card picture too.
TEST(BmpHeader, FieldsDescribeA24BitBottomUpPicture) {
    for (const auto& [w, h] : {std::pair{64, 64}, {5, 3}, {1, 1}}) {
        const Bytes b = encode_bmp(w == 64 ? card_picture(5, 0) : Image(w, h, {1, 2, 3}));
        const std::uint32_t pixels = static_cast<std::uint32_t>(bmp_row_stride(w) * h);
        ASSERT_EQ(b.size(), 54 + pixels) << w;
        EXPECT_EQ((std::vector<std::uint32_t>{b[0], b[1], le32(b, 2), le32(b, 6), le32(b, 10), le32(b, 14),
                                              le32(b, 18), le32(b, 22), le16(b, 26), le16(b, 28), le32(b, 30),
                                              le32(b, 34)}),
                  (std::vector<std::uint32_t>{'B', 'M', 54 + pixels, 0, 54, 40, static_cast<std::uint32_t>(w),
                                              static_cast<std::uint32_t>(h), 1, 24, 0, pixels}))
            << w << "x" << h;
    }
}

TEST(BmpPixels, StoredBgrBottomRowFirstWithZeroPadding) {
    Image img(5, 2, {0, 0, 0});
    img.set(0, 0, {10, 20, 30});  // top-left
    img.set(4, 1, {40, 50, 60});  // bottom-right
    const Bytes b = encode_bmp(img);
    const std::size_t stride = 16;
    // The first stored row is the bottom one, then padding; the second is the top one.
    EXPECT_EQ(Bytes(b.begin() + 54 + 12, b.begin() + 54 + 16), (Bytes{60, 50, 40, 0}));
    EXPECT_EQ(Bytes(b.begin() + 54 + stride, b.begin() + 54 + stride + 3), (Bytes{30, 20, 10}));
    EXPECT_EQ(b[54 + stride + 15], 0);
}

TEST(Png, ChunksCarryTheirLengthsAndCrcs) {
    EXPECT_EQ(png_crc32(reinterpret_cast<const std::uint8_t*>("IEND"), 4), 0xAE426082u);
    for (const int size : {1, 200}) {  // 200: more than one stored block
        RgbaImage img{size, size, Bytes(static_cast<std::size_t>(size * size * 4), 0x7F)};
        const Bytes png = encode_png(img);
        ASSERT_EQ(png[1], 'P');
        EXPECT_EQ(be32(png, 8), 13u);  // IHDR
        EXPECT_EQ(be32(png, 16), static_cast<std::uint32_t>(size));
        EXPECT_EQ(png[24], 8);
        EXPECT_EQ(png[25], 6);
        std::size_t at = 8, raw = 0;
        for (int chunk = 0; chunk < 3; ++chunk) {
            const std::uint32_t len = be32(png, at);
            EXPECT_EQ(png_crc32(&png[at + 4], len + 4), be32(png, at + 8 + len))
                << size << " chunk " << chunk;
            if (chunk == 1) {  // IDAT: zlib header, stored blocks, Adler-32
                for (std::size_t b = at + 10; b < at + 8 + len - 4;) {
                    const std::size_t n = png[b + 1] | (png[b + 2] << 8);
                    EXPECT_EQ(n ^ (png[b + 3] | (png[b + 4] << 8)), 0xFFFFu);
                    raw += n;
                    b += 5 + n;
                }
            }
            at += 12 + len;
        }
        EXPECT_EQ(at, png.size());
        EXPECT_EQ(raw, static_cast<std::size_t>(size * (size * 4 + 1)));
    }
}

TEST(Emblem, IsRoundWithClearCornersAndASolidMiddle) {
    const RgbaImage e = emblem_picture(64);
    const auto alpha = [&e](int x, int y) { return e.rgba[static_cast<std::size_t>((y * 64 + x) * 4 + 3)]; };
    for (const auto& [x, y] : {std::pair{0, 0}, {63, 0}, {0, 63}, {63, 63}})
        EXPECT_EQ(alpha(x, y), 0) << x << "," << y;
    for (const auto& [x, y] : {std::pair{32, 32}, {32, 4}, {10, 32}})
        EXPECT_EQ(alpha(x, y), 255) << x << "," << y;
}

// Decodes with libjpeg into an RGB image (0x0 on failure).
Image decode_jpeg(const Bytes& bytes) {
    jpeg_decompress_struct cinfo{};
    jpeg_error_mgr jerr{};
    cinfo.err = jpeg_std_error(&jerr);
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, bytes.data(), static_cast<unsigned long>(bytes.size()));
    if (jpeg_read_header(&cinfo, TRUE) != JPEG_HEADER_OK) {
        jpeg_destroy_decompress(&cinfo);
        return Image(0, 0);
    }
    cinfo.out_color_space = JCS_RGB;
    jpeg_start_decompress(&cinfo);
    Image img(static_cast<int>(cinfo.output_width), static_cast<int>(cinfo.output_height));
    std::vector<JSAMPLE> row(cinfo.output_width * 3);
    while (cinfo.output_scanline < cinfo.output_height) {
        const int y = static_cast<int>(cinfo.output_scanline);
        JSAMPROW rows[1] = {row.data()};
        jpeg_read_scanlines(&cinfo, rows, 1);
        for (int x = 0; x < img.width(); ++x)
            img.set(x, y,
                    {row[static_cast<std::size_t>(x * 3)], row[static_cast<std::size_t>(x * 3 + 1)],
                     row[static_cast<std::size_t>(x * 3 + 2)]});
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    return img;
}

// Mean absolute channel difference between two same-sized images.
double mean_difference(const Image& a, const Image& b) {
    double sum = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const Rgb p = a.at(x, y), q = b.at(x, y);
            sum += std::abs(p.r - q.r) + std::abs(p.g - q.g) + std::abs(p.b - q.b);
        }
    return sum / (3.0 * a.width() * a.height());
}

// Every title frame is a JPEG that decodes to the title size and keeps the picture; neighbouring
// frames differ, but only slightly.
TEST(TitleAnimation, FramesAreJpegsThatDifferOnlySlightly) {
    for (int phase = 0; phase < kTitleFrames; ++phase) {
        SCOPED_TRACE(phase);
        const Image source = title_frame(phase);
        const Bytes b = encode_jpeg(source, 90);
        ASSERT_GT(b.size(), 4u);
        EXPECT_EQ((Bytes{b[0], b[1], b[b.size() - 2], b[b.size() - 1]}),
                  (Bytes{0xFF, 0xD8, 0xFF, 0xD9}));  // SOI, EOI
        const Image back = decode_jpeg(b);
        ASSERT_EQ(std::pair(back.width(), back.height()), std::pair(kTitleWidth, kTitleHeight));
        EXPECT_LT(mean_difference(source, back), 4.0) << "quality ~90 keeps the picture";
        const double d = mean_difference(source, title_frame((phase + 1) % kTitleFrames));
        EXPECT_GT(d, 0.2) << "the next frame is identical";
        EXPECT_LT(d, 12.0) << "a slow animation does not jump";
    }
}

}  // namespace
}  // namespace mediagen
