#include "app/developer_panel.h"
#include "app/widget_kit.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/game_session.h"
#include "catalogue/compiled_rows.h"
#include "player/checksum.h"
#include "player/new_player.h"

namespace kestra {

namespace {

// "正常" or the word for what went wrong.
QString Verdict(bool sound, const char* broken) { return QString::fromUtf8(sound ? "正常" : broken); }

}  // namespace

DeveloperPanel::DeveloperPanel(GameSession& session, QWidget* parent)
    : QGroupBox(QStringLiteral("DEVELOPER"), parent), s_(session) {
    setObjectName("dev_panel");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    auto* note = new QLabel(QString::fromUtf8("開発用パネル（表示中はすべての音が消えます）"), this);
    note->setWordWrap(true);
    layout->addWidget(note);
    diagnostics_ = new QLabel(this);
    diagnostics_->setObjectName("dev_diagnostics");
    diagnostics_->setWordWrap(true);
    diagnostics_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    diagnostics_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    layout->addWidget(diagnostics_, 1);
    auto* reset = PanelButton("新規プレイヤーに初期化", "reset_b", this);
    auto* back = PanelButton("BACK", "dev_back_b", this);
    connect(reset, &QPushButton::clicked, this, &DeveloperPanel::ResetPlayer);
    connect(back, &QPushButton::clicked, this, &DeveloperPanel::backClicked);
    layout->addWidget(reset);
    layout->addWidget(back);
}

void DeveloperPanel::RefreshDiagnostics() {
    const tmy& my = s_.my();
    QStringList lines;
    lines << QString::fromUtf8("セーブデータのチェックサム：") + Verdict(CheckSaveData(my), "不一致");
    lines << QString::fromUtf8("カード表：") + Verdict(CardTableIntact(s_.cat()), "改変あり");
    lines << QString::fromUtf8("保存値 ") + QString::number(my.checksum) + QString::fromUtf8(" / 計算値 ") +
                 QString::number(ComputeChecksum(my));
    lines << QString::fromUtf8("ゲームフォルダ：") + QString::fromStdString(s_.folder.root.string());
    diagnostics_->setText(lines.join(QLatin1Char('\n')));
}

void DeveloperPanel::showEvent(QShowEvent* event) {
    s_.audio.SetMuted(true);
    RefreshDiagnostics();
    QGroupBox::showEvent(event);
}

void DeveloperPanel::hideEvent(QHideEvent* event) {
    s_.audio.SetMuted(false);
    QGroupBox::hideEvent(event);
}

void DeveloperPanel::ResetPlayer() {
    if (!s_.dialogs.AskYesNo(kResetQuestion)) return;
    ResetPlayerRecord(s_.my(), s_.rng);
    s_.Save();
    s_.dialogs.Inform(kResetDone);
    RefreshDiagnostics();
    emit playerReset();
}

}  // namespace kestra
