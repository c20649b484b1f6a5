#include "battle/signature_moves.h"

#include "battle/battle_content.h"
#include "battle/death_reactions.h"
#include "battle/flick.h"
#include "support/battle_cases.h"

namespace kestra::test {
namespace {

const std::string kHead = "card\tmove\tshape\tamounts\tluck\tline\tflash\tsound\n";

// A table of one move for 山の木こり (<無>), always on, with the line "えいっ！".
std::vector<SignatureMove> OneMove(const std::string& shape, const std::string& amounts,
                                   const std::string& flash, const std::string& sound,
                                   const std::string& luck = "0123456789") {
    const std::string row = "山の木こり\t試し技\t" + shape + "\t" + amounts + "\t" + luck + "\tえいっ！\t" +
                            flash + "\t" + sound + "\n";
    const SignatureMoveLoad load = LoadSignatureMoves(kHead + row, GameCatalogue());
    EXPECT_EQ(load.error, "");
    return load.moves;
}

// The six of SeatSix with 山の木こり (HP 5, MP 3) in slot 1 acting on 鍛冶場の親方 (<火>, HP 20, MP 6) in
// slot 4; slots 3 and 6 are dead.
void Seat(DuelSide& s, int32_t luck = 0) {
    SeatSix(s.d);
    s.d.chara[1] = Card(30);
    s.d.chara[1].hp = 5, s.d.chara[1].mp = 3, s.d.chara[4].hp = 20, s.d.chara[4].mp = 6;
    Kill(s.d, 3), Kill(s.d, 6);
    s.d.luck = luck;
}

using Setup = void (*)(DuelRecord&);

struct ShapeCase {
    const char *what, *shape, *amounts, *flash, *sound;
    Setup setup;  // beyond Seat, or nullptr
    std::vector<After> after;
    std::vector<std::string> cues;
    std::vector<std::string> lines;  // after the title
};

TEST(SignatureMoves, EveryShape) {
    // clang-format off
    const ShapeCase cases[] = {
        {"blow: N with the modifiers, no counter", "blow", "7", "red", "do.wav", nullptr, {{1, 5, 3, 0, 0, 0}, {4, 13, 6, 0, 0, 0}}, {"flash red 4", "se3: do.wav"}, {"えいっ！", "7ダメージ与えた！"}},
        {"multiply: N times HP, then the counter", "multiply", "3", "red", "ryu.wav", nullptr,
         {{1, 0, 3, 0, 0, 0}, {4, 5, 6, 0, 0, 0}}, {"flash red 4", "se3: ryu.wav", "flash red 1", "se3: punch.wav"}, {"えいっ！", "15ダメージ与えた！", "反撃＞ 20ダメージ食らった！"}},
        {"drain: the attacker gains what was taken", "drain", "4", "black", "noroi.wav", nullptr,
         {{1, 9, 3, 0, 0, 0}, {4, 16, 6, 0, 0, 0}}, {"flash black 4", "se3: noroi.wav", "flash blue 1"}, {"えいっ！", "鍛冶場の親方からHPを 4吸い取った！", "山の木こりのHPが 4回復した！"}},
        {"drain: no more than the target has", "drain", "4", "black", "blood.wav", [](DuelRecord& d) { d.chara[4].hp = 3; },
         {{1, 8, 3, 0, 0, 0}, {4, 0, 6, 0, 0, 0}}, {"flash black 4", "se3: blood.wav", "flash blue 1"}, {"えいっ！", "鍛冶場の親方からHPを 3吸い取った！", "山の木こりのHPが 3回復した！"}},
        {"heal_side: the living of the attacker's side", "heal_side", "2|1", "blue", "kaifuku.wav", nullptr,
         {{1, 7, 4, 0, 0, 0}, {2, 7, 4, 0, 0, 0}, {4, 20, 6, 0, 0, 0}}, {"se3: kaifuku.wav", "flash blue 1", "flash blue 2"}, {"えいっ！", "味方全員のHPが 2、MPが 1回復した！"}},
        {"heal_side: MP only", "heal_side", "0|2", "blue", "kaifuku.wav", nullptr, {{1, 5, 5, 0, 0, 0}, {2, 5, 5, 0, 0, 0}}, {"se3: kaifuku.wav", "flash blue 1", "flash blue 2"}, {"えいっ！", "味方全員のMPが 2回復した！"}},
        {"status: the target's bad status, replaced", "status", "3", "black", "noroi.wav", [](DuelRecord& d) { d.chara[4].status1 = 1; }, {{4, 20, 6, 0, 3, 0}}, {"flash black 4", "se3: noroi.wav"}, {"えいっ！", "鍛冶場の親方は<呪>化した！"}},
        {"buff: good status and HP", "buff", "13|3", "aqua", "baria.wav", nullptr, {{1, 8, 3, 0, 0, 13}, {4, 20, 6, 0, 0, 0}}, {"flash aqua 1", "se3: baria.wav"}, {"えいっ！", "山の木こりはHP+3、<ﾊﾞﾘｱ>化した！"}},
        {"buff: good status alone", "buff", "2|0", "yellow", "up.wav", nullptr, {{1, 5, 3, 0, 0, 2}}, {"flash yellow 1", "se3: up.wav"}, {"えいっ！", "山の木こりは<↑>化した！"}},
        {"mp_strike: no more than the target has", "mp_strike", "8", "aqua", "ma2.wav", nullptr, {{4, 20, 0, 0, 0, 0}}, {"flash aqua 4", "se3: ma2.wav"}, {"えいっ！", "鍛冶場の親方のMPを 6削った！"}},
        {"side_blow: the living of the other side, not below 0", "side_blow", "6", "red", "baku.wav", nullptr,
         {{1, 5, 3, 0, 0, 0}, {4, 14, 6, 0, 0, 0}, {5, 0, 3, 0, 0, 0}}, {"se3: baku.wav", "flash red 4", "flash red 5"}, {"えいっ！", "敵全員に 6ダメージ与えた！"}},
    };
    // clang-format on
    for (const ShapeCase& c : cases) {
        SCOPED_TRACE(c.what);
        DuelSide s;
        Seat(s);
        if (c.setup) c.setup(s.d);
        ASSERT_TRUE(RunSignatureMove(s.ctx, OneMove(c.shape, c.amounts, c.flash, c.sound)));
        EXPECT_EQ(s.screen.transcript[0], "show: ＞試し技");
        ExpectTitledRun(s, c.after, c.cues, c.lines);
    }
}

// On a digit outside the row's, the card flicks exactly as it would with no move at all.
TEST(SignatureMoves, OtherDigitsFlickAsEveryCard) {
    BattleContent gated, none;
    gated.moves = OneMove("blow", "7", "red", "do.wav", "89");
    for (int32_t luck = 0; luck <= 9; ++luck) {
        SCOPED_TRACE(luck);
        DuelSide with, plain;
        Seat(with, luck);
        Seat(plain, luck);
        with.ctx.content = &gated, plain.ctx.content = &none;
        Flick(with.ctx), Flick(plain.ctx);
        EXPECT_EQ(with.screen.transcript[0], luck >= 8 ? "show: ＞試し技" : "show: ＞でこぴん");
        if (luck >= 8) continue;
        EXPECT_EQ(with.screen.transcript, plain.screen.transcript);
        EXPECT_EQ(with.d.chara, plain.d.chara);
    }
}

// A card transformed into a listed card flicks with that card's move; one transformed away flicks.
TEST(SignatureMoves, TransformedCardsGoByName) {
    DuelSide s;
    Seat(s);
    s.d.chara[1] = TransformedCard(GameCatalogue(), Card(10, 3), 32);  // into 洞窟の蝙蝠
    s.d.chara[1].hp = 5;
    Flick(s.ctx);
    EXPECT_EQ(s.screen.transcript[0], "show: ＞暗がりの牙");
    EXPECT_EQ(s.d.chara[1].hp, 6);
    EXPECT_EQ(s.d.chara[4].hp, 19);

    DuelSide away;
    Seat(away);
    away.d.chara[1] = TransformedCard(GameCatalogue(), Card(30), 10);  // 山の木こり into 旅の行商人
    Flick(away.ctx);
    EXPECT_EQ(away.screen.transcript[0], "show: ＞でこぴん");
}

// The shipped table loads, and the move names come in its order.
TEST(SignatureMoves, ShippedTable) {
    const BattleContent content = LoadBattleContent(GameCatalogue());
    ASSERT_EQ(content.error, "");
    const std::vector<std::string> in_order = SignatureMoveNames(content);
    ASSERT_EQ(in_order.size(), content.moves.size());
    EXPECT_EQ(in_order.front(), content.moves.front().name);
    EXPECT_EQ(in_order.back(), content.moves.back().name);
}

TEST(SignatureMoves, LoaderRefusesFaults) {
    const std::string r = "山の木こり\tx\tblow\t5\t0\tl\tred\tdo.wav\n";
    // clang-format off
    ExpectRefused([](const std::string& t) { return LoadSignatureMoves(t, GameCatalogue()); }, &SignatureMoveLoad::moves, kHead, {
        "山のきこり\tx\tblow\t5\t0\tl\tred\tdo.wav\n", r + "山の木こり\ty\tblow\t5\t1\tl\tred\tdo.wav\n",
        "山の木こり\tx\tkick\t5\t0\tl\tred\tdo.wav\n", "山の木こり\tx\tblow\t5|1\t0\tl\tred\tdo.wav\n",
        "山の木こり\tx\tbuff\t2\t0\tl\tred\tdo.wav\n", "山の木こり\tx\tblow\t0\t0\tl\tred\tdo.wav\n",
        "山の木こり\tx\tmultiply\t1\t0\tl\tred\tdo.wav\n", "山の木こり\tx\tstatus\t21\t0\tl\tred\tdo.wav\n",
        "山の木こり\tx\tbuff\t14|0\t0\tl\tred\tdo.wav\n", "山の木こり\tx\theal_side\t0|0\t0\tl\tred\tdo.wav\n",
        "山の木こり\tx\tblow\t5\t\tl\tred\tdo.wav\n", "山の木こり\tx\tblow\t5\t98\tl\tred\tdo.wav\n",
        "山の木こり\tx\tblow\t5\t77\tl\tred\tdo.wav\n", "山の木こり\tx\tblow\t5\t0\tl\tpink\tdo.wav\n",
        "山の木こり\tx\tblow\t5\t0\tl\tred\tboom.wav\n", "山の木こり\t\tblow\t5\t0\tl\tred\tdo.wav\n",
        "山の木こり\tx\tblow\t5\t0\t\tred\tdo.wav\n", "山の木こり\t\xF0\x9F\x90\x89\tblow\t5\t0\tl\tred\tdo.wav\n",
    }, r);
    // clang-format on
}

}  // namespace
}  // namespace kestra::test
