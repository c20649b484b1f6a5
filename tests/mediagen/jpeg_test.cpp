// Title frames: valid JPEG files that decode back to the right size and picture.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include <jpeglib.h>

#include "jpeg_writer.h"
#include "title_art.h"

namespace mediagen {
namespace {

// Decodes with libjpeg into an RGB image (0x0 on failure).
Image decode(const Bytes& bytes) {
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
            img.set(x, y, {row[static_cast<std::size_t>(x * 3)], row[static_cast<std::size_t>(x * 3 + 1)],
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

class TitleFrame : public ::testing::TestWithParam<int> {};

TEST_P(TitleFrame, IsAJpegThatDecodesToTheTitleSize) {
    const Image source = title_frame(GetParam());
    const Bytes b = encode_jpeg(source, 90);
    ASSERT_GT(b.size(), 4u);
    EXPECT_EQ((Bytes{b[0], b[1], b[b.size() - 2], b[b.size() - 1]}), (Bytes{0xFF, 0xD8, 0xFF, 0xD9}));  // SOI, EOI
    const Image back = decode(b);
    ASSERT_EQ(std::pair(back.width(), back.height()), std::pair(kTitleWidth, kTitleHeight));
    EXPECT_LT(mean_difference(source, back), 4.0) << "quality ~90 keeps the picture";
}

INSTANTIATE_TEST_SUITE_P(Phases, TitleFrame, ::testing::Range(0, kTitleFrames));

// Neighbouring frames differ, but only slightly; encoding is repeatable.
TEST(TitleAnimation, FramesDifferButOnlySlightly) {
    for (int phase = 0; phase < kTitleFrames; ++phase) {
        const Image a = title_frame(phase), b = title_frame((phase + 1) % kTitleFrames);
        const double d = mean_difference(a, b);
        EXPECT_GT(d, 0.2) << "frames " << phase << " and next are identical";
        EXPECT_LT(d, 12.0) << "a slow animation does not jump";
    }
    EXPECT_EQ(encode_jpeg(title_frame(1)), encode_jpeg(title_frame(1)));
}

}  // namespace
}  // namespace mediagen
