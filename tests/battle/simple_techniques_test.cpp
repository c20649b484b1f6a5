#include "battle/simple_techniques.h"

#include <span>

#include "battle/flick.h"
#include "battle/steal.h"
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
        {"忍術 with nothing to strip", NinjaArt, [](DuelRecord& d) { d.chara[1].status1 = 2; }, {{1, 5, 3, 0, 2, 0}}, {}, kNothing},
        {"天術 hits good statuses and clears the bad one", HeavenArt, [](DuelRecord& d) { d.chara[5].status2 = 4; d.chara[5].status1 = 2; d.chara[6].status1 = 2; d.chara[2].status2 = 4; },
         {{5, 0, 3, 0, 0, 4}, {6, 5, 3, 0, 2, 0}, {2, 5, 3, 0, 0, 4}}, {"flash lime 5", "se3: ma2.wav"}, {"雨乞いの巫女はHPが 5減った！"}},
        {"天術 with nothing good across", HeavenArt, nullptr, {}, {}, kNothing},
        {"妖精術 on every light card", FairyArt, [](DuelRecord& d) { d.atk_no = 2; },
         {{2, 5, 3, 0, 0, 11}, {6, 5, 3, 0, 0, 11}, {1, 5, 3, 0, 0, 0}}, {"flash lime 2", "se3: ma_up.wav", "flash lime 6", "se3: ma_up.wav"}, {"朝告げ鳥は<治>状態になった!!", "白鷺の射手は<治>状態になった!!"}},
        {"冥術 swallows the attacker itself and every equal HP", NetherArt, [](DuelRecord& d) { d.chara[1].hp = d.chara[3].hp = d.chara[5].hp = d.chara[6].hp = 4; d.chara[6].name = std::string(kDeadName); },
         {{1, 0, 3, 0, 0, 0}, {2, 5, 3, 0, 0, 0}, {3, 0, 3, 0, 0, 0}, {5, 0, 3, 0, 0, 0}, {6, 4, 3, 0, 0, 0}},
         {"flash lime 1", "se3: ma2.wav", "flash lime 3", "se3: ma2.wav", "flash lime 5", "se3: ma2.wav"}, {"冥界門の黒い口が旅の行商人を飲みこんだ!!", "冥界門の黒い口が夜鳴き梟を飲みこんだ!!", "冥界門の黒い口が雨乞いの巫女を飲みこんだ!!"}},
        {"冥術 alone", NetherArt, [](DuelRecord& d) { d.chara[1].hp = 9; }, {{1, 0, 3, 0, 0, 0}}, {"flash lime 1", "se3: ma2.wav"}, {"冥界門の黒い口が旅の行商人を飲みこんだ!!"}},
    });
}

TEST(SimpleOneCard, FiguresAndCues) {
    RunTitledCases({
        {"祈祷術 at LV 4", PrayerArt, [](DuelRecord& d) { d.chara[1].lv = 4; }, {{1, 9, 7, 0, 0, 0}}, {"se3: kaifuku.wav", "flash blue 1"}, {"HPとMPを LV分 4ずつ回復した！"}},
        {"祈祷術 at LV 0 heals nothing", PrayerArt, nullptr, {{1, 5, 3, 0, 0, 0}}, {"se3: kaifuku.wav", "flash blue 1"}, {"HPとMPを LV分 0ずつ回復した！"}},
        {"医術", HealingArt, nullptr, {{1, 8, 0, 0, 0, 0}}, {"se3: kaifuku.wav", "flash blue 1"}, {"旅の行商人はMP分 3回復した!!"}},
        {"吸心", MindDrain, [](DuelRecord& d) { d.chara[4].lv = 6; d.chara[1].lv = 1; }, {{1, 5, 3, 7, 0, 0}, {4, 5, 3, 0, 0, 0}}, {"se3: blood.wav", "flash fuchsia 4", "flash fuchsia 1"}, {"鍛冶場の親方のLV値 6を吸い取った！"}},
        {"心術", HeartArt, nullptr, {{1, 7, 5, 2, 0, 0}}, {"flash lime 1", "se3: ma_up.wav"}, {"旅の行商人はHP,MP,EPを 2回復した!!"}},
        {"森羅万象 on turn 7", AllCreation, nullptr, {{1, 12, 10, 0, 0, 0}}, {"se1: kaifuku.wav", "flash blue 1"}, {"旅の行商人は HPとMPがそれぞれ 7回復した!!"}},
        {"幻術", Illusion, nullptr, {{1, 10, 3, 0, 17, 0}}, {"flash lime 1", "se3: ma.wav"}, {"旅の行商人は自ら鉄壁と化した!!"}},
        {"幻術 wraps a huge HP", Illusion, [](DuelRecord& d) { d.chara[1].hp = 0x40000000; }, {{1, INT32_MIN, 3, 0, 17, 0}}, {"flash lime 1", "se3: ma.wav"}, {"旅の行商人は自ら鉄壁と化した!!"}},
    });
}
// clang-format on

