#include "player/cp932.h"

#include <gtest/gtest.h>

namespace kestra {
namespace {

TEST(Cp932, KnownEncodingsBothWays) {
    struct Case {
        const char* utf8;
        std::string cp932;
    };
    const Case cases[] = {
        {"", ""},
        {"abc123", "abc123"},
        {"死亡", "\x8E\x80\x96\x53"},
        {"円", "\x89\x7E"},
        {"ｽﾃｰﾀｽ", "\xBD\xC3\xB0\xC0\xBD"},  // half-width katakana are single bytes
        {"①", "\x87\x40"},                  // NEC special row
        {"～", "\x81\x60"},                  // full-width tilde, CP932's mapping
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Utf8ToCp932(c.utf8), c.cp932) << c.utf8;
        EXPECT_EQ(Cp932ToUtf8(c.cp932), std::string(c.utf8)) << c.utf8;
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
