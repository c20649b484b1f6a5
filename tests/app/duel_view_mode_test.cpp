// View mode: someone else's duel replayed from its two warrior numbers and its BATTLE NUMBERs.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QPushButton>
#include <tuple>

#include "duel_players.h"

namespace kestra {
namespace {

using duel_test::AutoClicker;
using duel_test::Click;
using duel_test::Machine;

constexpr std::array<int32_t, 10> kDeckA = {20, 21, 22, 23, 24, 25, 26, 27, 28, 29};
constexpr std::array<int32_t, 10> kDeckB = {30, 31, 32, 33, 34, 35, 36, 37, 38, 39};
constexpr std::array<int32_t, 10> kDeckViewer = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9};

TEST(DuelViewMode, TheRuleButtonsSetTheKindAndTheFieldLimits) {
    Machine v(5, kDeckViewer);
    v.window->OpenViewMode();
    EXPECT_TRUE(v.window->isVisible());
    EXPECT_FALSE(v.Widget("view_box")->isHidden());
    EXPECT_TRUE(v.Button("rule_0")->isChecked());
    EXPECT_EQ(v.Text("view_applicant_label"), "申込側の戦士No.");
    EXPECT_EQ(v.Field("view_applicant")->maxLength(), 32);
    EXPECT_EQ(v.Field("view_receiver")->maxLength(), 31);
    Click(v.Button("rule_6"));
    EXPECT_EQ(v.d().duel_kind, kSuddenDeath);
    EXPECT_TRUE(v.Button("rule_6")->isChecked());
    EXPECT_FALSE(v.Button("rule_0")->isChecked());
    EXPECT_EQ(v.Field("view_applicant")->maxLength(), 74);
    EXPECT_EQ(v.Field("view_receiver")->maxLength(), 73);
    EXPECT_EQ(v.Text("rule_6"), "S.ﾃﾞｽ");
    Click(v.Button("field_button"));
    EXPECT_FALSE(v.Widget("view_field_box")->isHidden());
    EXPECT_EQ(v.d().duel_kind, 10);
    EXPECT_EQ(v.Text("rule_10"), "訓練");
    Click(v.Button("rule_18"));
    EXPECT_EQ(v.d().duel_kind, 18);
    Click(v.Button("rule_button"));
    EXPECT_TRUE(v.Widget("view_field_box")->isHidden());
    EXPECT_EQ(v.d().duel_kind, 0);
    EXPECT_EQ(v.audio.Waves(), std::vector<std::string>(4, "push.wav"));
    v.window->Refresh();
    EXPECT_EQ(v.window->windowTitle().toStdString(), "閲覧モード");
    // Closing a viewed duel costs nothing.
    const std::string saved = test::ReadBytes(v.folder.my_dat());
    v.window->close();
    EXPECT_EQ(v.dialogs.informed, std::vector<std::string>{"中断します"});
    EXPECT_EQ(test::ReadBytes(v.folder.my_dat()), saved);
    EXPECT_EQ(v.host.returns, 1);
}

// One finished duel viewed twice: replayed to its end it reaches the same figures; closed during its
// last phase it leaves the viewer's save alone and sends no set ID. Neither viewer's save changes.
TEST(DuelViewMode, ReplayingAFinishedDuelReachesTheSameFiguresAndClosingItCostsNothing) {
    Machine a(101, kDeckA), b(102, kDeckB);
    const duel_test::DuelLog log = duel_test::PlayLoggedDuel(a, b);
    ASSERT_EQ(a.d().input_phase, kPhaseSetIds);
    ASSERT_GE(log.numbers.size(), 2u);
    for (const bool close_last : {false, true}) {
        SCOPED_TRACE(close_last ? "closed in the last phase" : "replayed to the end");
        Machine v(103, kDeckViewer);
        const std::string saved = test::ReadBytes(v.folder.my_dat());
        const tmy before = v.session->my();
        AutoClicker clicker({v.window});
        v.window->OpenViewMode();
        v.Field("view_applicant")->setText(QString::fromStdString(log.applicant_number));
        v.Field("view_receiver")->setText(QString::fromStdString(log.receiver_number));
        Click(v.Button("view_done"));
        ASSERT_FALSE(v.Widget("view_receiver_id")->isHidden());
        EXPECT_TRUE(v.Widget("view_receiver")->isHidden());
        if (!close_last) {  // a wrong ID sends the viewer back to the numbers
            v.Field("view_receiver_id")->setText(QString::fromStdString(log.receiver_id + "1"));
            Click(v.Button("view_id_ok"));
            EXPECT_EQ(v.Text("message_area").rfind("ＩＤが正しくありません", 0), 0u);
            EXPECT_FALSE(v.Widget("view_receiver")->isHidden());
            EXPECT_EQ(v.Text("view_receiver_label"), "受け側の戦士No.");
            Click(v.Button("view_done"));
        }
        v.Field("view_receiver_id")->setText(QString::fromStdString(log.receiver_id));
        Click(v.Button("view_id_ok"));
        ASSERT_EQ(v.d().turn, 1);
        EXPECT_TRUE(v.Widget("view_box")->isHidden());
        EXPECT_FALSE(v.Widget("enemy_box")->isHidden());
        for (size_t k = 0; k < log.numbers.size(); ++k) {
            ASSERT_TRUE(v.window->DuelOpen()) << k;
            if (close_last && k + 1 == log.numbers.size()) {
                clicker.before_click = [](DuelWindow* w) {
                    return w->close(), false;
                };  // the wipe-out's first pause
                QApplication::clipboard()->setText(QStringLiteral("viewer"));
            }
            v.Field("bn_field")->setText(QString::fromStdString(log.numbers[k]));
            Click(v.Button("battle_phase"));
        }
        EXPECT_FALSE(v.window->DuelOpen());
        EXPECT_EQ(v.host.returns, 1);
        EXPECT_FALSE(v.window->isVisible());
        if (close_last) {
            EXPECT_EQ(QApplication::clipboard()->text().toStdString(), "viewer");  // no set ID to send
            EXPECT_EQ(v.dialogs.informed, std::vector<std::string>{"中断します"});
        } else {
            for (size_t s = 1; s <= 6; ++s) {
                EXPECT_EQ(std::tie(v.d().chara[s].hp, v.d().chara[s].mp, v.d().chara[s].name),
                          std::tie(a.d().chara[s].hp, a.d().chara[s].mp, a.d().chara[s].name))
                    << s;
                EXPECT_EQ(v.d().chara[s].card_no, -1) << s;  // the viewed duel is cleared
            }
        }
        EXPECT_TRUE(test::ReadBytes(v.folder.my_dat()) == saved);  // byte for byte
        EXPECT_TRUE(v.session->my() == before);
    }
}

}  // namespace
}  // namespace kestra
