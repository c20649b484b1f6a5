// View mode and saved duel records. View mode replays someone else's duel from its two warrior
// numbers and its BATTLE NUMBERs, or from the record both playing programs write alike, which
// kestra-cli replay plays to the same check codes and set IDs; whatever else is handed to view mode
// is refused with a message. No viewer's save ever changes.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QPushButton>
#include <sstream>
#include <tuple>

#include "duel/check_code.h"
#include "duel/saved_duel.h"
#include "duel_players.h"
#include "replay_command.h"

namespace kestra {
namespace {

using duel_test::AutoClicker;
using duel_test::Click;
using duel_test::Machine;
namespace fs = std::filesystem;

constexpr std::array<int32_t, 10> kDeckA = {20, 21, 22, 23, 24, 25, 26, 27, 28, 29};
constexpr std::array<int32_t, 10> kDeckB = {30, 31, 32, 33, 34, 35, 36, 37, 38, 39};
constexpr std::array<int32_t, 10> kDeckViewer = duel_test::kDeckA;

// The records one machine wrote, by name.
std::vector<fs::path> Records(const Machine& m) {
    std::vector<fs::path> found;
    if (fs::exists(m.folder.records()))
        for (const auto& e : fs::directory_iterator(m.folder.records())) found.push_back(e.path());
    std::sort(found.begin(), found.end());
    return found;
}

// Both programs write the same record; view mode and replay play it to the same codes; handed to
// view mode by file or by pasting it plays, anything else is refused; no viewer's save changes.
TEST(DuelRecords, BothProgramsWriteOneRecordThatViewModeAndReplayPlayToTheSameCodes) {
    Machine a(101, kDeckA), b(102, kDeckB);
    duel_test::PlayLoggedDuel(a, b);
    ASSERT_EQ(Records(a).size(), 1u);
    ASSERT_EQ(Records(b).size(), 1u);
    const std::string text = test::ReadBytes(Records(a)[0]);
    EXPECT_EQ(test::ReadBytes(Records(b)[0]), text);  // the same duel, told alike by both
    const SavedDuelRead read = ReadSavedDuel(text);
    ASSERT_TRUE(read.duel) << read.message;
    const SavedDuel& duel = *read.duel;
    ASSERT_EQ(duel.checks.size(), duel.battle_numbers.size() + 1);
    EXPECT_EQ(duel.applicant_set_id, a.d().my_id);
    EXPECT_EQ(duel.receiver_set_id, b.d().my_id);
    EXPECT_EQ(a.Text("check_label"), CheckCodeLabel(duel.checks.back()));
    EXPECT_EQ(b.Text("check_label"), a.Text("check_label"));

    std::istringstream file(text);
    std::ostringstream replayed;
    ASSERT_EQ(cli::Replay(a.session->cat(), file, replayed), 0) << replayed.str();
    std::vector<std::string> replay_checks;
    std::istringstream lines(replayed.str());
    for (std::string line; std::getline(lines, line);)
        if (line.rfind("check=", 0) == 0) replay_checks.push_back(line.substr(6));
    EXPECT_EQ(replay_checks, duel.checks);
    EXPECT_NE(
        replayed.str().find("set_ids=" + std::to_string(a.d().my_id) + "," + std::to_string(b.d().my_id)),
        std::string::npos);

    std::string crlf = "\xEF\xBB\xBF";
    for (const char c : text) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    // A number of another duel: the first BATTLE NUMBER from turn 9.
    std::string other = text;
    other.replace(other.find("\n" + duel.battle_numbers[0]) + 1, 2, "09");
    const std::string other_message =
        std::to_string(duel.source_lines[3]) + "行目の数字はこのデュエルのものではありません";
    // The message is in the message area's second line, empty when the duel plays to its end; `by`
    // 0: the file dialog, 1: the clipboard and "PASTE", 2: the clipboard and Ctrl+V. What the record
    // reader refuses is tried in tests/duel (SavedDuel.TextsFromOutsideReadOrStopWithAMessage); here
    // one of its refusals, and the window's own: the file size and the number of another duel.
    struct Case {
        const char* name;
        std::string bytes, message;
        int by;
    };
    const Case cases[] = {
        {"as written", text, "", 0},
        {"pasted from a chat", text, "", 1},
        {"CRLF with a byte-order mark, pasted with Ctrl+V", crlf, "", 2},
        {"empty", "", "記録が空です", 0},
        {"larger than any record", std::string(600 * 1024, '7'), "記録が長すぎます", 0},
        {"a number of another duel", other, other_message, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Machine v(103, kDeckViewer);
        const std::string saved = test::ReadBytes(v.folder.my_dat());
        const fs::path file = v.tmp.path() / "record.txt";
        test::WriteBytes(file, c.bytes);
        v.dialogs.record_file = file;
        AutoClicker clicker({v.window});
        v.window->OpenViewMode();
        QApplication::clipboard()->setText(QString::fromStdString(c.bytes));
        QKeyEvent paste(QEvent::KeyPress, Qt::Key_V, Qt::ControlModifier);
        if (c.by == 0) Click(v.Button("view_record_file"));
        if (c.by == 1) Click(v.Widget("view_applicant_paste"));
        if (c.by == 2) QApplication::sendEvent(v.Field("view_receiver"), &paste);
        EXPECT_EQ(v.window->DuelOpen(), !c.message.empty());
        EXPECT_EQ(v.dialogs.record_folders,
                  c.by == 0 ? std::vector<fs::path>{v.folder.records()} : std::vector<fs::path>{});
        if (c.message.empty()) {
            EXPECT_EQ(v.host.returns, 1);
            EXPECT_EQ(v.Text("check_label"), a.Text("check_label"));
            for (size_t s = 1; s <= 6; ++s) EXPECT_EQ(v.d().chara[s].hp, a.d().chara[s].hp) << s;
        } else {
            const std::string shown = v.Text("message_area");
            EXPECT_EQ(shown.rfind("記録を最後まで再生できませんでした\n", 0), 0u) << shown;
            EXPECT_NE(shown.find(c.message), std::string::npos) << shown;
            EXPECT_EQ(v.audio.Waves().back(), "no.wav");
        }
        EXPECT_EQ(test::ReadBytes(v.folder.my_dat()), saved);
        EXPECT_TRUE(Records(v).empty());  // a viewed duel is nobody's record
    }
}

TEST(DuelRecords, AnAbortedDuelIsWrittenMarked) {
    Machine a(101, kDeckA), b(102, kDeckB);
    AutoClicker clicker({a.window, b.window});
    duel_test::Meet(a, b, 0);
    a.window->close();
    ASSERT_EQ(Records(a).size(), 1u);
    const std::string text = test::ReadBytes(Records(a)[0]);
    EXPECT_NE(text.find("\n# aborted\n"), std::string::npos);
    const SavedDuelRead read = ReadSavedDuel(text);
    ASSERT_TRUE(read.duel);
    EXPECT_TRUE(read.duel->aborted);
    EXPECT_FALSE(read.duel->applicant_set_id);
    EXPECT_EQ(read.duel->checks.size(), 1u);  // the duel start's
    EXPECT_TRUE(Records(b).empty());
}

TEST(DuelViewMode, TheRuleButtonsSetTheKindAndTheFieldLimits) {
    Machine v(5, kDeckViewer);
    v.window->OpenViewMode();
    EXPECT_TRUE(v.window->isVisible());
    EXPECT_FALSE(v.Widget("view_box")->isHidden());
    EXPECT_TRUE(v.Button("rule_0")->isChecked());
    EXPECT_EQ(v.Text("view_applicant_label"), "申込側の戦士No.");
    EXPECT_NE(v.Text("bn_input_note").find("８ケタの数字部分"), std::string::npos);
    EXPECT_EQ(v.Field("view_applicant")->maxLength(), 32);
    EXPECT_EQ(v.Field("view_receiver")->maxLength(), 31);
    Click(v.Button("rule_6"));
    EXPECT_EQ(v.d().duel_kind, kSuddenDeath);
    EXPECT_TRUE(v.Button("rule_6")->isChecked());
    EXPECT_FALSE(v.Button("rule_0")->isChecked());
    EXPECT_EQ(v.Field("view_applicant")->maxLength(), 74);
    EXPECT_EQ(v.Field("view_receiver")->maxLength(), 73);
    Click(v.Button("field_button"));
    EXPECT_FALSE(v.Widget("view_field_box")->isHidden());
    EXPECT_EQ(v.d().duel_kind, 10);
    Click(v.Button("rule_button"));
    EXPECT_TRUE(v.Widget("view_field_box")->isHidden());
    EXPECT_EQ(v.d().duel_kind, 0);
    EXPECT_EQ(v.audio.Waves(), std::vector<std::string>(3, "push.wav"));
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
