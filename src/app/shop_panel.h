#pragma once
// The shop ("SHOP"): the visit's assortment, the picked goods' information and price, "買う".
#include "app/economy_panel.h"
#include "collection/shop.h"

namespace kestra {

class ShopPanel : public EconomyPanel {
    Q_OBJECT
public:
    ShopPanel(GameSession& session, QWidget* parent);

    // A new visit: the purse capped at 900, a fresh assortment, nothing picked.
    void Open();

private:
    void OnRow(int row);
    void OnBuy();
    void RefreshMoney();

    ShopPick pick_;
    QListWidget* list_ = nullptr;
    QLabel* picture_ = nullptr;
    QLabel* info_ = nullptr;
    QLabel* money_ = nullptr;
};

}  // namespace kestra
