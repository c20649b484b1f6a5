// The deck builder through its real lists and buttons: moves, refusals, the summary, BACK.
#include <gtest/gtest.h>

#include <QApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>

#include "collection/deck_builder.h"
#include "main_window_fixture.h"

namespace kestra::test {
namespace {

using Waves = std::vector<std::string>;

const QString kEmptySlot = U("･････････");
const QString kUnowned = QStringLiteral("????");

// The deck builder opened from the start menu, with the sounds of the opening forgotten.
struct Builder {
    explicit Builder(const std::function<void(tmy&)>& edit = {}) : f(edit) {
        f.Start();
        f.Press("deck_b");
        cards = f.Find<QListWidget>("card_list");
        deck = f.Find<QListWidget>("deck_list");
        f.audio.played.clear();
    }
    QString Name(int32_t card) const { return Q(f.session->cat().card[static_cast<size_t>(card)].name); }
    // Choose a card row and press "→".
    void Put(int32_t card) {
        cards->setCurrentRow(card);
        f.Press("put_b");
    }
    // Choose a deck slot and press "←".
    void Take(int32_t slot) {
        deck->setCurrentRow(slot);
        f.Press("take_b");
    }
    MainWindowFixture f;
    QListWidget* cards = nullptr;
    QListWidget* deck = nullptr;
};

// Opening shows owned cards by name, the rest as "????", an empty deck of ten rows and no
// "≪術・移植≫" without a technique; "→" on a "????" row or with no row, and "←" on an empty slot,
// only play "no.wav" and change nothing; a refusal of the rules shows its message between "no.wav"
// and "1.wav" (the rules themselves: DeckBuilder.RankRulesRefuseInTheirOrder).
TEST(DeckBuilderPanel, OpeningFillsTheListsAndRefuses) {
    Builder b([](tmy& my) {
        my.card_count[40] = 0, my.card_count[41] = 2;
        my.rank_points = 31, my.merit = 300, my.card_count[316] = 1;
    });
    EXPECT_EQ(b.f.window->VisiblePanel(), Panel::DeckBuilder);
    EXPECT_EQ(b.cards->count(), 327);
    EXPECT_EQ(b.cards->item(0)->text(), b.Name(0));
    EXPECT_EQ(b.cards->item(40)->text(), kUnowned);
    EXPECT_EQ(b.cards->item(41)->text(), b.Name(41));
    ASSERT_EQ(b.deck->count(), 10);
    EXPECT_EQ(b.deck->item(9)->text(), kEmptySlot);
    EXPECT_FALSE(b.f.Shown("transplant_b"));  // no technique in stock
    EXPECT_EQ(b.f.Text("deck_summary"), U("--・--・--・--・--・--・--・--・--・--  <  デッキ"));
    b.Put(40);
    b.cards->setCurrentRow(-1);
    b.f.Press("put_b");
    b.Take(4);
    EXPECT_EQ(b.f.audio.Waves(), (Waves{"key2.wav", "no.wav", "no.wav", "key2.wav", "no.wav"}));
    EXPECT_TRUE(b.f.dialogs.informed.empty());
    b.f.audio.played.clear();
    b.Put(316);
    EXPECT_EQ(b.f.audio.Waves(), (Waves{"key2.wav", "no.wav", "1.wav"}));
    EXPECT_EQ(b.f.dialogs.informed, std::vector<std::string>{"あなた戦歴では、このカードは使用できません"});
    EXPECT_EQ(b.f.session->my().deck[0], -1);
}

// The last copy going into the deck turns its row into "????"; taking it back restores the name.
// The mercenary goes in with its warning on the hint line; BACK writes the deck to my.dat and
// returns to the start menu with "3.wav".
TEST(DeckBuilderPanel, LastCopyInAndOutThenMercenaryAndBack) {
    Builder b([](tmy& my) { my.card_count[3] = 1, my.card_count[219] = 1; });
    b.Put(3);
    EXPECT_EQ(b.f.audio.Waves(), (Waves{"key2.wav", "at1.wav"}));
    EXPECT_EQ(b.deck->item(0)->text(), b.Name(3));
    EXPECT_EQ(b.cards->item(3)->text(), kUnowned);
    EXPECT_TRUE(b.f.Text("card_info").startsWith(U("★") + b.Name(3)));
    EXPECT_EQ(b.f.Text("deck_summary"),
              Q(DeckSummary(b.f.session->cat(), b.f.session->my())) + U("  <  デッキ"));
    b.f.audio.played.clear();
    b.Take(0);
    EXPECT_EQ(b.f.audio.Waves(), (Waves{"key2.wav", "at2.wav"}));
    EXPECT_EQ(b.cards->item(3)->text(), b.Name(3));
    EXPECT_EQ(b.cards->currentRow(), 3);
    EXPECT_EQ(b.deck->item(0)->text(), kEmptySlot);
    EXPECT_TRUE(b.f.Text("card_info").contains(U("所持：1枚")));

    ASSERT_EQ(b.Name(219), U("傭兵"));
    EXPECT_TRUE(b.f.Text("deck_hint").isEmpty());
    b.Put(219);
    EXPECT_EQ(b.f.Text("deck_hint"), U("【!!】傭兵を投入 > DEUL開始時-15円されます"));
    ASSERT_EQ(b.f.Saved().deck[0], -1);
    b.f.audio.played.clear();
    b.f.Press("deck_back_b");
    EXPECT_EQ(b.f.audio.Waves(), Waves{"3.wav"});
    EXPECT_EQ(b.f.Saved().deck[0], 219);
    EXPECT_EQ(b.f.Saved().card_count[219], b.f.session->my().card_count[219]);
    EXPECT_EQ(b.f.window->VisiblePanel(), Panel::StartMenu);
}

// A list that takes the focus makes its first row current by itself; that chooses nothing: no sound,
// no information, and neither "→" nor "←" moves card 0 or deck slot 1.
TEST(DeckBuilderPanel, FocusAloneChoosesNothing) {
    Builder b([](tmy& my) { my.deck[0] = 5; });
    for (QListWidget* list : {b.cards, b.deck}) {
        QFocusEvent focus(QEvent::FocusIn, Qt::TabFocusReason);
        QApplication::sendEvent(list, &focus);
        EXPECT_EQ(list->currentRow(), 0);  // the focus did make the first row current
    }
    EXPECT_TRUE(b.f.audio.Waves().empty());
    EXPECT_TRUE(b.f.Text("card_info").isEmpty());
    b.f.Press("put_b");
    b.f.Press("take_b");
    EXPECT_EQ(b.f.audio.Waves(), (Waves{"no.wav", "no.wav"}));
    EXPECT_EQ(b.f.session->my().deck[0], 5);
    EXPECT_EQ(b.f.session->my().deck[1], -1);
    // Moving in the list with the keyboard is a choice.
    QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
    QApplication::sendEvent(b.cards, &down);
    EXPECT_EQ(b.cards->currentRow(), 1);
    EXPECT_EQ(b.f.audio.Waves(), (Waves{"no.wav", "no.wav", "key2.wav"}));
    EXPECT_FALSE(b.f.Text("card_info").isEmpty());
}

// The card's picture comes from cg/unitN.bmp beside its information. (The caption with the applied
// registered deck: RegistrationPanel; that a change forgets it: tests/collection.)
TEST(DeckBuilderPanel, PictureOfTheChosenCard) {
    Builder b;
    std::filesystem::create_directories(b.f.folder.cg());
    std::filesystem::copy_file(BuiltGame().cg() / "unit1.bmp", b.f.folder.cg() / "unit1.bmp");
    b.cards->setCurrentRow(1);
    const QLabel* picture = b.f.Find<QLabel>("card_picture");
    EXPECT_EQ(picture->pixmap().size(), QSize(64, 64));
    b.cards->setCurrentRow(2);
    EXPECT_TRUE(picture->pixmap().isNull());
}

// A mouse click on a list row, as the player gives it: press and release over the row.
void ClickRow(QListWidget* list, int row) {
    const QPoint at = list->visualItemRect(list->item(row)).center();
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent event(type, QPointF(at), list->viewport()->mapToGlobal(QPointF(at)), Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(list->viewport(), &event);
    }
}

// Clicking a deck slot that is still the current row, after a card of the card list was chosen,
// chooses the slot's card again: "≪術・移植≫" names it and its information shows.
TEST(DeckBuilderPanel, ClickingTheCurrentSlotAgainChoosesItsCard) {
    Builder b([](tmy& my) { my.deck[0] = 5, my.card_count[1] = 1, my.magic_count[2] = 1; });
    b.f.Press("transplant_b");  // no card chosen yet: the door stays shut
    EXPECT_EQ(b.f.window->VisiblePanel(), Panel::DeckBuilder);
    ClickRow(b.deck, 0);
    ClickRow(b.cards, 1);
    ASSERT_EQ(b.deck->currentRow(), 0);
    ClickRow(b.deck, 0);
    EXPECT_TRUE(b.f.Text("card_info").startsWith(U("★") + b.Name(5)));
    b.f.Press("transplant_b");
    EXPECT_EQ(b.f.window->panel(Panel::Transplant)->title(), U("MAGIC → ") + b.Name(5));

    b.f.Press("transplant_panel_back_b");
    b.cards->setCurrentRow(1);
    ClickRow(b.deck, 0);
    ClickRow(b.cards, 1);
    EXPECT_TRUE(b.f.Text("card_info").startsWith(U("★") + b.Name(1)));
}

}  // namespace
}  // namespace kestra::test
