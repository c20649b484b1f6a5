// The main window's duel entry: request and acceptance of every duel kind, "スタート",
// "キャンセル", view mode, and the rank line with the clipboard copy of the incantation.
#include <QClipboard>
#include <QGuiApplication>
#include <QListWidget>

#include "app/deck_builder_panel.h"
#include "app/widget_kit.h"
#include "app/duel_panel.h"
#include "app/game_session.h"
#include "app/main_window.h"
#include "collection/rule_duel_checks.h"
#include "collection/start_charges.h"
#include "player/checksum.h"
#include "player/status_line.h"

namespace kestra {

void MainWindow::RequestDuel(int32_t kind, int32_t role) {
    const bool intact = !DuelDataRefusal(s_.my(), s_.cat()).has_value();
    const std::string refusal = DuelKindRefusal(s_.cat(), s_.my(), kind, role, intact);
    if (!refusal.empty()) {
        PlaySe(s_.audio, "no.wav");
        s_.dialogs.Inform(refusal);
        return;
    }
    if (AsksBeforeEntry(kind)) {
        PlaySe(s_.audio, "2.wav");
        if (!s_.dialogs.AskYesNo(kRandomDeckQuestion)) return;
        PlaySe(s_.audio, "1.wav");
    }
    EnterDuelPanel(kind, role, DuelKindTexts(kind, role, windowTitle().toStdString()));
}

void MainWindow::EnterDuelPanel(int32_t kind, int32_t role, const DuelPanelTexts& texts) {
    duel_panel_->SetTexts(texts);
    PlaySe(s_.audio, "2.wav");
    ShowPanel(Panel::Duel);
    RefreshStatus();
    duel_role_ = role;
    duel_kind_ = kind;
    duel_.ResetForRequest();
}

void MainWindow::RefreshStatus() {
    duel_panel_->SetRankLine(Utf8(RankLine(s_.my())));
    if (duel_panel_->isVisible()) {
        const std::string copied = IncantationWithStreaks(duel_panel_->Incantation().toStdString(), s_.my());
        CopyToClipboard(Utf8(copied));
    }
    panel(Panel::RuleDuels)->hide();
    panel(Panel::FieldDuels)->hide();
}

void MainWindow::StartDuel() {
    if (duel_panel_->QuizOpen()) {
        PlaySe(s_.audio, "no.wav");
        return;
    }
    PlaySe(s_.audio, "d.wav");
    duel_panel_->CloseQuiz();
    ChargeAtStart(s_.cat(), s_.my(), duel_kind_, s_.rng);
    duel_panel_->hide();
    hide();
    builder_->ClearSelections();
    icon_list_->setCurrentRow(-1);
    duel_.OpenDuel(duel_kind_, duel_role_);
}

void MainWindow::CancelDuel() {
    PlaySe(s_.audio, "no.wav");
    duel_panel_->CloseQuiz();
    ShowPanel(OriginPanel());
    CopyToClipboard(QString());
}

void MainWindow::EnterViewMode() {
    PlaySe(s_.audio, "2.wav");
    if (!s_.dialogs.AskYesNo("閲覧モードを起動しますか？")) return;
    duel_.ResetForRequest();
    duel_kind_ = 0;
    PlaySe(s_.audio, "d.wav");
    hide();
    duel_.OpenViewMode();
}

void MainWindow::CopyToClipboard(const QString& text) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (clipboard != nullptr) clipboard->setText(text);
}

}  // namespace kestra
