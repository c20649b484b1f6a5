// Wave writer and the sound table: headers, lengths, and that each effect is a sound of its own.
#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>

#include "sound_table.h"
#include "test_support.h"
#include "wave_writer.h"

namespace mediagen {
namespace {
using testing::le16;
using testing::le32;

TEST(WavHeader, RiffSizesAndFormatMatchTheSamples) {
    for (const std::size_t n : {0u, 1u, 1103u}) {
        SCOPED_TRACE(n);
        const Bytes b = encode_wav(std::vector<std::int16_t>(n, 0x1234), 22050);
        ASSERT_EQ(b.size(), 44 + 2 * n);
        EXPECT_EQ(std::string(b.begin(), b.begin() + 4) + std::string(b.begin() + 8, b.begin() + 16) +
                      std::string(b.begin() + 36, b.begin() + 40),
                  "RIFFWAVEfmt data");
        // RIFF size, fmt size, PCM, mono, sample rate, byte rate, block align, bits, data size.
        EXPECT_EQ((std::vector<std::uint32_t>{le32(b, 4), le32(b, 16), le16(b, 20), le16(b, 22), le32(b, 24),
                                              le32(b, 28), le16(b, 32), le16(b, 34), le32(b, 40)}),
                  (std::vector<std::uint32_t>{static_cast<std::uint32_t>(36 + 2 * n), 16, 1, 1, 22050, 44100,
                                              2, 16, static_cast<std::uint32_t>(2 * n)}));
        EXPECT_TRUE(n == 0 || le16(b, 44) == 0x1234u);
    }
}

TEST(WavSamples, NegativeSamplesAreTwosComplement) {
    const Bytes b = encode_wav({-1, -32767, 32767}, 22050);
    EXPECT_EQ((std::vector<std::uint32_t>{le16(b, 44), le16(b, 46), le16(b, 48)}),
              (std::vector<std::uint32_t>{0xFFFF, 0x8001, 0x7FFF}));
}

// Every effect is short, audible, unclipped and ends without a click, and no two effects are the same
// sound. (That a second run writes the same bytes: WriteMedia; that the table holds every wave the
// game opens is checked on the built game folder.)
TEST(SoundTable, EverySoundIsShortAudibleUnclippedAndDistinct) {
    std::set<std::vector<std::int16_t>> distinct;
    for (const SoundRecipe& r : sound_recipes()) {
        SCOPED_TRACE(r.name);
        const std::vector<std::int16_t> s = render_sound(r);
        EXPECT_TRUE(distinct.insert(s).second) << "sounds like another effect";
        const double seconds = static_cast<double>(s.size()) / kSampleRate;
        EXPECT_GE(seconds, 0.05);
        EXPECT_LE(seconds, 1.5);
        int peak = 0;
        for (std::int16_t v : s) peak = std::max(peak, std::abs(static_cast<int>(v)));
        EXPECT_GT(peak, 8000) << "too quiet";
        EXPECT_LT(peak, 32767) << "clipped";
        EXPECT_LT(std::abs(s.back()), 200) << "ends in a click";
    }
}

}  // namespace
}  // namespace mediagen
