// Wave writer and the sound table: headers, lengths, and that each effect sounds like its name.
#include <gtest/gtest.h>

#include <cmath>
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

// Every effect is short, audible, unclipped and ends without a click; rendering it again gives the
// same samples. (That the table holds every wave the game opens is checked on the built game folder.)
TEST(SoundTable, EverySoundIsShortAudibleUnclippedAndRepeatable) {
    for (const SoundRecipe& r : sound_recipes()) {
        SCOPED_TRACE(r.name);
        const std::vector<std::int16_t> s = render_sound(r);
        const double seconds = static_cast<double>(s.size()) / kSampleRate;
        EXPECT_GE(seconds, 0.05);
        EXPECT_LE(seconds, 1.5);
        int peak = 0;
        for (std::int16_t v : s) peak = std::max(peak, std::abs(static_cast<int>(v)));
        EXPECT_GT(peak, 8000) << "too quiet";
        EXPECT_LT(peak, 32767) << "clipped";
        EXPECT_LT(std::abs(s.back()), 200) << "ends in a click";
        EXPECT_EQ(s, render_sound(r));
    }
}

// Zero crossings per second over a stretch: a rough pitch (brightness) measure.
double crossings_per_second(const std::vector<std::int16_t>& s, std::size_t from, std::size_t to) {
    int crossings = 0;
    for (std::size_t i = from + 1; i < to && i < s.size(); ++i)
        if ((s[i - 1] < 0) != (s[i] < 0)) ++crossings;
    return crossings * double(kSampleRate) / double(to - from);
}

// The refusal is a low buzz, the coin bright, the healing chime rises, the punch is a dry thud over quickly.
TEST(SoundCharacter, EffectsSoundLikeTheirNames) {
    const auto no = render_sound(*find_sound("no")), coin = render_sound(*find_sound("coin"));
    EXPECT_LT(crossings_per_second(no, 0, no.size()) / 2, 400.0);
    EXPECT_GT(crossings_per_second(coin, 0, 4000) / 2, 1500.0);
    const auto heal = render_sound(*find_sound("kaifuku"));
    const std::size_t step = static_cast<std::size_t>(0.12 * kSampleRate);
    EXPECT_LT(crossings_per_second(heal, 0, step), crossings_per_second(heal, 4 * step, 5 * step));
    const auto punch = render_sound(*find_sound("punch"));
    double early = 0, late = 0;
    for (std::size_t i = 0; i < punch.size(); ++i)
        (i < punch.size() / 2 ? early : late) += std::abs(punch[i]);
    EXPECT_GT(early, 4 * late);
    EXPECT_LT(crossings_per_second(punch, 0, punch.size()) / 2, 600.0);
}

}  // namespace
}  // namespace mediagen
