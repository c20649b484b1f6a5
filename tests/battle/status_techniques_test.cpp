#include "battle/blessing_techniques.h"
#include "battle/hex_techniques.h"
#include "battle/pact_techniques.h"
#include "support/battle_cases.h"

namespace kestra::test {
namespace {

// Puts catalogue card n in a slot, keeping the seat's figures.
void Put(DuelRecord& d, size_t slot, int32_t n) {
    const tchar was = d.chara[slot];
    d.chara[slot] = Card(n);
    d.chara[slot].hp = was.hp, d.chara[slot].mp = was.mp;
}

struct Case {
    const char* what;
    TechniqueFn run;
    int32_t luck;
    void (*setup)(DuelRecord&);  // or nullptr
    std::vector<After> after;
    std::vector<std::string> cues;   // sounds and flashes
    std::vector<std::string> lines;  // every line, the title first
};

// Runs the cases: figures, cues, and every line with its click.
void RunCases(const std::vector<Case>& cases) {
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        DuelSide s;
        SeatSix(s.d);
        s.d.luck = c.luck;
        if (c.setup) c.setup(s.d);
        c.run(s.ctx);
        ExpectAfter(s.d, c.after);
        EXPECT_EQ(s.screen.Cues(), c.cues);
        EXPECT_EQ(s.screen.Messages(), c.lines);
        EXPECT_EQ(s.screen.clicks, static_cast<int>(c.lines.size()));
    }
}

// clang-format off
TEST(StatusHexes, TargetTakesTheStatus) {
    RunCases({
        {"妖精王: the fairies leave below 3", FairyKing, 2, nullptr, {{4, 5, 3, 0, 0, 0}}, {"se3: down.wav"}, {"＞妖精王ミディール", "妖精達に見放された！"}},
        {"妖精王: target -2, living side-mates -1", FairyKing, 3, [](DuelRecord& d) { Kill(d, 6); },
         {{4, 3, 3, 0, 0, 0}, {5, 4, 3, 0, 0, 0}, {6, 5, 3, 0, 0, 0}}, {"se3: punch.wav", "flash red 4", "flash red 5"}, {"＞妖精王ミディール", "鍛冶場の親方は妖精達に攻撃された！ HP -2", "雨乞いの巫女は妖精達に攻撃された！ HP-1"}},
        {"テンプテーション confuses", Temptation, 2, nullptr, {{4, 5, 3, 0, 7, 0}}, {"flash fuchsia 4", "se3: cat.wav"}, {"＞テンプテーション", "鍛冶場の親方は混乱した！"}},
        {"テンプテーション betrays from 7, then the recoil trap", Temptation, 7, [](DuelRecord& d) { d.e_icon1 = 69; },
         {{1, 2, 3, 0, 0, 0}, {4, 10, 8, 0, 16, 0}}, {"flash fuchsia 4", "se3: cat.wav", "se2: time_wav.wav", "flash purple 1", "flash blue 4"}, {"＞テンプテーション", "鍛冶場の親方は裏切った!!", "<トラップ!!>", "旅の行商人のHPが半減した!!", "鍛冶場の親方のHP･MP 5回復"}},
        {"イルネス", Illness, 1, [](DuelRecord& d) { d.chara[4].status1 = 1; }, {{4, 5, 3, 0, 10, 0}}, {"flash green 4", "se3: down.wav"}, {"＞イルネス", "鍛冶場の親方は病気になってしまった！"}},
        {"イルネス: the town doctor", Illness, 5, [](DuelRecord& d) { Put(d, 4, 40); }, {{4, 5, 3, 0, 0, 0}}, {}, {"＞イルネス", "無効...."}},
        {"バーサーカー", Berserker, 0, [](DuelRecord& d) { d.chara[4].status2 = 5; }, {{4, 5, 3, 0, 0, 6}}, {"flash white 4", "se3: gya.wav"}, {"＞バーサーカー", "鍛冶場の親方は暴走した！！"}},
        {"バーサーカー: 大防御", Berserker, 5, [](DuelRecord& d) { Put(d, 4, 176); }, {{4, 5, 3, 0, 0, 0}}, {}, {"＞バーサーカー", "無効化されてしまった！"}},
        {"ﾎﾟｲｽﾞﾝ･ﾊﾞﾀﾌﾗｲ", PoisonButterfly, 6, nullptr, {{4, 5, 3, 0, 1, 0}}, {"flash green 4", "se3: awa.wav"}, {"＞ﾎﾟｲｽﾞﾝ･ﾊﾞﾀﾌﾗｲ", "鍛冶場の親方は毒におかされた！"}},
        {"ﾎﾟｲｽﾞﾝ･ﾊﾞﾀﾌﾗｲ strong from 7", PoisonButterfly, 7, nullptr, {{4, 5, 3, 0, 6, 0}}, {"flash green 4", "se3: awa.wav"}, {"＞ﾎﾟｲｽﾞﾝ･ﾊﾞﾀﾌﾗｲ", "鍛冶場の親方は猛毒におかされた！"}},
        {"ﾎﾟｲｽﾞﾝ･ﾊﾞﾀﾌﾗｲ on poison", PoisonButterfly, 0, [](DuelRecord& d) { d.chara[4].status1 = 1; }, {{4, 5, 3, 0, 6, 0}}, {"flash green 4", "se3: awa.wav"}, {"＞ﾎﾟｲｽﾞﾝ･ﾊﾞﾀﾌﾗｲ", "鍛冶場の親方は猛毒におかされた！"}},
        {"青い風 with the recoil trap", BlueWind, 2, [](DuelRecord& d) { d.e_icon1 = 69; d.e_icon2 = 83; d.chara[1].hp = 7; },
         {{1, 3, 3, 0, 0, 0}, {4, 10, 5, 0, 0, 0}}, {"flash aqua 4", "se3: magic.wav", "se2: time_wav.wav", "flash purple 1", "flash blue 4"}, {"＞青い風", "鍛冶場の親方のMPを０にした！", "<トラップ!!>", "旅の行商人のHPが半減した!!", "鍛冶場の親方のHP･MP 5回復"}},
        {"八ノ地経文", EightEarthSutra, 3, nullptr, {{4, 5, 3, 0, 3, 0}}, {"flash black 4", "se3: noroi.wav"}, {"＞八ノ地経文", "鍛冶場の親方は呪われた！"}},
        {"凍結", Freeze, 4, [](DuelRecord& d) { d.tgt_no = 5; }, {{5, 5, 3, 0, 8, 0}}, {"flash aqua 5", "se3: bli.wav"}, {"＞凍結", "雨乞いの巫女を凍結させた！！"}},
        {"凍結 does not take fire", Freeze, 9, nullptr, {{4, 5, 3, 0, 0, 0}}, {}, {"＞凍結", "無効...."}},
        {"凍結: a card renamed into a 大防御 holder", Freeze, 9, [](DuelRecord& d) { d.tgt_no = 5; d.chara[5].name = test::GameCatalogue().card[165].name; }, {{5, 5, 3, 0, 0, 0}}, {}, {"＞凍結", "....無効化された"}},
    });
}

TEST(StatusHexes, TimeBombCountsDown) {
    RunCases({
        {"plants <時３>", TimeBomb, 1, [](DuelRecord& d) { d.chara[4].status1 = 1; }, {{4, 5, 3, 0, 14, 0}}, {"flash purple 4", "se3: time_wav.wav"}, {"＞時限爆弾", "鍛冶場の親方に即席爆弾が埋めこまれた！"}},
        {"a short fuse on 9", TimeBomb, 9, nullptr, {{4, 5, 3, 0, 13, 0}}, {"flash purple 4", "se3: time_wav.wav"}, {"＞時限爆弾", "鍛冶場の親方に即席爆弾が埋めこまれた！"}},
        {"<時３> to <時２>", TimeBomb, 5, [](DuelRecord& d) { d.chara[4].status1 = 14; }, {{4, 5, 3, 0, 13, 0}}, {"flash purple 4", "se3: time_wav.wav"}, {"＞時限爆弾", "鍛冶場の親方の体内爆弾が早まった！→<時２>"}},
        {"<時１> to <爆弾>", TimeBomb, 5, [](DuelRecord& d) { d.chara[4].status1 = 12; }, {{4, 5, 3, 0, 9, 0}}, {"flash purple 4", "se3: time_wav.wav"}, {"＞時限爆弾", "鍛冶場の親方の体内爆弾が早まった！→<爆弾>"}},
        {"a bomb goes off", TimeBomb, 5, [](DuelRecord& d) { d.chara[4].status1 = 9; }, {{4, 0, 3, 0, 9, 0}}, {"flash black 4", "se3: baku.wav"}, {"＞時限爆弾", "鍛冶場の親方は爆弾が爆発して吹き飛んだ！"}},
    });
}

TEST(StatusBlessings, OwnSideGains) {
    ASSERT_EQ(IconNamed("救急箱"), 168);
    ASSERT_EQ(IconNamed("ブルーセンシティブ"), 166);
    RunCases({
        {"ナイチンゲール", Nightingale, 1, [](DuelRecord& d) { d.e_icon1 = 168; }, {{1, 5, 3, 0, 0, 7}, {2, 5, 3, 0, 0, 0}}, {"flash blue 1", "se3: iyasi.wav"}, {"＞ナイチンゲール", "慈愛の精神に包まれた！"}},
        {"ナイチンゲール with the other side's ブルーセンシティブ", Nightingale, 1, [](DuelRecord& d) { d.e_icon2 = 166; }, {{1, 8, 3, 0, 0, 7}}, {"flash blue 1", "se3: iyasi.wav"}, {"＞ナイチンゲール", "慈愛の精神に包まれた！", "HP+3"}},
        {"いつくしむ心 passes over the second card on 4", Nightingale, 4, [](DuelRecord& d) { d.my_icon2 = 168; },
         {{1, 5, 3, 0, 0, 7}, {2, 5, 3, 0, 0, 0}, {3, 5, 3, 0, 0, 7}}, {"flash blue 1", "se3: iyasi.wav", "flash blue 3", "se3: iyasi.wav"}, {"＞いつくしむ心", "旅の行商人は慈愛の精神に包まれた！", "朝告げ鳥には届かなかった....", "夜鳴き梟は慈愛の精神に包まれた！"}},
        {"いつくしむ心 with ブルーセンシティブ, the dead left out", Nightingale, 0, [](DuelRecord& d) { d.my_icon1 = 168; d.my_icon2 = 166; Kill(d, 3); },
         {{1, 8, 3, 0, 0, 7}, {2, 8, 3, 0, 0, 7}, {3, 5, 3, 0, 0, 0}}, {"flash blue 1", "se3: iyasi.wav", "flash blue 2", "se3: iyasi.wav"}, {"＞いつくしむ心", "旅の行商人は慈愛の精神に包まれた！ HP+3", "朝告げ鳥は慈愛の精神に包まれた！ HP+3"}},
        {"パルテナ鏡", LightMirror, 5, [](DuelRecord& d) { d.chara[1].mp = 4; Kill(d, 2); }, {{1, 9, 0, 0, 0, 3}, {2, 5, 3, 0, 0, 0}, {3, 9, 3, 0, 0, 3}},
         {"flash blue 1", "se3: baria.wav", "flash blue 3", "se3: baria.wav"}, {"＞パルテナ鏡 (MP -4)", "旅の行商人は光の壁に包まれた！ HP+4", "夜鳴き梟は光の壁に包まれた！ HP+4"}},
        {"魔方陣", MagicCircle, 5, nullptr, {{1, 5, 1, 0, 0, 8}, {3, 5, 3, 0, 0, 8}, {4, 5, 3, 0, 0, 0}}, {"flash white 1", "se3: up.wav", "flash white 2", "se3: up.wav", "flash white 3", "se3: up.wav"},
         {"＞魔方陣 (MP -2)", "旅の行商人は魔道の光に包まれた！", "朝告げ鳥は魔道の光に包まれた！", "夜鳴き梟は魔道の光に包まれた！"}},
        {"オールト雲", OortCloud, 5, [](DuelRecord& d) { d.chara[2].status1 = 1; }, {{1, 5, 7, 0, 0, 0}, {2, 5, 3, 0, 1, 0}}, {"flash black 1", "se3: magic.wav"}, {"＞オールト雲", "黒い霧に包まれた！ MP+4"}},
        {"オールト雲 with the transplanted 雲", OortCloud, 5, [](DuelRecord& d) { d.chara[1].waza = 35; d.chara[1].status1 = 7; d.chara[2].status1 = 15; d.chara[3].status1 = 4; },
         {{1, 5, 8, 0, 0, 0}, {2, 5, 3, 0, 15, 0}, {3, 5, 3, 0, 0, 0}}, {"flash black 1", "se3: magic.wav", "flash blue 1", "flash blue 3"}, {"＞オールト雲", "黒い霧に包まれた！ MP+5", "旅の行商人は状態異常から回復した!!", "夜鳴き梟は状態異常から回復した!!"}},
        {"約束", Promise, 5, nullptr, {{1, 5, 0, 0, 0, 5}}, {"flash blue 1", "se3: yakusoku.wav"}, {"＞約束 (MP -3)", "旅の行商人は復活が約束された！"}},
        {"癒しの風 on 8", HealingWind, 8, [](DuelRecord& d) { Kill(d, 2); Kill(d, 3); }, {{1, 8, 3, 0, 0, 0}}, {"flash blue 1", "se3: iyasi.wav"}, {"＞癒しの風", "旅の行商人は癒された！ HP+3"}},
        {"獣神イリューガー lends HP", BeastGod, 6, [](DuelRecord& d) { d.atk_no = 2; Kill(d, 3); }, {{1, 6, 3, 0, 0, 0}, {2, 7, 3, 0, 0, 0}},
         {"flash blue 1", "se3: kaifuku.wav", "flash blue 2", "se3: kaifuku.wav"}, {"＞獣神イリューガー", "旅の行商人は獣神の力をもらった!! HP +1", "朝告げ鳥は獣神の力をもらった!! HP +2"}},
        {"獣神イリューガー dwells from 7", BeastGod, 7, nullptr, {{1, 5, 3, 0, 0, 2}, {2, 5, 3, 0, 0, 0}}, {"flash yellow 1", "se3: up.wav"}, {"＞獣神イリューガー", "旅の行商人に獣神が宿った！"}},
    });
}

TEST(StatusBlessings, MermaidSongs) {
    const std::vector<std::string> cues = {"se3: song.wav", "flash blue 4", "flash blue 5", "flash blue 6"};
    const auto from6 = [](DuelRecord& d) { d.atk_no = 6, d.tgt_no = 1, d.chara[4].status1 = 3; };
    RunCases({
        {"癒しの歌", MermaidSong, 1, from6, {{4, 7, 3, 0, 3, 0}, {1, 5, 3, 0, 0, 0}}, cues, {"＞癒しの歌", "鍛冶場の親方は癒された", "雨乞いの巫女は癒された", "白鷺の射手は癒された"}},
        {"気高きの歌", MermaidSong, 2, from6, {{5, 5, 3, 0, 0, 2}}, cues, {"＞気高きの歌", "鍛冶場の親方は奮い立った", "雨乞いの巫女は奮い立った", "白鷺の射手は奮い立った"}},
        {"心の歌", MermaidSong, 5, from6, {{6, 5, 5, 0, 0, 0}}, cues, {"＞心の歌", "鍛冶場の親方は精神が研ぎ澄まされた", "雨乞いの巫女は精神が研ぎ澄まされた", "白鷺の射手は精神が研ぎ澄まされた"}},
        {"神秘の歌", MermaidSong, 7, from6, {{4, 5, 3, 0, 3, 10}}, cues, {"＞神秘の歌", "鍛冶場の親方は神秘的な力に包まれた", "雨乞いの巫女は神秘的な力に包まれた", "白鷺の射手は神秘的な力に包まれた"}},
        {"自然の歌", MermaidSong, 9, from6, {{4, 5, 3, 0, 0, 0}}, cues, {"＞自然の歌", "鍛冶場の親方は自然と一体になった", "雨乞いの巫女は自然と一体になった", "白鷺の射手は自然と一体になった"}},
    });
}

TEST(StatusPacts, ContractsAndTransfers) {
    RunCases({
        {"審判: a god below 3", Judgement, 2, nullptr, {{1, 5, 0, 0, 0, 9}}, {"flash yellow 1", "se3: up.wav"}, {"＞審判 (MP -3)", "旅の行商人は神と契約を交わした！"}},
        {"審判: a god and a devil from 3", Judgement, 3, nullptr, {{1, 5, 0, 0, 15, 9}}, {"flash yellow 1", "se3: gya.wav"}, {"＞審判 (MP -3)", "旅の行商人は神と悪魔の両方と契約を交わした！"}},
        {"契約 binds the target", Contract, 3, [](DuelRecord& d) { d.chara[1].lv = 4; }, {{1, 5, 3, 1, 0, 0}, {4, 5, 3, 0, 15, 0}}, {"flash black 4", "se3: blood.wav"}, {"＞契約", "鍛冶場の親方を<契約状態>にした！"}},
        {"契約 turns on the attacker below 3", Contract, 2, [](DuelRecord& d) { d.chara[1].lv = 3; }, {{1, 5, 3, 0, 15, 0}, {4, 5, 3, 0, 0, 0}}, {"flash black 1", "se3: blood.wav"}, {"＞契約", "旅の行商人は<契約状態>になってしまった！"}},
        {"契約: the scrivener reads it through", Contract, 5, [](DuelRecord& d) { d.chara[1].lv = 9; Put(d, 4, 45); }, {{1, 5, 3, 6, 0, 0}, {4, 5, 3, 0, 0, 0}}, {}, {"＞契約", "無効...."}},
        {"ユージュアル moves across or clears", Usual, 0, [](DuelRecord& d) { d.chara[1].status1 = 1; d.chara[2].status1 = 9; Kill(d, 5); d.chara[4].status1 = 3; },
         {{1, 5, 3, 0, 0, 0}, {2, 5, 3, 0, 0, 0}, {4, 5, 3, 0, 1, 0}, {5, 5, 3, 0, 0, 0}}, {"se3: ma2.wav", "flash white 1", "flash white 4", "se3: ma2.wav", "flash white 2"},
         {"＞ユージュアル", "旅の行商人のステータス異状を相手側に転換させた！", "朝告げ鳥のステータス異状が消え去った！"}},
        {"ユージュアル２ from the other side", UsualTwo, 0, [](DuelRecord& d) { d.atk_no = 5; d.tgt_no = 2; d.chara[1].status2 = 3; Kill(d, 3); d.chara[3].status2 = 9; d.chara[5].status2 = 1; },
         {{1, 5, 3, 0, 0, 0}, {3, 5, 3, 0, 0, 9}, {4, 5, 3, 0, 0, 3}, {5, 5, 3, 0, 0, 1}}, {"se3: ma_up.wav", "flash white 1", "flash white 4"}, {"＞ユージュアル２", "旅の行商人のグッドステータスをこちら側に転換させた！"}},
    });
}
// clang-format on

}  // namespace
}  // namespace kestra::test
