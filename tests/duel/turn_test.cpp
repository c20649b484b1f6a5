#include <gtest/gtest.h>

#include "duel/battle_number.h"
#include "duel/judgement.h"
#include "duel/time_limit.h"
#include "duel/turn_input.h"
#include "duel/turn_start.h"
#include "support/technique_fixture.h"

namespace kestra {
namespace {

using test::Card;
using test::DuelSide;
using test::IconNamed;

// A side with six living starter cards, mid-duel.
void Seat(DuelSide& s, int32_t turn = 3) {
    for (size_t i = 1; i <= 6; ++i) s.d.chara[i] = Card(static_cast<int32_t>(i) + 9);
    s.d.turn = turn;
    s.d.turn_base = 8;
}

// That side as a test's own program, seeded for its chance digit.
struct Seated : DuelSide {
    explicit Seated(int32_t turn = 3, uint64_t seed = 1) : DuelSide(seed) { Seat(*this, turn); }
};

TEST(TurnLimit, ByBattleTypeAndKindAndTheNinthStartJudges) {
    struct Case { int32_t kind, battle_type, limit; };
    for (const Case c : {Case{0, 0, 9}, Case{0, 6, 5}, Case{0, 17, 11}, Case{6, 6, 18}, Case{6, 0, 18}, Case{3, 2, 9}}) {
        DuelRecord d;
        d.turn_base = 8, d.duel_kind = c.kind, d.battle_type = c.battle_type;
        EXPECT_EQ(TurnLimit(d), c.limit);
    }
    Seated s(7);  // an ordinary duel runs eight turns; the ninth start is the judgement
    EXPECT_TRUE(BeginTurn(s.ctx, true));
    EXPECT_EQ(s.d.turn, 8);
    EXPECT_FALSE(BeginTurn(s.ctx, false));
    EXPECT_TRUE(s.screen.Has("show: 決着がつかないため、判定モードにはいります"));
}

TEST(TurnStart, EffectRows) {
    // The opponent wears icon_name when it is not empty; hp .. after2 are the figures after.
    struct Case { const char* what; int32_t status1, status2, my_icon; std::string icon_name; int32_t hp, mp, after1, after2; const char* suffix; };
    // The card starts with HP 6 and MP 4 unless a case sets another HP.
    const Case cases[] = {
        {"heal", 0, 1, -1, "", 7, 4, 0, 1, "は 1回復した"},       {"god doubles", 0, 9, -1, "", 12, 4, 0, 9, "はHPがx2!!"},
        {"magic", 0, 10, -1, "", 6, 5, 0, 10, "はMPが 1回復した"}, {"cure", 0, 11, -1, "", 8, 4, 0, 11, "は 2回復した"},
        {"release", 3, 12, -1, "", 6, 4, 0, 12, "は ｽﾃｰﾀｽ異状を自ら解除した"},
        {"icon 264", 0, 0, 264, "", 6, 5, 0, 0, "のMP +1"},
        {"relief", 1, 0, -1, "救済のカード", 9, 7, 1, 0, "はHP,MPが 3回復した"},
        {"punishment", 0, 2, -1, "天罰のカード", 3, 2, 0, 2, "はHP,MPが半減!!"},
        {"bare face", 4, 3, -1, "素顔のカード", 6, 4, 0, 0, "のステータス状態は解除された"},
    };
    for (const Case& c : cases) {
        Seated s;
        tchar& card = s.d.chara[2];
        card.hp = 6, card.mp = 4, card.status1 = c.status1, card.status2 = c.status2;
        s.d.my_icon1 = c.my_icon;
        if (!c.icon_name.empty()) s.d.e_icon1 = IconNamed(c.icon_name);
        RunTurnStartEffects(s.ctx, true);
        EXPECT_EQ((std::array{card.hp, card.mp, card.status1, card.status2}), (std::array{c.hp, c.mp, c.after1, c.after2}))
            << c.what;
        EXPECT_TRUE(s.screen.Has("add: " + card.name + c.suffix)) << c.what;
    }
    // The undying card at its two HP edges, and the earthly-desire card on a card with a technique.
    struct Edge { const char* icon; int32_t hp, waza; std::array<int32_t, 4> after; const char* suffix; };
    for (const Edge& e : {Edge{"不死のカード", 10, 0, {10, 4, 15, 0}, "は<契約>化"}, Edge{"不死のカード", 3, 0, {3, 4, 0, 5}, "は<約>化"},
                          Edge{"煩悩のカード", 6, 7, {3, 2, 0, 0}, "はHP,MPが半減!!"}}) {
        Seated s;
        tchar& card = s.d.chara[2];
        card.hp = e.hp, card.mp = 4, card.status1 = card.status2 = 0, card.waza = e.waza;
        s.d.e_icon1 = IconNamed(e.icon);
        RunTurnStartEffects(s.ctx, true);
        EXPECT_EQ((std::array{card.hp, card.mp, card.status1, card.status2}), e.after) << e.icon << " HP " << e.hp;
        EXPECT_TRUE(s.screen.Has("add: " + card.name + e.suffix)) << e.icon;
    }
}

// Status 7 heals the other living cards of its side in the fixed order.
TEST(TurnStart, CompassionHealsInOrder) {
    struct Case { int32_t slot; std::array<int32_t, 2> order; };
    for (const Case c : {Case{1, {3, 2}}, Case{2, {1, 3}}, Case{3, {1, 2}}, Case{4, {5, 6}}, Case{5, {4, 6}}, Case{6, {4, 5}}}) {
        Seated s;
        s.d.chara[static_cast<size_t>(c.slot)].status2 = 7;
        RunTurnStartEffects(s.ctx, c.slot <= 3);
        EXPECT_EQ(s.screen.Lines("flash"), (std::vector<std::string>{"flash blue " + std::to_string(c.order[0]),
                                                                     "flash blue " + std::to_string(c.order[1])}))
            << c.slot;
    }
}

TEST(TurnStart, RandomStatusesComeFromTheIds) {
    Seated s;
    s.d.my_id = 100, s.d.aite_id = 23, s.d.chara[5].hp = 2;
    s.d.e_icon2 = IconNamed("奇跡のカード");
    RunTurnStartEffects(s.ctx, false);
    EXPECT_EQ(s.d.chara[5].status2, (5 % 3 + 123) % 14);
}

TEST(TurnStart, DontLookBackHalvesTheFirstMover) {
    Seated s(0);
    s.d.e_icon1 = 233;
    s.d.chara[1].hp = s.d.chara[4].hp = 7;
    BeginTurn(s.ctx, true);
    EXPECT_EQ((std::array{s.d.chara[1].hp, s.d.chara[4].hp, s.d.turn, s.d.input_phase}),
              (std::array<int32_t, 4>{3, 7, 1, kPhaseChooseAttacker}));
}

TEST(ChooseAttacker, Refusals) {
    // card -1 keeps the seated card; message: why it is refused (nullptr when accepted).
    struct Case { const char* what; int32_t slot, card, status1, status2; bool intention, accepted; const char* message; };
    const Case cases[] = {
        {"asleep", 2, -1, 2, 0, false, false, "眠っています"},       {"stone", 2, -1, 5, 0, false, false, "石化しています"},
        {"jail", 3, -1, 11, 0, false, false, "牢化しています"},     {"rampage", 2, -1, 0, 6, false, false, "暴走しています"},
        {"betrayal first", 1, -1, 16, 0, false, false, "あなたの命令を聞きません"},
        {"suspended", 1, -1, 17, 0, true, false, "行動できません"},
        {"asleep with intention", 2, -1, 2, 0, true, true, nullptr}, {"rampage with intention", 2, -1, 0, 6, true, true, nullptr},
        {"healthy", 1, -1, 0, 0, false, true, nullptr},              {"rampaging holy warrior", 1, 296, 0, 6, false, true, nullptr},
    };
    for (const Case& c : cases) {
        Seated s;
        s.d.input_phase = kPhaseChooseAttacker;
        tchar& card = s.d.chara[static_cast<size_t>(c.slot)];
        if (c.card >= 0) card = Card(c.card);
        card.status1 = c.status1, card.status2 = c.status2;
        if (c.intention) s.d.e_icon1 = IconNamed("インテンション");
        EXPECT_EQ(ChooseAttacker(s.ctx, c.slot), c.accepted) << c.what;
        const std::string why = c.message ? c.message : "";
        EXPECT_TRUE(!c.message || s.screen.Has("show: そのキャラは" + why + "。選択できるキャラがいない時はパスを選択して下さい。"))
            << c.what;
        EXPECT_EQ(s.d.input_phase, c.accepted ? kPhaseChooseTarget : kPhaseChooseAttacker) << c.what;
        EXPECT_EQ((std::array{s.screen.Has("se0: no.wav"), s.screen.Has("se0: ok.wav")}), (std::array{!c.accepted, c.accepted}))
            << c.what;
    }
}

TEST(ChooseTarget, DeadAndOutOfTurn) {
    Seated s;
    s.d.input_phase = kPhaseChooseAttacker;
    EXPECT_FALSE(ChooseTarget(s.ctx, 4));  // no acting card yet
    ASSERT_TRUE(ChooseAttacker(s.ctx, 2));
    s.d.chara[5].name = "死亡";
    EXPECT_FALSE(ChooseTarget(s.ctx, 5));
    EXPECT_TRUE(ChooseTarget(s.ctx, 6));
    EXPECT_EQ((std::array<int32_t, 2>{s.d.tgt_no, s.d.input_phase}), (std::array<int32_t, 2>{6, kPhaseCommandSent}));
    EXPECT_TRUE(s.screen.Has("markers 2 6"));
}

TEST(BattleNumber, TextOfACommand) {
    Seated s(1, 5);
    s.d.input_phase = kPhaseChooseAttacker;
    ASSERT_TRUE(ChooseAttacker(s.ctx, 2));
    ASSERT_TRUE(ChooseTarget(s.ctx, 4));
    const std::string text = SendCommand(s.ctx, 1, 0);
    EXPECT_EQ(text, "ﾀｰﾝ1/BN：01241" + std::to_string(s.d.luck) + "00");
    EXPECT_EQ(s.screen.clipboard, text);
    EXPECT_FALSE(s.d.timer_on);
    EXPECT_EQ(s.screen.time_label, "-ＯＫ-");
}

TEST(BattleNumber, TurnDigits) {
    const std::pair<int32_t, const char*> cases[] = {{9, "09"}, {10, "10"}, {99, "99"}, {100, "99"}};
    for (const auto& [turn, digits] : cases) {
        DuelRecord d;
        d.turn = turn;
        EXPECT_EQ(BattleNumberDigits(d).substr(0, 2), digits);
    }
}

// The worked example: "01241000" on turn 1 is the opponent's second card on this side's first.
TEST(BattleNumber, ReadingMirrors) {
    DuelRecord d;
    for (size_t i = 1; i <= 6; ++i) d.chara[i].name = "x";
    d.turn = 1;
    const BattleNumberRead r = ReadBattleNumberDigits(d, "01241000", true);
    ASSERT_EQ(r.error, BattleNumberError::None);
    EXPECT_EQ((std::array{r.fields.atk_no, r.fields.tgt_no, r.fields.waza_kind, r.fields.luck}), (std::array{5, 1, 1, 0}));
    const BattleNumberRead view = ReadBattleNumberDigits(d, "01241000", false);
    ASSERT_EQ(view.error, BattleNumberError::None);
    EXPECT_EQ((std::array{view.fields.atk_no, view.fields.tgt_no}), (std::array{2, 4}));
}

TEST(BattleNumber, Refusals) {
    using E = BattleNumberError;
    // Acting digit 4 and target digit 1 (slot -2) are out of range; arg1 9 too; slots 6 and 2 have died.
    // The whole line the other program shows reads as its digits; the digits carry the turn.
    const std::pair<const char*, E> read[] = {{"03241000", E::None},
                                              {"02241000", E::WrongTurn},
                                              {"０３２４１０００", E::Invalid},
                                              {"ﾀｰﾝ/BN：03241000", E::None},
                                              {" ﾀｰﾝ3/BN：03241000\r\n", E::None},
                                              {"ﾀｰﾝ2/BN：02241000", E::WrongTurn},
                                              {"ﾀｰﾝx/BN：03241000", E::Invalid},
                                              {"【ﾀｰﾝ3/BN：03241000】", E::Invalid},
                                              {"BN：03241000", E::Invalid}};
    const char* invalid[] = {"0324100",  "032410000", "",         "03441000", "03211000", "03271000",
                             "03241090", "0324100a",  "-3241000", "03341000", "03251000", "03041000"};
    DuelRecord d;
    for (size_t i = 1; i <= 6; ++i) d.chara[i].name = "x";
    d.chara[6].name = d.chara[2].name = "死亡";
    d.turn = 3;
    for (const auto& [text, error] : read)
        EXPECT_EQ(ReadBattleNumberDigits(d, text, true).error, error) << text;
    for (const char* text : invalid)
        EXPECT_EQ(ReadBattleNumberDigits(d, text, true).error, E::Invalid) << text;
    // Read as written (a viewer): the attacker digit must be 1..3 and the target digit 4..5 here.
    for (const auto& [text, error] : {std::pair{"03151000", E::None}, {"03051000", E::Invalid},
                                      {"03451000", E::Invalid}, {"03131000", E::Invalid}})
        EXPECT_EQ(ReadBattleNumberDigits(d, text, false).error, error) << text;
}

TEST(BattleNumber, RefusedPasteLeavesTheRecordUntouched) {
    Seated s(2);
    s.d.input_phase = kPhaseAwaitOpponent;
    const DuelRecord before = s.d;
    EXPECT_FALSE(AcceptOpponentBattleNumber(s.ctx, "01241000"));
    EXPECT_TRUE(s.screen.Has("show: 別のターンのＢＮを入力している可能性あります。"));
    EXPECT_FALSE(AcceptOpponentBattleNumber(s.ctx, "02x41000"));
    EXPECT_TRUE(s.screen.Has("show: 入力が間違っている可能性があります。【数字部分】のみを正しく入力して下さい"));
    EXPECT_EQ(s.d, before);
    EXPECT_TRUE(AcceptOpponentBattleNumber(s.ctx, "02362715"));
    EXPECT_EQ((std::array{s.d.atk_no, s.d.tgt_no, s.d.waza_kind, s.d.luck, s.d.waza_arg1, s.d.waza_arg2}),
              (std::array{6, 3, 2, 7, 1, 5}));
    EXPECT_TRUE(s.d.timer_on);
}

TEST(Pass, PicksLivingCards) {
    for (uint64_t seed = 1; seed < 40; ++seed) {
        Seated s(3, seed);
        s.d.chara[1].name = s.d.chara[3].name = s.d.chara[4].name = "死亡";
        s.d.input_phase = kPhaseChooseAttacker;
        const std::string text = SendPass(s.ctx);
        EXPECT_TRUE(s.d.atk_no == 2 && (s.d.tgt_no == 5 || s.d.tgt_no == 6) && TechniqueKey(s.d) == 72) << seed;
        EXPECT_EQ(text.substr(text.size() - 8, 3) + text.substr(text.size() - 4, 1), "0327");
    }
}

TEST(Items, UseCarriesTheRowInTheDigits) {
    Seated s;
    s.my.item_count[46] = 2;  // item 47
    s.d.atk_no = 1, s.d.tgt_no = 4;
    EXPECT_TRUE(OpenItemBox(s.ctx));
    EXPECT_EQ(ItemRows(s.ctx)[46], test::GameCatalogue().item[47].name);
    EXPECT_EQ(ItemRows(s.ctx)[45], "????");
    EXPECT_FALSE(SelectItemRow(s.ctx, 45));
    const auto row = SelectItemRow(s.ctx, 46);
    ASSERT_TRUE(row);
    const auto text = UseItem(s.ctx, row);
    ASSERT_TRUE(text);
    EXPECT_EQ(text->substr(text->size() - 8), "03147486");
    EXPECT_EQ(s.my.item_count[46], 1);
    EXPECT_FALSE(UseItem(s.ctx, std::nullopt));
}

TEST(Items, SealedAndFreeUse) {
    Seated s;
    s.d.chara[6] = Card(225);
    EXPECT_FALSE(OpenItemBox(s.ctx));
    EXPECT_TRUE(s.screen.Has("show: アイテム入れに封印紋が刻印されている...."));
    Seated f;
    f.my.item_count[0] = 1, f.d.atk_no = 2, f.d.chara[2] = Card(215);
    ASSERT_TRUE(UseItem(f.ctx, 0));
    EXPECT_EQ(f.my.item_count[0], 1);
}

TEST(TimeLimit, SecondsAndOverrides) {
    struct Case { const char* what; int32_t battle_type, e_icon, my_card, e_card, seconds; };
    const Case cases[] = {{"plain", 0, -1, 10, 10, 50},    {"limit battle", 16, -1, 10, 10, 20}, {"icon 76", 16, 76, 10, 10, 25},
                          {"their 197", 0, -1, 10, 197, 25}, {"my 197", 16, 76, 197, 197, 70}};
    for (const Case& c : cases) {
        DuelRecord d;
        d.battle_type = c.battle_type, d.e_icon1 = c.e_icon;
        for (size_t i = 1; i <= 6; ++i) d.chara[i] = Card(i == 1 ? c.my_card : i == 4 ? c.e_card : 10);
        EXPECT_EQ(TimeLimitSeconds(d, test::GameCatalogue()), c.seconds) << c.what;
    }
    EXPECT_EQ(TimeLeftLabel(3723000), "残り時間 >1:02:03");
    EXPECT_EQ(TimeLeftLabel(-5), "残り時間 >0:00:00");
}

TEST(TimeLimit, TimeOutSendsAPass) {
    Seated s(0, 3);
    ASSERT_TRUE(BeginTurn(s.ctx, true));
    ASSERT_TRUE(s.d.timer_on);
    s.clock.now_ms += 49'000;
    std::string number;
    EXPECT_FALSE(TimeTick(s.ctx, &number));
    EXPECT_EQ(s.screen.time_label, "残り時間 >0:00:01");
    s.clock.now_ms += 1'000;
    EXPECT_TRUE(TimeTick(s.ctx, &number));
    EXPECT_EQ(s.screen.time_label, "タイムアウト！");
    EXPECT_EQ(TechniqueKey(s.d), 72);
    EXPECT_EQ(number.substr(number.size() - 8, 2), "01");
    EXPECT_TRUE(s.screen.Has("show: あなたのターンですが、タイムアウトしてしまいました。"));
}

TEST(TimeLimit, ExpiryWhileWaitingOnlyStopsTheClock) {
    Seated s(2);
    s.d.input_phase = kPhaseAwaitOpponent, s.d.own_turn = false;
    ArmDeadline(s.ctx);
    s.clock.now_ms += 60'000;
    EXPECT_FALSE(TimeTick(s.ctx, nullptr));
    EXPECT_EQ(s.screen.time_label, "残り時間 > 0:00:00");
    EXPECT_FALSE(s.d.timer_on);
}

TEST(Judgement, ScoresSwapAndTies) {
    struct Case { const char* what; int32_t my_hp, e_hp; bool icon66; int32_t role; bool win; };
    const Case cases[] = {{"higher wins", 5, 3, false, kApplicant, true},        {"lower loses", 3, 5, false, kReceiver, false},
                          {"tie to the receiver", 4, 4, false, kReceiver, true}, {"tie against the applicant", 4, 4, false, kApplicant, false},
                          {"icon 66 swaps", 5, 3, true, kApplicant, false}};
    for (const Case& c : cases) {
        Seated s;
        for (size_t i = 1; i <= 6; ++i) s.d.chara[i].mp = 0, s.d.chara[i].hp = i == 1 ? c.my_hp : i == 4 ? c.e_hp : 0;
        s.d.duel_role = c.role;
        if (c.icon66) s.d.my_icon2 = 66;
        EXPECT_EQ(ThisSideWinsJudgement(s.d), c.win) << c.what;
        RunJudgement(s.ctx);
        const int32_t loser_first = c.win ? 4 : 1;
        for (int32_t k = 0; k < 3; ++k) EXPECT_EQ(s.d.chara[static_cast<size_t>(loser_first + k)].hp, 0) << c.what;
        EXPECT_EQ((std::array{s.my.win_streak, s.my.loss_streak}), (std::array{c.win ? 1 : 0, c.win ? 0 : 1})) << c.what;
    }
    // The score adds HP, MP and one for each living card: equal HP, the side with more MP wins.
    Seated s;
    for (size_t i = 1; i <= 6; ++i) s.d.chara[i].hp = 4, s.d.chara[i].mp = i == 2 ? 3 : 1;
    test::Kill(s.d, 6);
    EXPECT_EQ((std::array{JudgementScore(s.d, true), JudgementScore(s.d, false)}), (std::array{20, 17}));
    s.d.duel_role = kApplicant;
    EXPECT_TRUE(ThisSideWinsJudgement(s.d));
}

}  // namespace
}  // namespace kestra