// The dispatch table: every captioned key has its procedure (the item use has its own path), each
// family's rows are found as their tables give them, and any other key has none.
TEST(TechniqueTable, Keys) {
    for (const int32_t key : kTableKeys) EXPECT_EQ(FindTechnique(key) != nullptr, key != kItemKey) << key;
    std::vector<std::pair<int32_t, TechniqueFn>> built = {
        {3, Steal},      {8, Alchemy},   {10, Flick},    {18, NinjaArt},  {26, PrayerArt},   {27, HealingArt}, {28, HeavenArt},
        {36, MindDrain}, {47, FairyArt}, {48, NetherArt}, {67, HeartArt}, {88, AllCreation}, {96, Illusion},
    };
    for (const std::span<const TechniqueRow> rows :
         {AttackTechniqueRows(), StatusTechniqueRows(), FateTechniqueRows()})
        for (const TechniqueRow& row : rows) built.emplace_back(row.key, row.run);
    for (int32_t key = -1; key <= 99; ++key) {
        TechniqueFn expected = nullptr;
        for (const auto& [k, fn] : built)
            if (k == key) expected = fn;
        EXPECT_EQ(FindTechnique(key), expected) << key;
    }
}

// The story a transcript tells, the purse lines left out (each player has a purse of his own);
// with mirror, the flashes move to the mirrored slots.
std::vector<std::string> Story(const std::vector<std::string>& transcript, bool mirror) {
    std::vector<std::string> out;
    for (const std::string& line : transcript)
        if (line.find("所持金") == std::string::npos) out.push_back(line);
    return mirror ? MirroredFlashes(out) : out;
}

// The walks over all six slots go 1..6 on each machine, so each program names its own cards first:
// the same lines, in another order.
std::vector<std::string> Sorted(std::vector<std::string> lines) {
    std::sort(lines.begin(), lines.end());
    return lines;
}

// A busy record: every element, several statuses, LVs and figures.
void SeatBusy(DuelRecord& d) {
    const BusyRow rows[] = {{11, 9, 7, 4, 0, 3}, {14, 4, 5, 2, 4, 0}, {12, 0, 7, 9, 0, 13}, {12, 3, 7, 3, 8, 0}, {13, 9, 5, 9, 0, 8}, {10, 1, 2, 1, 1, 1}};
    for (size_t i = 1; i <= 6; ++i) d.chara[i] = BusyCard(rows[i - 1]);
    d.turn = 5;
}

// The same action on a record and on its mirror ends in mirrored records with the same story,
// for every technique built, every chance digit, both directions and a spread of icons.
TEST(TechniqueMirror, BothProgramsAgree) {
    const std::vector<std::array<int32_t, 4>> icon_sets = {
        kBare, {92, 4, 69, 83}, {37, 108, 225, IconNamed("レッドソード")}, {IconNamed("ﾄﾞﾙﾊﾞﾝｼｰﾙﾄﾞ"), 38, 109, 81},
        {IconNamed("第２干渉体"), 180, 204, IconNamed("でこぴんライバル")},
        {IconNamed("でこぴんマスター"), IconNamed("レッドソード"), IconNamed("でこぴん免許"), 83},
    };
    const std::array<std::pair<int32_t, int32_t>, 6> blows = {{{1, 4}, {2, 6}, {3, 5}, {5, 1}, {6, 3}, {4, 2}}};
    const std::array<int32_t, 13> keys = {3, 8, 10, 18, 26, 27, 28, 36, 47, 48, 67, 88, 96};
    for (const int32_t key : keys)
        for (const auto& icons : icon_sets)
            for (const auto& [atk, tgt] : blows)
                for (int32_t luck = 0; luck <= 9; ++luck)
                    for (const uint8_t look : {uint8_t{0}, uint8_t{1}}) {
                        SCOPED_TRACE(::testing::Message() << "key " << key << " blow " << atk << "->" << tgt
                                                          << " luck " << luck << " icons " << icons[0]);
                        DuelSide one, other;
                        SeatBusy(one.d);
                        Wear(one.d, icons);
                        one.d.atk_no = atk, one.d.tgt_no = tgt, one.d.luck = luck, one.d.look_mode = look;
                        one.my.money = other.my.money = 50;
                        other.d = Mirrored(one.d);
                        FindTechnique(key)(one.ctx), FindTechnique(key)(other.ctx);
                        EXPECT_EQ(Mirrored(one.d), other.d);
                        const auto told = Story(one.screen.transcript, true);
                        const auto heard = Story(other.screen.transcript, false);
                        EXPECT_EQ(key == 47 || key == 48 ? Sorted(told) : told, key == 47 || key == 48 ? Sorted(heard) : heard);
                        EXPECT_EQ(one.my.money - 50, 50 - other.my.money);
                    }
}

}  // namespace
}  // namespace kestra::test
