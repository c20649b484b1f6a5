// PNG writer and the emblem: chunk framing and CRCs a viewer checks, stored blocks that add up,
// and an emblem that is round (clear corners, solid middle).
#include <gtest/gtest.h>

#include "emblem_art.h"
#include "png_writer.h"

namespace mediagen {
namespace {

// A big-endian 32-bit value at `at`.
std::uint32_t be32(const Bytes& b, std::size_t at) {
    return (std::uint32_t{b[at]} << 24) | (std::uint32_t{b[at + 1]} << 16) | (std::uint32_t{b[at + 2]} << 8) | b[at + 3];
}

TEST(Png, ChunksCarryTheirLengthsAndCrcs) {
    EXPECT_EQ(png_crc32(reinterpret_cast<const std::uint8_t*>("IEND"), 4), 0xAE426082u);
    for (const int size : {1, 3, 200}) {  // 200: more than one stored block
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
            EXPECT_EQ(png_crc32(&png[at + 4], len + 4), be32(png, at + 8 + len)) << size << " chunk " << chunk;
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
    for (const auto& [x, y] : {std::pair{0, 0}, {63, 0}, {0, 63}, {63, 63}}) EXPECT_EQ(alpha(x, y), 0) << x << "," << y;
    for (const auto& [x, y] : {std::pair{32, 32}, {32, 4}, {10, 32}}) EXPECT_EQ(alpha(x, y), 255) << x << "," << y;
    EXPECT_EQ(encode_png(emblem_picture()), encode_png(emblem_picture()));
}

}  // namespace
}  // namespace mediagen
