// Two programs in one process, passing only the texts players copy into the chat.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "duel/display_rules.h"
#include "duel/duel_start.h"
#include "duel/mirror_check.h"
#include "duel/opening.h"
#include "duel/verification.h"
#include "support/duel_fixture.h"

namespace kestra {
namespace {

using test::DuelSide;
using test::GameCatalogue;

// A player with a full deck of the given cards, some levels and techniques, and two icons.
void GivePlayer(DuelSide& s, std::array<int32_t, 10> deck, int32_t icon1, int32_t icon2) {
    s.my.deck = deck;
    for (const int32_t c : deck) s.my.card_level[static_cast<size_t>(c)] = c % 10, s.my.card_magic[static_cast<size_t>(c)] = c % 37;
    s.my.icon_slot1 = icon1, s.my.icon_slot2 = icon2, s.my.money = 500;
}

// The applicant a and the receiver b with their decks and icons.
struct Players {
    DuelSide a, b;
    Players(uint64_t seed_a, uint64_t seed_b, int32_t a1 = -1, int32_t a2 = -1, int32_t b1 = -1, int32_t b2 = -1)
        : a(seed_a), b(seed_b) {
        a.d.duel_role = kApplicant, b.d.duel_role = kReceiver;
        GivePlayer(a, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}, a1, a2);
        GivePlayer(b, {10, 20, 30, 40, 50, 60, 70, 80, 90, 235}, b1, b2);
    }
};

// What a player pastes from the other's warrior number: the part after "＞".
std::string AfterArrow(const std::string& shown) { return shown.substr(shown.find("＞") + std::string("＞").size()); }

// What a player pastes from the other's ID field: "検証ＩＤ：" and the number.
std::string IdField(const DuelRecord& d) { return std::string(kVerifyPrefix) + std::to_string(d.my_id); }

// The chat exchange from the draw to the duel start; returns false when an ID did not match.
bool Exchange(DuelSide& a, DuelSide& b) {
    const std::string a_number = OpenDuel(a.ctx);
    const std::string b_number = OpenDuel(b.ctx);
    if (!AcceptOpponentWarriorNumber(a.ctx, AfterArrow(b_number))) return false;
    if (!AcceptOpponentWarriorNumber(b.ctx, AfterArrow(a_number))) return false;
    ShowVerificationIds(a.ctx, SituationText(a.d, GameCatalogue()).mine, "");
    ShowVerificationIds(b.ctx, SituationText(b.d, GameCatalogue()).mine, "");
    if (CheckOpponentId(a.ctx, IdField(b.d) + "　") != IdCheck::Match) return false;
    if (CheckOpponentId(b.ctx, IdField(a.d)) != IdCheck::Match) return false;
    StartDuel(a.ctx, {});
    StartDuel(b.ctx, {});
    return true;
}

TEST(TwoPrograms, AgreeFromTheDrawToTheDuelStart) {
    struct Case { int32_t kind; uint64_t seed_a, seed_b; int32_t a1, a2, b1, b2; };
    const Case cases[] = {{0, 1, 2, 5, 9, -1, -1},   {0, 7, 8, 12, 30, 44, 213}, {1, 3, 4, 20, 21, 22, 23},
                          {3, 5, 6, -1, -1, -1, -1}, {6, 9, 10, 1, 2, 3, 4},      {12, 11, 12, 100, -1, -1, 150}};
    for (const Case& c : cases) {
        Players p(c.seed_a, c.seed_b, c.a1, c.a2, c.b1, c.b2);
        DuelSide &a = p.a, &b = p.b;
        a.d.duel_kind = b.d.duel_kind = c.kind;
        ASSERT_TRUE(Exchange(a, b)) << "kind " << c.kind;
        EXPECT_EQ(a.d.battle_type, b.d.battle_type) << c.kind;
        EXPECT_NE(a.d.own_turn, b.d.own_turn) << "exactly one side moves first, kind " << c.kind;
        EXPECT_EQ(a.d.input_phase == kPhaseChooseAttacker, a.d.own_turn);
        EXPECT_EQ(b.d.input_phase == kPhaseAwaitOpponent, a.d.own_turn);
        EXPECT_EQ((std::array{a.d.turn, b.d.turn, a.d.my_icon1, a.d.e_icon2}), (std::array{1, 1, b.d.e_icon1, b.d.my_icon2}));
        for (size_t i = 1; i <= 3; ++i) {
            EXPECT_EQ(a.d.chara[i], b.d.chara[i + 3]) << c.kind << " slot " << i;
            EXPECT_EQ(a.d.chara[i + 3], b.d.chara[i]) << c.kind << " slot " << i;
        }
        if (c.kind == kSuddenDeath) {
            for (size_t k = 0; k < 10; ++k) EXPECT_EQ(a.d.my_dekki[k], b.d.e_dekki[k]);
            EXPECT_EQ(a.my.deck[0], 0);  // sudden death empties no slot
        } else {
            EXPECT_EQ(std::count(a.my.deck.begin(), a.my.deck.end(), -1), 3);
        }
    }
}

// A mistyped warrior number shows up as an ID mismatch, and nothing starts.
TEST(TwoPrograms, AWrongNumberIsCaughtByTheIds) {
    Players p(1, 2);
    DuelSide &a = p.a, &b = p.b;
    const std::string a_number = OpenDuel(a.ctx);
    std::string b_number = AfterArrow(OpenDuel(b.ctx));
    b_number[b_number.size() - 7] = b_number[b_number.size() - 7] == '1' ? '2' : '1';  // a level digit
    ASSERT_TRUE(AcceptOpponentWarriorNumber(a.ctx, b_number));
    ASSERT_TRUE(AcceptOpponentWarriorNumber(b.ctx, AfterArrow(a_number)));
    ShowVerificationIds(a.ctx, "", "");
    ShowVerificationIds(b.ctx, "", "");
    EXPECT_EQ(CheckOpponentId(a.ctx, IdField(b.d)), IdCheck::Mismatch);
    EXPECT_TRUE(a.screen.Has("show: ＩＤが正しくありません"));
    EXPECT_EQ(a.d.turn, 0);
}

TEST(TwoPrograms, ANonNumericPasteChangesNothing) {
    Players p(1, 2);
    DuelSide& a = p.a;
    OpenDuel(a.ctx);
    const DuelRecord before = a.d;
    for (const char* text : {"", "受け＞戦士No.00100000200000300099999", "戦士No.00100000200000300099999x",
                             "戦士No.", "12345678901234567890123456789012345678901234567890"})
        EXPECT_FALSE(AcceptOpponentWarriorNumber(a.ctx, text)) << text;
    EXPECT_EQ(a.d, before);
    // The player is told what to paste instead of facing a silent button.
    EXPECT_EQ(a.screen.message, std::string(kWarriorNumberRefused));
    EXPECT_EQ(a.screen.Lines("se0: no.wav").size(), 5u);
}

TEST(TwoPrograms, TheVerificationChatLine) {
    DuelSide a(4);
    a.d.duel_role = kReceiver;
    GivePlayer(a, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}, -1, -1);
    OpenDuel(a.ctx);
    ASSERT_TRUE(AcceptOpponentWarriorNumber(a.ctx, "001000002000003000999999"));
    const std::string line = ShowVerificationIds(a.ctx, "SITUATION", "炎のデッキ");
    EXPECT_EQ(line, "検証ＩＤ：" + std::to_string(a.d.my_id) + " お願いします(受け側) 【SITUATION】--〔炎のデッキ〕");
    EXPECT_EQ(a.screen.clipboard, line);
    EXPECT_EQ(a.screen.caption, "KESTRA DUEL MODE (受け側) 検証ＩＤ：" + std::to_string(a.d.my_id));
}

