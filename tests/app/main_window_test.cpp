// The main window driven as a player would: start-up, panels, duel request and acceptance,
// "スタート", "キャンセル", view mode, the return from a duel.
#include <gtest/gtest.h>

#include <QGroupBox>

#include "main_window_fixture.h"

namespace kestra::test {
namespace {

using Waves = std::vector<std::string>;
using Texts = std::vector<std::string>;

// The start-up caps a purse of 1200 円 to 999 without taking the save for a tampered one and shows
// only the start menu.
TEST(MainWindowStart, CapsThePurseAndShowsOnlyTheMenu) {
    MainWindowFixture f([](tmy& my) { GiveFullDeck(my), my.money = 1200; });
    ASSERT_EQ(f.Saved().money, 1200);
    MainWindow& w = f.Start();
    EXPECT_EQ(f.session->my().money, 999);
    EXPECT_EQ(f.Text("status_line"), U("0戦0勝・≪素人≫段位0p. お金999円 / 0Ark"));
    EXPECT_EQ(w.windowTitle(), U("KESTRA 天 ver6.2t"));
    EXPECT_EQ(w.size(), QSize(360, 534));
    EXPECT_EQ(f.audio.music, "lorpe.mid");
    int visible = 0;
    for (int32_t p = 0; p < static_cast<int32_t>(Panel::kCount); ++p)
        visible += w.panel(static_cast<Panel>(p))->isVisible();
    EXPECT_EQ(visible, 1);
    EXPECT_EQ(w.VisiblePanel(), Panel::StartMenu);
    EXPECT_EQ(w.panel(Panel::StartMenu)->title(), QStringLiteral("START"));
}

// ＞ﾙｰﾙ opens from 20 duels and ＞ﾌｨｰﾙﾄﾞ from 5; SHOP, 合成 and 術屋 start hidden.
TEST(MainWindowStart, DuelPanelsDoorsFollowTheDuelCount) {
    struct Case {
        int32_t duels;
        bool rule, field;
    };
    for (const Case c :
         {Case{4, false, false}, Case{5, false, true}, Case{19, false, true}, Case{20, true, true}}) {
        MainWindowFixture f([&](tmy& my) { my.duels = c.duels; });
        f.Start();
        EXPECT_EQ(f.Shown("rule_b"), c.rule) << c.duels;
        EXPECT_EQ(f.Shown("field_b"), c.field) << c.duels;
        for (const char* hidden : {"shop_b", "gousei_b", "magic_shop_b"})
            EXPECT_FALSE(f.Shown(hidden)) << hidden;
    }
}

// A deck of nine is refused at "申込む"; a full deck in a save edited by hand makes both duel buttons
// answer "データが破壊されています". Neither resets the duel window.
TEST(MainWindowRequest, ShortDeckAndTamperedSaveAreRefused) {
    for (const bool nine : {true, false}) {
        MainWindowFixture f([&](tmy& my) { GiveFullDeck(my), my.deck[9] = nine ? -1 : my.deck[9]; });
        if (!nine) {  // line 5 of my.dat, the purse, edited by hand: the start caps it, the seal stays broken
            std::string bytes = ReadBytes(f.folder.my_dat());
            size_t at = 0;
            for (int line = 0; line < 4; ++line) at = bytes.find("\r\n", at) + 2;
            ASSERT_EQ(bytes.substr(at, 6), "1000\r\n");
            WriteBytes(f.folder.my_dat(), bytes.replace(at, 4, "1500"));
        }
        MainWindow& w = f.Start();
        f.Press("request_b");
        if (!nine) f.Press("accept_b");
        const Texts informed =
            nine ? Texts{"デッキが10枚に足りていません"} : Texts(2, "データが破壊されています");
        EXPECT_EQ(f.audio.Waves(), Waves(informed.size(), "no.wav")) << nine;
        EXPECT_EQ(f.dialogs.informed, informed);
        EXPECT_EQ(w.VisiblePanel(), Panel::StartMenu);
        EXPECT_EQ(f.launcher.resets, 0);
    }
}

// Request and acceptance show their caption, instruction and incantation with the version tag,
// copy the incantation with the streak notes (only the clipboard has them), set the role and reset
// the duel window.
TEST(MainWindowRequest, RequestAndAcceptanceFillTheDuelPanel) {
    struct Case {
        const char* button;
        int32_t role;
        const char *caption, *incantation, *instruction_start;
    };
    for (const Case& c : {Case{"request_b", 3, "デュエルを申しこむ", "さぁ聞こう、知の囁き！ver6.2t",
                               "２、相手から【星降る天よ、我を誘え。】"},
                          Case{"accept_b", 4, "デュエルを受ける", "星降る天よ、我を誘え。ver6.2t",
                               "上記の言葉は、相手から【さぁ聞こう、知の囁き！】"}}) {
        MainWindowFixture f([](tmy& my) { GiveFullDeck(my), my.win_streak = 3, my.loss_streak = 2; });
        MainWindow& w = f.Start();
        f.Press(c.button);
        EXPECT_EQ(w.VisiblePanel(), Panel::Duel) << c.button;
        EXPECT_EQ(w.panel(Panel::Duel)->title(), U(c.caption));
        EXPECT_EQ(f.Text("incantation"), U(c.incantation));
        EXPECT_TRUE(f.Text("instruction").startsWith(U(c.instruction_start)));
        EXPECT_EQ(MainWindowFixture::Clipboard(), U(c.incantation) + U(" ≪3連勝中≫ ～2連敗中～"));
        EXPECT_EQ(f.Text("rank_line"), U("0戦0勝・≪素人≫段位0p. お金999円"));
        EXPECT_EQ(f.audio.Waves(), Waves{"2.wav"});
        EXPECT_EQ(w.duel_role(), c.role);
        EXPECT_EQ(f.launcher.resets, 1);
    }
}

// Showing the window empties the clipboard, restoring it from the taskbar does not; with the quiz box
// open "スタート" only plays "no.wav"; "キャンセル" goes back to the menu with an empty clipboard;
// "スタート" hands the duel kind and role over and hides the window; showing it again empties the clipboard.
TEST(MainWindowStartButton, CancelQuizAndStartThroughOneDuelPanel) {
    MainWindowFixture f(GiveFullDeck);
    QGuiApplication::clipboard()->setText(QStringLiteral("12345"));
    MainWindow& w = f.Start();
    EXPECT_TRUE(MainWindowFixture::Clipboard().isEmpty());
    f.Press("request_b");
    const QString copied = MainWindowFixture::Clipboard();
    ASSERT_FALSE(copied.isEmpty());
    w.showMinimized();
    QApplication::processEvents();
    w.showNormal();
    QApplication::processEvents();
    EXPECT_EQ(MainWindowFixture::Clipboard(), copied);
    MainWindowFixture::Click(f.Find<QWidget>("quiz_star"));
    ASSERT_TRUE(f.Find<QGroupBox>("quiz_box")->isVisible());
    f.audio.played.clear();
    f.Press("start_b");
    EXPECT_EQ(f.audio.Waves(), Waves{"no.wav"});
    EXPECT_TRUE(f.launcher.opened.empty() && w.isVisible());
    EXPECT_EQ(w.VisiblePanel(), Panel::Duel);
    MainWindowFixture::Click(f.Find<QWidget>("quiz_star"));
    f.audio.played.clear();
    f.Press("cancel_b");
    EXPECT_EQ(f.audio.Waves(), Waves{"no.wav"});
    EXPECT_EQ(w.VisiblePanel(), Panel::StartMenu);
    EXPECT_TRUE(MainWindowFixture::Clipboard().isEmpty());
    EXPECT_TRUE(f.launcher.opened.empty());
    f.Press("accept_b");
    f.audio.played.clear();
    f.Press("start_b");
    EXPECT_EQ(f.audio.Waves(), Waves{"d.wav"});
    EXPECT_EQ(f.launcher.opened, (std::vector<std::pair<int32_t, int32_t>>{{0, 4}}));
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(f.session->my().money, 999);
    QGuiApplication::clipboard()->setText(copied);
    w.show();
    EXPECT_TRUE(MainWindowFixture::Clipboard().isEmpty());
}

// View mode asks first; No leaves everything, Yes hands over to the duel window's view mode.
TEST(MainWindowViewMode, AsksThenOpens) {
    MainWindowFixture f;
    MainWindow& w = f.Start();
    f.dialogs.answers = {false, true};
    f.Press("view_b");
    EXPECT_EQ(f.launcher.view_modes, 0);
    EXPECT_TRUE(w.isVisible());
    f.Press("view_b");
    EXPECT_EQ(f.dialogs.asked, (Texts{"閲覧モードを起動しますか？", "閲覧モードを起動しますか？"}));
    EXPECT_EQ(f.audio.Waves(), (Waves{"2.wav", "2.wav", "d.wav"}));
    EXPECT_EQ(f.launcher.view_modes, 1);
    EXPECT_EQ(f.launcher.resets, 1);
    EXPECT_FALSE(w.isVisible());
}

// The duel's end brings the window back at the start menu with the revealed buttons and the last
// set ID, even when the player left from the deck builder of the rule panel: the window height and
// the rule-help box go back with it.
TEST(MainWindowReturn, EveryDuelEndsAtTheStartMenuWithTheRevealedButtonsAndTheSetId) {
    MainWindowFixture f([](tmy& my) { GiveFullDeck(my), my.duels = 25; });
    MainWindow& w = f.Start();
    w.OpenDeckBuilder(kOriginRuleDuels);
    ASSERT_EQ(w.height(), kHeightFromRulePanel);
    w.hide();
    w.SetLastSetId("1234567");
    w.ReturnFromDuel(MenuReveal{true, false, false});
    w.ReturnFromDuel(MenuReveal{false, false, true});
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(w.VisiblePanel(), Panel::StartMenu);
    EXPECT_TRUE(w.panel(Panel::StartMenu)->isVisible());
    EXPECT_EQ(w.height(), kWindowHeight);
    EXPECT_TRUE(f.Shown("shop_b") && !f.Shown("gousei_b") && f.Shown("magic_shop_b"));
    EXPECT_EQ(f.Text("last_set_id"), U("直前のデュエルのセットID：1234567"));
}

// The title picture's prologue plays "4.wav", the box, "1.wav"; the animation counts frames 0..402
// and starts again at 0, resting while another panel shows; the status tick follows the record.
TEST(MainWindowTitle, PrologueAnimationAndStatusTick) {
    MainWindowFixture f;
    MainWindow& w = f.Start();
    MainWindowFixture::Click(f.Find<QWidget>("title_picture"));
    EXPECT_EQ(f.audio.Waves(), (Waves{"4.wav", "1.wav"}));
    ASSERT_EQ(f.dialogs.informed.size(), 1u);
    EXPECT_FALSE(f.dialogs.informed[0].empty());
    for (int i = 0; i < 402; ++i) w.AnimationTick();
    EXPECT_EQ(w.animation_frame(), 402);
    w.AnimationTick();
    EXPECT_EQ(w.animation_frame(), 0);
    f.session->my().money = 5;
    f.session->my().rank_points = 8;
    w.StatusTick();
    EXPECT_EQ(f.Text("status_line"), U("0戦0勝・≪下っ端≫段位8p. お金5円 / 0Ark"));
    w.ShowPanel(Panel::Help);
    w.AnimationTick();
    EXPECT_EQ(w.animation_frame(), 0);
}

}  // namespace
}  // namespace kestra::test
