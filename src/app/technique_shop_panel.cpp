#include "app/technique_shop_panel.h"
#include "app/widget_kit.h"

#include <QLabel>
#include <QListWidget>

#include "app/game_session.h"
#include "collection/technique_shop.h"

namespace kestra {

TechniqueShopPanel::TechniqueShopPanel(GameSession& session, QWidget* parent)
    : EconomyPanel(session, "MAGIC", "magic_panel", parent) {
    list_ = AddList("magic_list");
    info_ = AddLabel("magic_info");
    info_->setMinimumHeight(info_->fontMetrics().lineSpacing() * 6);
    ark_ = AddLabel("magic_ark");
    auto* buy = AddButton("買う", "magic_buy_b");
    WatchRows(list_, [this](int row) { OnRow(row); });
    connect(buy, &QPushButton::clicked, this, &TechniqueShopPanel::OnBuy);
}

void TechniqueShopPanel::Open() {
    std::vector<std::string> rows;
    for (int32_t k = 0; k < kTechniqueRows; ++k) rows.push_back(TechniqueShopRow(s_.cat(), s_.my(), k));
    FillList(list_, rows);
    info_->clear();
    ark_->setText(Utf8(ArkLine(s_.my(), false)));
}

void TechniqueShopPanel::OnRow(int row) {
    const std::string info = TechniqueShopInfo(s_.cat(), s_.my(), row);
    info_->setText(Utf8(info));
    ark_->setText(Utf8(ArkLine(s_.my(), !info.empty())));
}

void TechniqueShopPanel::OnBuy() {
    s_.audio.PlaySe("key2.wav", 2);
    const tmy before = s_.my();
    const TechniqueBuyResult bought = BuyTechnique(s_.cat(), s_.my(), SelectedRow(list_));
    if (bought.outcome == TechniqueBuyOutcome::TooDear) s_.audio.PlaySe("no.wav", 1);
    if (bought.outcome != TechniqueBuyOutcome::Bought) return;
    CloseDeal(before, "katan.wav", bought.message);
}

}  // namespace kestra
