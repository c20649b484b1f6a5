// The main window's other panels: the music quiz, the developer panel, the later panels' doors,
// help, the window heights around the deck builder, the rule and field panels, deck registration,
// and what the window loads besides the save: the title pictures and the chat page.
#include <gtest/gtest.h>

#include <QDesktopServices>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <tuple>

#include "app/duel_kinds_panel.h"
#include "app/title_pictures.h"
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

// Every door opens its panel under its caption, and its BACK leads where it belongs; SHOP, 合成 and
// 術屋 once revealed. (The rule and field panels' doors and backs: DeckBuilderHeightsFromTheDuelPanels.)
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
        {"shop_b", false, Panel::Shop, "SHOP", "4.wav", "shop_panel_back_b", Panel::StartMenu},
        {"gousei_b", false, Panel::Synthesis, "GOUSEI", "4.wav", "gousei_panel_back_b", Panel::StartMenu},
        {"magic_shop_b", false, Panel::TechniqueShop, "MAGIC", "4.wav", "magic_panel_back_b", Panel::StartMenu},
    };
    for (const Case& c : cases) {
        MainWindowFixture f([](tmy& my) { my.duels = 20; });
        MainWindow& w = f.Start();
        w.ReturnFromDuel(MenuReveal{true, true, true});
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
    MainWindowFixture f(
        [](tmy& my) { GiveFullDeck(my), my.duels = 40, my.icon_slot1 = 213, my.icon_slot2 = 1; });
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
    EXPECT_EQ(MainWindowFixture::Clipboard(), U("その火を天へ、返せかし！(RANDOM DUEL)ver6.2t"));
    EXPECT_EQ(w.duel_kind(), 7);
    EXPECT_EQ(w.duel_role(), kRoleReceiver);
    const int32_t money = f.session->my().money;
    f.Press("start_b");
    EXPECT_EQ(f.session->my().money, money - 1);
    ASSERT_EQ(f.launcher.opened.size(), 1u);
    EXPECT_EQ(f.launcher.opened[0], (std::pair<int32_t, int32_t>{7, kRoleReceiver}));
}

// Register into the lowest free slot, rename it, apply a set-up with a card gone: a hole, the shortage
// message, and the name in the deck builder's caption. (Names my.dat cannot hold: tests/collection.)
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

// The three shipped frames decode at the title picture's size, in their order (that they differ:
// tests/mediagen).
TEST(TitlePictures, ShippedFramesDecode) {
    const TitlePictures pictures = LoadTitlePictures(BuiltGame());
    for (const QImage& frame : pictures.frames) {
        ASSERT_FALSE(frame.isNull());
        EXPECT_EQ(frame.size(), QSize(344, 120));
    }
    EXPECT_EQ(pictures.frames[0], DecodeJpeg(BuiltGame().cg() / "t10.jpg"));
    EXPECT_EQ(&pictures.ForFrame(4), &pictures.frames[1]);
    EXPECT_EQ(&pictures.ForFrame(402), &pictures.frames[0]);
}

// A missing, empty, foreign or cut-off file gives a blank picture instead of ending the program.
TEST(TitlePictures, BrokenFilesStayBlank) {
    TempFolder tmp;
    const std::string jpeg = ReadBytes(BuiltGame().cg() / "t1.jpg");
    const struct {
        const char* name;
        std::string bytes;
    } cases[] = {
        {"empty.jpg", ""},
        {"bitmap.jpg", ReadBytes(BuiltGame().cg() / "unit1.bmp")},
        {"cut.jpg", jpeg.substr(0, 300)},
    };
    for (const auto& c : cases) {
        WriteBytes(tmp.path() / c.name, c.bytes);
        EXPECT_TRUE(DecodeJpeg(tmp.path() / c.name).isNull()) << c.name;
    }
    EXPECT_TRUE(DecodeJpeg(tmp.path() / "missing.jpg").isNull());
    EXPECT_TRUE(LoadTitlePictures(GameFolder{tmp.path()}).frames[2].isNull());
}

// The build copies the chat page into the game folder, UTF-8, with the incantations it explains.
TEST(ChatPage, ShippedBesideTheProgram) {
    const std::string page = ReadBytes(BuiltGame().root / "chat.html");
    ASSERT_FALSE(page.empty());
    EXPECT_NE(page.find("charset=\"UTF-8\""), std::string::npos);
    for (const char* words : {"さぁ聞こう、知の囁き！ver6.2t", "星降る天よ、我を誘え。ver6.2t", "風はやんだ",
                              "戦士ナンバー", "検証ＩＤ", "BATTLE NUMBER", "セットID"})
        EXPECT_NE(page.find(words), std::string::npos) << words;
}

}  // namespace
}  // namespace kestra::test