TEST(Opening, MercenaryFeeAndDraw) {
    DuelSide s(17);
    GivePlayer(s, {219, 219, 2, 3, 4, 5, 6, 7, 8, 9}, 3, -1);
    s.my.money = 20;
    OpenDuel(s.ctx);
    // 20 - 15 = 5, then 5 - 15 falls to 0.
    EXPECT_EQ((std::array{s.my.money, s.d.my_icon1, s.d.my_icon2}), (std::array{0, 3, -1}));
    EXPECT_TRUE(s.screen.Has("show: ドローされます"));
    EXPECT_EQ(s.screen.caption, "KESTRA DUEL MODE (申込側)");
    // Each drawn card knows what it was drawn as, so an abort before the duel start returns it.
    for (size_t i = 1; i <= 3; ++i) EXPECT_EQ(s.d.chara[i].orig_no, s.d.chara[i].card_no);
}

// The redraw replaces all three numbers; the draw never repeats a slot and takes the drawn cards out of
// the deck (in sudden death the deck stays whole and its first three fight); each shows its picture.
TEST(Opening, DrawnSlotsAreDistinct) {
    for (uint64_t seed = 0; seed < 300; ++seed) {
        const bool sudden = seed % 3 == 0;
        DuelSide s(seed);
        GivePlayer(s, {10, 11, 12, 13, 14, 15, 16, 17, 18, 19}, -1, -1);
        s.d.duel_kind = sudden ? kSuddenDeath : 0;
        DrawFightingCards(s.ctx);
        const auto& f = s.d.chara;
        EXPECT_TRUE(f[1].card_no != f[2].card_no && f[1].card_no != f[3].card_no && f[2].card_no != f[3].card_no);
        for (size_t i = 1; i <= 3; ++i) {
            const int32_t c = f[i].card_no;
            EXPECT_EQ((std::array{s.my.deck[static_cast<size_t>(c - 10)], f[i].lv, f[i].hp}),
                      (std::array{sudden ? c : -1, c % 10, GameCatalogue().card[static_cast<size_t>(c)].hp + (c % 10) / 3}));
            EXPECT_TRUE(!sudden || c == 9 + static_cast<int32_t>(i)) << c;
            EXPECT_TRUE(s.screen.Has("picture " + std::to_string(i) + ": cg/unit" + std::to_string(c) + ".bmp")) << c;
        }
    }
}

