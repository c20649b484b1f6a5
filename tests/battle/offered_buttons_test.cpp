// Which technique buttons the acting card is offered: the six steps, the last-stand edges, icon 80,
// and the per-card lists of content/technique_lists.tsv.
#include "battle/offered_buttons.h"

#include <set>

#include "catalogue/embedded_content.h"
#include "player/cp932.h"
#include "support/battle_cases.h"

namespace kestra::test {
namespace {

using Offer = std::vector<OfferedButton>;

// A record whose slot 1 (card c, technique waza) acts on slot 4; every card alive with HP 5.
DuelRecord Acting(int32_t c, int32_t waza = 0) {
    DuelRecord d;
    for (size_t s = 1; s <= 6; ++s) {
        d.chara[s] = Card(s == 1 ? c : 10, 0, s == 1 ? waza : 0);
        d.chara[s].orig_no = d.chara[s].card_no, d.chara[s].hp = 5;
    }
    d.atk_no = 1, d.tgt_no = 4;
    d.e_icon1 = 198, d.e_icon2 = 80;  // the opponent's icons offer nothing to this side
    return d;
}

// The offer with a fixed local chance.
Offer OfferOf(const DuelRecord& d, uint64_t seed = 1) {
    Rng rng(seed);
    return OfferedButtons(d, GameCatalogue(), rng);
}

// True when the offer holds the button.
bool Has(const Offer& o, std::string_view name) {
    for (const OfferedButton& b : o)
        if (b.name == name) return true;
    return false;
}

TEST(OfferedButtons, ButtonsSendTheirKeys) {
    struct Case { const char* name; int32_t key; const char* caption; };
    // clang-format off
    const Case cases[] = {
        {"m1", 10, "でこぴん"}, {"m26", 92, ""}, {"m30", 3, "盗む"}, {"m87", 78, "アイテム"},
        {"m88", 88, "森羅万象"}, {"m5a", 50, "赤い風"}, {"m2", 20, "占星術"},
    };
    // clang-format on
    for (const Case& c : cases) {
        const TechniqueButton* b = FindTechniqueButton(c.name);
        ASSERT_NE(b, nullptr) << c.name;
        EXPECT_EQ(b->key(), c.key) << c.name;
        EXPECT_EQ(b->caption, c.caption) << c.name;
    }
    std::set<std::string_view> names;
    for (const TechniqueButton& b : TechniqueButtons()) names.insert(b.name);
    EXPECT_EQ(names.size(), TechniqueButtons().size());
    EXPECT_EQ(FindTechniqueButton("m57"), nullptr);
    EXPECT_EQ(KeyOfButton("m5a"), KeyOfButton("m5"));
    EXPECT_EQ(KeyOfButton("m99"), -1);
}

// Steps 1 to 3 and 5: the card's own list in order, its single-word button, relabels, names.
TEST(OfferedButtons, TheCardsListAndSingleWord) {
    struct Case {
        const char* what;
        int32_t card, waza;
        const char* name;  // the acting card's name, "" for its own
        std::array<int32_t, 2> icons;
        Offer expected;
    };
    const Offer village = {{"m1", "でこぴん"}, {"m38", "食べる"}, {"m6", "いたずら"}};
    const auto plus = [&](OfferedButton b) { Offer o = village; o.push_back(b); return o; };
    // clang-format off
    const std::vector<Case> cases = {
        {"shared village list", 0, 0, "", {-1, -1}, village},
        {"a name-bound entry shows for its name", 0, 0, "月夜の吸血卿", {-1, -1}, plus({"m4", "噛みつく"})},
        {"the list relabels m1", 24, 0, "", {-1, -1}, {{"m1", "はさむ"}, {"m38", "食べる"}, {"m39", "凍結"}}},
        {"single-word after the list", 0, 11, "", {-1, -1}, plus({"m77", "剣術"})},
        {"single-word already listed shows once", 3, 11, "", {-1, -1}, {{"m1", "でこぴん"}, {"m3", "鍛え打ち"}, {"m37", "ヴァイスクロイツ"}, {"m45", "魔剣"}, {"m77", "剣術"}}},
        {"waza 19 is no single word", 0, 19, "", {-1, -1}, village},
        {"icon 198 adds アイテム", 0, 0, "", {-1, 198}, plus({"m87", "アイテム"})},
        {"waza 23 adds アイテム", 0, 23, "", {-1, -1}, plus({"m87", "アイテム"})},
        {"icon 227 relabels m1", 0, 0, "", {227, -1}, {{"m1", "バリア"}, {"m38", "食べる"}, {"m6", "いたずら"}}},
        {"icon 228 over the list's relabel", 24, 0, "", {-1, 228}, {{"m1", "刻印剣"}, {"m38", "食べる"}, {"m39", "凍結"}}},
    };
    // clang-format on
    for (const Case& c : cases) {
        DuelRecord d = Acting(c.card, c.waza);
        if (*c.name) d.chara[1].name = c.name;
        d.my_icon1 = c.icons[0], d.my_icon2 = c.icons[1];
        EXPECT_EQ(OfferOf(d), c.expected) << c.what;
    }
}

// Step 4 at its edges, with the icon that makes both draws 0, and battle type 19.
TEST(OfferedButtons, LastStandEdges) {
    const int32_t boy = IconNamed(std::string(kLastStandIcon));
    struct Case {
        const char* what;
        int32_t own_dead, opp_dead, hp, opp_hp;  // opp_hp: each living opponent card's HP
        int32_t battle_type;
        bool icon, help, ultra;
    };
    const Case cases[] = {
        {"HP 3, two dead, sum 15", 2, 0, 3, 5, 0, true, true, true},
        {"HP 4 is not below 4", 2, 0, 4, 5, 0, true, true, false},
        {"one dead: neither", 1, 0, 3, 5, 0, true, false, false},
        {"HP equal to the sum", 2, 0, 3, 1, 0, true, true, true},          // sum 3 == HP 3
        {"HP above the sum: neither", 2, 0, 3, 0, 0, true, false, false},  // sum 0 < 3
        {"an opponent card dead: only ultra", 2, 1, 3, 5, 0, true, false, true},
        {"battle type 19 always helps", 0, 0, 9, 5, 19, false, true, false},
    };
    for (const Case& c : cases) {
        DuelRecord d = Acting(0);
        d.chara[1].hp = c.hp;
        for (int32_t k = 0; k < c.own_dead; ++k) Kill(d, static_cast<size_t>(2 + k));
        for (size_t s = 4; s <= 6; ++s) d.chara[s].hp = c.opp_hp;
        for (int32_t k = 0; k < c.opp_dead; ++k) Kill(d, static_cast<size_t>(6 - k));
        d.battle_type = c.battle_type;
        if (c.icon) d.my_icon1 = boy;
        for (uint64_t seed = 0; seed < 8; ++seed) {
            const Offer o = OfferOf(d, seed);
            EXPECT_EQ(Has(o, kHelpButton), c.help) << c.what << " seed " << seed;
            EXPECT_EQ(Has(o, kUltraFlickButton), c.ultra) << c.what << " seed " << seed;
        }
    }
}

// Step 6: icon 80 leaves exactly one of 88 fixed buttons, by the third local draw.
TEST(OfferedButtons, IconEightyLeavesOneOfEightyEight) {
    std::set<std::string_view> fixed;
    for (int32_t draw = 0; draw < 88; ++draw) {
        const std::string_view name = FixedButtonOfDraw(draw);
        ASSERT_NE(FindTechniqueButton(name), nullptr) << draw;
        EXPECT_TRUE(TechniqueBuilt(KeyOfButton(name))) << draw;
        fixed.insert(name);
    }
    EXPECT_EQ(FixedButtonOfDraw(25), "m1");  // m26 runs nothing
    EXPECT_EQ(FixedButtonOfDraw(87), "m88");
    EXPECT_EQ(FixedButtonOfDraw(88), "");
    EXPECT_EQ(fixed.size(), 84u);
    for (uint64_t seed = 0; seed < 200; ++seed) {
        DuelRecord d = Acting(280, 11);
        d.my_icon1 = 228, d.my_icon2 = 80;
        Rng draws(seed);
        draws.Random(4), draws.Random(5);
        const std::string_view expected = FixedButtonOfDraw(draws.Random(88));
        const Offer o = OfferOf(d, seed);
        ASSERT_EQ(o.size(), 1u);
        EXPECT_EQ(o[0].name, expected);
        EXPECT_EQ(o[0].caption, expected == "m1" ? "刻印剣" : std::string(FindTechniqueButton(expected)->caption));
    }
}

// Only local slots act, and every button any card is offered runs something in the battle.
TEST(OfferedButtons, OnlyBuiltButtonsAndLocalAttackers) {
    DuelRecord d = Acting(0);
    d.atk_no = 4;
    EXPECT_TRUE(OfferOf(d).empty());
    for (int32_t card = 0; card < kListedCards; ++card)
        for (const int32_t waza : {0, 1, 9, 11, 18, 23, 30}) {
            const Offer o = OfferOf(Acting(card, waza));
            ASSERT_FALSE(o.empty()) << card;
            EXPECT_EQ(o[0].name, "m1") << card;
            EXPECT_LE(o.size(), static_cast<size_t>(kPanelCapacity)) << card;
            for (const OfferedButton& b : o) EXPECT_TRUE(TechniqueBuilt(KeyOfButton(b.name))) << card << b.name;
        }
}

// The compiled-in lists: every card has one, every key is somewhere, none overflows, all CP932.
TEST(TechniqueLists, TheTableCoversEveryCardAndKey) {
    const TechniqueListLoad load = LoadTechniqueLists(EmbeddedTable("technique_lists.tsv"));
    ASSERT_EQ(load.error, "");
    std::set<int32_t> keys;
    for (int32_t card = 0; card < kListedCards; ++card) EXPECT_FALSE(TechniqueListOf(load.lists, card).empty()) << card;
    std::set<std::string> card_names;
    for (const auto& c : GameCatalogue().card) card_names.insert(c.name);
    for (const auto& [id, entries] : load.lists.lists) {
        EXPECT_LE(entries.size(), static_cast<size_t>(kMaxListButtons)) << id;
        for (const ListEntry& e : entries) {
            keys.insert(KeyOfButton(e.button));
            EXPECT_TRUE(Utf8ToCp932(e.caption).has_value()) << id << " " << e.caption;
            if (!e.only_name.empty()) {
                EXPECT_TRUE(card_names.count(e.only_name)) << id << " " << e.only_name;
            }
        }
    }
    for (const int32_t key : kTableKeys) {
        if (key == kItemKey || key == KeyOfButton(kHelpButton) || key == KeyOfButton(kUltraFlickButton))
            continue;
        EXPECT_TRUE(keys.count(key)) << "no list offers key " << key;
    }
    EXPECT_EQ(TechniqueListOf(load.lists, 327).size(), 0u);
    EXPECT_EQ(TechniqueListOf(load.lists, -1).size(), 0u);
}

// The loader names the line of each fault.
TEST(TechniqueLists, LoaderRefusesFaults) {
    const std::string head = "kind\tid\tvalue\n";
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"list\ta\tm1 m99\n", "technique_lists.tsv line 2: unknown button m99"},
        {"list\ta\tm26\n", "technique_lists.tsv line 2: unknown button m26"},
        {"list\ta\tm1\nlist\ta\tm2\n", "technique_lists.tsv line 3: list id empty or repeated: a"},
        {"list\ta\t \n", "technique_lists.tsv line 2: empty list a"},
        {"cards\t0\tb\n", "technique_lists.tsv line 2: no list b"},
        {"list\ta\tm1\ncards\t0-2\ta\ncards\t2\ta\n", "technique_lists.tsv line 4: card 2 named twice"},
        {"cards\t5-3\ta\n", "technique_lists.tsv line 2: bad card numbers 5-3"},
        {"cards\t327\ta\n", "technique_lists.tsv line 2: bad card numbers 327"},
        {"row\t1\ta\n", "technique_lists.tsv line 2: unknown kind row"},
    };
    for (const auto& [rows, error] : cases) EXPECT_EQ(LoadTechniqueLists(head + rows).error, error) << rows;
    const TechniqueListLoad ok = LoadTechniqueLists(head + "# x\nlist\ta\tm1 m3=斬る@某\ncards\t0,2-3\ta\n");
    ASSERT_EQ(ok.error, "");
    const std::vector<ListEntry>& a = TechniqueListOf(ok.lists, 3);
    ASSERT_EQ(a.size(), 2u);
    EXPECT_EQ(a[1].button, "m3");
    EXPECT_EQ(a[1].caption, "斬る");
    EXPECT_EQ(a[1].only_name, "某");
    EXPECT_TRUE(TechniqueListOf(ok.lists, 1).empty());
}

}  // namespace
}  // namespace kestra::test
