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

const std::string& CardName(MainWindowFixture& f, int32_t card) {
    return f.session->cat().card[static_cast<size_t>(card)].name;
}

// The rules' tables (prices, assortments, refusals) are the collection tests'; here each panel's
// buttons reach its rule once and the result shows and is saved.
TEST(ShopPanel, OpensAtTheCappedPurseAndBuys) {
    MainWindowFixture f([](tmy& my) { my.money = 950, my.wins = 5; });
    MainWindow& w = StartRevealed(f);
    f.Press("shop_b");
    EXPECT_EQ(f.Text("shop_money"), U("所持金：900円"));
    auto* list = f.Find<QListWidget>("shop_list");
    const int row = RowOf(list, CardName(f, 125));
    ASSERT_GE(row, 0);
    list->setCurrentRow(row);
    EXPECT_TRUE(f.Text("shop_info").endsWith(U("円")));
    const int32_t had = f.Saved().card_count[125];
    f.audio.played.clear();
    f.Press("shop_buy_b");
    const tmy saved = f.Saved();
    EXPECT_EQ(saved.money, 880);
    EXPECT_EQ(saved.card_count[125], had + 1);
    EXPECT_EQ(f.audio.played, (std::vector<Cue>{{"key2.wav", 2}, {"katan.wav", 3}, {"3.wav", 0}}));
    EXPECT_EQ(f.dialogs.informed.back(), "カード【" + CardName(f, 125) + "】を購入した!!\n\n所持：1枚");
    EXPECT_EQ(w.VisiblePanel(), Panel::StartMenu);
}

TEST(SynthesisPanel, MakesTheChosenRow) {
    MainWindowFixture f([](tmy& my) { my.duels = 12, my.card_count[1] = 10, my.card_count[137] = 0; });
    MainWindow& w = StartRevealed(f);
    f.Press("gousei_b");
    auto* list = f.Find<QListWidget>("gousei_list");
    ASSERT_EQ(list->count(), 2 + 3);
    list->setCurrentRow(1);
    EXPECT_TRUE(f.Text("gousei_info").endsWith(U("●素材：『") + Q(CardName(f, 1)) + U("』の所持：10")));
    f.Press("gousei_make_b");
    const tmy saved = f.Saved();
    EXPECT_EQ(saved.card_count[137], 1);
    EXPECT_EQ(saved.card_count[1], 0);
    EXPECT_EQ(w.VisiblePanel(), Panel::StartMenu);
}

// 召 bought for 150 Ark and transplanted into a class-17 card for 67 円.
TEST(TechniquePanels, BuyThenTransplant) {
    MainWindowFixture f(
        [](tmy& my) { my.merit = 300, my.ark = 200, my.money = 500, my.card_count[234] = 1; });
    MainWindow& w = StartRevealed(f);
    f.Press("magic_shop_b");
    f.Find<QListWidget>("magic_list")->setCurrentRow(30);
    f.Press("magic_buy_b");
    EXPECT_EQ(f.Saved().magic_count[30], 1);
    EXPECT_EQ(f.Saved().ark, 50);
    f.Press("deck_b");
    f.Find<QListWidget>("card_list")->setCurrentRow(234);
    f.Press("transplant_b");
    ASSERT_EQ(w.VisiblePanel(), Panel::Transplant);
    f.Find<QListWidget>("transplant_list")->setCurrentRow(30);
    f.audio.played.clear();
    f.Press("transplant_do_b");
    EXPECT_EQ(f.audio.played, (std::vector<Cue>{{"key2.wav", 2}, {"in.wav", 3}, {"3.wav", 0}}));
    const tmy saved = f.Saved();
    EXPECT_EQ(saved.card_magic[234], 30);
    EXPECT_EQ(saved.money, 433);
    EXPECT_EQ(saved.magic_count[30], 0);
    EXPECT_EQ(w.VisiblePanel(), Panel::DeckBuilder);
}

// "→" and "←" change the slots in memory; the deck builder's BACK saves them, sealed.
TEST(IconPanel, EquipAndUnequipSavedByTheDeckBuilder) {
    struct Case {
        int32_t slot1, slot2;
        const char *list, *button;
        int row;
        int32_t saved1;
    };
    const Case cases[] = {{-1, -1, "icon_list", "equip_b", 213, 213},
                          {5, 6, "equipped_list", "unequip_b", 0, 6}};
    for (const Case& c : cases) {
        MainWindowFixture f([&](tmy& my) { my.icon_slot1 = c.slot1, my.icon_slot2 = c.slot2; });
        f.Start();
        f.Press("deck_b");
        f.Press("icons_b");
        f.Find<QListWidget>(c.list)->setCurrentRow(c.row);
        f.Press(c.button);
        EXPECT_EQ(f.Saved().icon_slot1, c.slot1);  // not saved yet
        f.Press("icons_panel_back_b");
        f.Press("deck_back_b");
        const tmy saved = f.Saved();
        EXPECT_EQ(std::pair(saved.icon_slot1, saved.icon_slot2), std::pair(c.saved1, -1)) << c.button;
        EXPECT_TRUE(CheckSaveData(saved));
    }
}

// A card of class 0 fetches 3 円 and item 15 187 円; the sale of the last item is saved later, but
// its row turns "????" at once.
TEST(SellPanels, SellCardsAndItems) {
    for (const int32_t items : {2, 1}) {
        MainWindowFixture f(
            [&](tmy& my) { my.money = 500, my.card_count[0] = 5, my.item_count[14] = items; });
        f.Start();
        f.dialogs.answer = true;
        f.Press("deck_b");
        f.Find<QListWidget>("card_list")->setCurrentRow(0);
        f.Press("card_sell_b");
        EXPECT_EQ(f.dialogs.asked.at(0), "【" + CardName(f, 0) + "】を 3円で売りますか？\n\n所持金：500円");
        f.Press("items_b");
        auto* list = f.Find<QListWidget>("item_list");
        list->setCurrentRow(14);
        f.Press("item_sell_b");
        const tmy saved = f.Saved();
        EXPECT_EQ(saved.money, items == 2 ? 690 : 503) << items;
        EXPECT_EQ(std::pair(saved.card_count[0], saved.item_count[14]), std::pair(4, 1)) << items;
        EXPECT_EQ(list->item(14)->text() == QStringLiteral("????"), items == 1);
        EXPECT_EQ(f.session->my().money, 690);
    }
}

// A save that cannot be written undoes the deal: the purse and the counts stay, no notice of a
// purchase is shown, and the panel stays open.
TEST(EconomyPanels, AFailedSaveUndoesTheDeal) {
    struct Case {
        const char* name;
        std::vector<const char*> doors;
        const char* list;
        int row;
        const char* button;
        Panel stays;
    };
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
