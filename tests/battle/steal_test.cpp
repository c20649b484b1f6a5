#include "battle/steal.h"

#include "support/battle_cases.h"

namespace kestra::test {
namespace {

// The figures a theft moves.
struct Figures {
    int32_t lv, hp, mp, status2;
    bool operator==(const Figures&) const = default;
};

Figures Of(const tchar& c) { return {c.lv, c.hp, c.mp, c.status2}; }

// The thief in slot 2 (HP 6, MP 2) robs slot 5 (LV 5, HP 9, MP 4); the purse holds 100 円.
void Seat(DuelSide& s, int32_t thief_lv, int32_t luck) {
    for (size_t i = 1; i <= 6; ++i) s.d.chara[i] = Card(23 + static_cast<int32_t>(i));
    s.d.chara[2] = Card(10, thief_lv);
    s.d.chara[5] = Card(15, 5);
    s.d.chara[2].hp = 6, s.d.chara[2].mp = 2, s.d.chara[5].hp = 9, s.d.chara[5].mp = 4;
    s.d.atk_no = 2, s.d.tgt_no = 5, s.d.luck = luck, s.my.money = 100;
}

TEST(StealByLevel, Thresholds) {
    struct Case {
        const char* what;
        int32_t thief_lv, luck;
        Figures victim_before, thief, victim;
        std::vector<std::string> lines;
    };
    const std::string one = "お金を1円盗んだ!!（所持金：101円）";
    // clang-format off
    const Case cases[] = {
        {"LV 2 takes money only", 2, 0, {5, 9, 4, 3}, {2, 6, 2, 0}, {5, 9, 4, 3}, {one}},
        {"LV 3 takes LV", 3, 0, {5, 9, 4, 3}, {4, 6, 2, 0}, {4, 9, 4, 3}, {one, "LVを 1盗んだ!!"}},
        {"LV 4 reaches 5 and takes HP", 4, 0, {5, 9, 4, 0}, {5, 7, 2, 0}, {4, 8, 4, 0}, {one, "LVを 1盗んだ!!", "HPを 1盗んだ!!"}},
        {"LV 8 takes LV, HP and MP", 8, 0, {5, 9, 4, 0}, {10, 9, 5, 0}, {3, 6, 1, 0}, {one, "LVを 2盗んだ!!", "HPを 3盗んだ!!", "MPを 3盗んだ!!"}},
        {"LV 9 takes the good status too", 9, 0, {5, 9, 4, 3}, {12, 10, 6, 3}, {2, 5, 0, 0}, {one, "LVを 3盗んだ!!", "HPを 4盗んだ!!", "MPを 4盗んだ!!", "Goodステータスを盗んだ!!"}},
        // The victim never drops below 0, but the thief gains the whole share.
        {"the victim stops at 0", 9, 0, {1, 2, 0, 0}, {12, 10, 6, 0}, {0, 0, 0, 0}, {one, "LVを 3盗んだ!!", "HPを 4盗んだ!!", "MPを 4盗んだ!!"}},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        DuelSide s;
        Seat(s, c.thief_lv, c.luck);
        tchar& v = s.d.chara[5];
        v.lv = c.victim_before.lv, v.hp = c.victim_before.hp, v.mp = c.victim_before.mp, v.status2 = c.victim_before.status2;
        Steal(s.ctx);
        EXPECT_EQ(Of(s.d.chara[2]), c.thief);
        EXPECT_EQ(Of(s.d.chara[5]), c.victim);
        EXPECT_EQ(LinesAfterTitle(s.screen), c.lines);
    }
}

TEST(StealMoney, WhoGainsAndWhoLoses) {
    struct Case {
        const char* what;
        bool opponent_steals;
        uint8_t look_mode;
        int32_t luck, money_before, money_after;
        std::string line;
    };
    const Case cases[] = {
        // clang-format off
        {"the local side steals", false, 0, 3, 100, 102, "お金を2円盗んだ!!（所持金：102円）"},
        {"the opponent steals", true, 0, 3, 100, 98, "お金を2円盗んだ!!（所持金：98円）"},
        {"the opponent steals the last 円", true, 0, 9, 2, 0, "お金を4円盗んだ!!（所持金：0円）"},
        {"view mode, applicant steals", false, 1, 9, 100, 100, "お金を盗んだ!!"},
        // clang-format on
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        DuelSide s;
        Seat(s, 2, c.luck);
        s.d.look_mode = c.look_mode, s.my.money = c.money_before;
        if (c.opponent_steals) std::swap(s.d.atk_no, s.d.tgt_no);
        Steal(s.ctx);
        EXPECT_EQ(s.my.money, c.money_after);
        // The opponent's thief in slot 5 has LV 5 and goes on to take more: the purse line comes first.
        EXPECT_EQ(LinesAfterTitle(s.screen).at(0), c.line);
    }
}

TEST(StealGuard, IconAndGuardCard) {
    struct Case {
        const char* what;
        int32_t my_icon, e_icon;
        int32_t guard_slot;  // where card 50 stands, 0 for nowhere
        bool guard_dead;
        bool robbed;
    };
    const Case cases[] = {
        {"icon 81 on the victim's side", -1, 81, 0, false, false},
        {"icon 81 on the thief's side", 81, -1, 0, false, true},
        {"the guard alive beside the victim", -1, -1, 6, false, false},
        {"the guard is the victim", -1, -1, 5, false, false},
        {"the guard dead", -1, -1, 6, true, true},
        {"the guard on the thief's side", -1, -1, 3, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        DuelSide s;
        Seat(s, 9, 0);
        s.d.my_icon1 = c.my_icon, s.d.e_icon2 = c.e_icon;
        if (c.guard_slot != 0) {
            tchar& guard = s.d.chara[static_cast<size_t>(c.guard_slot)];
            const int32_t hp = guard.hp;
            guard = Card(50);
            guard.hp = hp;
            if (c.guard_dead) guard.name = std::string(kDeadName);
        }
        const DuelRecord before = s.d;
        Steal(s.ctx);
        EXPECT_EQ(s.d != before, c.robbed);
        EXPECT_EQ(s.my.money, c.robbed ? 101 : 100);
        if (!c.robbed) {
            EXPECT_EQ(LinesAfterTitle(s.screen), std::vector<std::string>{"Miss...."});
        }
    }
}

// The good status goes when the LV just taken brings the thief to exactly 9.
TEST(StealByLevel, ReachingNineTakesTheGoodStatus) {
    DuelSide s;
    Seat(s, 7, 0);  // LV 7 takes 7 div 3 = 2 LV
    s.d.chara[5].status2 = 3;
    Steal(s.ctx);
    EXPECT_EQ((std::array{s.d.chara[2].lv, s.d.chara[2].status2, s.d.chara[5].status2}), (std::array{9, 3, 0}));
    EXPECT_EQ(LinesAfterTitle(s.screen).back(), "Goodステータスを盗んだ!!");
}

// The petrify trap closes a theft, and a guarded one too.
TEST(StealTranscript, PetrifyTrapAfterwards) {
    for (const bool guarded : {false, true}) {
        SCOPED_TRACE(guarded);
        DuelSide s;
        Seat(s, 2, 0);
        s.d.e_icon1 = 83;
        if (guarded) s.d.e_icon2 = 81;
        Steal(s.ctx);
        const std::vector<std::string> lines = LinesAfterTitle(s.screen);
        ASSERT_EQ(lines.size(), 4u);
        EXPECT_EQ(lines[1], "<トラップ!!>");
        EXPECT_EQ(s.d.chara[2].status1, 5);
        EXPECT_EQ(s.d.chara[5].hp, 14);
    }
}

// Without icon 83 on the attacked side a miss is the line and the click; with it the attacker turns to
// stone and the target heals 5.
TEST(MissTail, PlainMissAndPetrifyTrap) {
    DuelSide s;
    Seat(s, 0, 0);
    s.d.my_icon1 = 83;
    const DuelRecord before = s.d;
    MissTail(s.ctx);
    EXPECT_EQ(s.screen.transcript, (std::vector<std::string>{"add: Miss....", "click"}));
    EXPECT_EQ(s.d, before);

    DuelSide t;
    Seat(t, 0, 0);
    t.d.e_icon2 = 83;
    MissTail(t.ctx);
    EXPECT_EQ(t.screen.transcript, (std::vector<std::string>{"add: Miss....", "click", "se2: time_wav.wav", "flash purple 2",
                                                              "show: <トラップ!!>", "click", "add: 旅の行商人は石化してしまった!!",
                                                              "click", "flash blue 5", "add: 峠の山賊のHP 5回復", "click"}));
    EXPECT_EQ(t.d.chara[2].status1, 5);
    EXPECT_EQ(t.d.chara[5].hp, 14);
}

}  // namespace
}  // namespace kestra::test
