#include "app/item_panel.h"
#include "app/widget_kit.h"

#include <QLabel>
#include <QListWidget>
#include <QSignalBlocker>

#include "app/game_session.h"
#include "collection/selling.h"

namespace kestra {

ItemPanel::ItemPanel(GameSession& session, QWidget* parent) : EconomyPanel(session, "ITEM", "items_panel", parent) {
    list_ = AddList("item_list");
    info_ = AddLabel("item_info");
    info_->setMinimumHeight(info_->fontMetrics().lineSpacing() * 7);
    auto* sell = AddButton("ＳＥＬＬ", "item_sell_b");
    WatchRows(list_, [this](int row) { OnRow(row); }, "key3.wav");
    connect(sell, &QPushButton::clicked, this, &ItemPanel::OnSell);
}

void ItemPanel::Open() {
    std::vector<std::string> rows;
    for (int32_t r = 0; r < kItemRowsShown; ++r) rows.push_back(ItemListRow(s_.cat(), s_.my(), r));
    FillList(list_, rows);
    info_->clear();
}

void ItemPanel::OnRow(int row) { info_->setText(Utf8(ItemInfoText(s_.cat(), s_.my(), row))); }

void ItemPanel::OnSell() {
    const int row = SelectedRow(list_);
    if (!AgreeToSale(s_, ItemSaleOffer(s_.cat(), s_.my(), row))) return;
    const tmy before = s_.my();
    SellItem(s_.cat(), s_.my(), row);
    list_->item(row)->setText(Utf8(ItemListRow(s_.cat(), s_.my(), row)));
    // The last copy's sale waits for the next save; any other sale is saved at once.
    if (s_.my().item_count[static_cast<size_t>(row)] < 1) {
        const QSignalBlocker quiet(list_);
        list_->clearSelection();
        info_->clear();
        return;
    }
    if (!SaveDeal(before)) list_->item(row)->setText(Utf8(ItemListRow(s_.cat(), s_.my(), row)));
    OnRow(row);
}

}  // namespace kestra
