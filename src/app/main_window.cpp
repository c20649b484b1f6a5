#include "app/main_window.h"

#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "player/status_line.h"

namespace kestra {

namespace {

// A wrapped read-only paragraph of the start menu.
QLabel* Paragraph(const char* utf8, QWidget* parent) {
    auto* label = new QLabel(QString::fromUtf8(utf8), parent);
    label->setWordWrap(true);
    return label;
}

}  // namespace

MainWindow::MainWindow(GameFolder folder, LoadedGame game) : folder_(std::move(folder)), game_(std::move(game)) {
    setWindowTitle(QString::fromUtf8("KESTRA 天 ver6.2t"));
    setFixedSize(360, 534);
    auto* layout = new QVBoxLayout(this);
    auto* status = new QLineEdit(QString::fromStdString(StatusLine(game_.my)), this);
    status->setReadOnly(true);
    status->setObjectName("status_line");
    layout->addWidget(status);
    layout->addWidget(Paragraph("このゲームのポイント", this));
    layout->addWidget(Paragraph("このゲームは、チャットを利用し、このソフトを持つ者同士２人で対戦するゲームです。"
                                "互いの状況を数字化したナンバーを表示し合う事で、お互いに進行させていきます。",
                                this));
    layout->addWidget(Paragraph("直前のデュエルのセットID：????", this));
    layout->addStretch(1);
}

}  // namespace kestra
