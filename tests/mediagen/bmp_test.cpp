// BMP writer: header fields, row padding and bottom-up order.
#include <gtest/gtest.h>

#include "bmp_writer.h"
#include "card_art.h"
#include "test_support.h"

namespace mediagen {
namespace {
using testing::le16;
using testing::le32;

struct StrideCase {
    int width, stride;
};
class BmpStride : public ::testing::TestWithParam<StrideCase> {};

TEST_P(BmpStride, RowsArePaddedToFourBytes) { EXPECT_EQ(bmp_row_stride(GetParam().width), GetParam().stride); }

INSTANTIATE_TEST_SUITE_P(Widths, BmpStride,
                         ::testing::Values(StrideCase{1, 4}, StrideCase{2, 8}, StrideCase{3, 12},
                                           StrideCase{4, 12}, StrideCase{5, 16}, StrideCase{63, 192},
                                           StrideCase{64, 192}));

struct SizeCase {
    int width, height;
};
class BmpHeader : public ::testing::TestWithParam<SizeCase> {};

TEST_P(BmpHeader, FieldsDescribeA24BitBottomUpPicture) {
    const auto [w, h] = GetParam();
    const Bytes b = encode_bmp(Image(w, h, {1, 2, 3}));
    const std::uint32_t stride = static_cast<std::uint32_t>(bmp_row_stride(w));
    ASSERT_GE(b.size(), 54u);
    EXPECT_EQ(b[0], 'B');
    EXPECT_EQ(b[1], 'M');
    EXPECT_EQ(le32(b, 2), b.size());
    EXPECT_EQ(b.size(), 54 + stride * static_cast<std::uint32_t>(h));
    EXPECT_EQ(le32(b, 6), 0u);
    EXPECT_EQ(le32(b, 10), 54u);
    EXPECT_EQ(le32(b, 14), 40u);
    EXPECT_EQ(le32(b, 18), static_cast<std::uint32_t>(w));
    EXPECT_EQ(le32(b, 22), static_cast<std::uint32_t>(h));  // positive height: bottom-up
    EXPECT_EQ(le16(b, 26), 1u);
    EXPECT_EQ(le16(b, 28), 24u);
    EXPECT_EQ(le32(b, 30), 0u);
    EXPECT_EQ(le32(b, 34), stride * static_cast<std::uint32_t>(h));
}

INSTANTIATE_TEST_SUITE_P(Sizes, BmpHeader,
                         ::testing::Values(SizeCase{64, 64}, SizeCase{5, 3}, SizeCase{1, 1}, SizeCase{7, 2}));

TEST(BmpPixels, StoredBgrBottomRowFirstWithZeroPadding) {
    Image img(5, 2, {0, 0, 0});
    img.set(0, 0, {10, 20, 30});  // top-left
    img.set(4, 1, {40, 50, 60});  // bottom-right
    const Bytes b = encode_bmp(img);
    const std::size_t stride = 16;
    // First stored row is the bottom one.
    EXPECT_EQ(b[54 + 12], 60);
    EXPECT_EQ(b[54 + 13], 50);
    EXPECT_EQ(b[54 + 14], 40);
    EXPECT_EQ(b[54 + 15], 0);  // padding
    // Second stored row is the top one.
    EXPECT_EQ(b[54 + stride + 0], 30);
    EXPECT_EQ(b[54 + stride + 1], 20);
    EXPECT_EQ(b[54 + stride + 2], 10);
    EXPECT_EQ(b[54 + stride + 15], 0);
}

TEST(BmpPixels, CardPictureIs64By64With12342Bytes) {
    const Bytes b = encode_bmp(card_picture(5, 0));
    EXPECT_EQ(b.size(), 54u + 192u * 64u);
    EXPECT_EQ(le32(b, 18), 64u);
    EXPECT_EQ(le32(b, 22), 64u);
}

}  // namespace
}  // namespace mediagen
