// BMP writer: header fields, row padding and bottom-up order.
#include <gtest/gtest.h>

#include "bmp_writer.h"
#include "card_art.h"
#include "test_support.h"

namespace mediagen {
namespace {
using testing::le16;
using testing::le32;

TEST(BmpStride, RowsArePaddedToFourBytes) {
    for (const auto& [width, stride] : {std::pair{1, 4}, {2, 8}, {3, 12}, {4, 12}, {5, 16}, {63, 192}, {64, 192}})
        EXPECT_EQ(bmp_row_stride(width), stride) << width;
}

// "BM", file size, reserved, pixel offset, info size, width, height (positive: bottom-up), planes,
// bits, no compression, pixel bytes: for a 64x64 card picture too.
TEST(BmpHeader, FieldsDescribeA24BitBottomUpPicture) {
    for (const auto& [w, h] : {std::pair{64, 64}, {5, 3}, {1, 1}, {7, 2}}) {
        const Bytes b = encode_bmp(w == 64 ? card_picture(5, 0) : Image(w, h, {1, 2, 3}));
        const std::uint32_t pixels = static_cast<std::uint32_t>(bmp_row_stride(w) * h);
        ASSERT_EQ(b.size(), 54 + pixels) << w;
        EXPECT_EQ((std::vector<std::uint32_t>{b[0], b[1], le32(b, 2), le32(b, 6), le32(b, 10), le32(b, 14), le32(b, 18),
                                              le32(b, 22), le16(b, 26), le16(b, 28), le32(b, 30), le32(b, 34)}),
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

}  // namespace
}  // namespace mediagen
