#include "battle/simple_techniques.h"

#include "support/battle_cases.h"

namespace kestra::test {
namespace {

const std::vector<std::string> kNothing = {"何も起きなかった..."};

// clang-format off
TEST(SimpleSideWide, EveryCardInTurn) {
    RunTitledCases({
        {"錬金術 takes the own good statuses", Alchemy, [](DuelRecord& d) { d.chara[2].status2 = 1; d.chara[5].status2 = 2; }, {{2, 8, 6, 0, 0, 0}, {5, 5, 3, 0, 0, 2}}, {"flash lime 2", "se3: ma_up.wav"}, {"朝告げ鳥はHP,MPが 3ずつ回復した！"}},
        {"錬金術 from the other side", Alchemy, [](DuelRecord& d) { d.atk_no = 6; d.chara[2].status2 = 1; d.chara[5].status2 = 2; },
         {{2, 5, 3, 0, 0, 1}, {5, 8, 6, 0, 0, 0}}, {"flash lime 5", "se3: ma_up.wav"}, {"雨乞いの巫女はHP,MPが 3ずつ回復した！"}},
        {"錬金術 skips the dead", Alchemy, [](DuelRecord& d) { d.chara[3].status2 = 1; d.chara[3].name = std::string(kDeadName); }, {{3, 5, 3, 0, 0, 1}}, {}, kNothing},
        {"忍術 strips the other side, below 0 allowed", NinjaArt, [](DuelRecord& d) { d.chara[2].status1 = 1; d.chara[4].status1 = 1; d.chara[6].status1 = 3; },
         {{2, 5, 3, 0, 1, 0}, {4, 1, -1, 0, 0, 0}, {6, 1, -1, 0, 0, 0}}, {"flash lime 4", "se3: ma2.wav", "flash lime 6", "se3: ma2.wav"}, {"鍛冶場の親方はHP,MPが 4ずつ減った！", "白鷺の射手はHP,MPが 4ずつ減った！"}},
        {"天術 hits good statuses and clears the bad one", HeavenArt, [](DuelRecord& d) { d.chara[5].status2 = 4; d.chara[5].status1 = 2; d.chara[6].status1 = 2; d.chara[2].status2 = 4; },
         {{5, 0, 3, 0, 0, 4}, {6, 5, 3, 0, 2, 0}, {2, 5, 3, 0, 0, 4}}, {"flash lime 5", "se3: ma2.wav"}, {"雨乞いの巫女はHPが 5減った！"}},
        {"妖精術 on every light card", FairyArt, [](DuelRecord& d) { d.atk_no = 2; },
         {{2, 5, 3, 0, 0, 11}, {6, 5, 3, 0, 0, 11}, {1, 5, 3, 0, 0, 0}}, {"flash lime 2", "se3: ma_up.wav", "flash lime 6", "se3: ma_up.wav"}, {"朝告げ鳥は<治>状態になった!!", "白鷺の射手は<治>状態になった!!"}},
        {"冥術 swallows the attacker itself and every equal HP", NetherArt, [](DuelRecord& d) { d.chara[1].hp = d.chara[3].hp = d.chara[5].hp = d.chara[6].hp = 4; d.chara[6].name = std::string(kDeadName); },
         {{1, 0, 3, 0, 0, 0}, {2, 5, 3, 0, 0, 0}, {3, 0, 3, 0, 0, 0}, {5, 0, 3, 0, 0, 0}, {6, 4, 3, 0, 0, 0}},
         {"flash lime 1", "se3: ma2.wav", "flash lime 3", "se3: ma2.wav", "flash lime 5", "se3: ma2.wav"}, {"冥界門の黒い口が旅の行商人を飲みこんだ!!", "冥界門の黒い口が夜鳴き梟を飲みこんだ!!", "冥界門の黒い口が雨乞いの巫女を飲みこんだ!!"}},
    });
}

TEST(SimpleOneCard, FiguresAndCues) {
    RunTitledCases({
        {"祈祷術 at LV 4", PrayerArt, [](DuelRecord& d) { d.chara[1].lv = 4; }, {{1, 9, 7, 0, 0, 0}}, {"se3: kaifuku.wav", "flash blue 1"}, {"HPとMPを LV分 4ずつ回復した！"}},
        {"医術", HealingArt, nullptr, {{1, 8, 0, 0, 0, 0}}, {"se3: kaifuku.wav", "flash blue 1"}, {"旅の行商人はMP分 3回復した!!"}},
        {"吸心", MindDrain, [](DuelRecord& d) { d.chara[4].lv = 6; d.chara[1].lv = 1; }, {{1, 5, 3, 7, 0, 0}, {4, 5, 3, 0, 0, 0}}, {"se3: blood.wav", "flash fuchsia 4", "flash fuchsia 1"}, {"鍛冶場の親方のLV値 6を吸い取った！"}},
        {"心術", HeartArt, nullptr, {{1, 7, 5, 2, 0, 0}}, {"flash lime 1", "se3: ma_up.wav"}, {"旅の行商人はHP,MP,EPを 2回復した!!"}},
        {"森羅万象 on turn 7", AllCreation, nullptr, {{1, 12, 10, 0, 0, 0}}, {"se1: kaifuku.wav", "flash blue 1"}, {"旅の行商人は HPとMPがそれぞれ 7回復した!!"}},
        {"幻術", Illusion, nullptr, {{1, 10, 3, 0, 17, 0}}, {"flash lime 1", "se3: ma.wav"}, {"旅の行商人は自ら鉄壁と化した!!"}},
        {"幻術 wraps a huge HP", Illusion, [](DuelRecord& d) { d.chara[1].hp = 0x40000000; }, {{1, INT32_MIN, 3, 0, 17, 0}}, {"flash lime 1", "se3: ma.wav"}, {"旅の行商人は自ら鉄壁と化した!!"}},
    });
}
// clang-format on

}  // namespace
}  // namespace kestra::test
