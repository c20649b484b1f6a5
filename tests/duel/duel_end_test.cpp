#include "duel/duel_end.h"

#include <gtest/gtest.h>

#include "catalogue/card_facts.h"
#include "support/duel_fixture.h"
#include "support/temp_folder.h"

namespace kestra {
namespace {

using test::Card;
using test::DuelSide;

// The ENDING box and the main window's boxes, written into the side's transcript.
struct RecordingEnding : EndingScreen {
    std::vector<std::string>& t;
    explicit RecordingEnding(DuelSide& s) : t(s.screen.transcript) {}
    void ShowLevelUp(const LevelUp& up) override { t.push_back("levelup: " + up.headline); }
    void MessageBox(std::string_view text) override { t.push_back("box: " + std::string(text)); }
    void ReturnToMain() override { t.push_back("main"); }
};

// A side whose ending screens write into its transcript.
struct Ended : DuelSide {
    RecordingEnding ending{*this};
    using DuelSide::DuelSide;
};

const std::string kBase = "おつかれさまでした、デュエル終了です★";
const SavePlayer kNoSave = [](tmy&) { return SaveOutcome{}; };

TEST(DuelEndExperience, WhoTrainsByKindAndResult) {
    struct Case { int32_t kind; bool won; int32_t second_now; std::vector<std::pair<int32_t, int32_t>> exp; };
    const Case cases[] = {
        {0, false, 21, {{20, 0}, {21, 1}, {22, 1}}},
        {0, true, 21, {{20, 1}, {21, 1}, {22, 1}}},
        {0, false, 30, {{21, 0}, {30, 1}, {22, 1}}},  // a transformed card trains what it became
        {kSuddenDeath, false, 21, {{20, 2}, {21, 1}, {22, 7}}},
    };
    for (const Case& c : cases) {
        Ended s;
        s.d.duel_kind = c.kind;
        s.d.chara[1] = Card(20), s.d.chara[2] = Card(21), s.d.chara[3] = Card(22);
        s.d.chara[2].card_no = c.second_now;
        const std::array<int32_t, 10> deck = {20, 21, 20, 22, 22, 22, 22, 22, 22, 22};
        for (size_t k = 0; k < 10; ++k) s.d.my_dekki[k] = Card(deck[k]);
        FinishDuel(s.ctx, c.won, s.ending, kNoSave);
        for (const auto& [card, marks] : c.exp) EXPECT_EQ(s.my.card_exp[static_cast<size_t>(card)], marks) << card;
    }
}

TEST(DuelEndLevelUp, TenMarksRaiseTheLevelUpToNine) {
    struct Case { int32_t level, marks, want_level, want_marks; const char* levels; };
    const Case cases[] = {{3, 9, 4, 0, "LV:3 →4"}, {9, 9, 9, 0, "LV:9 →10"}, {5, 8, 5, 9, nullptr}, {0, 12, 1, 0, "LV:0 →1"}};
    const tcard& row = test::GameCatalogue().card[21];
    for (const Case& c : cases) {
        Ended s;
        s.d.chara[2] = Card(21);
        s.my.card_level[21] = c.level, s.my.card_exp[21] = c.marks, s.my.card_count[21] = 2;
        const auto result = FinishDuel(s.ctx, false, s.ending, kNoSave);
        EXPECT_EQ((std::array{s.my.card_level[21], s.my.card_exp[21]}), (std::array{c.want_level, c.want_marks}));
        ASSERT_EQ(result.level_ups.size(), c.levels ? 1u : 0u);
        if (!c.levels) continue;
        const std::string headline = "【" + row.name + "】のカードがLvUpした！\n\n" + c.levels;
        EXPECT_EQ(std::vector<std::string>(s.screen.transcript.begin(), s.screen.transcript.begin() + 4),
                  (std::vector<std::string>{"se0: ep.wav", "levelup: " + headline, "main", "se0: 3.wav"}));
        EXPECT_EQ(result.level_ups[0].panel, "★" + row.name + "<光>\nHP:" + std::to_string(row.hp) + "\nMP:" +
                                                 std::to_string(row.mp) + "\n所持：2枚");
        EXPECT_EQ(result.level_ups[0].picture, CardPicturePath(21));
    }
}

TEST(DuelEndSave, SavedBeforeThePocketMoneyAndFailuresTold) {
    test::TempFolder tmp;
    Ended s(3);  // seed 3: the first Random(10) is 0 and then 13 円
    s.clock.date = {12, 24};
    s.my.money = 50, s.d.chara[2] = Card(21);
    const auto result = FinishDuel(s.ctx, false, s.ending, SaverFor(tmp.Game(), SaveGate{}));
    EXPECT_TRUE(result.save.ok);
    const tmy saved = ReadMyDat(tmp.Game().my_dat());
    EXPECT_EQ((std::array{result.greeting.pocket_money, s.my.money, saved.money, saved.card_exp[21]}),
              (std::array{13, 63, 50, 1}));
    Ended f;
    const auto bad = FinishDuel(f.ctx, true, f.ending, [](tmy&) { return SaveOutcome{false, false, "書けません"}; });
    EXPECT_FALSE(bad.save.ok);
    EXPECT_TRUE(f.screen.Has("box: 書けません"));
}

TEST(DuelEndGreeting, ByDateWithFixedSeeds) {
    struct Case { int32_t month, day; uint64_t seed; std::string text; int32_t money; };
    const Case cases[] = {
        {12, 24, 3, kBase + "\nＭｅｒｒｙ Ｘ’ｍａｓ♪\n\nサンタさんからお小遣い13円モラッチャッタよ☆", 13},
        {12, 25, 1, kBase + "\nＭｅｒｒｙ Ｘ’ｍａｓ♪", 0},
        {1, 1, 4, kBase + "\nあけましておめでとお♪\n\nおとしだま3円モラッチャッタよ☆", 3},
        {1, 1, 1, kBase + "\nあけましておめでとお♪", 0}, {9, 9, 3, kBase + "\nきょおはろあっこのお誕生日♪", 0},
        {12, 31, 3, kBase + "\nよいお年を♪", 0},         {12, 26, 3, kBase, 0},
    };
    for (const Case& c : cases) {
        Rng rng(c.seed);
        const Greeting g = EndGreeting({c.month, c.day}, rng);
        EXPECT_EQ(std::tie(g.text, g.pocket_money), std::tie(c.text, c.money)) << c.month << "/" << c.day;
    }
    int lucky = 0;
    for (uint64_t seed = 1; seed <= 1000; ++seed) {
        Rng rng(seed);
        const int32_t money = EndGreeting({12, 24}, rng).pocket_money;
        lucky += money != 0;
        EXPECT_LE(money, 15);
    }
    EXPECT_NEAR(lucky, 100, 30);  // one in ten
}

// A side that drew three cards out of slots 1, 4 and 6 and owns the first `kinds` card kinds.
void Drawn(DuelSide& s, int32_t kinds) {
    s.my.deck = {0, -1, 2, 3, -1, 5, -1, 7, 8, 9};
    const int32_t drawn[] = {240, 241, 243};
    for (size_t k = 0; k < 3; ++k) s.d.chara[k + 1] = Card(drawn[k]), s.d.chara[k + 1].orig_no = drawn[k];
    for (int32_t k = 0; k < kinds; ++k) s.my.card_count[static_cast<size_t>(k)] = 2;
    s.d.my_icon1 = 7;
    s.my.icon_slot2 = 12;
}

TEST(DuelEndAbort, CardsHomeIconsBackAndThePenaltyFromTenKinds) {
    struct Case { int32_t kinds; int empty_extra; int32_t want_saves; bool penalty; bool transformed; };
    for (const Case& c : {Case{9, 0, 1, false, false}, Case{10, 0, 2, true, false}, Case{10, 1, 2, true, false},
                          Case{9, 0, 1, false, true}}) {
        Ended s;
        Drawn(s, c.kinds);
        if (c.empty_extra) s.my.deck[9] = -1;  // four empty slots: nothing is put back
        // A card that turned into another in battle still goes home as the card that was drawn.
        if (c.transformed) s.d.chara[2].card_no = 300;
        int saves = 0;
        const auto result = AbortDuel(s.ctx, s.ending, [&](tmy&) { ++saves; return SaveOutcome{}; });
        const std::array<int32_t, 10> back = {0, 243, 2, 3, 241, 5, 240, 7, 8, 9};
        EXPECT_EQ(s.my.deck == back, c.empty_extra == 0);
        EXPECT_EQ((std::array{s.my.icon_slot1, s.my.icon_slot2, s.d.my_icon1, saves}), (std::array{7, 12, -1, c.want_saves}));
        EXPECT_EQ(s.msg.pause(), MessagePlayer::kSwitchedOff);
        EXPECT_EQ(result.lost_card >= 0, c.penalty);
        if (!c.penalty) continue;
        const int32_t lost = result.lost_card;
        EXPECT_TRUE(lost < c.kinds && s.my.card_count[static_cast<size_t>(lost)] == 1) << lost;
        const std::vector<std::string> tail(s.screen.transcript.end() - 6, s.screen.transcript.end());
        EXPECT_EQ(tail, (std::vector<std::string>{
                            "se0: no.wav", "box: デュエル中断によりペナルティとしてカードを１枚ランダムに失います",
                            "se0: over.wav",
                            "box: 【" + test::GameCatalogue().card[static_cast<size_t>(lost)].name +
                                "】のカードを１枚失いました！\n残り所持：1枚",
                            "se0: 1.wav", "main"}));
    }
}

TEST(DuelEndAbort, CardKind355IsNeverTaken) {
    for (uint64_t seed = 1; seed <= 200; ++seed) {
        Ended s(seed);
        Drawn(s, 9);
        s.my.card_count[355] = 3;  // the tenth kind
        ASSERT_EQ(CardKindsOwned(s.my), 10);
        const auto result = AbortDuel(s.ctx, s.ending, kNoSave);
        EXPECT_TRUE(result.lost_card >= 0 && result.lost_card < 9 && s.my.card_count[355] == 3) << result.lost_card;
    }
}

TEST(DuelEndAbort, ViewModeOnlyStops) {
    Ended s;
    Drawn(s, 20);
    s.d.look_mode = 1;
    const tmy before = s.my;
    const auto result = AbortDuel(s.ctx, s.ending, [](tmy&) { return SaveOutcome{false, false, "呼ばれてはいけない"}; });
    EXPECT_EQ(s.screen.transcript,
              (std::vector<std::string>{"se0: no.wav", "bgm: not", "box: 中断します", "se0: 1.wav", "main"}));
    EXPECT_EQ(s.my, before);
    EXPECT_EQ((std::array<int32_t, 2>{s.d.look_mode, result.lost_card}), (std::array<int32_t, 2>{0, -1}));
    EXPECT_TRUE(result.save.ok);
}

TEST(DuelEndViewMode, ClearsTheRecordAndReloadsThePlayer) {
    test::TempFolder tmp;
    tmy own;
    own.money = 123;
    ASSERT_TRUE(SavePlayerData(tmp.Game(), own).ok);
    Ended s;
    Drawn(s, 3);
    s.my.money = 999, s.d.look_mode = 1, s.d.e_icon2 = 40, s.d.input_phase = kPhaseSetIds, s.d.battle_type = 5;
    s.d.my_dekki[4] = Card(50);
    EXPECT_TRUE(EndViewedDuel(s.ctx, s.ending, tmp.Game()));
    EXPECT_EQ((std::array<int32_t, 8>{s.my.money, s.d.my_icon1, s.d.my_icon2, s.d.e_icon1, s.d.e_icon2, s.d.input_phase,
                                      s.d.battle_type, s.d.look_mode}),
              (std::array<int32_t, 8>{123, -1, -1, -1, -1, 0, 0, 0}));
    for (const tchar& c : s.d.chara) EXPECT_EQ(c.card_no, -1);
    for (const tchar& c : s.d.my_dekki) EXPECT_EQ(c.card_no, -1);
    EXPECT_EQ(s.screen.transcript, (std::vector<std::string>{"se0: 3.wav", "main"}));
    test::TempFolder empty;
    Ended m;
    EXPECT_FALSE(EndViewedDuel(m.ctx, m.ending, GameFolder{empty.path()}));
    EXPECT_EQ(m.screen.Lines("box: セーブデータを読み直せませんでした。").size(), 1u);
}

TEST(DuelEndMenuReveal, EachButtonAboutOneDuelInThree) {
    int shop = 0, synthesis = 0, techniques = 0;
    Rng rng(9);
    for (int i = 0; i < 600; ++i) {
        const MenuReveal r = DrawMenuReveal(rng);
        shop += r.shop, synthesis += r.synthesis, techniques += r.technique_shop;
    }
    for (const int n : {shop, synthesis, techniques}) EXPECT_NEAR(n, 200, 50);
}

}  // namespace
}  // namespace kestra
