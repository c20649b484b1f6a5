// The opening rules cards bring: rule-duel openings, cards against icons, card presence.
#include "effects/card_rules.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "duel/side_rules.h"
#include "effects/duel_start_effects.h"
#include "effects/statuses.h"
#include "support/effects_cases.h"

namespace kestra {
namespace {

using test::After;
using test::DuelSide;
using test::ExpectAfter;
using Lines = std::vector<std::string>;

// Six cards, each HP 5 (or as given), MP 3, LV 0, no status.
void Seat(DuelRecord& d, const std::array<int32_t, 6>& cards, const std::array<int32_t, 6>& hp = {5, 5, 5, 5, 5, 5}) {
    for (size_t s = 1; s <= 6; ++s) {
        d.chara[s] = test::Card(cards[s - 1]);
        d.chara[s].hp = hp[s - 1];
        d.chara[s].mp = 3;
    }
}

// The three card-rule steps in the orchestrator's order.
StartReport RunCardRules(DuelContext& ctx) {
    StartReport report;
    RuleDuelOpenings(ctx, report);
    CardAgainstIconRules(ctx, report);
    CardPresenceRules(ctx, report);
    return report;
}

// The same line n times.
Lines Times(int n, const std::string& line) { return Lines(static_cast<size_t>(n), line); }

// Flash then sound for each slot.
Lines FlashAndSound(const std::string& colour, std::vector<int32_t> slots, const std::string& se) {
    Lines out;
    for (const int32_t s : slots) out.insert(out.end(), {"flash " + colour + " " + std::to_string(s), se});
    return out;
}

TEST(CardRules, RuleDuelOpenings) {
    struct Case {
        int32_t kind, my_id, aite_id;
        std::vector<After> after;
    };
    const Case cases[] = {
        {14, 1, 2, {{1, 5, 3, 0, 15, 0}, {6, 5, 3, 0, 15, 0}}},
        {15, 6, 0, {{1, 5, 3, 0, 0, 9}, {4, 5, 3, 0, 0, 9}}},
        {15, 10, 0, {{1, 5, 3, 0, 0, 11}}},
        {15, 2, 3, {{6, 5, 3, 0, 0, 10}}},
        {15, -1, 0, {{1, 5, 3, 0, 0, 10}}},  // a negative s folds up: -1 counts as 5
        {16, 0, 6, {{1, 3, 4, 0, 0, 0}, {2, 4, 2, 0, 0, 0}, {3, 5, 5, 0, 0, 0}, {4, 3, 4, 0, 0, 0}, {6, 5, 5, 0, 0, 0}}},
        {16, 5, 0, {{1, 99, 99, 0, 0, 0}, {6, 99, 99, 0, 0, 0}}},
        {0, 5, 0, {{1, 5, 3, 0, 0, 0}, {6, 5, 3, 0, 0, 0}}},
        {13, 5, 0, {{1, 5, 3, 0, 0, 0}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "kind " << c.kind << " s " << c.my_id + c.aite_id);
        DuelSide s;
        Seat(s.d, {100, 100, 100, 101, 101, 101});
        s.d.duel_kind = c.kind;
        s.d.my_id = c.my_id;
        s.d.aite_id = c.aite_id;
        const StartReport r = RunCardRules(s.ctx);
        ExpectAfter(s.d, c.after);
        EXPECT_TRUE(s.screen.transcript.empty());
        const bool acts = c.kind >= 14 && c.kind <= 16;
        EXPECT_EQ(r.fired, acts ? Lines{"kind" + std::to_string(c.kind)} : Lines{});
    }
}

TEST(CardRules, CardsAgainstIcons) {
    struct Case {
        const char* what;
        std::array<int32_t, 6> cards;
        std::array<int32_t, 4> icons, icons_after;
        Lines lines;
        int32_t icon_sounds, local_hp, opp_hp;
    };
    const std::string lift169 = "清め水の巫女の力によって、相手のダークネスアイコン解除";
    const std::string lift141 = "護符破りの僧の力によって、相手の【ｱｲｺﾝﾌﾟﾛﾃｸﾀｰ】解除", hp2 = "その効果発動により、味方全員 HP +2";
    const Case cases[] = {
        {"local 169 facing 56 and 240", {169, 100, 100, 101, 101, 101}, {-1, -1, 56, 240}, {-1, -1, -1, -1},
         {lift169, lift169}, 2, 5, 5},
        {"local 169 facing 57 and 231", {100, 169, 100, 101, 101, 101}, {-1, -1, 231, 57}, {-1, -1, -1, -1},
         {lift169, lift169}, 2, 5, 5},
        {"opponent's 169", {100, 100, 100, 101, 169, 101}, {57, 231, 56, -1}, {-1, -1, 56, -1},
         {"相手の清め水の巫女の力によって、ダークネスアイコン解除", "清め水の巫女の力によって、ダークネスアイコン解除"}, 2, 5, 5},
        {"169 leaves other icons", {169, 100, 100, 101, 101, 101}, {56, -1, 81, 146}, {56, -1, 81, 146}, {}, 0, 5, 5},
        {"local 241", {100, 100, 100, 101, 101, 101}, {241, -1, 81, 231}, {241, -1, 81, -1},
         {"精霊・ライトの力によって、相手のダークネスアイコン解除"}, 1, 5, 5},
        {"opponent's 241", {100, 100, 100, 101, 101, 101}, {56, 240, -1, 241}, {-1, -1, -1, 241},
         {"相手の精霊・ライトの力によって、ダークネスアイコン解除", "精霊・ライトの力によって、ダークネスアイコン解除"}, 2, 5, 5},
        {"169 first, 241 finds nothing left", {169, 100, 100, 101, 101, 101}, {241, -1, 56, -1}, {241, -1, -1, -1},
         {lift169}, 1, 5, 5},
        {"local 141 facing two protectors", {141, 100, 100, 101, 101, 101}, {-1, -1, 146, 146}, {-1, -1, -1, -1},
         {lift141, hp2, lift141, hp2}, 2, 9, 5},
        {"opponent's 141", {100, 100, 100, 101, 101, 141}, {-1, 146, -1, -1}, {-1, -1, -1, -1},
         {"相手の護符破りの僧の力によって、あなたの【ｱｲｺﾝﾌﾟﾛﾃｸﾀｰ】解除", "その効果発動により、相手全員 HP +2"}, 1, 5, 7},
        {"141 without a protector to break", {141, 100, 100, 101, 101, 101}, {146, -1, 81, -1}, {146, -1, 81, -1},
         {}, 0, 5, 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        DuelSide s;
        Seat(s.d, c.cards);
        test::Wear(s.d, c.icons);
        RunCardRules(s.ctx);
        EXPECT_EQ(test::Worn(s.d), c.icons_after);
        EXPECT_EQ(s.screen.Messages(), c.lines);
        EXPECT_EQ(s.screen.Cues(), Times(c.icon_sounds, "se0: icon.wav"));
        EXPECT_EQ(s.screen.clicks, static_cast<int>(c.lines.size()));
        for (size_t k = 1; k <= 6; ++k) EXPECT_EQ(s.d.chara[k].hp, k <= 3 ? c.local_hp : c.opp_hp) << k;
        EXPECT_EQ(s.my.icon_slot1, -1);  // playing: the save record is never touched
    }
}

// In view mode a lifted local icon is first written into the save record's slot; an opponent's is not.
TEST(CardRules, ViewModeLiftWritesTheSaveRecord) {
    DuelSide s;
    Seat(s.d, {169, 100, 100, 101, 169, 101});
    test::Wear(s.d, {56, 240, 231, -1});
    s.d.look_mode = 1;
    s.d.my_label = "申込側";
    s.d.e_label = "相手側";
    RunCardRules(s.ctx);
    EXPECT_EQ((std::array{s.my.icon_slot1, s.my.icon_slot2}), (std::array{56, 240}));
    EXPECT_EQ(test::Worn(s.d), test::kBare);
    EXPECT_EQ(s.screen.Messages(), (Lines{"清め水の巫女の力によって、相手側のダークネスアイコン解除",
                                          "相手側の清め水の巫女の力によって、ダークネスアイコン解除",
                                          "清め水の巫女の力によって、ダークネスアイコン解除"}));
}

TEST(CardRules, CardPresence) {
    struct Case {
        const char* what;
        std::array<int32_t, 6> cards;
        std::vector<After> after;
        Lines lines, cues;
        std::array<int32_t, 6> hp = {5, 5, 5, 5, 5, 5};
    };
    const std::string up = "se3: up.wav", down = "se3: down.wav";
    const std::string sick = "黒咳ウイルスに感染した", clam = "蜃気楼の大蛤の吐く幻に惑わされた!!";
    const std::string soul = "魂喰らいの大渦 > 魂を食らう HP=1";
    const Case cases[] = {
        {"230, once for two", {230, 230, 100, 101, 101, 101}, {{3, 5, 3, 0, 0, 12}, {4, 5, 3, 0, 0, 0}},
         Times(3, "悟りの老師の力によって、悟りの光に包まれた！"), Times(3, up)},
        {"305 and 315 wherever they stand", {315, 100, 100, 305, 101, 101},
         {{1, 5, 3, 0, 16, 6}, {2, 5, 3, 0, 0, 0}, {4, 5, 3, 0, 0, 12}}, {}, {}},
        {"two virus cards infect once", {37, 37, 100, 101, 101, 101},
         {{1, 5, 3, 0, 0, 0}, {4, 5, 3, 0, 10, 0}, {5, 5, 3, 0, 10, 0}, {6, 5, 3, 0, 10, 0}}, Times(3, sick),
         FlashAndSound("green", {4, 5, 6}, "se3: awa.wav")},
        {"228 spares 229, 31 and 45", {45, 229, 100, 228, 101, 101},
         {{1, 5, 3, 0, 0, 0}, {2, 5, 3, 0, 0, 9}, {3, 5, 3, 0, 15, 0}, {4, 5, 3, 0, 5, 0}},
         {"契約の炎魔と契約を結ばされた"}, {"se3: gya.wav"}},
        {"228 on both sides spares 71 and 228", {100, 100, 228, 71, 31, 228},
         {{1, 5, 3, 0, 15, 0}, {2, 5, 3, 0, 15, 0}, {3, 5, 3, 0, 5, 0}, {4, 5, 3, 0, 0, 0}, {5, 5, 3, 0, 0, 0},
          {6, 5, 3, 0, 5, 0}},
         Times(2, "契約の炎魔と契約を結ばされた"), Times(2, "se3: gya.wav")},
        {"197 spares 150 and 122", {197, 100, 100, 150, 122, 101},
         {{4, 5, 3, 0, 0, 0}, {5, 5, 3, 0, 0, 0}, {6, 5, 3, 0, 14, 0}}, {"死のカウントダウンが始まった!!"}, {down}},
        {"216 spares 123 and 157 and sits in jail", {123, 157, 100, 216, 101, 101},
         {{1, 5, 3, 0, 0, 0}, {2, 5, 3, 0, 0, 0}, {3, 5, 3, 0, 5, 0}, {4, 5, 3, 0, 11, 0}}, {"石化した!!"},
         {"se3: sleep.wav"}},
        {"249 on both sides", {249, 100, 100, 249, 101, 101},
         {{1, 5, 3, 0, 0, 0}, {2, 5, 3, 0, 7, 0}, {4, 5, 3, 0, 0, 0}, {5, 5, 3, 0, 7, 0}},
         {clam, clam, "相手の" + clam, "相手の" + clam}, FlashAndSound("black", {5, 6, 2, 3}, down)},
        {"304 eats every soul of HP 10 or more", {100, 100, 100, 101, 304, 101},
         {{1, 1, 3, 0, 0, 0}, {2, 9, 3, 0, 0, 0}, {3, 1, 3, 0, 0, 0}, {4, 5, 3, 0, 0, 0}, {5, 1, 3, 0, 0, 0},
          {6, 1, 3, 0, 0, 0}},
         Times(4, soul), FlashAndSound("black", {1, 3, 5, 6}, down), {10, 9, 12, 5, 20, 10}},
        {"251 facing an odd card, 251 facing an even card", {251, 100, 100, 101, 251, 101},
         {{1, 7, 7, 0, 0, 0}, {5, 10, 0, 0, 0, 0}}, {}, {}},
        {"fixed opening statuses", {205, 229, 313, 139, 266, 320},
         {{1, 5, 3, 0, 17, 10}, {2, 5, 3, 0, 0, 9}, {3, 5, 3, 0, 15, 0}, {4, 5, 3, 0, 0, 8}, {5, 5, 3, 0, 14, 0},
          {6, 5, 3, 0, 0, 8}}, {}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        DuelSide s;
        Seat(s.d, c.cards, c.hp);
        RunCardRules(s.ctx);
        ExpectAfter(s.d, c.after);
        EXPECT_EQ(s.screen.Messages(), c.lines);
        EXPECT_EQ(s.screen.Cues(), c.cues);
        EXPECT_EQ(s.screen.clicks, static_cast<int>(c.lines.size()));
    }
}

// The coachman's car takes card 251's place with its own picture, and its name no longer counts as card 251.
TEST(CardRules, CoachmansCar) {
    DuelSide s;
    Seat(s.d, {100, 100, 251, 101, 101, 100});
    RunCardRules(s.ctx);
    EXPECT_EQ(s.screen.transcript, Lines{"picture 3: cg/car.bmp"});
    EXPECT_EQ(s.d.chara[3].name, "車");
    EXPECT_FALSE(IsCard(s.d, s.ctx.cat, 3, 251));
}

// The virus spares the virus, the doctor, 211, 258 and 260 of the other side.
TEST(CardRules, VirusSparesItsExceptions) {
    for (const auto& [card, infected] :
         {std::pair{37, false}, {40, false}, {211, false}, {258, false}, {260, false}, {101, true}}) {
        SCOPED_TRACE(card);
        DuelSide s;
        Seat(s.d, {100, 37, 100, card, 101, 101});
        RunCardRules(s.ctx);
        EXPECT_EQ(s.d.chara[4].status1 == status::kBadSickness, infected);
        EXPECT_EQ(s.d.chara[5].status1, status::kBadSickness);
    }
}

// Card 208's HP by (my_id + aite_id) mod 10; a negative remainder gives 6.
TEST(CardRules, Card208FollowsTheIds) {
    struct Case {
        int32_t my_id, aite_id, hp;
    };
    const Case cases[] = {{0, 0, 1},  {1, 0, 2},   {1, 1, 3},  {2, 1, 5}, {2, 2, 7},  {3, 2, 9},
                          {3, 3, 11}, {300, 7, 0}, {4, 4, 15}, {5, 4, 8}, {-3, 0, 6}, {-10, 0, 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.my_id << " + " << c.aite_id);
        DuelSide s;
        Seat(s.d, {208, 100, 100, 101, 101, 208});
        s.d.my_id = c.my_id;
        s.d.aite_id = c.aite_id;
        const StartReport r = RunCardRules(s.ctx);
        EXPECT_EQ((std::array{s.d.chara[1].hp, s.d.chara[6].hp, s.d.chara[2].hp}), (std::array{c.hp, c.hp, 5}));
        EXPECT_EQ(r.fired, (Lines{"card208", "card208"}));
    }
}

// The nurse heals a dead slot too (its flash is skipped as every blue flash on the dead is).
TEST(CardRules, NurseHealsTheDeadToo) {
    DuelSide s;
    Seat(s.d, {211, 100, 100, 101, 101, 101});
    test::Kill(s.d, 5);
    RunCardRules(s.ctx);
    EXPECT_EQ(s.d.chara[5].hp, 15);
}

}  // namespace
}  // namespace kestra
