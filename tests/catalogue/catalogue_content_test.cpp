#include <gtest/gtest.h>

#include <map>
#include <set>

#include "catalogue/card_facts.h"
#include "player/catalogue_files.h"
#include "player/cp932.h"
#include "support/temp_folder.h"

namespace kestra {
namespace {

// The catalogue exactly as the game builds it from the shipped folder.
const Catalogue& Cat() {
    static const Catalogue cat = BuildCatalogue(test::BuiltGame().dat());
    return cat;
}

TEST(CardContent, TellingRows) {
    struct Case {
        int no, hp, mp, rarity;
    };
    const Case cases[] = {{71, 15, 0, 10}, {73, 0, 15, 10}, {234, 99, 0, 17},
                          {279, 77, 21, 15}, {311, 12, 77, 9}, {315, 29, 29, 18}};
    for (const Case& c : cases) {
        const tcard& card = Cat().card[c.no];
        EXPECT_EQ(card.hp, c.hp) << c.no;
        EXPECT_EQ(card.mp, c.mp) << c.no;
        EXPECT_EQ(card.rarity, c.rarity) << c.no;
    }
    EXPECT_EQ(Cat().card[219].name, "傭兵");
}

TEST(CardContent, ClassCountsOfTheCompiledRows) {
    std::map<int, int> counts;
    for (int n = 71; n <= 326; ++n) ++counts[Cat().card[n].rarity];
    const std::map<int, int> expected = {{4, 2},   {6, 3},   {7, 3},   {8, 9},   {9, 17},
                                         {10, 13}, {11, 13}, {12, 22}, {13, 24}, {14, 24},
                                         {15, 21}, {16, 20}, {17, 53}, {18, 26}, {19, 6}};
    EXPECT_EQ(counts, expected);
}

// The shop's cards (class 13) and the synthesis products (class 14) are fixed sets.
TEST(CardContent, ShopAndSynthesisClasses) {
    std::set<int> shop, synthesis;
    for (int n = 0; n < kCardRows; ++n) {
        if (Cat().card[n].rarity == 13) shop.insert(n);
        if (Cat().card[n].rarity == 14) synthesis.insert(n);
    }
    std::set<int> want_shop = {163, 219, 220, 221, 222};
    for (int n = 124; n <= 134; ++n) want_shop.insert(n);
    for (int n = 138; n <= 145; ++n) want_shop.insert(n);
    std::set<int> want_synthesis = {136, 137, 165, 167, 170, 172, 173};
    for (int n = 146; n <= 162; ++n) want_synthesis.insert(n);
    EXPECT_EQ(shop, want_shop);
    EXPECT_EQ(synthesis, want_synthesis);
}

// Rule duels and random synthesis need these classes; only the data file supplies 0..3 and 5.
TEST(CardContent, EveryNeededClassExists) {
    std::set<int> in_file, anywhere;
    for (int n = 0; n <= 326; ++n) {
        if (n <= 70) in_file.insert(Cat().card[n].rarity);
        anywhere.insert(Cat().card[n].rarity);
    }
    for (const int c : {0, 1, 2, 3, 5}) EXPECT_TRUE(in_file.count(c)) << "class " << c;
    for (const int c : {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 12, 13, 14, 15}) EXPECT_TRUE(anywhere.count(c)) << c;
}

TEST(CardContent, RowsNamedUpTo326AndEmptyAfter) {
    for (int n = 0; n <= 326; ++n) EXPECT_FALSE(Cat().card[n].name.empty()) << n;
    for (int n = 327; n < kCardRows; ++n) {
        EXPECT_TRUE(Cat().card[n].name.empty()) << n;
        EXPECT_EQ(Cat().card[n].hp, 0);
    }
    for (int n = 0; n <= 326; ++n) {
        EXPECT_GE(Cat().card[n].hp, 0) << n;
        EXPECT_LE(Cat().card[n].hp, 99) << n;
        EXPECT_GE(Cat().card[n].mp, 0) << n;
        EXPECT_LE(Cat().card[n].mp, 77) << n;
    }
}

// The shop and many rules find a row by name, so names are unique across all three tables.
TEST(Names, UniqueAcrossCardsIconsAndItems) {
    std::map<std::string, std::string> seen;
    auto add = [&](const std::string& name, const std::string& where) {
        if (name.empty()) return;
        const auto [it, fresh] = seen.emplace(name, where);
        EXPECT_TRUE(fresh) << name << " is both " << it->second << " and " << where;
    };
    for (int n = 0; n < kCardRows; ++n) add(Cat().card[n].name, "card " + std::to_string(n));
    for (int n = 0; n < kListedIcons; ++n) add(Cat().icon[n].name, "icon " + std::to_string(n));
    for (int n = 0; n < kItemRows; ++n) add(Cat().item[n].name, "item " + std::to_string(n));
    for (const char* reserved : {"死亡", "????", "･････････", "―――――――――――"})
        EXPECT_FALSE(seen.count(reserved)) << reserved;
}

// Every text of the catalogue has a Shift-JIS form, so the data files can hold it.
TEST(Names, EveryTextIsRepresentableInCp932) {
    std::vector<std::string> texts;
    for (const auto& c : Cat().card) texts.push_back(c.name);
    for (const auto& i : Cat().icon) texts.insert(texts.end(), {i.name, i.description});
    for (const auto& i : Cat().item) texts.insert(texts.end(), {i.name, i.description});
    for (const auto& m : Cat().magic) texts.insert(texts.end(), {m.name, m.description});
    for (const auto& m : Cat().music) texts.push_back(m.title);
    for (const auto& g : Cat().music_group) texts.push_back(g);
    for (const auto& t : texts) {
        const auto cp = Utf8ToCp932(t);
        ASSERT_TRUE(cp) << t;
        EXPECT_EQ(Cp932ToUtf8(*cp), t) << t;
    }
}

TEST(TechniqueContent, TheShopTableExactly) {
    struct Case {
        int no;
        const char* name;
        int price;
        const char* description;
    };
    const Case cases[] = {
        {0, "解", 50, "レベルを1下げます。既に術がついている場合でもそのままです。"},
        {1, "魔", 15, "相手の死者を<裏切>化して蘇らせる、蘇生時HPは満タン、MPは0になる"},
        {2, "妖", 50, "自分のレベルをHPに転化し、相手のレベルを相手のHPに転化、使用後LVは0になる。"},
        {3, "幻", 60, "自分を壁に変えてしまう。HPは2倍になり<仮死>状態になる"},
        {4, "体", 20, "でこぴんの強化版"},
        {5, "武", 25, "弓矢狼の強化版"},
        {6, "医", 40, "自分のHPをMP分回復、MPは0になる"},
        {7, "風水", 50, "敵味方全：自分のHPと、自分と相反する属性の相手のHPを１にする。無属性の場合は無属性が対象となる"},
        {8, "妖精", 20, "敵味方全：自分の同じ属性者は、自分も含め<治>状態になる"},
        {9, "死", 45, "死者のMPを、向かいの相手にHPダメージとして与える。死者のMPは0に。"},
        {10, "心", 20, "自分のHP,MP,LVを2回復"},
        {11, "剣", 10, "相手のHP,MPを2減らす、反撃なし"},
        {12, "槍", 25, "相手のHPを3減らす、反撃なし"},
        {13, "奇", 60, "相手のHP,MPを1ずつ吸収、反撃なし"},
        {14, "錬金", 22, "味方全：グッドステータス者はHP・MP+3、グッドステータスは解除される"},
        {15, "忍", 32, "敵全：バッドステータス者はHP・MP-4、バッドステータスは解除される"},
        {16, "天", 47, "敵全：グッドステータス者はHP-5、バッドステータスは解除される"},
        {17, "柔", 25, "相手を投げ飛ばしてダメージ、剣と盾のアイコンが効く"},
        {18, "冥", 65, "敵味方全：自分とＨＰが同じ者を即死させる（自分も含む）"},
        {19, "攻", 40, "自分は最初から<↑>状態でスタートする。"},
        {20, "悪", 100, "自分は最初から<契約>状態でスタートする。"},
        {21, "仙", 70, "自分は最初から<癒><↓>状態でスタートする。"},
        {22, "言", 65, "自分は最初から<盾><混乱>状態でスタートする。"},
        {23, "物", 100, "技【アイテム】を使用可能とする。"},
        {24, "仮", 100, "自分は最初から<仮死>状態,HP+10 でスタート"},
        {25, "神", 100, "自分は最初から<神格>状態,HP=1,MP=1 でスタート"},
        {26, "裏", 50, "自分は最初から<裏切>化し、向かいの敵も<裏切り>化させてスタート"},
        {27, "陰", 80, "自分は最初からHP=0,MP+10"},
        {28, "陽", 80, "自分は最初からHP+5,MP+5,<時１>"},
        {29, "牢", 50, "自分は最初から<牢>化し、向かいの敵も<牢>化させてスタート"},
        {30, "召", 150, "召喚魔法発動回数+1"},
        {31, "両", 200, "魔剣発動範囲+1"},
        {32, "段", 100, "自分のLVは+5される"},
        {33, "闇", 40, "自分のｽﾃｰﾀｽは相手に見えなくなる"},
        {34, "毒", 30, "自分の毒吸収属性を持つ"},
        {35, "雲", 60, "技【オールトの雲】に【ユージュアル】の効果の一部が付与される(<仮死,裏切,契約,牢,爆弾>は解除不可)"},
        {36, "強", 30, "自分は最初からHP+1,MP+1"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Cat().magic[c.no].name, c.name) << c.no;
        EXPECT_EQ(Cat().magic[c.no].price, c.price) << c.no;
        EXPECT_EQ(Cat().magic[c.no].description, c.description) << c.no;
    }
    for (int n = 37; n < kMagicRows; ++n) EXPECT_TRUE(Cat().magic[n].name.empty()) << n;
}

TEST(IconContent, MarksWeightsAndBlankRows) {
    const std::set<int> dark = {259, 262, 263, 264, 265, 266, 267, 268, 269, 270, 277, 278};
    for (int n = 0; n < kIconRows; ++n) {
        const ticon& i = Cat().icon[n];
        EXPECT_EQ(i.dark != 0, dark.count(n) == 1) << n;
        EXPECT_TRUE(i.dark >= 0 && i.dark <= 2) << n;
        if (n == 126) {
            EXPECT_EQ(i.weight, 10000);
        } else {
            EXPECT_TRUE(i.weight >= 0 && i.weight <= 50) << n;
        }
    }
    for (int n = 99; n <= 105; ++n) {
        EXPECT_FALSE(Cat().icon[n].name.empty()) << n;
        EXPECT_TRUE(Cat().icon[n].description.empty()) << n;
    }
    EXPECT_TRUE(Cat().icon[201].name.empty());
    EXPECT_FALSE(Cat().icon[201].description.empty());
    EXPECT_FALSE(Cat().icon[213].name.empty());
    for (int n = 0; n < kListedIcons; ++n) {
        if (n != 201) {
            EXPECT_FALSE(Cat().icon[n].name.empty()) << n;
        }
    }
    for (int n = kListedIcons; n < kIconRows; ++n) EXPECT_TRUE(Cat().icon[n].name.empty()) << n;
}

// Names the battle messages and rules look icons up by.
TEST(IconContent, NamesTheRulesRelyOn) {
    const std::map<int, std::string> by_number = {
        {110, "ＬＯＷ"}, {111, "ＣＨＡＯＳ"}, {146, "ｱｲｺﾝﾌﾟﾛﾃｸﾀｰ"}, {256, "ｱｹﾛｰﾝ学者の集い"},
        {241, "精霊・ライト"}, {79, "フルハウス"}, {261, "<パスの救い>"}, {215, "アストラル"},
        {233, "ドントルックバック"}};
    for (const auto& [no, name] : by_number) EXPECT_EQ(Cat().icon[no].name, name) << no;
    std::set<std::string> names;
    for (int n = 0; n < kListedIcons; ++n) names.insert(Cat().icon[n].name);
    for (const char* name : {"でこぴんマスター", "でこぴん免許", "第２干渉体", "でこぴんライバル", "レッドソード",
                             "ﾄﾞﾙﾊﾞﾝｼｰﾙﾄﾞ", "救済のカード", "天罰のカード", "煩悩のカード", "奇跡のカード",
                             "応報のカード", "不死のカード", "素顔のカード", "インテンション", "第３干渉体",
                             "巨大隕石", "刹那のカード", "煉炭", "ブルーセンシティブ", "救急箱", "サマナー",
                             "天才召喚士", "ﾎﾞｰｲﾐｰﾂｶﾞｰﾙ3"})
        EXPECT_TRUE(names.count(name)) << name;
}

TEST(ItemContent, TellingRows) {
    struct Case {
        int no, code, param, price;  // price -1: any
        const char* description;     // nullptr: any
    };
    const Case cases[] = {
        {1, 1, 1, 4, "HPを1回復"},     {2, 1, 3, 42, "HPを3回復"},     {3, 1, 5, 136, "HPを5回復"},
        {4, 1, 7, 218, "HPを7回復"},   {5, 1, 9, 336, "HPを9回復"},    {11, 3, 1, 4, nullptr},
        {12, 3, 3, 43, nullptr},       {13, 3, 7, 318, nullptr},       {14, 3, 15, 411, nullptr},
        {15, 3, 31, 741, nullptr},     {47, 27, 1, -1, nullptr},       {48, 27, 2, -1, nullptr},
        {49, 27, 3, -1, nullptr},      {50, 27, 4, -1, nullptr},       {51, 27, 0, -1, nullptr},
        {74, 41, 1, -1, "ターンを+1してしまう"},  {75, 41, 2, -1, "ターンを+2してしまう"},
        {76, 41, 3, -1, "ターンを+3してしまう"},  {77, 41, -1, -1, "ターンを-1してしまう"},
        {78, 41, -3, -1, "ターンを-3してしまう"}, {79, 41, -5, -1, "ターンを-5してしまう"},
    };
    for (const Case& c : cases) {
        const titem& i = Cat().item[c.no];
        EXPECT_EQ(i.code, c.code) << c.no;
        EXPECT_EQ(i.param, c.param) << c.no;
        if (c.price >= 0) {
            EXPECT_EQ(i.price, c.price) << c.no;
        }
        if (c.description) {
            EXPECT_EQ(i.description, c.description) << c.no;
        }
    }
}

TEST(ItemContent, RowsAndCodes) {
    EXPECT_TRUE(Cat().item[0].name.empty());
    for (int n = 99; n < kItemRows; ++n) EXPECT_TRUE(Cat().item[n].name.empty()) << n;
    std::set<int> codes;
    for (int n = 1; n <= 98; ++n) {
        const titem& i = Cat().item[n];
        EXPECT_FALSE(i.name.empty()) << n;
        EXPECT_FALSE(i.description.empty()) << n;
        EXPECT_TRUE(i.code >= 1 && i.code <= 61) << n;
        EXPECT_EQ(i.code == 2, n == 98) << n;  // the one row of the HP-for-MP effect
        EXPECT_GT(i.price, 0) << n;
        codes.insert(i.code);
    }
    EXPECT_EQ(codes.size(), 61u);
}

TEST(MusicContent, FortySixTitledPiecesInNineGroups) {
    std::map<int, int> sizes;
    std::set<std::string> titles;
    for (int k = 0; k < kMusicPieces; ++k) {
        const tmusic& p = Cat().music[k];
        EXPECT_FALSE(p.title.empty()) << k;
        EXPECT_TRUE(p.group >= 0 && p.group < kMusicGroups) << k;
        ++sizes[p.group];
        titles.insert(p.title);
    }
    EXPECT_EQ(titles.size(), 46u);
    EXPECT_EQ(sizes.size(), 9u);
    for (int k = kMusicPieces; k < kMusicRows; ++k) EXPECT_TRUE(Cat().music[k].title.empty()) << k;
    for (const auto& g : Cat().music_group) EXPECT_FALSE(g.empty());
}

}  // namespace
}  // namespace kestra

#include "catalogue/card_facts.h"

namespace kestra {
namespace {

// An item's description names the amount or element its parameter gives the effect.
TEST(ItemContent, DescriptionsStateTheParameter) {
    int checked = 0;
    for (int n = 1; n <= 97; ++n) {
        const titem& i = Cat().item[n];
        std::string words;
        switch (i.code) {
            case 1:
            case 3:
            case 9:
            case 10:
            case 42:
            case 43:
            case 48: words = std::to_string(i.param); break;
            case 7:
            case 8: words = "÷" + std::to_string(i.param); break;
            case 41: words = (i.param > 0 ? "+" : "") + std::to_string(i.param); break;
            case 27:
            case 37:
            case 39:
            case 51: words = std::string(ElementText(i.param)); break;
            default: continue;
        }
        ++checked;
        EXPECT_NE(i.description.find(words), std::string::npos) << n << " " << i.description << " lacks " << words;
    }
    EXPECT_GE(checked, 40);
}

}  // namespace
}  // namespace kestra
