#include "duel/duel_start.h"

#include <gtest/gtest.h>

#include "duel/duel_end.h"
#include "duel/opening.h"
#include "player/checksum.h"
#include "support/duel_fixture.h"

namespace kestra {
namespace {

using test::Card;
using test::DuelSide;

// Six cards in place and IDs that draw battle-type value v.
void Ready(DuelSide& s, int32_t v) {
    for (size_t i = 1; i <= 6; ++i) s.d.chara[i] = Card(static_cast<int32_t>(10 + i), static_cast<int32_t>(i));
    s.d.my_id = 170 + v, s.d.aite_id = 340;
}

// That side as one program of a test.
struct Readied : DuelSide {
    explicit Readied(int32_t v) { Ready(*this, v); }
};

TEST(BattleTypeRules, FairElementalAnti) {
    Readied fair(14);
    fair.d.my_icon1 = 3, fair.d.my_icon2 = 4, fair.d.e_icon1 = 5;
    fair.my.icon_slot1 = fair.my.icon_slot2 = -1;
    ApplyBattleType(fair.ctx);
    // Every icon is lifted and the player's own are handed back.
    EXPECT_EQ((std::array{fair.d.battle_type, fair.d.my_icon1, fair.d.e_icon1, fair.my.icon_slot1, fair.my.icon_slot2}),
              (std::array{9, -1, -1, 3, 4}));
    EXPECT_TRUE(fair.screen.Has("show: ≪フェアバトル≫が発動した！"));
    EXPECT_TRUE(fair.screen.Has("add: ※このデュエルはアイコンが全て解除される"));

    Readied elemental(16);
    ApplyBattleType(elemental.ctx);
    for (size_t i = 1; i <= 6; ++i) EXPECT_EQ(elemental.d.chara[i].element, (170 + 16 + 340) % 5);

    Readied anti(36);
    anti.d.chara[2].hp = 1;  // level 2 takes it below 1
    ApplyBattleType(anti.ctx);
    EXPECT_EQ((std::array{anti.d.battle_type, anti.d.chara[2].hp, anti.d.chara[1].hp}),
              (std::array{21, 0, test::GameCatalogue().card[11].hp - 1}));
}

TEST(BattleTypeRules, NoTypeNoAnnouncement) {
    Readied s(0);  // hell battle needs all four icons
    ApplyBattleType(s.ctx);
    EXPECT_EQ(s.d.battle_type, 0);
    EXPECT_TRUE(s.screen.Lines("show").empty());
}

TEST(StartDuel, SavesCopiesOrigAndHidesNamesUnderIcon200) {
    Readied s(100);
    s.d.duel_role = kApplicant, s.d.e_icon2 = 200, s.d.chara[3].card_no = 42;
    int saves = 0, effects = 0;
    StartDuel(s.ctx, {[&] { ++saves; }, [&](DuelContext&) { ++effects; }});
    EXPECT_EQ((std::array{saves, effects, s.d.turn_base, s.d.chara[3].orig_no, s.d.turn}), (std::array{1, 1, 8, 42, 1}));
    for (size_t i = 1; i <= 6; ++i) EXPECT_EQ(s.d.chara[i].name, "????");
    EXPECT_TRUE(s.screen.Has("picture 4: "));
    EXPECT_TRUE(s.screen.Has("show: それではデュエルスタートです！！！！！"));
    Readied view(100);  // view mode never saves
    view.d.look_mode = 1;
    StartDuel(view.ctx, {[&] { ++saves; }, nullptr});
    EXPECT_EQ(saves, 1);
}

TEST(IdExchange, QuestionEmptyMismatchAndSetIds) {
    Readied s(100);
    s.d.aite_id = 777;
    EXPECT_EQ(CheckOpponentId(s.ctx, ""), IdCheck::Empty);
    EXPECT_TRUE(s.ask.asked.empty());
    s.ask.answer = false;
    EXPECT_EQ(CheckOpponentId(s.ctx, "777"), IdCheck::Declined);
    EXPECT_EQ(s.ask.asked.size(), 1u);
    s.ask.answer = true;
    EXPECT_EQ(CheckOpponentId(s.ctx, "778"), IdCheck::Mismatch);
    EXPECT_TRUE(s.screen.Has("add: ＩＤが間違っているか、正しく入力されていない可能性があります。もう一度、対戦受け側の戦士ナンバーを確認して下さい"));
    EXPECT_EQ(CheckOpponentId(s.ctx, "検証ＩＤ：777 "), IdCheck::Match);
    s.d.duel_role = kReceiver;  // the set IDs after the game set
    const std::string line = BeginSetIdExchange(s.ctx);
    EXPECT_EQ(s.d.input_phase, kPhaseSetIds);
    EXPECT_EQ(line, "セットID：" + std::to_string(s.d.my_id) + " ありがとうございました");
    EXPECT_EQ(CheckOpponentSetId(s.ctx, "検証ＩＤ：" + std::to_string(s.d.aite_id)), IdCheck::Mismatch);
    EXPECT_EQ(CheckOpponentSetId(s.ctx, "セットID：" + std::to_string(s.d.aite_id)), IdCheck::Match);
}

// An ending that shows nothing: the abort's boxes are not under test here.
struct QuietEnding : EndingScreen {
    void ShowLevelUp(const LevelUp&) override {}
    void MessageBox(std::string_view) override {}
    void ReturnToMain() override {}
};

// Closed at any pause of the duel start (the ID check, "デュエルスタート", the ≪フェアバトル≫
// announcement), the abort settles it and nothing of the start runs afterwards: the worn icons
// stay equipped, the seal holds, no save, no effects, no first turn.
TEST(StartDuel, NothingRunsAfterAnAbort) {
    for (int close_at = 1; close_at <= 3; ++close_at) {
        Readied s(14);  // ≪フェアバトル≫: every icon is lifted
        s.d.my_icon1 = s.my.icon_slot1 = 3;
        s.d.my_icon2 = s.my.icon_slot2 = 4;
        s.d.e_icon1 = 5;
        s.my.checksum = ComputeChecksum(s.my);
        QuietEnding ending;
        const SavePlayer save = [](tmy& m) { return m.checksum = ComputeChecksum(m), SaveOutcome{}; };
        s.screen.on_click = [&] { if (s.screen.clicks == close_at) AbortDuel(s.ctx, ending, save); };
        int saves = 0, effects = 0;
        StartDuel(s.ctx, {[&] { ++saves; }, [&](DuelContext&) { ++effects; }});
        SCOPED_TRACE(close_at);
        EXPECT_TRUE(CheckSaveData(s.my));
        // The start's own save comes before the announcement.
        EXPECT_EQ((std::array{s.screen.clicks, s.my.icon_slot1, s.my.icon_slot2, saves, effects, s.d.turn}),
                  (std::array{close_at, 3, 4, close_at >= 3 ? 1 : 0, 0, 0}));
    }
}

// The greeting's pocket money comes after the duel end's save; the seal follows it, so the next
// duel request is not refused as "データが破壊されています". A hand-edited record stays refused.
TEST(DuelEnd, PocketMoneyKeepsTheSeal) {
    for (const bool tampered : {false, true}) {
        bool paid = false;
        for (uint64_t seed = 1; seed < 400 && !paid; ++seed) {
            DuelSide s(seed);
            s.clock.date = {12, 25};
            s.d.chara[1] = Card(20);
            s.my.checksum = ComputeChecksum(s.my) + (tampered ? 1 : 0);
            QuietEnding ending;
            const DuelEndResult end = FinishDuel(s.ctx, true, ending, [](tmy& m) {
                if (CheckSaveData(m)) m.checksum = ComputeChecksum(m);  // as tampered, it stays so
                return SaveOutcome{};
            });
            if (end.greeting.pocket_money == 0) continue;
            paid = true;
            EXPECT_EQ(CheckSaveData(s.my), !tampered) << seed;
        }
        EXPECT_TRUE(paid);
    }
}

TEST(ViewMode, BothNumbersFillBothSides) {
    DuelSide s;
    OpenViewMode(s.ctx);
    EXPECT_EQ(s.d.my_label, "申込側");
    EXPECT_FALSE(AcceptViewModeNumbers(s.ctx, "007305120931000000999999", "00100000200000300099999"));
    EXPECT_EQ(s.d.chara[1].card_no, 0);
    ASSERT_TRUE(AcceptViewModeNumbers(s.ctx, "戦士No.007305120931000000005999", "001000002000003000999010"));
    EXPECT_EQ((std::array<int32_t, 7>{s.d.look_mode, s.d.duel_role, s.d.chara[1].card_no, s.d.chara[2].waza, s.d.my_icon1,
                                      s.d.chara[6].card_no, s.d.e_icon2}),
              (std::array<int32_t, 7>{1, kApplicant, 7, 31, 5, 3, 10}));
}

}  // namespace
}  // namespace kestra
