#pragma once
// The transplant panel ("MAGIC → " + card name), opened by "≪術・移植≫" for the card last chosen
// in the deck builder: the stocked techniques and "移植".
#include <cstdint>

#include "app/economy_panel.h"

namespace kestra {

class TransplantPanel : public EconomyPanel {
    Q_OBJECT
public:
    TransplantPanel(GameSession& session, QWidget* parent);

    // Ready for card n: caption, picture, card information, purse and the 37 rows. False (and
    // nothing changes) when the card is not one the catalogue names.
    bool Open(int32_t card);

private:
    void OnRow(int row);
    void OnTransplant();
    void ShowCard();

    int32_t card_ = -1;
    QLabel* picture_ = nullptr;
    QLabel* card_info_ = nullptr;
    QLabel* money_ = nullptr;
    QListWidget* list_ = nullptr;
    QLabel* info_ = nullptr;
};

}  // namespace kestra
