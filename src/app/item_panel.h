#pragma once
// The item panel ("ITEM"): the 100 item rows, the chosen item's information and "ＳＥＬＬ".
#include "app/economy_panel.h"

namespace kestra {

class ItemPanel : public EconomyPanel {
    Q_OBJECT
public:
    ItemPanel(GameSession& session, QWidget* parent);

    // Opening: nothing chosen, no information, the 100 rows.
    void Open();

private:
    void OnRow(int row);
    void OnSell();

    QListWidget* list_ = nullptr;
    QLabel* info_ = nullptr;
};

}  // namespace kestra
