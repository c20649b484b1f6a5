// The main window's other panels: the music quiz, the developer panel, the later panels' doors,
// help, and the window heights around the deck builder.
#include <gtest/gtest.h>

#include <QDesktopServices>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <tuple>

#include "collection/duel_request.h"
#include "main_url_recorder.h"
#include "main_window_fixture.h"
#include "player/new_player.h"

namespace kestra::test {
namespace {

using Waves = std::vector<std::string>;

// The duel panel of an accepted request, with the quiz box opened by "☆".
MainWindow& OpenQuiz(MainWindowFixture& f) {
    MainWindow& w = f.Start();
    f.Press("request_b");
    MainWindowFixture::Click(f.Find<QWidget>("quiz_star"));
    return w;
}

// "セット" without a chosen row is refused and the guess stays; "☆" lists every titled piece;
// "セット" saves the guess and the label names its prizes; "スタート" is grey while the box is open.
TEST(MusicQuiz, SetPieceAndPrizeLabel) {
    MainWindowFixture f([](tmy& my) { GiveFullDeck(my), my.quiz_pick = 3; });
    MainWindow& w = OpenQuiz(f);
    f.audio.played.clear();
    f.Press("quiz_set_b");
    EXPECT_EQ(f.audio.Waves(), Waves{"no.wav"});
    EXPECT_EQ(f.session->my().quiz_pick, 3);
    const Catalogue& cat = f.session->cat();
    auto* list = f.Find<QListWidget>("quiz_list");
    ASSERT_EQ(list->count(), kMusicPieces);
    EXPECT_EQ(list->item(7)->text(), Q(cat.music[7].title));
    list->setCurrentRow(7);
    f.audio.played.clear();
    f.Press("quiz_set_b");
    EXPECT_EQ(f.audio.Waves(), Waves{"soubi.wav"});
    EXPECT_EQ(f.Saved().quiz_pick, 7);
    w.StatusTick();
    EXPECT_EQ(f.Text("quiz_label"), Q(QuizLabel(cat, 7)));  // its text: DuelRequest.QuizLabelText
    auto* start = f.Find<QPushButton>("start_b");
    EXPECT_EQ(start->palette().color(QPalette::ButtonText), QColor(Qt::gray));
    MainWindowFixture::Click(f.Find<QWidget>("quiz_star"));
    EXPECT_FALSE(f.Find<QGroupBox>("quiz_box")->isVisible());
    w.StatusTick();
    EXPECT_EQ(start->palette().color(QPalette::ButtonText), QColor(Qt::black));
}

// Ctrl+Shift+F12 opens the developer panel, which mutes every sound while it shows; its reset asks
// first: Yes writes a new player to my.dat and says so, No changes nothing.
TEST(DeveloperPanel, HiddenKeysMutingAndReset) {
    MainWindowFixture f(
        [](tmy& my) { GiveFullDeck(my), my.duels = 40, my.wins = 22, my.ark = 9, my.win_streak = 4; });
    MainWindow& w = f.Start();
    auto* keys = f.Find<QShortcut>("dev_shortcut");
    EXPECT_EQ(keys->key(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F12));
    emit keys->activated();
    EXPECT_EQ(w.VisiblePanel(), Panel::Developer);
    EXPECT_TRUE(f.audio.Muted());
    f.dialogs.answers = {false, true};
    f.Press("reset_b");
    EXPECT_EQ(f.Saved().duels, 40);
    EXPECT_TRUE(f.dialogs.informed.empty());
    f.Press("reset_b");
    EXPECT_EQ(f.dialogs.asked, (std::vector<std::string>{kResetQuestion, kResetQuestion}));
    EXPECT_EQ(f.dialogs.informed, std::vector<std::string>{"初期化されました"});
    const tmy saved = f.Saved();
    EXPECT_EQ(
        std::make_tuple(saved.duels, saved.wins, saved.ark, saved.money, saved.deck[0], saved.win_streak),
        std::make_tuple(0, 0, 0, 1000, -1, 4));
    EXPECT_TRUE(f.audio.played.empty());
    f.Press("dev_back_b");
    EXPECT_EQ(w.VisiblePanel(), Panel::StartMenu);
    EXPECT_FALSE(f.audio.Muted());
}

// The rule and field panels open the deck builder in a taller window with the rule help below;
// BACK returns to them at the usual height.
TEST(MainWindowPanels, DeckBuilderHeightsFromTheDuelPanels) {
    struct Case {
        const char *door, *deck_door, *back;
        Panel panel;
        int height;
    };
    const Case cases[] = {{"rule_b", "rule_deck_b", "rule_panel_back_b", Panel::RuleDuels, 623},
                          {"field_b", "field_deck_b", "field_panel_back_b", Panel::FieldDuels, 620}};
    for (const Case& c : cases) {
        MainWindowFixture f([](tmy& my) { my.duels = 20; });
        MainWindow& w = f.Start();
        f.Press(c.door);
        EXPECT_EQ(w.VisiblePanel(), c.panel);
        f.Press(c.deck_door);
        EXPECT_EQ(w.VisiblePanel(), Panel::DeckBuilder);
        EXPECT_EQ(w.height(), c.height);
        EXPECT_TRUE(f.Find<QGroupBox>("rule_help")->isVisible());
        f.Press("deck_back_b");
        EXPECT_EQ(w.height(), 534);
        EXPECT_FALSE(f.Find<QGroupBox>("rule_help")->isVisible());
        EXPECT_EQ(w.VisiblePanel(), c.panel);
        f.Press(c.back);
        EXPECT_EQ(w.VisiblePanel(), Panel::StartMenu);
    }
}

// Every door opens its panel under its caption, and its BACK leads where it belongs.
TEST(MainWindowPanels, DoorsCaptionsAndBacks) {
    // The door is on the start menu, or in the deck builder.
    struct Case {
        const char* door;
        bool from_builder;
        Panel panel;
        const char *caption, *wave, *back;
        Panel back_to;
    };
    const Case cases[] = {
        {"help_b", false, Panel::Help, "HELP", "4.wav", "help_back_b", Panel::StartMenu},
        {"icons_b", true, Panel::Icons, "ＩＣＯＮ装備", "4.wav", "icons_panel_back_b", Panel::DeckBuilder},
        {"items_b", true, Panel::Items, "ITEM", "item.wav", "items_panel_back_b", Panel::DeckBuilder},
        {"touroku_b", true, Panel::Registration, "デッキ登録", "1.wav", "touroku_panel_back_b",
         Panel::DeckBuilder},
        {"rule_b", false, Panel::RuleDuels, "ルールデュエル", "4.wav", "rule_panel_back_b", Panel::StartMenu},
        {"field_b", false, Panel::FieldDuels, "フィールドデュエル", "4.wav", "field_panel_back_b",
         Panel::StartMenu},
    };
    for (const Case& c : cases) {
        MainWindowFixture f([](tmy& my) { my.duels = 20; });
        MainWindow& w = f.Start();
        if (c.from_builder) f.Press("deck_b");
        f.audio.played.clear();
        f.Press(c.door);
        EXPECT_EQ(w.VisiblePanel(), c.panel) << c.door;
        EXPECT_EQ(w.panel(c.panel)->title(), U(c.caption));
        EXPECT_EQ(f.audio.Waves(), Waves{c.wave}) << c.door;
        f.Press(c.back);
        EXPECT_EQ(w.VisiblePanel(), c.back_to) << c.back;
    }
}

// SHOP, 合成 and 術屋 open their panels once revealed; BACK saves and returns to the menu.
TEST(MainWindowPanels, RevealedShopsOpen) {
    struct Case {
        const char* door;
        Panel panel;
        const char *caption, *back;
    };
    const Case cases[] = {{"shop_b", Panel::Shop, "SHOP", "shop_panel_back_b"},
                          {"gousei_b", Panel::Synthesis, "GOUSEI", "gousei_panel_back_b"},
                          {"magic_shop_b", Panel::TechniqueShop, "MAGIC", "magic_panel_back_b"}};
    MainWindowFixture f;
    MainWindow& w = f.Start();
    w.ReturnFromDuel(MenuReveal{true, true, true});
    for (const Case& c : cases) {
        f.Press(c.door);
        EXPECT_EQ(w.VisiblePanel(), c.panel);
        EXPECT_EQ(w.panel(c.panel)->title(), U(c.caption));
        f.audio.played.clear();
        f.Press(c.back);
        EXPECT_EQ(f.audio.Waves(), Waves{"3.wav"});
        EXPECT_EQ(w.VisiblePanel(), Panel::StartMenu);
    }
}

// "ＫＥＳＴＲＡチャットを開く" plays "3.wav" and opens the chat page beside the program.
TEST(MainWindowPanels, ChatButtonOpensTheLocalPage) {
    MainWindowFixture f;
    f.Start();
    UrlRecorder browser;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &browser, "Open");
    f.Press("chat_b");
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    EXPECT_EQ(f.audio.Waves(), Waves{"3.wav"});
    ASSERT_EQ(browser.opened.size(), 1u);
    EXPECT_EQ(browser.opened[0],
              QUrl::fromLocalFile(QString::fromStdString((f.folder.root / "chat.html").string())));
}

}  // namespace
}  // namespace kestra::test
