// Saved duel records: what the writer writes the reader reads back, and every text that is not a
// record stops at the right line with a message instead of a crash.
#include "duel/saved_duel.h"

#include <gtest/gtest.h>

namespace kestra {
namespace {

// A finished duel of two phases.
SavedDuel Finished() {
    SavedDuel s;
    s.duel_kind = 13;
    s.applicant_number = "123456789012345678901234";
    s.receiver_number = "432109876543210987654321";
    s.battle_numbers = {"01241000", "02153420"};
    s.checks = {"ABCD", "EFGH", "JKLM"};
    s.applicant_set_id = 1234;
    s.receiver_set_id = -56;
    s.stamp = "2026-12-07 20:15:03";
    return s;
}

TEST(SavedDuel, WhatIsWrittenReadsBackWithItsLines) {
    SavedDuel aborted = Finished();
    aborted.aborted = true;
    aborted.applicant_set_id.reset(), aborted.receiver_set_id.reset();
    for (const SavedDuel& s : {Finished(), aborted}) {
        const std::string text = WriteSavedDuel(s);
        EXPECT_NE(text.find("# kind=13 火山\n"), std::string::npos);
        const SavedDuelRead read = ReadSavedDuel(text);
        ASSERT_TRUE(read.duel) << read.message;
        SavedDuel back = *read.duel;
        const int32_t head = s.aborted ? 5 : 4;  // the kind's line: after the title, date, kind name, "aborted"
        EXPECT_EQ(back.source_lines, (std::vector<int32_t>{head, head + 1, head + 2, head + 4, head + 6}));
        back.source_lines.clear();
        EXPECT_EQ(back, s);
    }
}

TEST(SavedDuel, TextsFromOutsideReadOrStopWithAMessage) {
    const std::string body = "0\n申込＞戦士No.123456789012345678901234\n432109876543210987654321\n";
    std::string long_text = body;
    for (int k = 0; k < 2000; ++k) long_text += "# check=ABCD\n";
    // stop_line -1: the text reads.
    struct Case { const char* name; std::string text; int32_t stop_line; const char* message_start; };
    const Case cases[] = {
        {"CRLF and a byte-order mark", "\xEF\xBB\xBF" "0\r\n1234\r\n5678\r\n01241000\r\n", -1, ""},
        {"a BATTLE NUMBER copied whole from the chat", body + "ﾀｰﾝ1/BN：01241000\n", -1, ""},
        {"blanks and full-width blanks around numbers", " 0 \n1234　\n　5678\n\n01241000\t\n", -1, ""},
        {"empty", "", 0, "記録が空です"},
        {"only comments", "# kind=0\n\n# check=ABCD\n", 0, "記録が空です"},
        {"one warrior number", "0\n1234\n", 0, "記録に戦士ナンバーが二つ"},
        {"binary", std::string("0\n12\0" "34\n5678\n", 12), 0, "記録ファイルとして読めません"},
        {"too long", long_text, 2001, "記録が長すぎます"},
        {"a kind out of range", "19\n1234\n5678\n", 1, "1行目がデュエルの種類"},
        {"a word instead of the receiver's number", "0\n1234\nこんにちは\n", 3, "3行目が受け側の戦士ナンバー"},
        {"seven digits", body + "# check=ABCD\n0124100\n", 5, "5行目がBATTLE NUMBER"},
        {"a chat line", body + "01241000\nsee you\n", 5, "5行目がBATTLE NUMBER"},
    };
    for (const Case& c : cases) {
        const SavedDuelRead read = ReadSavedDuel(c.text);
        EXPECT_EQ(read.duel.has_value(), c.stop_line < 0) << c.name << ": " << read.message;
        if (c.stop_line < 0) continue;
        EXPECT_EQ(read.line, c.stop_line) << c.name;
        EXPECT_EQ(read.message.rfind(c.message_start, 0), 0u) << c.name << ": " << read.message;
    }
    EXPECT_EQ(ReadSavedDuel(body + "ﾀｰﾝ1/BN：01241000\n").duel->battle_numbers, std::vector<std::string>{"01241000"});
}

}  // namespace
}  // namespace kestra
