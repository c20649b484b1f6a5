// The rule and field panels and the deck registration panel in the real main window.
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "app/duel_kinds_panel.h"
#include "main_window_fixture.h"

namespace kestra {
namespace {

using test::MainWindowFixture;
using test::U;

// Which groups the rule and field panels show, by the duels fought when they were opened.
TEST(RulePanels, GroupsShowByDuelCountAndStayShown) {
    MainWindowFixture f([](tmy& my) { my.duels = 100; });
    MainWindow& w = f.Start();
    f.Press("rule_b");
    for (int32_t kind = 1; kind <= 9; ++kind)
        EXPECT_EQ(f.Find<QGroupBox>(("kind" + std::to_string(kind) + "_group").c_str())->isVisible(),
                  kind <= 4 || kind == 6 || kind == 7)
            << kind;
    EXPECT_EQ(f.Text("kind4_needs"), U("ｱｲｺﾝ禁止  要：6円 見習い以上"));
    EXPECT_EQ(f.Text("rule_summary").left(6), U("デッキ　 >"));
    f.Press("rule_panel_back_b");
    f.session->my().duels = 0;  // a later opening with fewer duels hides nothing already shown
    f.Press("field_b");
    EXPECT_EQ(w.VisiblePanel(), Panel::FieldDuels);
    EXPECT_TRUE(f.Find<QGroupBox>("kind10_group")->isVisible());
    EXPECT_FALSE(f.Find<QGroupBox>("kind11_group")->isVisible());
    f.Press("field_panel_back_b");
    f.Press("rule_b");
    EXPECT_TRUE(f.Find<QGroupBox>("kind4_group")->isVisible());
}

// A refusal shows its message and leaves the panel; ランダム asks first, and No stops quietly;
// a passing request opens the duel panel under the kind's caption.
TEST(RulePanels, RequestsCheckAskAndEnter) {
    MainWindowFixture f([](tmy& my) { test::GiveFullDeck(my), my.duels = 40, my.icon_slot1 = 213, my.icon_slot2 = 1; });
    MainWindow& w = f.Start();
    f.Press("rule_b");
    f.Press("kind2_request_b");
    EXPECT_EQ(f.dialogs.informed.back(), "デッキがルールに即していません。");
    EXPECT_EQ(w.VisiblePanel(), Panel::RuleDuels);
    f.dialogs.answers = {false, true};
    f.Press("kind7_accept_b");
    EXPECT_EQ(f.dialogs.asked.back(), "【!!】デッキ構成が変更されますが、よろしいですか？");
    EXPECT_EQ(w.VisiblePanel(), Panel::RuleDuels);
    f.Press("kind7_accept_b");
    EXPECT_EQ(w.VisiblePanel(), Panel::Duel);
    EXPECT_EQ(w.panel(Panel::Duel)->title(), U("★ランダムデュエルを受ける"));
    EXPECT_EQ(MainWindowFixture::Clipboard(),
              U("その火を天へ、返せかし！(RANDOM DUEL)ver6.2t"));
    EXPECT_EQ(w.duel_kind(), 7);
    EXPECT_EQ(w.duel_role(), kRoleReceiver);
    const int32_t money = f.session->my().money;
    f.Press("start_b");
    EXPECT_EQ(f.session->my().money, money - 1);
    ASSERT_EQ(f.launcher.opened.size(), 1u);
    EXPECT_EQ(f.launcher.opened[0], (std::pair<int32_t, int32_t>{7, kRoleReceiver}));
}

// Register into the lowest free slot, refuse a name my.dat cannot hold, apply a set-up with a
// card gone: a hole, the shortage message, and the name in the deck builder's caption.
TEST(RegistrationPanel, RegisterRenameAndApplyWithAHole) {
    MainWindowFixture f([](tmy& my) {
        my.deck = {0, 1, 2, 0, 1, 2, 0, 1, 2, 0}, my.touroku[0].name = "先客";
        my.card_count.fill(0);
    });
    MainWindow& w = f.Start();
    f.Press("deck_b");
    f.Press("touroku_b");
    EXPECT_EQ(w.VisiblePanel(), Panel::Registration);
    f.Press("touroku_add_b");
    auto* slot_rows = f.Find<QListWidget>("touroku_list");
    EXPECT_EQ(slot_rows->item(1)->text(), U("オリジナルデッキ1"));
    slot_rows->setCurrentRow(1);
    f.Find<QLineEdit>("touroku_name")->setText(U("改行\n入り"));
    f.Press("touroku_rename_b");
    EXPECT_EQ(f.dialogs.informed.back(), "この名前は使えません");
    EXPECT_EQ(f.session->my().touroku[1].name, "オリジナルデッキ1");
    f.Find<QLineEdit>("touroku_name")->setText(U("畑組"));
    f.Press("touroku_rename_b");
    EXPECT_EQ(f.Saved().touroku[1].name, "畑組");

    // The deck moves on; card 1 goes missing from the collection.
    f.session->my().deck = {3, 3, 3, 3, 3, 3, 3, 3, 3, 3};
    f.session->my().card_count.fill(0);
    f.session->my().card_count[0] = 9;
    slot_rows->setCurrentRow(1);
    f.Press("touroku_apply_b");
    EXPECT_EQ(f.dialogs.informed.back(),
              "【!!】足りないカード又はアイコンがあるため、デッキは完全に再現できませんでした");
    EXPECT_EQ(f.Saved().deck, (std::array<int32_t, 10>{0, -1, -1, 0, -1, -1, 0, -1, -1, 0}));
    EXPECT_EQ(w.VisiblePanel(), Panel::DeckBuilder);
    EXPECT_EQ(w.panel(Panel::DeckBuilder)->title(), U("デッキ構築中 > 【畑組】"));
}

}  // namespace
}  // namespace kestra
