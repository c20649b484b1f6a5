#include <gtest/gtest.h>

#include <map>
#include <set>

#include "catalogue/card_facts.h"
#include "player/catalogue_files.h"
#include "player/cp932.h"
#include "support/temp_folder.h"

namespace kestra {
namespace {

TEST(CardFacts, ElementRarityPictureAndLevelBonus) {
    const std::pair<int32_t, const char*> elements[] = {
        {0, "<無>"}, {4, "<水>"}, {6, "<光>"}, {12, "<闇>"}, {233, "<火>"}};
    for (const auto& [card, text] : elements) EXPECT_EQ(ElementText(ElementOf(card)), text) << card;
    EXPECT_EQ(ElementText(5), "");
    EXPECT_EQ(ElementText(-1), "");
    // The ends of the class names and the codes outside them.
    const std::pair<int32_t, const char*> classes[] = {{0, "楽"},        {9, "ファントム"}, {10, "？"},
                                                       {19, "パクント"}, {20, "？"},        {-1, "？"}};
    for (const auto& [code, name] : classes) EXPECT_EQ(RarityName(code), name) << code;
    EXPECT_EQ(CardPicturePath(7), "cg/unit7.bmp");
    EXPECT_EQ(CardPicturePath(326), "cg/unit326.bmp");
    const std::array<int32_t, 3> bonus[] = {{4, 2, 4}, {4, 3, 5}, {4, 10, 7}};
    for (const auto& [base, level, shown] : bonus) EXPECT_EQ(WithLevelBonus(base, level), shown) << level;
}

// The catalogue exactly as the game builds it from the shipped folder.
const Catalogue& Cat() {
    static const Catalogue cat = BuildCatalogue(test::BuiltGame().dat());
    return cat;
}

TEST(CardContent, RowsClassesAndBlankTail) {
    // (Rows 71 and 234 are read through the command line's catalogue listing.)
    const std::array<int, 4> cases[] = {{73, 0, 15, 10}, {279, 77, 21, 15}};
    for (const auto& c : cases)
        EXPECT_EQ((std::array{c[0], Cat().card[c[0]].hp, Cat().card[c[0]].mp, Cat().card[c[0]].rarity}), c);
    EXPECT_EQ(Cat().card[219].name, "傭兵");
    // Rule duels and random synthesis need these classes; only the data file supplies 0..3 and 5.
    std::set<int> in_file, anywhere;
    for (int n = 0; n <= 326; ++n) {
        if (n <= 70) in_file.insert(Cat().card[n].rarity);
        anywhere.insert(Cat().card[n].rarity);
    }
    for (const int c : {0, 1, 2, 3, 5}) EXPECT_TRUE(in_file.count(c)) << "class " << c;
    for (const int c : {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 12, 13, 14, 15})
        EXPECT_TRUE(anywhere.count(c)) << c;
    for (int n = 0; n < kCardRows; ++n) {
        const tcard& c = Cat().card[n];
        EXPECT_TRUE(n <= 326 ? !c.name.empty() && c.hp >= 0 && c.hp <= 99 && c.mp >= 0 && c.mp <= 77
                             : c.name.empty() && c.hp == 0)
            << n;
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

TEST(TechniqueContent, ColumnsAndBlankRows) {
    // The last row: each column lands in its field (row 0 is the CLI's catalogue_magic), and rows past
    // 36 stay blank.
    const tmagic& m = Cat().magic[36];
    EXPECT_EQ(std::tie(m.name, m.price, m.description), std::make_tuple("強", 30, "自分は最初からHP+1,MP+1"));
    for (int n = 37; n < kMagicRows; ++n) EXPECT_TRUE(Cat().magic[n].name.empty()) << n;
}

TEST(IconContent, MarksWeightsAndBlankRows) {
    const std::set<int> dark = {259, 262, 263, 264, 265, 266, 267, 268, 269, 270, 277, 278};
    for (int n = 0; n < kIconRows; ++n) {
        const ticon& i = Cat().icon[n];
        EXPECT_EQ(i.dark != 0, dark.count(n) == 1) << n;
        EXPECT_TRUE(i.dark >= 0 && i.dark <= 2) << n;
        EXPECT_TRUE(n == 126 ? i.weight == 10000 : i.weight >= 0 && i.weight <= 50) << n;
    }
    for (int n = 99; n <= 105; ++n) EXPECT_TRUE(Cat().icon[n].description.empty()) << n;
    EXPECT_FALSE(Cat().icon[201].description.empty());
    for (int n = 0; n < kIconRows; ++n)
        EXPECT_EQ(Cat().icon[n].name.empty(), n == 201 || n >= kListedIcons) << n;
}

// Names the battle messages and rules look icons up by.
TEST(IconContent, NamesTheRulesRelyOn) {
    const std::map<int, std::string> by_number = {
        {110, "ＬＯＷ"},          {111, "ＣＨＡＯＳ"},   {146, "ｱｲｺﾝﾌﾟﾛﾃｸﾀｰ"},
        {256, "ｱｹﾛｰﾝ学者の集い"}, {241, "精霊・ライト"}, {79, "フルハウス"},
        {261, "<パスの救い>"},    {215, "アストラル"},   {233, "ドントルックバック"}};
    for (const auto& [no, name] : by_number) EXPECT_EQ(Cat().icon[no].name, name) << no;
    std::set<std::string> names;
    for (int n = 0; n < kListedIcons; ++n) names.insert(Cat().icon[n].name);
    for (const char* name :
         {"でこぴんマスター", "でこぴん免許", "第２干渉体",   "でこぴんライバル",   "レッドソード",
          "ﾄﾞﾙﾊﾞﾝｼｰﾙﾄﾞ",      "救済のカード", "天罰のカード", "煩悩のカード",       "奇跡のカード",
          "応報のカード",     "不死のカード", "素顔のカード", "インテンション",     "第３干渉体",
          "巨大隕石",         "刹那のカード", "煉炭",         "ブルーセンシティブ", "救急箱",
          "サマナー",         "天才召喚士",   "ﾎﾞｰｲﾐｰﾂｶﾞｰﾙ3"})
        EXPECT_TRUE(names.count(name)) << name;
}

TEST(ItemContent, TellingRows) {
    struct Case {
        int no, code, param, price;
        const char* description;
    };
    // (row 1 is the CLI's catalogue_items_ladder)
    const Case cases[] = {{15, 3, 31, 741, "MPを31回復"}, {79, 41, -5, 0, "ターンを-5してしまう"}};
    for (const Case& c : cases) {
        const titem& i = Cat().item[c.no];
        EXPECT_EQ(std::tie(i.code, i.param, i.description), std::tie(c.code, c.param, c.description)) << c.no;
        EXPECT_TRUE(!c.price || i.price == c.price) << c.no;
    }
}

TEST(ItemContent, RowsAndCodes) {
    EXPECT_TRUE(Cat().item[0].name.empty());
    for (int n = 99; n < kItemRows; ++n) EXPECT_TRUE(Cat().item[n].name.empty()) << n;
    std::set<int> codes;
    for (int n = 1; n <= 98; ++n) {
        const titem& i = Cat().item[n];
        EXPECT_TRUE(!i.name.empty() && !i.description.empty() && i.code >= 1 && i.code <= 61) << n;
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
        EXPECT_TRUE(!p.title.empty() && p.group >= 0 && p.group < kMusicGroups) << k;
        ++sizes[p.group];
        titles.insert(p.title);
    }
    EXPECT_EQ(titles.size(), 46u);
    EXPECT_EQ(sizes.size(), 9u);
    for (int k = kMusicPieces; k < kMusicRows; ++k) EXPECT_TRUE(Cat().music[k].title.empty()) << k;
    for (const auto& g : Cat().music_group) EXPECT_FALSE(g.empty());
}

// An item's description names the amount or element its parameter gives the effect, in the form
// of its code: the number, "÷" and the number, a signed number, or the element.
TEST(ItemContent, DescriptionsStateTheParameter) {
    const std::map<int32_t, char> form = {{1, 'n'},  {3, 'n'},  {9, 'n'},  {10, 'n'}, {42, 'n'},
                                          {43, 'n'}, {48, 'n'}, {7, '/'},  {8, '/'},  {41, '+'},
                                          {27, 'e'}, {37, 'e'}, {39, 'e'}, {51, 'e'}};
    int checked = 0;
    for (int n = 1; n <= 97; ++n) {
        const titem& i = Cat().item[n];
        const auto f = form.find(i.code);
        if (f == form.end()) continue;
        const std::string number = std::to_string(i.param);
        const std::string words = f->second == 'n'   ? number
                                  : f->second == '/' ? "÷" + number
                                  : f->second == '+' ? (i.param > 0 ? "+" : "") + number
                                                     : std::string(ElementText(i.param));
        ++checked;
        EXPECT_NE(i.description.find(words), std::string::npos) << n << " " << i.description << " lacks " << words;
    }
    EXPECT_GE(checked, 40);
}

}  // namespace
}  // namespace kestra
