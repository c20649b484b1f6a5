#pragma once
// The rule-duel panel ("ルールデュエル", kinds 1..9) and the field-duel panel ("フィールドデュエル",
// kinds 10..18): a group per kind with its rule and requirement lines and its two buttons, shown
// once the player has fought enough duels; the deck summary, "デッキ構築" and BACK.
#include <QGroupBox>
#include <array>
#include <cstdint>

class QLabel;

namespace kestra {

class DuelKindsPanel : public QGroupBox {
    Q_OBJECT
  public:
    // The field panel when `field`, else the rule panel.
    DuelKindsPanel(bool field, QWidget* parent);

    // Opening: every group whose duel count is reached is shown (and stays shown for the rest of
    // the run), and the deck summary line is refreshed.
    void Open(int32_t duels, const QString& summary);
    // The group of a kind is on the panel.
    bool GroupShown(int32_t kind) const;

  signals:
    // "デュエルを申しこむ" (role 3) or "デュエルを受ける" (role 4) of a kind.
    void duelClicked(int32_t kind, int32_t role);
    void deckClicked();
    void backClicked();

  private:
    // One kind's group box: its two lines and its two buttons.
    QGroupBox* BuildGroup(int32_t kind);
    // The summary line, "デッキ構築" and BACK.
    QWidget* BuildFoot();

    int32_t first_kind_ = 0;
    std::array<QGroupBox*, 9> groups_{};
    QLabel* summary_ = nullptr;
};

}  // namespace kestra
