// The economy panels driven through the real main window of two different players each: buying,
// synthesising, transplanting, equipping and selling, with what the save file holds afterwards.
#include <gtest/gtest.h>

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "main_window_fixture.h"
#include "player/checksum.h"

namespace kestra::test {
namespace {

using Cue = RecordingAudio::Cue;

// The row of a list whose text is `text`, -1 when none.
int RowOf(QListWidget* list, const std::string& text) {
    for (int r = 0; r < list->count(); ++r)
        if (list->item(r)->text() == Q(text)) return r;
    return -1;
}

// A started window with SHOP, 合成 and 術屋 revealed.
MainWindow& StartRevealed(MainWindowFixture& f) {
    MainWindow& w = f.Start();
    w.ReturnFromDuel(MenuReveal{true, true, true});
    f.audio.played.clear();
    return w;
}

const std::string& CardName(MainWindowFixture& f, int32_t card) { return f.session->cat().card[static_cast<size_t>(card)].name; }

TEST(ShopPanel, TwoPlayersBuyOrAreRefused) {
    struct Case { const char* name; int32_t money, wins, card; bool bought; int32_t money_saved; const char* money_line; };
    const Case cases[] = {{"950 opens at 900 and buys card 125", 950, 5, 125, true, 880, "所持金：900円"},
                          {"25 cannot pay card 163", 25, 3, 163, false, 25, "所持金：25円"}};
    for (const Case& c : cases) {
        MainWindowFixture f([&](tmy& my) { my.money = c.money, my.wins = c.wins; });
        MainWindow& w = StartRevealed(f);
        f.Press("shop_b");
        EXPECT_EQ(f.Text("shop_money"), U(c.money_line)) << c.name;
        auto* list = f.Find<QListWidget>("shop_list");
        const int row = RowOf(list, CardName(f, c.card));
        ASSERT_GE(row, 0) << c.name;
        list->setCurrentRow(row);
        EXPECT_TRUE(f.Text("shop_info").endsWith(U("円"))) << c.name;
        const tmy before = f.Saved();
        f.audio.played.clear();
        f.Press("shop_buy_b");
        const tmy saved = f.Saved();
        EXPECT_EQ(saved.money, c.money_saved) << c.name;
        EXPECT_EQ(saved.card_count[static_cast<size_t>(c.card)], before.card_count[static_cast<size_t>(c.card)] + c.bought);
        if (c.bought) {
            EXPECT_EQ(f.audio.played, (std::vector<Cue>{{"key2.wav", 2}, {"katan.wav", 3}, {"3.wav", 0}})) << c.name;
            EXPECT_EQ(f.dialogs.informed.back(), "カード【" + CardName(f, c.card) + "】を購入した!!\n\n所持：1枚");
            EXPECT_EQ(w.VisiblePanel(), Panel::StartMenu);
        } else {
            EXPECT_EQ(f.audio.played, (std::vector<Cue>{{"key2.wav", 2}, {"no.wav", 1}})) << c.name;
            EXPECT_EQ(w.VisiblePanel(), Panel::Shop);
        }
    }
}

TEST(SynthesisPanel, TwoPlayersSynthesiseOrLackMaterial) {
    struct Case { int32_t duels, row, material, have, product; bool made; };
    const Case cases[] = {{12, 1, 1, 10, 137, true}, {5, 0, 0, 5, 136, false}};
    for (const Case& c : cases) {
        MainWindowFixture f([&](tmy& my) {
            my.duels = c.duels, my.card_count[static_cast<size_t>(c.material)] = c.have;
            my.card_count[static_cast<size_t>(c.product)] = 0;
        });
        MainWindow& w = StartRevealed(f);
        f.Press("gousei_b");
        auto* list = f.Find<QListWidget>("gousei_list");
        ASSERT_EQ(list->count(), (c.duels >= 10 ? 2 : 1) + 3);
        list->setCurrentRow(c.row);
        EXPECT_TRUE(f.Text("gousei_info").endsWith(
            U("●素材：『") + Q(CardName(f, c.material)) + U("』の所持：") + QString::number(c.have)));
        f.Press("gousei_make_b");
        const tmy saved = f.Saved();
        EXPECT_EQ(saved.card_count[static_cast<size_t>(c.product)], c.made ? 1 : 0);
        EXPECT_EQ(saved.card_count[static_cast<size_t>(c.material)], c.made ? 0 : c.have);
        EXPECT_EQ(w.VisiblePanel(), c.made ? Panel::StartMenu : Panel::Synthesis);
    }
}

TEST(TechniquePanels, TwoPlayersBuyThenTransplant) {
    struct Case { int32_t merit, ark, k, card, level; int32_t level_saved, magic_saved, money_saved; };
    // 解 into card 0 (class 0) costs 50 Ark and 16 円; 召 into a class-17 card 150 Ark and 67 円.
    const Case cases[] = {{0, 60, 0, 0, 2, 1, 0, 484}, {300, 200, 30, 234, 0, 0, 30, 433}};
    for (const Case& c : cases) {
        MainWindowFixture f([&](tmy& my) {
            my.merit = c.merit, my.ark = c.ark, my.money = 500;
            my.card_count[static_cast<size_t>(c.card)] = 1, my.card_level[static_cast<size_t>(c.card)] = c.level;
        });
        MainWindow& w = StartRevealed(f);
        f.Press("magic_shop_b");
        f.Find<QListWidget>("magic_list")->setCurrentRow(c.k);
        f.Press("magic_buy_b");
        EXPECT_EQ(f.Saved().magic_count[static_cast<size_t>(c.k)], 1);
        EXPECT_EQ(f.Saved().ark, c.ark - f.session->cat().magic[static_cast<size_t>(c.k)].price);

        f.Press("deck_b");
        f.Find<QListWidget>("card_list")->setCurrentRow(c.card);
        f.Press("transplant_b");
        ASSERT_EQ(w.VisiblePanel(), Panel::Transplant);
        f.Find<QListWidget>("transplant_list")->setCurrentRow(c.k);
        f.audio.played.clear();
        f.Press("transplant_do_b");
        EXPECT_EQ(f.audio.played, (std::vector<Cue>{{"key2.wav", 2}, {"in.wav", 3}, {"3.wav", 0}}));
        const tmy saved = f.Saved();
        EXPECT_EQ(saved.card_level[static_cast<size_t>(c.card)], c.level_saved);
        EXPECT_EQ(saved.card_magic[static_cast<size_t>(c.card)], c.magic_saved);
        EXPECT_EQ(saved.money, c.money_saved);
        EXPECT_EQ(saved.magic_count[static_cast<size_t>(c.k)], 0);
        EXPECT_EQ(w.VisiblePanel(), Panel::DeckBuilder);
    }
}

TEST(IconPanel, TwoPlayersEquipAndUnequipSavedByTheDeckBuilder) {
    // The row is in the icon list for "→", in the equipped list for "←".
    struct Case { int32_t slot1, slot2; const char* button; int row; int32_t saved1, saved2; };
    const Case cases[] = {{-1, -1, "equip_b", 213, 213, -1}, {5, 6, "unequip_b", 0, 6, -1}};
    for (const Case& c : cases) {
        MainWindowFixture f([&](tmy& my) { my.icon_slot1 = c.slot1, my.icon_slot2 = c.slot2; });
        f.Start();
        f.Press("deck_b");
        f.Press("icons_b");
        auto* list = f.Find<QListWidget>(c.button == std::string("equip_b") ? "icon_list" : "equipped_list");
        list->setCurrentRow(c.row);
        f.Press(c.button);
        EXPECT_EQ(f.Saved().icon_slot1, c.slot1);  // not saved yet
        f.Press("icons_panel_back_b");
        f.Press("deck_back_b");
        const tmy saved = f.Saved();
        EXPECT_EQ(saved.icon_slot1, c.saved1);
        EXPECT_EQ(saved.icon_slot2, c.saved2);
        EXPECT_EQ(saved.icon_count[213], c.slot1 < 0 ? 0 : 1);
        EXPECT_EQ(saved.icon_count[5], c.slot1 < 0 ? 0 : 1);
        EXPECT_TRUE(CheckSaveData(saved));
    }
}

TEST(SellPanels, TwoPlayersSellCardsAndItems) {
    struct Case { bool yes; int32_t item_have; int32_t money_saved, card_saved, item_saved; };
    // A card of class 0 fetches 3 円, item 15 fetches 187 円; the last item's sale waits.
    const Case cases[] = {{true, 2, 500 + 3 + 187, 4, 1}, {true, 1, 500 + 3, 4, 1}, {false, 2, 500, 5, 2}};
    for (const Case& c : cases) {
        MainWindowFixture f([&](tmy& my) { my.money = 500, my.card_count[0] = 5, my.item_count[14] = c.item_have; });
        f.Start();
        f.dialogs.answer = c.yes;
        f.Press("deck_b");
        f.Find<QListWidget>("card_list")->setCurrentRow(0);
        f.Press("card_sell_b");
        EXPECT_EQ(f.dialogs.asked.at(0), "【" + CardName(f, 0) + "】を 3円で売りますか？\n\n所持金：500円");
        f.Press("items_b");
        auto* items = f.Find<QListWidget>("item_list");
        items->setCurrentRow(14);
        f.Press("item_sell_b");
        const tmy saved = f.Saved();
        EXPECT_EQ(saved.money, c.money_saved);
        EXPECT_EQ(saved.card_count[0], c.card_saved);
        EXPECT_EQ(saved.item_count[14], c.item_saved);
        EXPECT_EQ(items->item(14)->text() == QStringLiteral("????"), c.yes && c.item_have == 1);
        EXPECT_EQ(f.session->my().money, 500 + (c.yes ? 190 : 0));
    }
}

// A save that cannot be written undoes the deal: the purse and the counts stay, no notice of a
// purchase is shown, and the panel stays open.
TEST(EconomyPanels, AFailedSaveUndoesTheDeal) {
    struct Case { const char* name; std::vector<const char*> doors; const char* list; int row; const char* button; Panel stays; };
    const Case cases[] = {{"shop", {"shop_b"}, "shop_list", 3, "shop_buy_b", Panel::Shop},
                          {"card sale", {"deck_b"}, "card_list", 0, "card_sell_b", Panel::DeckBuilder}};
    for (const Case& c : cases) {
        MainWindowFixture f([](tmy& my) { my.money = 800, my.wins = 1, my.card_count[0] = 5; });
        MainWindow& w = StartRevealed(f);
        for (const char* door : c.doors) f.Press(door);
        f.Find<QListWidget>(c.list)->setCurrentRow(c.row);
        const tmy before = f.session->my();
        // my.dat turned into a folder: the new file cannot be renamed over it.
        std::filesystem::remove(f.folder.my_dat());
        std::filesystem::create_directories(f.folder.my_dat() / "blocked");
        f.dialogs.answer = true;
        f.Press(c.button);
        EXPECT_EQ(f.session->my(), before) << c.name;
        ASSERT_EQ(f.dialogs.informed.size(), 1u) << c.name;
        EXPECT_EQ(f.dialogs.informed[0].find("購入"), std::string::npos) << c.name;
        EXPECT_EQ(w.VisiblePanel(), c.stays) << c.name;
    }
}

}  // namespace
}  // namespace kestra::test
