#include "app/help_panel.h"

#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace kestra {

namespace {

// The help text: what each part of the main window is for.
constexpr const char* kHelpHtml =
    "<h3 style='margin-top:0'>ＫＥＳＴＲＡ 天 の遊び方</h3>"
    "<p>ＫＥＳＴＲＡは、チャットで出会った二人が、それぞれのパソコンで同じ戦いを進めるカードゲームです。"
    "相手の画面は見えません。互いに表示される数字をチャットに貼り合うことで、二つの画面に同じ物語が流れます。</p>"
    "<p><b>★デュエルを申しこむ／★デュエルを受ける</b><br>"
    "表示された詠唱の言葉はクリップボードにコピーされています。チャットに貼り付けて相手に送ってください。"
    "相手から決まった言葉が返ってきたら「スタート」を押します。</p>"
    "<p><b>≪デッキ構築≫</b><br>"
    "持っているカードから１０枚を選んでデッキを作ります。「→」でデッキに入れ、「←」で戻します。"
    "アイコンやアイテムの装備、デッキの登録もここから行えます。</p>"
    "<p><b>閲覧モード</b><br>"
    "他の二人のデュエルを、その戦士ナンバーとBATTLE NUMBERから再生して観戦できます。"
    "閲覧モードでは何も保存されません。</p>"
    "<p><b>☆ミュージッククイズ</b><br>"
    "デュエル画面の「☆」から、次のデュエルで流れる曲を予想できます。当たれば賞金がもらえます。</p>"
    "<p><b>SHOP・合成・術屋</b><br>"
    "デュエルを重ねると、ある日ふと現れます。一度現れたボタンは、そのプレイ中ずっと使えます。</p>"
    "<p><b>＞ﾙｰﾙ・＞ﾌｨｰﾙﾄﾞ</b><br>"
    "戦った数が増えると、特別なルールや舞台のデュエルに挑めるようになります。</p>"
    "<p>データはゲームフォルダの dat に保存されます。途中でデュエルを投げ出すとペナルティがあります。"
    "最後まで、気持ちよく戦いましょう。</p>";

}  // namespace

HelpPanel::HelpPanel(QWidget* parent) : QGroupBox(QStringLiteral("HELP"), parent) {
    setObjectName("help_panel");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    auto* text = new QTextBrowser(this);
    text->setObjectName("help_text");
    text->setHtml(QString::fromUtf8(kHelpHtml));
    layout->addWidget(text, 1);
    auto* back = new QPushButton(QStringLiteral("BACK"), this);
    back->setObjectName("help_back_b");
    back->setAutoDefault(false);
    connect(back, &QPushButton::clicked, this, &HelpPanel::backClicked);
    layout->addWidget(back);
}

}  // namespace kestra
