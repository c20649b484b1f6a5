#include "player/cp932.h"

#include <gtest/gtest.h>

namespace kestra {
namespace {

TEST(Cp932, KnownEncodingsBothWays) {
    // Half-width katakana are single bytes; ① is in the NEC special row; ～ is CP932's full-width tilde.
    const std::pair<std::string, std::string> cases[] = {
        {"", ""}, {"abc123", "abc123"}, {"死亡", "\x8E\x80\x96\x53"}, {"ｽﾃｰﾀｽ", "\xBD\xC3\xB0\xC0\xBD"},
        {"①", "\x87\x40"}, {"～", "\x81\x60"}};
    for (const auto& [utf8, cp932] : cases) {
        EXPECT_EQ(Utf8ToCp932(utf8), cp932) << utf8;
        EXPECT_EQ(Cp932ToUtf8(cp932), utf8) << utf8;
    }
}

TEST(Cp932, RefusesWhatHasNoForm) {
    EXPECT_FALSE(Utf8ToCp932("\xF0\x9F\x98\x80"));  // an emoji
    EXPECT_FALSE(Utf8ToCp932("\xE4\xB8"));          // broken UTF-8
    EXPECT_FALSE(Cp932ToUtf8("\x81"));              // a lead byte alone
    EXPECT_FALSE(Cp932ToUtf8("\x85\x40"));          // an unassigned code
}

TEST(Cp932, LongTextsSurviveTheBufferBoundaries) {
    std::string utf8;
    for (int i = 0; i < 5000; ++i) utf8 += "天a";
    const auto cp = Utf8ToCp932(utf8);
    ASSERT_TRUE(cp);
    EXPECT_EQ(cp->size(), 15000u);
    EXPECT_EQ(Cp932ToUtf8(*cp), utf8);
}

}  // namespace
}  // namespace kestra
