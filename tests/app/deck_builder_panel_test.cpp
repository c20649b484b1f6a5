// The deck builder through its real lists and buttons: moves, refusals, the summary, BACK.
#include <gtest/gtest.h>

#include <QApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "main_window_fixture.h"

namespace kestra::test {
namespace {

using Waves = std::vector<std::string>;

const QString kEmptySlot = U("･････････");
const QString kUnowned = QStringLiteral("????");

// The deck summary's mark for a class code, written out here from the game's own table.
QString ClassMark(int32_t rarity) {
    static const QString kMarks = U("楽普中上激極幻神無フ？魔未売合禁秘ろ精パ");
    return kMarks.mid(rarity, 1);
}

// The first listed card of a class, for the rank rules.
int32_t FirstCardOfClass(const Catalogue& cat, int32_t rarity) {
    for (int32_t card = 0; card < kListedCards; ++card)
        if (!cat.card[static_cast<size_t>(card)].name.empty() && cat.card[static_cast<size_t>(card)].rarity == rarity)
            return card;
    return -1;
}

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

// Opening shows owned cards by name, the rest as "????", and an empty deck of ten rows; "→" on a
// "????" row or with no row, and "←" on an empty slot, only play "no.wav" and change nothing.
TEST(DeckBuilderPanel, OpeningFillsTheListsAndRefusesSilently) {
    Builder b([](tmy& my) { my.card_count[40] = 0, my.card_count[41] = 2; });
    EXPECT_EQ(b.f.window->VisiblePanel(), Panel::DeckBuilder);
    EXPECT_EQ(b.cards->count(), 327);
    EXPECT_EQ(b.cards->item(0)->text(), b.Name(0));
    EXPECT_EQ(b.cards->item(40)->text(), kUnowned);
    EXPECT_EQ(b.cards->item(41)->text(), b.Name(41));
    ASSERT_EQ(b.deck->count(), 10);
    for (int slot = 0; slot < 10; ++slot) EXPECT_EQ(b.deck->item(slot)->text(), kEmptySlot);
    EXPECT_EQ(b.f.Text("deck_summary"), U("--・--・--・--・--・--・--・--・--・--  <  デッキ"));
    b.Put(40);
    b.cards->setCurrentRow(-1);
    b.f.Press("put_b");
    b.Take(4);
    EXPECT_EQ(b.f.audio.Waves(), (Waves{"key2.wav", "no.wav", "no.wav", "key2.wav", "no.wav"}));
    EXPECT_EQ(b.f.session->my().deck[0], -1);
    EXPECT_TRUE(b.f.dialogs.informed.empty());
}

// The last copy going into the deck turns its row into "????"; taking it back restores the name.
// The mercenary goes in with its warning on the hint line; BACK writes the deck to my.dat and
// returns to the start menu with "3.wav".
TEST(DeckBuilderPanel, LastCopyInAndOutThenMercenaryAndBack) {
    Builder b([](tmy& my) { my.card_count[3] = 1, my.card_count[219] = 1; });
    const int32_t rarity = b.f.session->cat().card[3].rarity;
    b.Put(3);
    EXPECT_EQ(b.f.audio.Waves(), (Waves{"key2.wav", "at1.wav"}));
    EXPECT_EQ(b.deck->item(0)->text(), b.Name(3));
    EXPECT_EQ(b.cards->item(3)->text(), kUnowned);
    EXPECT_EQ(b.f.session->my().card_count[3], 0);
    EXPECT_EQ(b.f.session->my().deck[0], 3);
    EXPECT_TRUE(b.f.Text("card_info").startsWith(U("★") + b.Name(3)));
    EXPECT_EQ(b.f.Text("deck_summary"), ClassMark(rarity) + U("・--・--・--・--・--・--・--・--・--  <  デッキ"));
    b.f.audio.played.clear();
    b.Take(0);
    EXPECT_EQ(b.f.audio.Waves(), (Waves{"key2.wav", "at2.wav"}));
    EXPECT_EQ(b.cards->item(3)->text(), b.Name(3));
    EXPECT_EQ(b.cards->currentRow(), 3);
    EXPECT_EQ(b.deck->item(0)->text(), kEmptySlot);
    EXPECT_EQ(b.f.session->my().card_count[3], 1);
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

// The rank and merit rules refuse with their message between "no.wav" and "1.wav".
TEST(DeckBuilderPanel, RankAndMeritRules) {
    // The card's class (-1: card 316), the player's rank and merit, the refusal ("": the card goes in).
    struct Case { int32_t rarity, rank_points, merit; const char* message; };
    const char* kRank = "あなた段位では、このカードは使用できません";
    const char* kMerit = "あなた戦歴では、このカードは使用できません";
    const Case cases[] = {
        {16, 10, 0, kRank}, {16, 11, 0, ""},        {17, 30, 0, kRank},      {17, 31, 0, ""},
        {-1, 30, 999, kRank}, {-1, 31, 300, kMerit}, {-1, 999, 300, kMerit}, {-1, 31, 301, ""},
    };
    for (const Case& c : cases) {
        Builder b([&](tmy& my) {
            my.rank_points = c.rank_points, my.merit = c.merit;
            for (int32_t card = 0; card < kCardRows; ++card) my.card_count[static_cast<size_t>(card)] = 1;
        });
        const int32_t card = c.rarity < 0 ? 316 : FirstCardOfClass(b.f.session->cat(), c.rarity);
        ASSERT_GE(card, 0) << c.rarity;
        b.Put(card);
        const bool refused = std::string(c.message) != "";
        const Waves expected = refused ? Waves{"key2.wav", "no.wav", "1.wav"} : Waves{"key2.wav", "at1.wav"};
        EXPECT_EQ(b.f.audio.Waves(), expected)
            << card << " rank " << c.rank_points << " merit " << c.merit;
        EXPECT_EQ(b.f.dialogs.informed, refused ? std::vector<std::string>{c.message} : std::vector<std::string>{});
        EXPECT_EQ(b.f.session->my().deck[0], refused ? -1 : card);
    }
}

// Into a full deck "→" only plays "no.wav"; taking slot 3 packs 4..9 into 3..8; the next "→" fills slot 9.
TEST(DeckBuilderPanel, FullDeckRefusesAndTakingFromTheMiddlePacksIt) {
    Builder b([](tmy& my) {
        for (int32_t slot = 0; slot < kDeckSize; ++slot) my.deck[static_cast<size_t>(slot)] = slot;
    });
    const int32_t before = b.f.session->my().card_count[0];
    b.Put(0);
    EXPECT_EQ(b.f.audio.Waves(), (Waves{"key2.wav", "no.wav"}));
    EXPECT_EQ(b.f.session->my().card_count[0], before);
    b.Take(3);
    EXPECT_EQ(b.f.session->my().deck, (std::array<int32_t, 10>{0, 1, 2, 4, 5, 6, 7, 8, 9, -1}));
    EXPECT_EQ(b.deck->item(3)->text(), b.Name(4));
    EXPECT_EQ(b.deck->item(9)->text(), kEmptySlot);
    b.Put(0);
    EXPECT_EQ(b.f.session->my().deck[9], 0);
    EXPECT_EQ(b.deck->item(9)->text(), b.Name(0));
}

// "≪術・移植≫" shows only while a technique among 0..98 is in stock.
TEST(DeckBuilderPanel, TransplantDoorNeedsATechnique) {
    struct Case { int32_t technique; bool shown; };  // technique -1: none in stock
    for (const Case c : {Case{-1, false}, Case{0, true}, Case{98, true}, Case{99, false}}) {
        Builder b([&](tmy& my) {
            if (c.technique >= 0) my.magic_count[static_cast<size_t>(c.technique)] = 1;
        });
        EXPECT_EQ(b.f.Shown("transplant_b"), c.shown) << c.technique;
    }
}

// The card's picture comes from cg/unitN.bmp beside its information; the caption names the applied
// registered deck until the deck changes.
TEST(DeckBuilderPanel, PictureOfTheChosenCardAndTheAppliedDeck) {
    Builder b;
    std::filesystem::create_directories(b.f.folder.cg());
    std::filesystem::copy_file(BuiltGame().cg() / "unit1.bmp", b.f.folder.cg() / "unit1.bmp");
    b.cards->setCurrentRow(1);
    const QLabel* picture = b.f.Find<QLabel>("card_picture");
    EXPECT_EQ(picture->pixmap().size(), QSize(64, 64));
    b.cards->setCurrentRow(2);
    EXPECT_TRUE(picture->pixmap().isNull());
    b.f.session->my().applied_deck_name = "速攻";
    b.f.window->StatusTick();
    const QGroupBox* panel = b.f.window->panel(Panel::DeckBuilder);
    EXPECT_EQ(panel->title(), U("デッキ構築中 > 【速攻】"));
    b.Put(0);
    b.f.window->StatusTick();
    EXPECT_EQ(panel->title(), U("デッキ構築中"));
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
