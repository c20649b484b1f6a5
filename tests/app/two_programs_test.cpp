// Two whole programs in one process, each with its own game folder, main window and duel window:
// the players ask for and accept the duel in their main windows, play it out in the duel windows,
// and come back to their start menus with mirrored saves.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <algorithm>

#include "app/game_program.h"
#include "app/main_window.h"
#include "duel/verification.h"
#include "duel_players.h"
#include "player/player_files.h"

namespace kestra {
namespace {

using duel_test::Click;
using duel_test::Machine;

constexpr std::array<int32_t, 10> kDeckA = {3, 8, 12, 17, 21, 26, 30, 35, 41, 46};
constexpr std::array<int32_t, 10> kDeckB = {4, 9, 13, 18, 22, 27, 31, 36, 42, 47};

// A widget of the machine's main window by its object name.
template <typename W>
W* MainWidget(Machine& m, const char* name) {
    W* w = m.program->main_window().findChild<W*>(QString::fromLatin1(name));
    if (!w) ADD_FAILURE() << "no main-window widget " << name;
    return w;
}

// The start menu's "直前のデュエルのセットID：" line.
std::string LastSetIdLine(Machine& m) { return MainWidget<QLabel>(m, "last_set_id")->text().toStdString(); }

// Closing the duel window mid-duel: the penalty is told, the main window comes back, the drawn three
// are home and the save has lost one card; the next duel tells its opening again and waits for the
// click, which sounds "1.wav" on channel 2 or 3.
TEST(TwoPrograms, ClosingTheDuelWindowMidDuelReturnsToTheMenuWithThePenalty) {
    Machine a(81, kDeckA, true), b(82, kDeckB, true);
    a.program->main_window().show();
    b.program->main_window().show();
    duel_test::AutoClicker clicker({a.window, b.window});
    const tmy before = a.Saved();
    Click(MainWidget<QWidget>(a, "request_b"));
    Click(MainWidget<QWidget>(b, "accept_b"));
    Click(MainWidget<QWidget>(a, "start_b"));
    Click(MainWidget<QWidget>(b, "start_b"));
    duel_test::MeetOpened(a, b);
    ASSERT_EQ(a.d().turn, 1);
    a.window->close();
    EXPECT_FALSE(a.window->DuelOpen());
    EXPECT_TRUE(a.program->main_window().isVisible());
    EXPECT_TRUE(MainWidget<QWidget>(a, "start_menu")->isVisible());
    ASSERT_GE(a.dialogs.informed.size(), 2u);
    EXPECT_EQ(a.dialogs.informed[a.dialogs.informed.size() - 2],
              "デュエル中断によりペナルティとしてカードを１枚ランダムに失います");
    EXPECT_EQ(a.audio.Waves().back(), "1.wav");
    const tmy after = a.Saved();
    EXPECT_EQ(duel_test::DeckCards(after), duel_test::DeckCards(before));
    int32_t lost = 0;
    for (size_t c = 0; c < after.card_count.size(); ++c) lost += before.card_count[c] - after.card_count[c];
    EXPECT_EQ(lost, 1);
    EXPECT_EQ(a.session->my(), after);  // what the menu shows is what was saved
    const size_t heard = a.audio.played.size();
    a.window->OpenDuel(0, kApplicant);
    ASSERT_TRUE(a.window->DuelOpen());
    EXPECT_EQ(a.Text("message_area").rfind("対戦相手に、戦士ナンバーを教えて下さい。", 0), 0u);
    const auto click =
        std::find_if(a.audio.played.begin() + static_cast<std::ptrdiff_t>(heard), a.audio.played.end(),
                     [](const RecordingAudio::Cue& c) { return c.name == "1.wav"; });
    ASSERT_NE(click, a.audio.played.end());  // the draw waited for the player's click
    EXPECT_TRUE(click->channel == 2 || click->channel == 3) << click->channel;
}

// An ordinary duel asked for and accepted in the main windows, a rule duel and a field duel on their
// panels: the kind's phrases reach the clipboard, "スタート" takes the fee once on each side, the duel
// ends back at the start menus with the set ID shown; in the ordinary duel the loser's first drawn
// card is a new copy in the winner's collection. Each flash blinks, and the set ID shows as it is sent.
TEST(TwoPrograms, DuelsAskedForInTheMainWindowsEndBackThereWithMirroredSaves) {
    struct Case {
        const char* door;
        int32_t kind;
        const char *request, *accept;
        int32_t ark_fee;
    };
    const Case cases[] = {
        {nullptr, 0, "さぁ聞こう、知の囁き！ver6.2t", "星降る天よ、我を誘え。ver6.2t", 0},
        {"rule_b", 6, "ゆこう！果ての先へ(SUDDEN-DEATH)ver6.2t", "君の目に僕映り限り。(SUDDEN-DEATH)ver6.2t",
         1},
        {"field_b", 12, "最初は激しく、最後は寂しく(in海)ver6.2t", "････まるで君のように。(in海)ver6.2t", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind);
        auto veteran = [](tmy& my) {  // no quiz prize muddles the purse
            my.duels = 500, my.rank_points = 8, my.ark = 3, my.quiz_pick = -1, my.icon_slot1 = 213,
            my.icon_slot2 = 1;
        };
        Machine a(91, kDeckA, true, veteran), b(92, kDeckB, true, veteran);
        a.program->main_window().show();
        b.program->main_window().show();
        duel_test::AutoClicker clicker({a.window, b.window});
        const std::string prefix = "kind" + std::to_string(c.kind);
        for (Machine* m : {&a, &b}) {
            if (c.door) Click(MainWidget<QWidget>(*m, c.door));
            const char* button = m == &a ? "request_b" : "accept_b";
            Click(MainWidget<QWidget>(*m, c.door ? (prefix + "_" + button).c_str() : button));
            EXPECT_EQ(QApplication::clipboard()->text().toStdString(), m == &a ? c.request : c.accept);
        }
        Click(MainWidget<QWidget>(a, "start_b"));
        Click(MainWidget<QWidget>(b, "start_b"));
        for (Machine* m : {&a, &b}) {
            EXPECT_FALSE(m->program->main_window().isVisible());
            EXPECT_TRUE(m->window->isVisible());
            EXPECT_EQ(m->d().duel_kind, c.kind);
            EXPECT_EQ(m->session->my().ark, 3 - c.ark_fee);
            EXPECT_EQ(m->session->my().money, 500);
        }
        EXPECT_EQ(a.d().duel_role, kApplicant);
        EXPECT_EQ(b.d().duel_role, kReceiver);
        duel_test::MeetOpened(a, b);
        EXPECT_EQ(a.dialogs.asked.size(), 1u);  // "相手にもちゃんと検証ＩＤを伝えましたか？..."
        // The duel start saved the drawn deck (a sudden death keeps its ten in play).
        EXPECT_EQ(duel_test::DeckCards(a.Saved()).size(), c.kind == kSuddenDeath ? 10u : 7u);
        ASSERT_TRUE(duel_test::PlayToGameSet(a, b, nullptr, 400));
        // Every flash blinked eight times: a lit frame, then a dark one.
        EXPECT_GT(a.frames, 0);
        EXPECT_EQ(a.frames % 16, 0);
        EXPECT_EQ(a.lit_frames * 2, a.frames);
        EXPECT_EQ(a.Text("own_id"), std::string(kSetIdPrefix) + std::to_string(a.d().my_id));
        const std::string a_set_id = std::to_string(a.d().my_id);
        const bool a_won = a.d().chara[4].hp + a.d().chara[5].hp + a.d().chara[6].hp <= 0;
        duel_test::FinishBoth(a, b);
        for (Machine* m : {&a, &b}) {
            EXPECT_TRUE(m->program->main_window().isVisible());
            EXPECT_FALSE(m->window->isVisible());
            EXPECT_TRUE(MainWidget<QWidget>(*m, "start_menu")->isVisible());
            EXPECT_EQ(m->Saved().duels, 501);
        }
        EXPECT_NE(LastSetIdLine(a).find(a_set_id), std::string::npos) << LastSetIdLine(a);
        if (c.kind != 0) continue;
        Machine& winner = a_won ? a : b;
        const tmy won = winner.Saved(), lost = (a_won ? b : a).Saved();
        EXPECT_EQ(std::pair(won.wins, lost.wins), std::pair(1, 0));
        EXPECT_EQ(std::pair(duel_test::DeckCards(won).size(), duel_test::DeckCards(lost).size()),
                  std::pair(10ul, 9ul));
        int32_t taken = -1;
        for (const int32_t card : a_won ? kDeckB : kDeckA)
            if (std::count(lost.deck.begin(), lost.deck.end(), card) == 0) taken = card;
        ASSERT_GE(taken, 0);
        EXPECT_GE(won.card_count[static_cast<size_t>(taken)], 1);
        EXPECT_EQ(winner.session->my().wins,
                  1);  // the status line of the loaded record says the same as the file
    }
}

}  // namespace
}  // namespace kestra
