#include "app/duel_panel.h"
#include "app/widget_kit.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "app/clickable_label.h"
#include "app/game_session.h"

namespace kestra {

namespace {

// The room etiquette and the two warnings under the rank line.
constexpr const char* kRoomTextsHtml =
    "<p style='margin-top:0'>複数人がチャットルームに存在している時は、一番最初に「詠唱」し、"
    "一番最初にそれに答えた者同士２人が、そのルームでのデュエル権限を持ちます。"
    "同じチャットルームでは、同時に２つ以上のデュエルは進行できません。</p>"
    "<p>また、複数人いる場合は、なるべく１デュエルずつ交代するなどし、良識あるプレーを心がけてください。</p>"
    "<p style='color:#a01010'>※古いverのＫＥＳＴＲＡを使用したプレイヤーとの対戦はできません</p>"
    "<p style='color:#a01010; margin-bottom:0'>※スタートすると、途中で中断するとペナルティとなります。"
    "自分が申し込み側か受け側かを間違わないようご注意下さい</p>";

// A wrapped fixed text of the panel.
QLabel* Wrapped(const char* utf8, QWidget* parent) {
    auto* label = new QLabel(QString::fromUtf8(utf8), parent);
    label->setWordWrap(true);
    return label;
}

// A read-only line whose text the player selects and copies.
QLineEdit* ReadOnlyLine(const char* name, QWidget* parent) {
    auto* line = new QLineEdit(parent);
    line->setObjectName(name);
    line->setReadOnly(true);
    return line;
}

}  // namespace

DuelPanel::DuelPanel(GameSession& session, QWidget* parent)
    : QGroupBox(QString::fromUtf8("デュエルを申しこむ"), parent), s_(session) {
    setObjectName("duel_panel");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(4);
    layout->addWidget(Wrapped("１、次の言葉を詠唱して下さい。", this));
    incantation_ = ReadOnlyLine("incantation", this);
    layout->addWidget(incantation_);
    instruction_ = Wrapped("", this);
    instruction_->setObjectName("instruction");
    instruction_->setMinimumHeight(instruction_->fontMetrics().lineSpacing() * 3);
    instruction_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    layout->addWidget(instruction_);
    layout->addWidget(Wrapped("（デュエルを断る場合は「風はやんだ」と答えることでも、対戦拒絶と判断されます。"
                              "対戦の準備が整っていない時などに、このワードをご使用ください。）",
                              this));
    layout->addWidget(Wrapped("(3)、相手があなたのデュエルランクを知りたがっていれば、以下の称号を相手に教えてあげてください。",
                              this));
    rank_line_ = ReadOnlyLine("rank_line", this);
    layout->addWidget(rank_line_);
    auto* room = new QTextBrowser(this);
    room->setObjectName("duel_texts");
    room->setHtml(QString::fromUtf8(kRoomTextsHtml));
    room->setFocusPolicy(Qt::NoFocus);
    layout->addWidget(room, 1);

    auto* row = new QHBoxLayout;
    star_ = new ClickableLabel(QString::fromUtf8("☆"), this);
    star_->setObjectName("quiz_star");
    star_->setToolTip(QString::fromUtf8("ミュージッククイズ"));
    star_->setCursor(Qt::PointingHandCursor);
    star_->setFixedWidth(28);
    star_->setStyleSheet(QStringLiteral("color: #c08a00; font-size: 15pt;"));
    star_->setAlignment(Qt::AlignCenter);
    connect(star_, &ClickableLabel::clicked, this, &DuelPanel::ToggleQuiz);
    start_ = PanelButton("スタート", "start_b", this);
    auto* cancel = PanelButton("キャンセル", "cancel_b", this);
    connect(start_, &QPushButton::clicked, this, &DuelPanel::startClicked);
    connect(cancel, &QPushButton::clicked, this, &DuelPanel::cancelClicked);
    row->addWidget(star_);
    row->addWidget(start_, 1);
    row->addWidget(cancel, 1);
    layout->addLayout(row);

    quiz_box_ = BuildQuizBox();
    GreyStart(false);
}

QGroupBox* DuelPanel::BuildQuizBox() {
    auto* box = new QGroupBox(QString::fromUtf8("ミュージッククイズ"), this);
    box->setObjectName("quiz_box");
    box->setAutoFillBackground(true);
    box->setGeometry(8, 24, 336, 380);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(Wrapped("次のデュエルで演奏される曲を予想して下さい。セットされた曲であった場合賞金100円がプラスされます。",
                              box));
    quiz_list_ = new QListWidget(box);
    quiz_list_->setObjectName("quiz_list");
    layout->addWidget(quiz_list_, 1);
    auto* set = PanelButton("セット", "quiz_set_b", box);
    connect(set, &QPushButton::clicked, this, &DuelPanel::SetQuizPick);
    layout->addWidget(set);
    quiz_label_ = new QLabel(box);
    quiz_label_->setObjectName("quiz_label");
    quiz_label_->setWordWrap(true);
    quiz_label_->setMinimumHeight(quiz_label_->fontMetrics().lineSpacing() * 3);
    layout->addWidget(quiz_label_);
    box->hide();
    return box;
}

void DuelPanel::SetTexts(const DuelPanelTexts& texts) {
    setTitle(Utf8(texts.caption));
    instruction_->setText(Utf8(texts.instruction));
    incantation_->setText(Utf8(texts.incantation));
    incantation_->selectAll();
}

QString DuelPanel::Incantation() const { return incantation_->text(); }

void DuelPanel::SetRankLine(const QString& line) { rank_line_->setText(line); }

bool DuelPanel::QuizOpen() const { return !quiz_box_->isHidden(); }

void DuelPanel::CloseQuiz() {
    quiz_box_->hide();
    GreyStart(false);
}

void DuelPanel::ToggleQuiz() {
    PlaySe(s_.audio, "1.wav");
    if (QuizOpen()) {
        CloseQuiz();
        return;
    }
    quiz_list_->clear();
    for (const int32_t piece : QuizPieces(s_.cat()))
        quiz_list_->addItem(Utf8(s_.cat().music[static_cast<size_t>(piece)].title));
    // The box reaches down to just above "☆", "スタート" and "キャンセル".
    quiz_box_->setGeometry(8, 24, width() - 16, start_->y() - 30);
    quiz_box_->show();
    quiz_box_->raise();
    RefreshQuiz();
}

void DuelPanel::SetQuizPick() {
    const std::vector<int32_t> pieces = QuizPieces(s_.cat());
    const int row = quiz_list_->currentRow();
    if (row < 0 || row >= static_cast<int>(pieces.size()) ||
        s_.cat().music[static_cast<size_t>(pieces[static_cast<size_t>(row)])].title.empty()) {
        PlaySe(s_.audio, "no.wav");
        return;
    }
    PlaySe(s_.audio, "soubi.wav");
    s_.my().quiz_pick = pieces[static_cast<size_t>(row)];
    s_.Save();
    RefreshQuiz();
}

void DuelPanel::RefreshQuiz() {
    GreyStart(QuizOpen());
    if (QuizOpen()) quiz_label_->setText(Utf8(QuizLabel(s_.cat(), s_.my().quiz_pick)));
}

void DuelPanel::GreyStart(bool grey) {
    QPalette p = start_->palette();
    const QColor colour = grey ? QColor(Qt::gray) : QColor(Qt::black);
    if (p.color(QPalette::ButtonText) == colour) return;
    p.setColor(QPalette::ButtonText, colour);
    start_->setPalette(p);
}

}  // namespace kestra
