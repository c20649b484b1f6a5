// The duel window end to end: two machines in one process, driven through their real widgets.
#include "app/duel_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <algorithm>
#include <tuple>

#include "duel_players.h"
#include "effects/duel_music.h"

namespace kestra {
namespace {

using duel_test::AutoClicker;
using duel_test::Click;
using duel_test::DeckCards;
using duel_test::Machine;

using duel_test::kDeckA;
using duel_test::kDeckB;

// Both records hold the same six cards, each seeing its own side as slots 1..3.
void ExpectMirrored(const DuelRecord& a, const DuelRecord& b) {
    for (size_t i = 1; i <= 3; ++i)
        EXPECT_EQ(
            std::tie(a.chara[i].card_no, a.chara[i].hp, a.chara[i].mp, a.chara[i + 3].hp, a.chara[i + 3].mp),
            std::tie(b.chara[i + 3].card_no, b.chara[i + 3].hp, b.chara[i + 3].mp, b.chara[i].hp,
                     b.chara[i].mp))
            << i;
    EXPECT_EQ(a.turn, b.turn);
}

// The machine whose player chooses now, then the other one.
std::pair<Machine*, Machine*> Sides(Machine& a, Machine& b) {
    Machine* mover = duel_test::Mover(a, b);
    EXPECT_NE(mover, nullptr);
    return {mover, mover == &a ? &b : &a};
}

TEST(DuelWindow, TheOpeningShowsTheWarriorNumberAndWaitsForTheOpponents) {
    Machine a(3, kDeckA);
    AutoClicker clicker({a.window});
    a.window->OpenDuel(0, kApplicant);
    EXPECT_TRUE(a.window->isVisible());
    EXPECT_EQ(a.window->windowTitle().toStdString(), "KESTRA DUEL MODE (申込側)");
    const std::string number = a.Text("own_number");
    ASSERT_EQ(number.rfind("申込＞戦士No.", 0), 0u) << number;
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(), number);
    EXPECT_EQ(a.Text("opponent_number"), "戦士No.");
    EXPECT_EQ(a.Field("opponent_number")->maxLength(), 32);
    EXPECT_FALSE(a.Widget("number_box")->isHidden());
    EXPECT_TRUE(a.Widget("enemy_box")->isHidden());
    EXPECT_EQ(a.d().input_phase, kPhaseIdle);
    EXPECT_NE(a.Text("bn_input_note").find("８ケタの数字部分"),
              std::string::npos);  // a BATTLE NUMBER's eight digits
    // The three drawn cards left the deck and show their panels.
    EXPECT_EQ(std::count(a.session->my().deck.begin(), a.session->my().deck.end(), -1), 3);
    a.window->Refresh();
    EXPECT_EQ(a.Text("you_panel1").rfind("★" + a.d().chara[1].name, 0), 0u);
    EXPECT_EQ(a.Text("turn_label"), "＜ターン0＞");  // the turn label tells the turn from the opening on
    // "PASTE" empties the field before it pastes; a typed key sounds "key.wav".
    QApplication::clipboard()->setText(QStringLiteral("123"));
    Click(a.Widget("opponent_number_paste"));
    EXPECT_EQ(a.Text("opponent_number"), "123");
    QKeyEvent key(QEvent::KeyPress, Qt::Key_4, Qt::NoModifier, QStringLiteral("4"));
    QApplication::sendEvent(a.Field("opponent_number"), &key);
    EXPECT_EQ(a.Text("opponent_number"), "1234");
    EXPECT_EQ(a.audio.Waves().back(), "key.wav");
}

// Cards that reach ten experience rise a level in the ENDING box, one click each; closing the
// window meanwhile ends nothing but the pause: the duel was over with "OK", so nothing is lost.
TEST(DuelWindow, LevelUpsShowInTheEndingBoxAndClosingThemCostsNothing) {
    Machine a(111, kDeckA), b(112, kDeckB);
    for (Machine* m : {&a, &b})
        for (const int32_t c : m == &a ? kDeckA : kDeckB)
            m->session->my().card_exp[static_cast<size_t>(c)] = 9;
    AutoClicker clicker({a.window, b.window});
    duel_test::Meet(a, b, 0);
    ASSERT_TRUE(duel_test::PlayToGameSet(a, b));
    a.Field("opponent_id")->setText(QString::fromStdString(b.Text("own_id")));
    Click(a.Button("id_ok"));
    ASSERT_FALSE(a.Widget("ending_box")->isHidden());
    const tmy before = a.session->my();
    std::string headline;
    clicker.before_click = [&a, &headline](DuelWindow* w) {
        if (w != a.window || !headline.empty()) return true;
        headline = a.Text("ending_headline");
        w->close();
        return false;
    };
    Click(a.Button("ending_ok"));
    const tmy after = a.Saved();
    // The first card trains only on a win; the winner has its whole deck back.
    const bool won = DeckCards(after).size() == 10;
    const int32_t first = a.d().chara[won ? 1 : 2].card_no;
    const std::string name = a.session->cat().card[static_cast<size_t>(first)].name;
    EXPECT_EQ(headline, "【" + name + "】のカードがLvUpした！\n\nLV:0 →1");
    EXPECT_TRUE(a.Widget("new_card_label")->isHidden());
    EXPECT_EQ(a.host.returns, 1);
    // Which cards rise (the first only on a win): DuelEnd in tests/duel; here the rise is saved.
    EXPECT_EQ(after.card_level[static_cast<size_t>(first)], 1);
    EXPECT_EQ(after.card_count, before.card_count);  // no abort penalty
    EXPECT_EQ(a.dialogs.informed, std::vector<std::string>{"おつかれさまでした、デュエル終了です★"});
}

TEST(DuelWindow, ATimeOutSendsAPass) {
    Machine a(31, kDeckA, true), b(32, kDeckB, true);
    AutoClicker clicker({a.window, b.window});
    duel_test::Meet(a, b, 0);
    const auto [mover, other_side] = Sides(a, b);
    ASSERT_NE(mover, nullptr);
    Machine& other = *other_side;
    mover->window->TimeTick();
    EXPECT_EQ(mover->Text("time_label"), "残り時間 >0:00:50");
    mover->clock.now_ms = mover->d().deadline + 1;
    mover->window->TimeTick();
    EXPECT_EQ(mover->Text("time_label"), "タイムアウト！");
    const std::string digits = duel_test::LastEight(mover->Text("bn_field"));
    EXPECT_EQ(mover->Text("bn_field").rfind("ﾀｰﾝ1/BN：", 0), 0u);
    EXPECT_EQ(digits.substr(4, 1) + digits.substr(6, 1), "72");  // the pass
    EXPECT_TRUE(mover->Widget("pass_b")->isHidden());
    EXPECT_FALSE(mover->Widget("battle_phase")->isHidden());
    EXPECT_TRUE(mover->Field("bn_field")->isReadOnly());

    // The other side's deadline runs out while its player clicks through the phase it was told:
    // its own turn then times out at once.
    clicker.before_click = [&other](DuelWindow* w) {
        if (w == other.window) other.clock.now_ms += 60'000;
        return true;
    };
    duel_test::SendAndResolve(*mover, other, nullptr);
    EXPECT_EQ(other.d().turn, 2);
    EXPECT_TRUE(other.d().own_turn);
    EXPECT_EQ(other.Text("time_label"), "タイムアウト！");
    const std::string second = duel_test::LastEight(other.Text("bn_field"));
    EXPECT_EQ(second.substr(0, 2), "02");
    EXPECT_EQ(second.substr(4, 1) + second.substr(6, 1), "72");
}

TEST(DuelWindow, AWrongBattleNumberIsRefusedThenCorrected) {
    Machine a(41, kDeckA, true), b(42, kDeckB, true);
    AutoClicker clicker({a.window, b.window});
    duel_test::Meet(a, b, 0);
    const auto [mover, other_side] = Sides(a, b);
    ASSERT_NE(mover, nullptr);
    Machine& other = *other_side;
    Click(mover->Widget("you_card1"));
    Click(mover->Widget("enemy_card1"));
    EXPECT_FALSE(mover->Widget("waza_box2")->isHidden());
    EXPECT_FALSE(mover->Widget("m1")->isHidden());
    Click(mover->Button("m1"));
    const std::string digits = duel_test::LastEight(mover->Text("bn_field"));
    EXPECT_EQ(digits.substr(0, 4), "0114");
    Click(mover->Button("battle_phase"));

    other.Field("bn_field")->setText(QString::fromStdString("02" + digits.substr(2)));
    Click(other.Button("battle_phase"));
    EXPECT_EQ(other.Text("message_area"), "別のターンのＢＮを入力している可能性あります。");
    EXPECT_EQ(other.audio.Waves().back(), "no.wav");
    EXPECT_EQ(other.d().input_phase, kPhaseAwaitOpponent);
    EXPECT_EQ(other.d().turn, 1);

    QApplication::clipboard()->setText(QString::fromStdString(digits));
    Click(other.Widget("bn_paste"));
    EXPECT_EQ(other.Text("bn_field"), digits);
    Click(other.Button("battle_phase"));
    EXPECT_EQ(other.d().turn, 2);
    ExpectMirrored(a.d(), b.d());
}

// Closing while a battle phase pauses: the phase stops telling, nothing more is heard, the deck is home.
TEST(DuelWindow, ClosingDuringAPauseStopsThePhase) {
    Machine a(61, kDeckA), b(62, kDeckB);
    AutoClicker clicker({a.window, b.window});
    const tmy a_before = a.Saved(), b_before = b.Saved();
    duel_test::Meet(a, b, 0);
    const auto [mover, other_side] = Sides(a, b);
    ASSERT_NE(mover, nullptr);
    Machine& other = *other_side;
    duel_test::PlayTurn(*mover, other);  // one whole turn, so the closing falls inside a phase
    Machine* next = duel_test::Mover(a, b);
    ASSERT_NE(next, nullptr);
    Machine& closer = *next;
    Click(closer.Button("pass_b"));
    size_t waves_at_close = 0;
    clicker.before_click = [&closer, &waves_at_close](DuelWindow* w) {
        if (w != closer.window) return true;
        w->close();
        waves_at_close = closer.audio.played.size();
        return false;
    };
    Click(closer.Button("battle_phase"));
    EXPECT_FALSE(closer.window->DuelOpen());
    EXPECT_EQ(closer.host.returns, 1);
    EXPECT_EQ(closer.audio.played.size(), waves_at_close);  // silent after the abort
    const tmy saved = closer.Saved();
    EXPECT_EQ(DeckCards(saved), DeckCards(&closer == &a ? a_before : b_before));
}

// Closing during the draw's pause: the draw still runs afterwards, and its three cards go home too.
TEST(DuelWindow, ClosingDuringTheDrawKeepsTheDeckWhole) {
    Machine a(71, kDeckA);
    AutoClicker clicker({a.window});
    clicker.before_click = [](DuelWindow* w) {
        w->close();
        return false;
    };
    a.window->OpenDuel(0, kApplicant);
    EXPECT_EQ(a.host.returns, 1);
    EXPECT_EQ(DeckCards(a.session->my()), DeckCards(a.Saved()));
    EXPECT_EQ(DeckCards(a.Saved()).size(), 10u);
}

// Both machines play the same music and the button silences it; the situation box opens below.
// The item box sends the item row; the receiver never touches its own stock.
TEST(DuelWindow, TheMusicAndTheItemBox) {
    Machine a(81, kDeckA), b(82, kDeckB);
    for (Machine* m : {&a, &b}) {
        m->session->my().icon_slot1 = 198;  // 道具袋: the item button for every card
        m->session->my().item_count[0] = 2;
    }
    AutoClicker clicker({a.window, b.window});
    duel_test::Meet(a, b, 0);
    const auto [mover, other_side] = Sides(a, b);
    ASSERT_NE(mover, nullptr);
    Machine &m = *mover, &other = *other_side;
    ASSERT_FALSE(a.audio.music.empty());  // which piece: DuelMusic in tests/effects
    EXPECT_EQ(a.audio.music, b.audio.music);
    EXPECT_EQ(a.Text("bgm_button"), "ＢＧＭ　off");
    Click(a.Button("bgm_button"));
    EXPECT_EQ(a.audio.music, "");
    EXPECT_FALSE(a.audio.MusicOn());
    EXPECT_EQ(a.Text("bgm_button"), "ＢＧＭ　on");
    Click(a.Button("bgm_button"));
    EXPECT_EQ(a.audio.music, b.audio.music);
    Click(a.Button("situation_button"));
    EXPECT_EQ(a.window->height(), 501);
    EXPECT_NE(a.Text("situation_mine"), "");
    Click(a.Button("situation_button"));
    EXPECT_EQ(a.window->height(), 431);
    m.window->Refresh();
    EXPECT_EQ(m.Text("you_icon1"), "道具袋");
    Click(m.Widget("you_card2"));
    Click(m.Widget("enemy_card3"));
    ASSERT_FALSE(m.Widget("m87")->isHidden());
    EXPECT_EQ(m.Text("m87"), "アイテム");
    Click(m.Button("m87"));
    EXPECT_FALSE(m.Widget("item_box")->isHidden());
    EXPECT_TRUE(m.Widget("waza_box2")->isHidden());
    auto* list = qobject_cast<QListWidget*>(m.Widget("item_list"));
    ASSERT_EQ(list->count(), 100);
    const titem& first = m.session->cat().item[1];
    EXPECT_EQ(list->item(0)->text().toStdString(), first.name);
    EXPECT_EQ(list->item(1)->text().toStdString(), "????");
    Click(m.Button("item_use"));  // nothing chosen yet
    EXPECT_EQ(m.audio.Waves().back(), "no.wav");
    EXPECT_TRUE(m.Widget("battle_phase")->isHidden());
    list->setCurrentRow(1);
    EXPECT_EQ(m.Text("item_info"), "");
    list->setCurrentRow(0);
    EXPECT_EQ(m.Text("item_info"), "★" + first.name + " 2個\n" + first.description);
    Click(m.Button("item_use"));
    const std::string digits = duel_test::LastEight(m.Text("bn_field"));
    EXPECT_EQ(digits.substr(2, 2), "26");
    EXPECT_EQ(digits.substr(4), "7080");  // key 78, row 0 in the luck and extra digits
    EXPECT_EQ(m.session->my().item_count[0], 1);
    EXPECT_TRUE(m.Widget("item_box")->isHidden());
    duel_test::SendAndResolve(m, other, nullptr);
    EXPECT_EQ(other.session->my().item_count[0], 2);  // the receiver never touches its own stock
    ExpectMirrored(a.d(), b.d());
}

// A quiz guess of the piece that plays pays 100 円 and the group prize, and both labels blink.
TEST(DuelWindow, AQuizHitPaysAndBlinks) {
    int32_t piece = -1;
    {
        Machine a(95, kDeckA), b(96, kDeckB);
        AutoClicker clicker({a.window, b.window});
        duel_test::Meet(a, b, 0);
        piece = std::stoi(a.audio.music);
    }
    Machine a(95, kDeckA), b(96, kDeckB);
    a.session->my().quiz_pick = piece;
    const int32_t money = a.session->my().money, ark = a.session->my().ark;
    AutoClicker clicker({a.window, b.window});
    duel_test::Meet(a, b, 0);
    const QuizPayout pay = MusicQuizPayout(a.session->cat(), piece, piece);
    ASSERT_TRUE(pay.piece_hit);
    EXPECT_EQ(a.session->my().money, money + pay.money);
    EXPECT_EQ(a.session->my().ark, ark + pay.ark);
    a.window->TimeTick();
    EXPECT_FALSE(a.Widget("bingo_label")->isHidden());
    EXPECT_FALSE(a.Widget("bingo_group_label")->isHidden());
    a.window->TimeTick();
    EXPECT_TRUE(a.Widget("bingo_label")->isHidden());
}

}  // namespace
}  // namespace kestra