TEST(Opening, Captions) {
    EXPECT_EQ(DuelCaption(6, kApplicant) + DuelCaption(9, kReceiver) + DuelCaption(14, kReceiver),
              "KESTRA DUEL MODE -SUDDEN DEATH DUEL- (申込側)KESTRA DUEL MODE -DUEL-801- (受け側)KESTRA DUEL MODE (受け側)");
}

// The simulator's desync detector: a record and its mirror agree, and each shared figure that drifts
// is named; after the game set each side breaks its own icons, so icons are left out then.
TEST(MirrorCheck, NamesTheFirstDifferenceAndLeavesIconsOutAfterTheGameSet) {
    DuelRecord a;
    for (size_t i = 1; i <= 6; ++i) a.chara[i] = test::Card(static_cast<int32_t>(i * 10));
    for (size_t k = 0; k < 10; ++k) a.my_dekki[k] = test::Card(static_cast<int32_t>(k)), a.e_dekki[k] = test::Card(static_cast<int32_t>(k + 100));
    a.my_icon1 = 1, a.my_icon2 = 2, a.e_icon1 = 3, a.e_icon2 = 4, a.my_id = 291, a.aite_id = 334, a.turn = 5;
    DuelRecord b = a;
    for (size_t i = 1; i <= 3; ++i) std::swap(b.chara[i], b.chara[i + 3]);
    std::swap(b.my_dekki, b.e_dekki);
    std::swap(b.my_icon1, b.e_icon1), std::swap(b.my_icon2, b.e_icon2), std::swap(b.my_id, b.aite_id);
    EXPECT_EQ(MirrorMismatch(a, b), "");
    struct Case { const char* report; std::function<void(DuelRecord&)> drift; bool after_game_set; };
    const Case cases[] = {
        {"slot 1: ", [](DuelRecord& m) { m.chara[4].hp += 1; }, false},
        {"slot 6: ", [](DuelRecord& m) { m.chara[3].status2 = 2; }, false},
        {"deck 9: ", [](DuelRecord& m) { m.e_dekki[9].lv = 3; }, false},
        {"opponent deck 0: ", [](DuelRecord& m) { m.my_dekki[0].waza = 7; }, false},
        {"turn: 5 vs 6", [](DuelRecord& m) { m.turn = 6; }, false},
        {"e_icon2/my_icon2: 4 vs 9", [](DuelRecord& m) { m.my_icon2 = 9; }, false},
        {"", [](DuelRecord& m) { m.my_icon2 = 9; }, true},
        {"aite_id/my_id: 334 vs 335", [](DuelRecord& m) { m.my_id = 335; }, true},
        {"technique key: 0 vs 31", [](DuelRecord& m) { m.waza_kind = 3, m.waza_arg1 = 1; }, true},
    };
    for (const Case& c : cases) {
        DuelRecord m = b;
        c.drift(m);
        const std::string got = MirrorMismatch(a, m, !c.after_game_set);
        EXPECT_EQ(got.substr(0, std::string(c.report).size()), c.report) << got;
        EXPECT_EQ(got.empty(), *c.report == 0) << got;
    }
}

}  // namespace
}  // namespace kestra
