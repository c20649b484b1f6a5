#include "base/int_text.h"

#include <gtest/gtest.h>

namespace kestra {
namespace {

TEST(ParseInt32, AcceptsOnlyPlainDecimalLines) {
    const std::pair<const char*, std::optional<int32_t>> cases[] = {
        {"0", 0}, {"-1", -1}, {"007", 7}, {"2147483647", 2147483647}, {"-2147483648", INT32_MIN},
        {"2147483648", std::nullopt}, {"-2147483649", std::nullopt}, {"99999999999999999999", std::nullopt},
        {"", std::nullopt}, {"-", std::nullopt}, {"+5", std::nullopt}, {" 5", std::nullopt}, {"5 ", std::nullopt},
        {"1e3", std::nullopt}, {"0x10", std::nullopt}, {"１２", std::nullopt}, {"--1", std::nullopt}};
    for (const auto& [text, value] : cases) EXPECT_EQ(ParseInt32(text), value) << '"' << text << '"';
}

TEST(WrapAdd, WrapsLikeThe32BitSum) {
    EXPECT_EQ(WrapAdd(INT32_MAX, 1), INT32_MIN);
    EXPECT_EQ(WrapAdd(INT32_MIN, -1), INT32_MAX);
    EXPECT_EQ(WrapAdd(1000, 234), 1234);
}

}  // namespace
}  // namespace kestra
