// The fate family: revival, self-sacrifice, copies and swaps, icon-breaking and heals.
#include "battle/fate_drains.h"
#include "battle/fate_icons.h"
#include "battle/fate_revival.h"
#include "battle/fate_sacrifice.h"
#include "battle/fate_summon.h"
#include "battle/fate_swaps.h"
#include "battle/role_cards.h"
#include "support/battle_cases.h"

namespace kestra::test {
namespace {

// Another card in a slot, at the seat's HP 5 and MP 3.
void Put(DuelRecord& d, size_t slot, int32_t card, int32_t lv = 0, int32_t waza = 0) {
    d.chara[slot] = Card(card, lv, waza);
    d.chara[slot].hp = 5, d.chara[slot].mp = 3;
}

const std::string kDown = "HP -2 ＆ <↓>";

// clang-format off
TEST(FateSacrifice, SuicideSelfDestructPossessionDeath) {
    RunTitledCases({
        {"自殺 drags every other card down", Suicide, nullptr, {{1, 0, 3, 0, 0, 0}, {2, 3, 3, 0, 4, 0}, {6, 3, 3, 0, 4, 0}},
         {"se0: bara.wav", "flash red 1", "flash black 2", "se3: d.wav", "flash black 3", "se3: d.wav", "flash black 4", "se3: d.wav", "flash black 5", "se3: d.wav", "flash black 6", "se3: d.wav"},
         {"旅の行商人は自殺をはかった！", kDown, kDown, kDown, kDown, kDown}},
        {"自殺 against icon 74 is meaningless", Suicide, [](DuelRecord& d) { d.e_icon1 = 74; }, {{1, 0, 3, 0, 0, 0}, {4, 5, 3, 0, 0, 0}}, {"se0: bara.wav", "flash red 1"}, {"旅の行商人は自殺をはかった！", "旅の行商人の自殺を無意味に終わった...."}},
        {"自殺 with 煉炭 skips the dead", Suicide, [](DuelRecord& d) { d.my_icon2 = 165; Kill(d, 3); }, {{2, -4, 3, 0, 4, 0}, {3, 5, 3, 0, 0, 0}, {5, -4, 3, 0, 4, 0}},
         {"se0: bara.wav", "flash red 1", "flash black 2", "se3: d.wav", "flash black 4", "se3: d.wav", "flash black 5", "se3: d.wav", "flash black 6", "se3: d.wav"},
         {"旅の行商人は自殺をはかった！", "HP -9 ＆ <↓>", "HP -9 ＆ <↓>", "HP -9 ＆ <↓>", "HP -9 ＆ <↓>"}},
        {"自爆 hits for HP + 3", SelfDestruct, nullptr, {{1, 0, 3, 0, 0, 0}, {4, -3, 3, 0, 0, 0}}, {"flash red 1", "se3: baku.wav", "flash red 4"}, {"旅の行商人は吹き飛んだ！", "鍛冶場の親方に 8ダメージ与えた！"}},
        {"自爆 by a bomb-proof card leaves it HP 1", SelfDestruct, [](DuelRecord& d) { Put(d, 1, 53); },
         {{1, 1, 3, 0, 0, 0}, {4, -3, 3, 0, 0, 0}}, {"flash red 1", "se3: baku.wav", "flash red 4"}, {"祭りの花火師は吹き飛んだ！", "鍛冶場の親方に 8ダメージ与えた！", "祭りの花火師は爆風に耐えた!! HP 1"}},
        {"憑依 shares the attacker out", Possession, [](DuelRecord& d) { Kill(d, 3); },
         {{1, 0, 3, 0, 0, 0}, {2, 8, 5, 0, 0, 0}, {3, 5, 3, 0, 0, 0}}, {"flash black 1", "se3: death.wav", "flash blue 2"}, {"旅の行商人は吹き飛んだ", "生き残った仲間のHPが3上昇した"}},
        {"憑依 with nobody left", Possession, [](DuelRecord& d) { Kill(d, 2); Kill(d, 3); }, {{1, 0, 3, 0, 0, 0}}, {"flash black 1", "se3: death.wav"}, {"旅の行商人は吹き飛んだ", "効果が無かった...."}},
        {"死術 hurls a dead card's MP across", DeathArt, [](DuelRecord& d) { Kill(d, 2); d.chara[2].mp = 4; Kill(d, 3); d.chara[3].mp = 0; },
         {{2, 5, 0, 0, 0, 0}, {5, 1, 3, 0, 0, 0}, {6, 5, 3, 0, 0, 0}}, {"flash black 5", "se3: noroi.wav"}, {"雨乞いの巫女は死者の怨念で 4ダメージを受けた！"}},
    });
}

TEST(FateRevival, ErisSorceryRebirthHelpRosary) {
    RunTitledCases({
        {"エリス revives up to digit 5", Eris, [](DuelRecord& d) { Kill(d, 2); d.chara[2].hp = 0; d.chara[2].status1 = 3; d.luck = 5; },
         {{2, 3, 3, 0, 0, 0}}, {"flash blue 2", "se3: live.wav"}, {"朝告げ鳥は無事、蘇った!!"}, {}, {"旅の行商人", "朝告げ鳥", "夜鳴き梟"}},
        {"エリス raises a zombie from digit 6", Eris, [](DuelRecord& d) { Kill(d, 3); Kill(d, 2); d.luck = 6; },
         {{2, 6, 3, 0, 1, 0}, {3, 5, 3, 0, 0, 0}}, {"flash black 2", "se3: live.wav"}, {"朝告げ鳥はゾンビとなって蘇った!!"}, {}, {"旅の行商人", "朝告げ鳥", std::string(kDeadName)}},
        {"魔術 raises an enemy as a servant at full HP", Sorcery, [](DuelRecord& d) { Kill(d, 5); d.chara[5].lv = 3; d.chara[5].status2 = 2; }, {{5, 5, 0, 3, 16, 0}}, {"flash white 5", "se3: live.wav"}, {"雨乞いの巫女を下僕として蘇らせた!!"}},
        {"転生 at LV 5", Rebirth, [](DuelRecord& d) { d.chara[1].lv = 5; d.chara[4].lv = 2; Kill(d, 3); }, {{1, 5, 3, 5, 0, 0}, {2, 0, 3, 0, 0, 0}, {3, 5, 3, 0, 0, 0}, {4, 2, 3, 2, 0, 0}, {6, 0, 3, 0, 0, 0}},
         {"se3: live.wav", "flash white 1", "flash white 2", "flash white 4", "flash white 5", "flash white 6"}, {"全員のHPを 各自のＬＶ値にした！"}},
        {"ヘルプ！！", Help, nullptr, {{1, 13, 7, 0, 0, 0}}, {"se3: up.wav", "flash blue 1"}, {"戦いの女神が救いの手を差し伸べた！！", "旅の行商人はHPが 8、MPが 4回復した！"}},
        {"ヘルプ！！ for the goddess herself", Help, [](DuelRecord& d) { Put(d, 1, role::kBattleGoddess); }, {{1, 21, 11, 0, 0, 0}}, {"se3: up.wav", "flash blue 1"}, {"戦いの女神が救いの手を差し伸べた！！", "曙の女神はHPが 16、MPが 8回復した！"}},
        {"数珠 skips the dead", Rosary, [](DuelRecord& d) { Kill(d, 2); }, {{1, 7, 5, 0, 0, 0}, {2, 5, 3, 0, 0, 0}, {3, 7, 5, 0, 0, 0}, {4, 5, 3, 0, 0, 0}},
         {"se3: kaifuku.wav", "flash blue 1", "flash blue 3"}, {"全員のHPとMPを 2ずつ回復した！"}},
    });
}

TEST(FateSwaps, CopiesSwapsAndConversions) {
    RunTitledCases({
        {"ドッペルゲンガー copies and hands over the poison", Doppelganger, [](DuelRecord& d) { d.chara[4].hp = 9; d.chara[1].status1 = 1; },
         {{1, 9, 3, 0, 0, 0}, {4, 9, 3, 0, 1, 0}}, {"se3: ma.wav", "flash white 1", "flash white 4"}, {"旅の行商人は鍛冶場の親方のHPを写し取った!!", "ステータス異状を相手に転換させた!!"}},
        {"ドッペルゲンガー runs backwards on digit 8", Doppelganger, [](DuelRecord& d) { d.chara[4].hp = 9; d.luck = 8; },
         {{1, 5, 3, 0, 0, 0}, {4, 5, 3, 0, 0, 0}}, {"se3: ma.wav", "flash white 1", "flash white 4"}, {"鍛冶場の親方に旅の行商人のHPを写し取られた!!"}},
        {"いたずら swaps HP", Prank, [](DuelRecord& d) { d.chara[4].hp = 9; d.luck = 7; }, {{1, 9, 3, 0, 0, 0}, {4, 5, 3, 0, 0, 0}}, {"se3: do.wav", "flash white 4", "flash white 1"}, {"旅の行商人と鍛冶場の親方のHPを入れ替えた"}},
        {"いたずら fails on 大防御", Prank, [](DuelRecord& d) { Put(d, 4, 165); d.chara[4].hp = 9; }, {{1, 5, 3, 0, 0, 0}, {4, 9, 3, 0, 0, 0}}, {}, {"無効...."}},
        {"インヤン takes half", YinYang, [](DuelRecord& d) { d.chara[4].hp = 9; }, {{1, 9, 3, 0, 0, 0}, {4, 5, 3, 0, 0, 0}}, {"se3: ma.wav", "flash fuchsia 4", "flash blue 1"}, {"旅の行商人は鍛冶場の親方のHPの半分を吸収した!!"}},
        {"Ｍ法 halves the living enemies", MMethod, [](DuelRecord& d) { d.chara[1].mp = 4; Kill(d, 5); }, {{1, 5, 0, 0, 0, 0}, {4, 2, 3, 0, 0, 0}, {5, 5, 3, 0, 0, 0}, {6, 2, 3, 0, 0, 0}},
         {"se3: magic.wav", "flash purple 4", "flash purple 6"}, {"敵のHPを 1/2にさせた！"}},
        {"Ｍ法 on digit 8 halves MP too, and the recoil trap answers", MMethod, [](DuelRecord& d) { d.chara[1].mp = 4; d.luck = 8; d.e_icon1 = 69; }, {{1, 2, 0, 0, 0, 0}, {4, 7, 6, 0, 0, 0}, {5, 2, 1, 0, 0, 0}},
         {"se3: magic.wav", "flash purple 4", "flash purple 5", "flash purple 6", "se2: time_wav.wav", "flash purple 1", "flash blue 4"}, {"敵のHPとMPを 1/2にさせた！", "<トラップ!!>", "旅の行商人のHPが半減した!!", "鍛冶場の親方のHP･MP 5回復"}},
        {"風水術 from light brings dark down", Geomancy, [](DuelRecord& d) { d.atk_no = 2; },
         {{2, 1, 3, 0, 0, 0}, {3, 1, 3, 0, 0, 0}, {6, 5, 3, 0, 0, 0}}, {"se3: ma2.wav", "flash white 2", "flash white 3"}, {"朝告げ鳥のHPは 1になった!!", "夜鳴き梟のHPを 1にした!!"}},
        {"妖術 turns both LVs into HP", Witchcraft, [](DuelRecord& d) { d.chara[1].lv = 4; d.chara[4].lv = 2; },
         {{1, 4, 3, 0, 0, 0}, {4, 2, 3, 0, 0, 0}}, {"se3: ma.wav", "flash white 1", "flash white 4"}, {"旅の行商人はLvをHP値として転化させた!!", "鍛冶場の親方はLvをHP値として転化させた!!"}},
        {"奇術", Conjuring, nullptr, {{1, 6, 4, 0, 0, 0}, {4, 4, 2, 0, 0, 0}}, {"se3: ma.wav", "flash fuchsia 4", "flash blue 1"}, {"旅の行商人は鍛冶場の親方からHPとMPを 1ずつ吸収した!!"}},
    });
}

TEST(FateDrains, VampireEatDanceConcentration) {
    RunTitledCases({
        {"吸血 drains 1", Vampire, nullptr, {{1, 6, 3, 0, 0, 0}, {4, 4, 3, 0, 0, 0}}, {"se3: blood.wav", "flash fuchsia 4", "flash blue 1"}, {"鍛冶場の親方から1ダメージ吸収!!"}},
        {"吸血 by the vampire on digit 2 makes a vampire", Vampire, [](DuelRecord& d) { Put(d, 1, role::kVampire); d.luck = 2; }, {{4, 4, 3, 0, 0, 0}}, {"se3: blood.wav", "flash fuchsia 4", "flash blue 1", "flash black 4"},
         {"鍛冶場の親方から1ダメージ吸収!!", "鍛冶場の親方は吸血鬼にされてしまった！"}, {}, {"月夜の吸血卿", "朝告げ鳥", "夜鳴き梟", "月夜の吸血卿"}},
        {"吸血 by the vampire on digit 3 only drains", Vampire, [](DuelRecord& d) { Put(d, 1, role::kVampire); d.luck = 3; },
         {{4, 4, 3, 0, 0, 0}}, {"se3: blood.wav", "flash fuchsia 4", "flash blue 1"}, {"鍛冶場の親方から1ダメージ吸収!!"}, {}, {"月夜の吸血卿", "朝告げ鳥", "夜鳴き梟", "鍛冶場の親方"}},
        {"食べる bites up to digit 6", Eat, [](DuelRecord& d) { d.luck = 6; }, {{4, 3, 3, 0, 0, 0}}, {"se3: punch.wav", "flash red 4"}, {"鍛冶場の親方に2ダメージ与えた!!"}},
        {"食べる barks from digit 7", Eat, [](DuelRecord& d) { d.luck = 7; }, {{4, 5, 3, 0, 2, 0}}, {"se3: down.wav", "flash white 4"}, {"鍛冶場の親方はびっくりして気絶した！"}},
        {"食べる a dog barks from digit 4", Eat, [](DuelRecord& d) { Put(d, 1, 25); d.luck = 4; }, {{4, 5, 3, 0, 2, 0}}, {"se3: down.wav", "flash white 4"}, {"鍛冶場の親方はびっくりして気絶した！"}},
        {"ダンス by anyone", Dance, nullptr, {{1, 5, 4, 0, 0, 0}}, {"flash lime 1", "se3: ma_up.wav"}, {"旅の行商人は楽しげに踊った！ MP+1"}},
        {"ダンス by the light dancer", Dance, [](DuelRecord& d) { Put(d, 1, 51); Kill(d, 3); }, {{1, 7, 3, 0, 0, 0}, {2, 7, 3, 0, 0, 0}, {3, 5, 3, 0, 0, 0}}, {"flash blue 1", "se3: kaifuku.wav", "flash blue 2", "se3: kaifuku.wav"},
         {"朝焼けの踊り子は光の舞に癒された！ HP+2", "朝告げ鳥は光の舞に癒された！ HP+2"}},
        {"ダンス by the dark dancer on digit 5", Dance, [](DuelRecord& d) { Put(d, 1, 67); d.luck = 5; Kill(d, 6); }, {{4, 5, 3, 0, 7, 0}, {5, 5, 3, 0, 7, 0}, {6, 5, 3, 0, 0, 0}},
         {"flash white 4", "se3: down.wav", "flash white 5", "se3: down.wav"}, {"鍛冶場の親方は闇の舞に惑わされて混乱した！", "雨乞いの巫女は闇の舞に惑わされて混乱した！"}},
        {"集中 from allies with HP 3 or more", Concentration, [](DuelRecord& d) { d.chara[3].hp = 2; d.luck = 6; },
         {{1, 7, 3, 0, 0, 0}, {2, 3, 3, 0, 0, 0}, {3, 2, 3, 0, 0, 0}}, {"flash white 2", "se3: ma_up.wav"}, {"旅の行商人は朝告げ鳥の力をもらった！"}},
    });
}

TEST(FateIcons, ReleaseAndWave) {
    RunTitledCases({
        {"解放 breaks both icons across", Release, [](DuelRecord& d) { d.e_icon1 = 10; d.e_icon2 = 20; d.my_icon1 = 7; },
         {{4, -3, 3, 0, 0, 0}}, {"se3: baki.wav", "se3: baki.wav", "flash red 4", "se3: baku.wav"}, {"相手のアイコン1が砕けた！", "相手のアイコン2が砕けた！", "鍛冶場の親方に 8ダメージ与えた！"}, {7, -1, -1, -1}},
        {"解放 from the other side", Release, [](DuelRecord& d) { d.atk_no = 4; d.tgt_no = 1; d.my_icon2 = 30; d.e_icon1 = 5; },
         {{1, 0, 3, 0, 0, 0}}, {"se3: baki.wav", "flash red 1", "se3: baku.wav"}, {"あなたのアイコン2が砕けた！", "旅の行商人に 5ダメージ与えた！"}, {-1, -1, 5, -1}},
        {"波動 lifts icon 1 up to digit 6", Wave, [](DuelRecord& d) { d.e_icon1 = 10; d.e_icon2 = 20; d.luck = 6; }, {}, {"flash white 4", "se3: do.wav"}, {"相手のアイコン1を解除させた！"}, {-1, -1, -1, 20}},
        {"波動 lifts both from digit 7", Wave, [](DuelRecord& d) { d.e_icon1 = 10; d.e_icon2 = 20; d.luck = 7; }, {}, {"flash white 4", "se3: do.wav"}, {"相手のアイコン1を解除させた！", "相手のアイコン2を解除させた！"}, {-1, -1, -1, -1}},
        {"波動 against an icon master", Wave, [](DuelRecord& d) { Put(d, 6, 100); d.e_icon1 = 10; d.luck = 9; }, {}, {}, {"無効...."}, {-1, -1, 10, -1}},
        {"波動 with no icon 1 on digit 0", Wave, [](DuelRecord& d) { d.e_icon2 = 20; }, {}, {}, {"何も起きなかった..."}, {-1, -1, -1, 20}},
    });
}

TEST(FateSummon, ChecksRoundsAndHeals) {
    RunTitledCases({
        {"召喚 without MP", Summon, [](DuelRecord& d) { d.chara[1].mp = 0; }, {}, {}, {"ＭＰが足りなかった...."}},
        {"召喚 in the sands of icon 208 up to turn 4", Summon, [](DuelRecord& d) { d.e_icon1 = 208; d.turn = 4; }, {}, {}, {"召喚魔法を唱えた!!", "....無効化された"}},
        {"召喚 after the sands ran out, with no being", Summon, [](DuelRecord& d) { d.e_icon1 = 208; d.turn = 5; }, {}, {}, {"何も現れなかった...."}},
        {"召喚 against icon 217", Summon, [](DuelRecord& d) { d.e_icon2 = 217; }, {}, {}, {"召喚魔法を唱えた!!", "....無効化された"}},
        {"召喚 by the summoner girl with technique 30", Summon, [](DuelRecord& d) { Put(d, 1, role::kSummonMpCard, 0, 30); d.my_icon1 = 215; }, {{1, 7, 15, 0, 0, 0}, {3, 7, 5, 0, 0, 0}},
         {"flash blue 1", "flash blue 2", "flash blue 3", "se3: kaifuku.wav", "flash blue 1", "flash blue 2", "flash blue 3", "se3: kaifuku.wav", "flash blue 1"},
         {"アストラル＞全員のHPとMPを 1ずつ回復した！", "アストラル＞全員のHPとMPを 1ずつ回復した！", "精霊呼びの娘はMPが 10上がった！"}},
    });
}
// clang-format on

// The rounds: one, and one more for each of サマナー, the star summoner, the wanderer at LV 9 and
// technique 30.
TEST(FateSummon, Rounds) {
    const int32_t summoner_icon = 169;  // サマナー
    struct Row { int32_t card, lv, waza, icon, rounds; };
    // clang-format off
    const Row rows[] = {{10, 9, 0, -1, 1}, {role::kSummonRounds, 0, 0, -1, 2}, {role::kSummonRoundsAtLv9, 8, 0, -1, 1},
                        {role::kSummonRoundsAtLv9, 9, 0, -1, 2}, {10, 0, 30, summoner_icon, 3}, {role::kSummonRounds, 0, 30, summoner_icon, 4}};
    // clang-format on
    for (const Row& r : rows) {
        DuelSide s;
        SeatSix(s.d);
        Put(s.d, 1, r.card, r.lv, r.waza);
        s.d.my_icon1 = r.icon;
        EXPECT_EQ(SummonRounds(s.ctx), r.rounds) << r.card << " LV " << r.lv;
    }
}

// A raised card shows its own picture again; while icon 200 hides every name, its name stays hidden.
TEST(FateRevival, PictureReloaded) {
    for (const int32_t icon : {-1, 200}) {
        DuelSide s;
        SeatSix(s.d);
        Kill(s.d, 6);
        s.d.e_icon2 = icon;
        Sorcery(s.ctx);
        EXPECT_TRUE(s.screen.Has("picture 6: cg/unit16.bmp"));
        EXPECT_EQ(s.d.chara[6].name, icon == 200 ? "????" : "白鷺の射手");
    }
}

}  // namespace
}  // namespace kestra::test
