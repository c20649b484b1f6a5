#include "app/shop_panel.h"
#include "app/widget_kit.h"

#include <QLabel>
#include <QListWidget>

#include "app/game_session.h"
#include "collection/economy_kit.h"

namespace kestra {

ShopPanel::ShopPanel(GameSession& session, QWidget* parent) : EconomyPanel(session, "SHOP", "shop_panel", parent) {
    list_ = AddList("shop_list");
    std::tie(picture_, info_) = AddPictureAndInfo("shop_picture", "shop_info");
    money_ = AddLabel("shop_money");
    auto* buy = AddButton("買う", "shop_buy_b");
    WatchRows(list_, [this](int row) { OnRow(row); });
    connect(buy, &QPushButton::clicked, this, &ShopPanel::OnBuy);
}

void ShopPanel::Open() {
    CapMoneyForShop(s_.my());
    pick_ = {};
    FillList(list_, BuildShopRows(s_.cat(), s_.my(), s_.rng));
    info_->clear();
    picture_->clear();
    RefreshMoney();
}

void ShopPanel::OnRow(int row) {
    pick_ = row < 0 ? ShopPick{} : ResolveShopRow(s_.cat(), list_->item(row)->text().toStdString());
    info_->setText(Utf8(ShopInfoText(s_.cat(), s_.my(), pick_)));
    if (pick_.card >= 0)
        ShowCardPicture(picture_, pick_.card);
    else
        picture_->clear();
    RefreshMoney();
}

void ShopPanel::OnBuy() {
    s_.audio.PlaySe("key2.wav", 2);
    if (SelectedRow(list_) < 0) return;
    if (pick_.Empty()) {
        RefreshMoney();
        return;
    }
    const tmy before = s_.my();
    const BuyResult bought = BuyInShop(s_.cat(), s_.my(), pick_);
    if (bought.outcome == BuyOutcome::TooDear) s_.audio.PlaySe("no.wav", 1);
    if (bought.outcome != BuyOutcome::Bought) return;
    CloseDeal(before, "katan.wav", bought.message);
    RefreshMoney();
}

void ShopPanel::RefreshMoney() { money_->setText(Utf8(MoneyLine(s_.my()))); }

}  // namespace kestra
