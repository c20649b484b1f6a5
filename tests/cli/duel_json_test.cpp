#include "duel_json.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <sstream>

#include "codes_command.h"
#include "duel/duel_start.h"
#include "duel/verification.h"
#include "support/duel_fixture.h"

namespace kestra {
namespace {

// A record with every field set to something other than its default.
DuelRecord Busy() {
    DuelRecord d;
    for (size_t i = 0; i < 8; ++i) {
        d.chara[i] = test::Card(static_cast<int32_t>(i * 40), static_cast<int32_t>(i), static_cast<int32_t>(i + 3));
        d.chara[i].status1 = static_cast<int32_t>(i);
        d.chara[i].status2 = static_cast<int32_t>(13 - i);
        d.chara[i].orig_no = static_cast<int32_t>(i + 100);
    }
    d.chara[5].name = "死亡";
    d.my_dekki[10] = test::Card(7);
    d.e_dekki[3] = test::Card(9, 9, 9);
    d.my_icon1 = 5;
    d.e_icon2 = 280;
    d.duel_kind = 6;
    d.duel_role = kReceiver;
    d.look_mode = 1;
    d.turn = 17;
    d.turn_base = 8;
    d.battle_type = 21;
    d.input_phase = kPhaseSetIds;
    d.atk_no = 4;
    d.tgt_no = 2;
    d.waza_kind = 7;
    d.waza_arg1 = 8;
    d.waza_arg2 = 9;
    d.luck = 3;
    d.my_id = -12345;
    d.aite_id = 2147483647;
    d.my_label = "申込側";
    d.e_label = "相手側";
    d.deadline = 9876543210;
    d.own_turn = true;
    d.timer_on = true;
    return d;
}

TEST(DuelJson, RoundTripsEveryField) {
    const DuelRecord d = Busy();
    std::string error;
    const auto back = cli::DuelFromJson(cli::DuelToJson(d), &error);
    ASSERT_TRUE(back) << error;
    EXPECT_EQ(*back, [&] {
        DuelRecord copy = d;
        for (auto* deck : {&copy.my_dekki, &copy.e_dekki})
            for (auto& c : *deck) c.spare.clear();  // the spare text is not carried in JSON
        return copy;
    }());
}

TEST(DuelJson, MissingKeysKeepDefaults) {
    std::string error;
    const auto d = cli::DuelFromJson(R"({"turn": 4, "chara": [{}, {"name": "x", "hp": 3}]})", &error);
    ASSERT_TRUE(d) << error;
    EXPECT_EQ((std::array{d->turn, d->chara[1].hp, d->chara[2].hp, d->my_icon1, d->duel_role}),
              (std::array{4, 3, 0, -1, kApplicant}));
    EXPECT_EQ(d->chara[1].name, "x");
}

TEST(DuelJson, RefusesMalformedRecords) {
    const char* bad[] = {
        "", "[]", "{", R"({"turn": "4"})", R"({"turn": 4.5})", R"({"turn": 4294967296})",
        R"({"chara": {}})", R"({"chara": [1]})", R"({"chara": [{"hp": null}]})",
        R"({"chara": [{},{},{},{},{},{},{},{},{}]})", R"({"my_label": 3})", R"({"deadline": "x"})",
    };
    for (const char* text : bad) {
        std::string error;
        EXPECT_FALSE(cli::DuelFromJson(text, &error)) << text;
        EXPECT_FALSE(error.empty()) << text;
    }
}

TEST(Codes, PrintsTheSixLines) {
    DuelRecord d;
    for (size_t i = 1; i <= 6; ++i) d.chara[i] = test::Card(static_cast<int32_t>(i * 11));
    d.my_icon1 = 5;
    d.my_icon2 = 9;
    std::ostringstream out;
    cli::PrintCodes(d, test::GameCatalogue(), out);
    // (the verification IDs' values are the CLI test's worked example)
    DuelRecord expected = d;
    ComputeVerificationIds(expected);
    const std::string text = out.str();
    EXPECT_NE(text.find("\nmy_set_id=" + std::to_string(SetIdFor(d, kApplicant)) +
                        "\naite_set_id=" + std::to_string(SetIdFor(d, kReceiver)) + "\n"),
              std::string::npos);
    const bool own = ThisSideMovesFirst(expected, test::GameCatalogue());
    EXPECT_NE(text.find(own ? "first=own\n" : "first=opponent\n"), std::string::npos);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 6);
}

}  // namespace
}  // namespace kestra
