#include "battle/battle_phase.h"

#include "support/battle_cases.h"

namespace kestra::test {
namespace {

// A duel in mid-course: six living cards, this side about to resolve its own command.
void Ready(DuelSide& s, int32_t key, int32_t luck) {
    for (size_t i = 1; i <= 6; ++i) {
        s.d.chara[i] = Card(10 + static_cast<int32_t>(i));
        s.d.chara[i].hp = 6, s.d.chara[i].mp = 3, s.d.chara[i].lv = 1;
    }
    s.d.turn = 2, s.d.turn_base = 8, s.d.my_id = 1, s.d.atk_no = 2, s.d.tgt_no = 5;
    s.d.waza_kind = key / 10, s.d.waza_arg1 = key % 10, s.d.luck = luck;
    s.d.input_phase = kPhaseCommandSent, s.d.own_turn = true;
}

// Whether the transcript holds a line that starts with the text.
bool HasPrefix(const DuelSide& s, const std::string& prefix) {
    for (const auto& l : s.screen.transcript)
        if (l.rfind(prefix, 0) == 0) return true;
    return false;
}

TEST(BattlePhase, PassNeverAnnouncesAnAttack) {
    DuelSide s;
    Ready(s, 72, 5);
    EXPECT_EQ(PressBattlePhase(s.ctx, "", {}), PhaseEnd::NextTurn);
    EXPECT_TRUE(s.screen.Has("se1: battle.wav"));
    EXPECT_TRUE(s.screen.Has("show: ＜あなたのBATTLE PHASE＞"));
    EXPECT_TRUE(s.screen.Has("show: あなたはパスしました"));
    EXPECT_FALSE(HasPrefix(s, "markers 2"));
    EXPECT_EQ(s.d.turn, 3);
    EXPECT_EQ(s.d.input_phase, kPhaseAwaitOpponent);
}

TEST(BattlePhase, PassIcons) {
    DuelSide helped;
    Ready(helped, 72, 5);
    helped.d.my_icon1 = 261, helped.d.chara[3].status1 = 1, helped.d.chara[1].name = "死亡";
    PressBattlePhase(helped.ctx, "", {});
    const auto& c = helped.d.chara;  // the dead are passed over
    EXPECT_EQ((std::array{c[3].lv, c[3].status1, c[2].mp, c[1].lv}), (std::array{2, 0, 4, 1}));

    DuelSide trapped;
    Ready(trapped, 72, 5);
    trapped.d.e_icon2 = 76;
    PressBattlePhase(trapped.ctx, "", {});
    EXPECT_TRUE(trapped.screen.Has("show: <トラップ!!>"));
    EXPECT_EQ((std::array{trapped.d.chara[4].hp, trapped.d.chara[1].hp}), (std::array{11, 6}));
}

// A chained attacker is held on chance digits 0..4 and acts on 5..9.
TEST(BattlePhase, Chains) {
    for (const int32_t luck : {4, 5}) {
        DuelSide s;
        Ready(s, 10, luck);
        s.d.chara[2].status1 = 20;
        PressBattlePhase(s.ctx, "", {});
        const bool held = s.screen.Has("show: あなたの「" + Card(12).name + "」は、麻痺して動けなかった！");
        EXPECT_EQ(held, luck == 4);
        EXPECT_EQ(s.screen.Has("show: ＞でこぴん"), luck == 5);
    }
}

// A key without a technique shows the announcement and then only the after-action processing.
TEST(BattlePhase, KeyWithoutTechnique) {
    DuelSide s;
    Ready(s, 92, 5);
    const DuelRecord before = s.d;
    EXPECT_EQ(PressBattlePhase(s.ctx, "", {}), PhaseEnd::NextTurn);
    EXPECT_TRUE(s.screen.Has("markers 2 5"));
    EXPECT_TRUE(HasPrefix(s, "show: あなたの「"));
    for (size_t i = 1; i <= 6; ++i) EXPECT_EQ(s.d.chara[i].hp, before.chara[i].hp);
}

// The opponent's pasted number: empty, refused, then resolved with mirrored slots.
TEST(BattlePhase, OpponentsNumber) {
    DuelSide s;
    Ready(s, 10, 0);
    s.d.input_phase = kPhaseAwaitOpponent, s.d.own_turn = false;
    const DuelRecord before = s.d;
    EXPECT_EQ(PressBattlePhase(s.ctx, "", {}), PhaseEnd::Refused);
    EXPECT_EQ(PressBattlePhase(s.ctx, "02371000", {}), PhaseEnd::Refused);
    EXPECT_EQ(s.d, before);
    EXPECT_EQ(PressBattlePhase(s.ctx, "02361720", {}), PhaseEnd::NextTurn);
    EXPECT_TRUE(s.screen.Has("show: ＜相手のBATTLE PHASE＞"));
    EXPECT_TRUE(s.screen.Has("markers 6 3"));
    EXPECT_EQ(s.d.turn, 3);
    EXPECT_EQ(s.d.input_phase, kPhaseChooseAttacker);
}

}  // namespace
}  // namespace kestra::test
