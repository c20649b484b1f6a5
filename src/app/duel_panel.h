#pragma once
// The duel panel ("デュエルを申しこむ" / "デュエルを受ける"): the incantation to chant, the rank
// line to read out, "スタート" and "キャンセル", and the music quiz box opened by "☆".
#include <QGroupBox>

#include "collection/duel_request.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace kestra {

struct GameSession;
class ClickableLabel;

class DuelPanel : public QGroupBox {
    Q_OBJECT
public:
    DuelPanel(GameSession& session, QWidget* parent);

    // The caption, the instruction line and the incantation of the duel being asked for.
    void SetTexts(const DuelPanelTexts& texts);
    QString Incantation() const;
    // The rank line the player reads out when the opponent asks for the rank.
    void SetRankLine(const QString& line);

    bool QuizOpen() const;
    void CloseQuiz();
    // The 100 ms refresh: "スタート" greyed and the prize label while the quiz box is open.
    void RefreshQuiz();

signals:
    void startClicked();
    void cancelClicked();

private:
    // The box of the music quiz, laid over the panel at (8, 24).
    QGroupBox* BuildQuizBox();
    // "☆": "1.wav", open (with a fresh list) or close the quiz box.
    void ToggleQuiz();
    // "セット": the selected titled piece becomes the guess, saved at once.
    void SetQuizPick();
    // "スタート" black, or grey while the quiz box is open.
    void GreyStart(bool grey);

    GameSession& s_;
    QLabel* instruction_ = nullptr;
    QLineEdit* incantation_ = nullptr;
    QLineEdit* rank_line_ = nullptr;
    QPushButton* start_ = nullptr;
    ClickableLabel* star_ = nullptr;
    QGroupBox* quiz_box_ = nullptr;
    QListWidget* quiz_list_ = nullptr;
    QLabel* quiz_label_ = nullptr;
};

}  // namespace kestra
