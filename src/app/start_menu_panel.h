#pragma once
// The start menu ("START"): the title picture, the status line, the game's points and notes,
// the last set ID, and the buttons that lead everywhere else.
#include <QGroupBox>
#include <QImage>

class QLabel;
class QLineEdit;
class QPushButton;

namespace kestra {

class ClickableLabel;

// The prologue shown when the title picture is clicked.
inline constexpr const char* kPrologue =
    "空の書庫には、星の数ほどのカードが眠っている。\n"
    "精霊も獣も機械も、名もなき旅人も、詠唱ひとつでカードに結ばれた。\n\n"
    "いま、チャットの向こうの誰かが、あなたの詠唱を待っている。\n"
    "数字を交わし、ひとつの戦いを二つの画面で見届けよう。";

// The buttons of the start menu, for the main window to wire.
struct StartMenuButtons {
    QPushButton* view = nullptr;           // 閲覧モード
    QPushButton* request = nullptr;        // ★デュエルを申しこむ
    QPushButton* accept = nullptr;         // ★デュエルを受ける
    QPushButton* deck = nullptr;           // ≪デッキ構築≫
    QPushButton* shop = nullptr;           // SHOP (hidden until a duel reveals it)
    QPushButton* synthesis = nullptr;      // 合成 (hidden until a duel reveals it)
    QPushButton* technique_shop = nullptr; // 術屋 (hidden until a duel reveals it)
    QPushButton* rule = nullptr;           // ＞ﾙｰﾙ (20 duels)
    QPushButton* field = nullptr;          // ＞ﾌｨｰﾙﾄﾞ (5 duels)
    QPushButton* help = nullptr;           // HELP
    QPushButton* chat = nullptr;           // ＫＥＳＴＲＡチャットを開く
};

class StartMenuPanel : public QGroupBox {
    Q_OBJECT
public:
    explicit StartMenuPanel(QWidget* parent);

    const StartMenuButtons& buttons() const { return buttons_; }
    // The read-only line at the top: duels, wins, rank, money, Ark.
    void SetStatus(const QString& text);
    // One frame of the opening animation, drawn at the picture's top-left corner.
    void DrawTitle(const QImage& frame);
    // "直前のデュエルのセットID：" followed by the set ID.
    void SetLastSetId(const QString& set_id);

signals:
    void titleClicked();

private:
    // The buttons in their grid.
    QWidget* BuildButtons();

    ClickableLabel* title_ = nullptr;
    QLineEdit* status_ = nullptr;
    QLabel* last_set_id_ = nullptr;
    StartMenuButtons buttons_;
};

}  // namespace kestra
