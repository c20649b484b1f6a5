#include "app/start_menu_panel.h"
#include "app/widget_kit.h"

#include <QGridLayout>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "app/clickable_label.h"

namespace kestra {

namespace {

// The game's points and the note on good conduct, as one read-only page.
constexpr const char* kMenuTextsHtml =
    "<p style='margin:0'><b>このゲームのポイント</b></p>"
    "<p style='margin-top:2px'>このゲームは、チャットを利用し、このソフトを持つ者同士２人で対戦するゲームです。"
    "互いの状況を数字化したナンバーを表示し合う事で、お互いに進行させていきます。</p>"
    "<p>また、このゲームはプレイヤー個人の自己申告と、信頼性の上に成り立つゲームです。"
    "プレーは全て、チャット上で、対戦相手とデュエルをスタートさせ、最後まで終わらせた時のみ、"
    "行われなくてはなりません。</p>"
    "<p>このゲームに１人プレーや、コンピューター対戦などはありません。"
    "デュエルを行う時は必ずチャット上で、対戦相手を見つけてから行ってください。</p>"
    "<p style='margin-bottom:0'><b>※注意事項</b></p>"
    "<p style='margin-top:2px'>このゲームはプレイヤー個人の良識の元に成立するゲームです。"
    "データの改竄や、解析、ＩＤ類の意図的な改竄などは御止め下さい</p>";

constexpr int kTitleWidth = 344;
constexpr int kTitleHeight = 120;

}  // namespace

StartMenuPanel::StartMenuPanel(QWidget* parent) : QGroupBox(QStringLiteral("START"), parent) {
    setObjectName("start_menu");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(3, 4, 3, 4);
    layout->setSpacing(4);

    title_ = new ClickableLabel(this);
    title_->setObjectName("title_picture");
    title_->setFixedSize(kTitleWidth, kTitleHeight);
    title_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    title_->setCursor(Qt::PointingHandCursor);
    connect(title_, &ClickableLabel::clicked, this, &StartMenuPanel::titleClicked);
    layout->addWidget(title_, 0, Qt::AlignHCenter);

    status_ = new QLineEdit(this);
    status_->setObjectName("status_line");
    status_->setReadOnly(true);
    status_->setFocusPolicy(Qt::NoFocus);
    layout->addWidget(status_);

    auto* texts = new QTextBrowser(this);
    texts->setObjectName("menu_texts");
    texts->setHtml(QString::fromUtf8(kMenuTextsHtml));
    texts->setFocusPolicy(Qt::NoFocus);
    layout->addWidget(texts, 1);

    last_set_id_ = new QLabel(this);
    last_set_id_->setObjectName("last_set_id");
    last_set_id_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    SetLastSetId(QStringLiteral("????"));
    layout->addWidget(last_set_id_);

    layout->addWidget(BuildButtons());
}

QWidget* StartMenuPanel::BuildButtons() {
    auto* box = new QWidget(this);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(3);
    StartMenuButtons& b = buttons_;
    b.request = PanelButton("★デュエルを申しこむ", "request_b", box);
    b.accept = PanelButton("★デュエルを受ける", "accept_b", box);
    b.deck = PanelButton("≪デッキ構築≫", "deck_b", box);
    b.view = PanelButton("閲覧モード", "view_b", box);
    b.shop = PanelButton("SHOP", "shop_b", box);
    b.synthesis = PanelButton("合成", "gousei_b", box);
    b.technique_shop = PanelButton("術屋", "magic_shop_b", box);
    b.rule = PanelButton("＞ﾙｰﾙ", "rule_b", box);
    b.field = PanelButton("＞ﾌｨｰﾙﾄﾞ", "field_b", box);
    b.help = PanelButton("HELP", "help_b", box);
    b.chat = PanelButton("ＫＥＳＴＲＡチャットを開く", "chat_b", box);
    grid->addWidget(b.request, 0, 0, 1, 3);
    grid->addWidget(b.accept, 0, 3, 1, 3);
    grid->addWidget(b.deck, 1, 0, 1, 3);
    grid->addWidget(b.view, 1, 3, 1, 3);
    grid->addWidget(b.shop, 2, 0, 1, 2);
    grid->addWidget(b.synthesis, 2, 2, 1, 2);
    grid->addWidget(b.technique_shop, 2, 4, 1, 2);
    grid->addWidget(b.rule, 3, 0, 1, 2);
    grid->addWidget(b.field, 3, 2, 1, 2);
    grid->addWidget(b.help, 3, 4, 1, 2);
    grid->addWidget(b.chat, 4, 0, 1, 6);
    return box;
}

void StartMenuPanel::SetStatus(const QString& text) {
    if (status_->text() != text) status_->setText(text);
}

void StartMenuPanel::DrawTitle(const QImage& frame) {
    QPixmap canvas(kTitleWidth, kTitleHeight);
    canvas.fill(Qt::black);
    if (!frame.isNull()) {
        QPainter painter(&canvas);
        painter.drawImage(QPoint(0, 0), frame);
    }
    title_->setPixmap(canvas);
}

void StartMenuPanel::SetLastSetId(const QString& set_id) {
    last_set_id_->setText(QString::fromUtf8("直前のデュエルのセットID：") + set_id);
}

}  // namespace kestra
