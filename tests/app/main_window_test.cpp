// The main window driven as a player would: start-up, panels, duel request and acceptance,
// "スタート", "キャンセル", view mode, the return from a duel.
#include <gtest/gtest.h>

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "main_window_fixture.h"

namespace kestra::test {
namespace {

using Waves = std::vector<std::string>;

// The start-up caps the purse read from my.dat and writes it on the status line.
TEST(MainWindowStart, MoneyReadAs1200IsShownAs999) {
    MainWindowFixture f([](tmy& my) { my.money = 1200; });
    ASSERT_EQ(f.Saved().money, 1200);
    MainWindow& w = f.Start();
    EXPECT_EQ(f.session->my().money, 999);
    EXPECT_EQ(f.Find<QLineEdit>("status_line")->text(), QString::fromUtf8("0戦0勝・≪素人≫段位0p. お金999円 / 0Ark"));
    EXPECT_EQ(w.windowTitle(), QString::fromUtf8("KESTRA 天 ver6.2t"));
    EXPECT_EQ(w.size(), QSize(360, 534));
    EXPECT_EQ(f.audio.music, "lorpe.mid");
}

// An honest save over 999 円 is capped without being taken for a tampered one: the duel
// buttons still accept it right after the start.
TEST(MainWindowStart, CappedPurseKeepsTheSaveSound) {
    MainWindowFixture f([](tmy& my) {
        GiveFullDeck(my);
        my.money = 1200;
    });
    MainWindow& w = f.Start();
    f.Find<QPushButton>("request_b")->click();
    EXPECT_TRUE(f.dialogs.informed.empty());
    EXPECT_EQ(w.VisiblePanel(), Panel::Duel);
}

// ＞ﾙｰﾙ opens from 20 duels and ＞ﾌｨｰﾙﾄﾞ from 5; SHOP, 合成 and 術屋 start hidden.
TEST(MainWindowStart, DuelPanelsDoorsFollowTheDuelCount) {
    struct Case {
        int32_t duels;
        bool rule;
        bool field;
    };
    for (const Case c : {Case{4, false, false}, Case{5, false, true}, Case{19, false, true}, Case{20, true, true}}) {
        MainWindowFixture f([&](tmy& my) { my.duels = c.duels; });
        f.Start();
        EXPECT_EQ(!f.Find<QPushButton>("rule_b")->isHidden(), c.rule) << c.duels;
        EXPECT_EQ(!f.Find<QPushButton>("field_b")->isHidden(), c.field) << c.duels;
        for (const char* hidden : {"shop_b", "gousei_b", "magic_shop_b"})
            EXPECT_TRUE(f.Find<QPushButton>(hidden)->isHidden()) << hidden;
    }
}

// Start-up prepares 327 empty card rows and 281 empty icon rows; only the start menu shows.
TEST(MainWindowStart, ListsArePreparedEmptyAndOnlyTheMenuShows) {
    MainWindowFixture f;
    MainWindow& w = f.Start();
    for (const auto& [name, rows] : {std::pair{"card_list", 327}, std::pair{"icon_list", 281}}) {
        const auto* list = f.Find<QListWidget>(name);
        ASSERT_EQ(list->count(), rows) << name;
        EXPECT_TRUE(list->item(0)->text().isEmpty());
        EXPECT_TRUE(list->item(rows - 1)->text().isEmpty());
    }
    EXPECT_EQ(w.VisiblePanel(), Panel::StartMenu);
    int visible = 0;
    for (int32_t p = 0; p < static_cast<int32_t>(Panel::kCount); ++p) visible += w.panel(static_cast<Panel>(p))->isVisible();
    EXPECT_EQ(visible, 1);
    EXPECT_EQ(w.panel(Panel::StartMenu)->title(), QStringLiteral("START"));
}

// A deck of nine is refused for the deck before anything else, even when the save is tampered with.
TEST(MainWindowRequest, NineCardsAreRefusedBeforeTheChecksum) {
    for (const bool tampered : {false, true}) {
        MainWindowFixture f([](tmy& my) {
            GiveFullDeck(my);
            my.deck[9] = -1;
        });
        if (tampered) {
            EXPECT_EQ(EditLine(f.folder.my_dat(), 4, "1001"), "1000");
        }
        MainWindow& w = f.Start();
        f.Find<QPushButton>("request_b")->click();
        EXPECT_EQ(f.audio.Waves(), Waves{"no.wav"});
        EXPECT_EQ(f.dialogs.informed, std::vector<std::string>{"デッキが10枚に足りていません"});
        EXPECT_EQ(w.VisiblePanel(), Panel::StartMenu);
        EXPECT_EQ(f.launcher.resets, 0);
    }
}

// One number edited by hand in my.dat makes both duel buttons answer "データが破壊されています".
TEST(MainWindowRequest, TamperedSaveIsRefused) {
    MainWindowFixture f([](tmy& my) { GiveFullDeck(my); });
    ASSERT_EQ(EditLine(f.folder.my_dat(), 4, "1500"), "1000");  // line 5: the money
    MainWindow& w = f.Start();
    for (const char* button : {"request_b", "accept_b"}) f.Find<QPushButton>(button)->click();
    EXPECT_EQ(f.audio.Waves(), (Waves{"no.wav", "no.wav"}));
    EXPECT_EQ(f.dialogs.informed, (std::vector<std::string>{"データが破壊されています", "データが破壊されています"}));
    EXPECT_EQ(w.VisiblePanel(), Panel::StartMenu);
}

// Request and acceptance show their caption, instruction and incantation with the version tag,
// copy the incantation, set the role and reset the duel window.
TEST(MainWindowRequest, RequestAndAcceptanceFillTheDuelPanel) {
    struct Case {
        const char* button;
        int32_t role;
        const char* caption;
        const char* incantation;
        const char* instruction_start;
    };
    const Case cases[] = {
        {"request_b", 3, "デュエルを申しこむ", "さぁ聞こう、知の囁き！ver6.2t", "２、相手から【星降る天よ、我を誘え。】"},
        {"accept_b", 4, "デュエルを受ける", "星降る天よ、我を誘え。ver6.2t", "上記の言葉は、相手から【さぁ聞こう、知の囁き！】"},
    };
    for (const Case& c : cases) {
        MainWindowFixture f([](tmy& my) { GiveFullDeck(my); });
        MainWindow& w = f.Start();
        f.Find<QPushButton>(c.button)->click();
        EXPECT_EQ(w.VisiblePanel(), Panel::Duel) << c.button;
        EXPECT_EQ(w.panel(Panel::Duel)->title(), QString::fromUtf8(c.caption));
        EXPECT_EQ(f.Find<QLineEdit>("incantation")->text(), QString::fromUtf8(c.incantation));
        EXPECT_TRUE(f.Find<QLabel>("instruction")->text().startsWith(QString::fromUtf8(c.instruction_start)));
        EXPECT_EQ(MainWindowFixture::Clipboard(), QString::fromUtf8(c.incantation));
        EXPECT_EQ(f.Find<QLineEdit>("rank_line")->text(), QString::fromUtf8("0戦0勝・≪素人≫段位0p. お金999円"));
        EXPECT_EQ(f.audio.Waves(), Waves{"2.wav"});
        EXPECT_EQ(w.duel_role(), c.role);
        EXPECT_EQ(w.duel_kind(), 0);
        EXPECT_EQ(f.launcher.resets, 1);
    }
}

// The copied incantation carries the streak notes from a streak of 2 on, and only on the clipboard.
TEST(MainWindowRequest, CopiedIncantationCarriesTheStreaks) {
    struct Case {
        int32_t wins;
        int32_t losses;
        const char* note;
    };
    const Case cases[] = {
        {1, 1, ""},
        {2, 0, " ≪2連勝中≫"},
        {0, 12, " ～12連敗中～"},
        {3, 2, " ≪3連勝中≫ ～2連敗中～"},
    };
    for (const Case& c : cases) {
        MainWindowFixture f([&](tmy& my) {
            GiveFullDeck(my);
            my.win_streak = c.wins;
            my.loss_streak = c.losses;
        });
        f.Start();
        f.Find<QPushButton>("request_b")->click();
        const QString phrase = QString::fromUtf8("さぁ聞こう、知の囁き！ver6.2t");
        EXPECT_EQ(MainWindowFixture::Clipboard(), phrase + QString::fromUtf8(c.note)) << c.wins << "/" << c.losses;
        EXPECT_EQ(f.Find<QLineEdit>("incantation")->text(), phrase);
    }
}

// "スタート" hands the duel kind and role over and hides the main window.
TEST(MainWindowStartButton, HandsOverAndHides) {
    MainWindowFixture f([](tmy& my) { GiveFullDeck(my); });
    MainWindow& w = f.Start();
    f.Find<QPushButton>("accept_b")->click();
    f.audio.played.clear();
    f.Find<QPushButton>("start_b")->click();
    EXPECT_EQ(f.audio.Waves(), Waves{"d.wav"});
    EXPECT_EQ(f.launcher.opened, (std::vector<std::pair<int32_t, int32_t>>{{0, 4}}));
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(f.session->my().money, 999);
}

// "スタート" charges the entry cost of the chosen kind (レアデュエル: 6 円).
TEST(MainWindowStartButton, ChargesTheEntryCost) {
    MainWindowFixture f([](tmy& my) { GiveFullDeck(my); });
    MainWindow& w = f.Start();
    w.EnterDuelPanel(4, kRoleApplicant, OrdinaryDuelTexts(kRoleApplicant, kMainCaption));
    f.Find<QPushButton>("start_b")->click();
    EXPECT_EQ(f.session->my().money, 993);
    EXPECT_EQ(f.launcher.opened, (std::vector<std::pair<int32_t, int32_t>>{{4, 3}}));
}

// With the quiz box open "スタート" only plays "no.wav".
TEST(MainWindowStartButton, QuizBoxOpenOnlyPlaysNo) {
    MainWindowFixture f([](tmy& my) { GiveFullDeck(my); });
    MainWindow& w = f.Start();
    f.Find<QPushButton>("request_b")->click();
    MainWindowFixture::Click(f.Find<QWidget>("quiz_star"));
    ASSERT_TRUE(f.Find<QGroupBox>("quiz_box")->isVisible());
    f.audio.played.clear();
    f.Find<QPushButton>("start_b")->click();
    EXPECT_EQ(f.audio.Waves(), Waves{"no.wav"});
    EXPECT_TRUE(f.launcher.opened.empty());
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(w.VisiblePanel(), Panel::Duel);
}

// "キャンセル" goes back to the start menu and empties the clipboard.
TEST(MainWindowCancel, BackToTheMenuWithAnEmptyClipboard) {
    MainWindowFixture f([](tmy& my) { GiveFullDeck(my); });
    MainWindow& w = f.Start();
    f.Find<QPushButton>("request_b")->click();
    ASSERT_FALSE(MainWindowFixture::Clipboard().isEmpty());
    f.audio.played.clear();
    f.Find<QPushButton>("cancel_b")->click();
    EXPECT_EQ(f.audio.Waves(), Waves{"no.wav"});
    EXPECT_EQ(w.VisiblePanel(), Panel::StartMenu);
    EXPECT_TRUE(MainWindowFixture::Clipboard().isEmpty());
    EXPECT_TRUE(f.launcher.opened.empty());
}

// Showing the window empties the clipboard, so no old number lingers there.
TEST(MainWindowCancel, ShowingTheWindowEmptiesTheClipboard) {
    MainWindowFixture f;
    QGuiApplication::clipboard()->setText(QStringLiteral("12345"));
    f.Start();
    EXPECT_TRUE(MainWindowFixture::Clipboard().isEmpty());
}

// Restoring the window from the taskbar is not a new showing: the copied incantation stays;
// showing the window again after it was hidden (as after a duel) empties the clipboard.
TEST(MainWindowCancel, RestoringFromMinimisedKeepsTheClipboard) {
    MainWindowFixture f([](tmy& my) { GiveFullDeck(my); });
    MainWindow& w = f.Start();
    f.Find<QPushButton>("request_b")->click();
    const QString copied = MainWindowFixture::Clipboard();
    ASSERT_FALSE(copied.isEmpty());
    w.showMinimized();
    QApplication::processEvents();
    w.showNormal();
    QApplication::processEvents();
    EXPECT_EQ(MainWindowFixture::Clipboard(), copied);
    w.hide();
    w.show();
    EXPECT_TRUE(MainWindowFixture::Clipboard().isEmpty());
}

// View mode asks first; No leaves everything, Yes hands over to the duel window's view mode.
TEST(MainWindowViewMode, AsksThenOpens) {
    MainWindowFixture f;
    MainWindow& w = f.Start();
    f.dialogs.answers = {false, true};
    f.Find<QPushButton>("view_b")->click();
    EXPECT_EQ(f.launcher.view_modes, 0);
    EXPECT_TRUE(w.isVisible());
    f.Find<QPushButton>("view_b")->click();
    EXPECT_EQ(f.dialogs.asked, (std::vector<std::string>{"閲覧モードを起動しますか？", "閲覧モードを起動しますか？"}));
    EXPECT_EQ(f.audio.Waves(), (Waves{"2.wav", "2.wav", "d.wav"}));
    EXPECT_EQ(f.launcher.view_modes, 1);
    EXPECT_EQ(f.launcher.resets, 1);
    EXPECT_EQ(w.duel_kind(), 0);
    EXPECT_FALSE(w.isVisible());
}

// The duel's end brings the window back with the revealed buttons and the last set ID.
TEST(MainWindowReturn, RevealedButtonsStayAndTheSetIdShows) {
    MainWindowFixture f([](tmy& my) { GiveFullDeck(my); });
    MainWindow& w = f.Start();
    f.Find<QPushButton>("request_b")->click();
    f.Find<QPushButton>("start_b")->click();
    ASSERT_FALSE(w.isVisible());
    w.SetLastSetId("1234567");
    w.ReturnFromDuel(MenuReveal{true, false, false});
    w.ReturnFromDuel(MenuReveal{false, false, true});
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(w.VisiblePanel(), Panel::StartMenu);
    EXPECT_FALSE(f.Find<QPushButton>("shop_b")->isHidden());
    EXPECT_TRUE(f.Find<QPushButton>("gousei_b")->isHidden());
    EXPECT_FALSE(f.Find<QPushButton>("magic_shop_b")->isHidden());
    EXPECT_EQ(f.Find<QLabel>("last_set_id")->text(), QString::fromUtf8("直前のデュエルのセットID：1234567"));
}

// A duel ends at the start menu even when the player left from the deck builder of the rule panel:
// the window height and the rule-help box go back with it.
TEST(MainWindowReturn, EveryDuelEndsAtTheStartMenu) {
    MainWindowFixture f([](tmy& my) {
        GiveFullDeck(my);
        my.duels = 25;
    });
    MainWindow& w = f.Start();
    w.OpenDeckBuilder(kOriginRuleDuels);
    ASSERT_EQ(w.height(), kHeightFromRulePanel);
    w.hide();
    w.ReturnFromDuel(MenuReveal{});
    EXPECT_EQ(w.VisiblePanel(), Panel::StartMenu);
    EXPECT_TRUE(w.panel(Panel::StartMenu)->isVisible());
    EXPECT_EQ(w.height(), kWindowHeight);
}

// The title picture's prologue: "4.wav", the box, "1.wav".
TEST(MainWindowTitle, ClickShowsThePrologue) {
    MainWindowFixture f;
    f.Start();
    MainWindowFixture::Click(f.Find<QWidget>("title_picture"));
    EXPECT_EQ(f.audio.Waves(), (Waves{"4.wav", "1.wav"}));
    ASSERT_EQ(f.dialogs.informed.size(), 1u);
    EXPECT_FALSE(f.dialogs.informed[0].empty());
}

// The animation counts frames 0..402 and starts again at 0; it rests while another panel shows.
TEST(MainWindowTitle, AnimationWrapsAfter402) {
    MainWindowFixture f;
    MainWindow& w = f.Start();
    for (int i = 0; i < 402; ++i) w.AnimationTick();
    EXPECT_EQ(w.animation_frame(), 402);
    w.AnimationTick();
    EXPECT_EQ(w.animation_frame(), 0);
    w.ShowPanel(Panel::Help);
    w.AnimationTick();
    EXPECT_EQ(w.animation_frame(), 0);
}

// The status timer follows the record: a change of money shows on the next tick.
TEST(MainWindowStatus, TickRewritesTheStatusLine) {
    MainWindowFixture f;
    MainWindow& w = f.Start();
    f.session->my().money = 5;
    f.session->my().rank_points = 8;
    w.StatusTick();
    EXPECT_EQ(f.Find<QLineEdit>("status_line")->text(), QString::fromUtf8("0戦0勝・≪下っ端≫段位8p. お金5円 / 0Ark"));
}

}  // namespace
}  // namespace kestra::test
