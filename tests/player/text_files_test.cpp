// Text as the data files hold it: CP932 both ways, and CR LF lines read and written.
#include <gtest/gtest.h>

#include "player/cp932.h"
#include "player/text_lines.h"
#include "support/temp_folder.h"

namespace kestra {
namespace {

TEST(Cp932, KnownEncodingsBothWays) {
    // Half-width katakana are single bytes; ① is in the NEC special row; ～ is CP932's full-width tilde.
    const std::pair<std::string, std::string> cases[] = {{"", ""},
                                                         {"abc123", "abc123"},
                                                         {"死亡", "\x8E\x80\x96\x53"},
                                                         {"ｽﾃｰﾀｽ", "\xBD\xC3\xB0\xC0\xBD"},
                                                         {"①", "\x87\x40"},
                                                         {"～", "\x81\x60"}};
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

// Run fn and return the DataFileError it raised (line -1 when none).
template <class F>
std::pair<int, std::string> ErrorOf(F fn) {
    try {
        fn();
    } catch (const DataFileError& e) {
        return {e.line(), e.what()};
    }
    return {-1, ""};
}

// Numbers and texts in order, over CR LF and bare line feeds.
TEST(LineReader, ReadsNumbersAndTextsInOrder) {
    LineReader in("x.dat", std::string("12\r\n\x8E\x80\x96\x53\r\n-7\n\r\n"));
    EXPECT_EQ(in.Int(), 12);
    EXPECT_EQ(in.Text(), "死亡");
    EXPECT_EQ(in.Int(), -7);
    EXPECT_EQ(in.Text(), "");
    EXPECT_EQ(in.line(), 4);
}

TEST(LineReader, EveryFailureNamesTheFileAndTheLine) {
    // After `reads` numbers the error names expected_line and says `words`.
    struct Case {
        std::string bytes;
        int reads, expected_line;
        const char* words;
    };
    const Case cases[] = {
        {"1\r\n2\r\n", 3, 3, "途中で終わって"},
        {"1\r\nabc\r\n", 2, 2, "数値ではありません"},
        // (what is not a number is ParseInt32's table; here only that the error names its line)
        {"", 1, 1, "途中で終わって"},
    };
    for (const Case& c : cases) {
        const auto [line, what] = ErrorOf([&] {
            LineReader in("my.dat", c.bytes);
            for (int i = 0; i < c.reads; ++i) in.Int();
        });
        EXPECT_EQ(line, c.expected_line) << c.bytes;
        EXPECT_NE(what.find("my.dat"), std::string::npos) << what;
        EXPECT_NE(what.find(c.words), std::string::npos) << what;
    }
}

// Bad Shift-JIS text names its line; a missing file is named with line 0.
TEST(LineReader, BadTextAndMissingFile) {
    EXPECT_EQ(ErrorOf([] {
                  LineReader in("name.dat", std::string("ok\r\n\x81\r\n"));
                  in.Text(), in.Text();
              }).first,
              2);
    test::TempFolder tmp;
    const auto [line, what] = ErrorOf([&] { LineReader in(tmp.path() / "card.dat"); });
    EXPECT_EQ(line, 0);
    EXPECT_NE(what.find("card.dat"), std::string::npos);
}

TEST(LineWriter, WritesCrLfAndShiftJis) {
    LineWriter w;
    w.Int(-1);
    EXPECT_TRUE(w.Text("円"));
    EXPECT_FALSE(w.Text("\xF0\x9F\x98\x80"));
    EXPECT_EQ(w.bytes(), std::string("-1\r\n\x89\x7E\r\n"));
    EXPECT_EQ(w.lines(), 2);
}

}  // namespace
}  // namespace kestra
