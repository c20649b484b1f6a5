#pragma once
// The technique shop ("MAGIC"): 37 rows opened by merit and rank points, bought with Ark.
#include "app/economy_panel.h"

namespace kestra {

class TechniqueShopPanel : public EconomyPanel {
    Q_OBJECT
public:
    TechniqueShopPanel(GameSession& session, QWidget* parent);

    // A new visit: the 37 rows rebuilt, nothing chosen.
    void Open();

private:
    void OnRow(int row);
    void OnBuy();

    QListWidget* list_ = nullptr;
    QLabel* info_ = nullptr;
    QLabel* ark_ = nullptr;
};

}  // namespace kestra
