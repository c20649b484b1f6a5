#pragma once
// The deck registration panel ("デッキ登録", from "登録" in the deck builder): the ten slots, the
// candidate set-up with its cards, icons and summary, and "←", "消", "名前変更", "反映", BACK.
#include <QGroupBox>
#include <cstdint>

#include "collection/registered_decks.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace kestra {

struct GameSession;

class RegistrationPanel : public QGroupBox {
    Q_OBJECT
  public:
    RegistrationPanel(GameSession& session, QWidget* parent);

    // Opening: the slot list refreshed, no selection, the current deck and icons as the candidate, "←" shown.
    void Open();
    int32_t selected_slot() const { return selected_; }

  signals:
    // "反映" put a set-up into the deck: back to the deck builder.
    void applied();
    void backClicked();

  private:
    QWidget* BuildLists();
    QWidget* BuildButtons();
    // The ten rows; also no selection, the name box cleared and hidden with "名前変更", "消", "反映".
    void RefreshSlots();
    // The candidate's cards, icons and summary on the panel.
    void ShowCandidate();
    void ClearCandidate();
    // A slot row chosen: a named slot becomes the candidate, a free row clears it.
    void OnSlotRow(int row);
    void SetSlotControls(bool named);
    void OnCardRow(int row);
    void OnIconRow(int row);
    void OnRegister();
    void OnDelete();
    void OnRename();
    void OnApply();
    // A refusal: "no.wav" and, when there is one, its message.
    void Refuse(std::string_view message = {});

    GameSession& s_;
    Candidate candidate_;
    int32_t selected_ = -1;
    QListWidget* slot_list_ = nullptr;
    QListWidget* card_list_ = nullptr;
    QListWidget* icon_list_ = nullptr;
    QLabel* info_ = nullptr;
    QLabel* summary_ = nullptr;
    QLineEdit* name_ = nullptr;
    QPushButton* register_ = nullptr;
    QPushButton* delete_ = nullptr;
    QPushButton* rename_ = nullptr;
    QPushButton* apply_ = nullptr;
};

}  // namespace kestra
