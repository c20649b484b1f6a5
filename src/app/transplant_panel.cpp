#include "app/transplant_panel.h"
#include "app/widget_kit.h"

#include <QLabel>
#include <QListWidget>

#include "app/game_session.h"
#include "collection/deck_builder.h"
#include "collection/economy_kit.h"
#include "collection/technique_shop.h"
#include "collection/transplant.h"

namespace kestra {

TransplantPanel::TransplantPanel(GameSession& session, QWidget* parent)
    : EconomyPanel(session, "MAGIC →", "transplant_panel", parent) {
    std::tie(picture_, card_info_) = AddPictureAndInfo("transplant_picture", "transplant_card_info");
    money_ = AddLabel("transplant_money");
    list_ = AddList("transplant_list");
    info_ = AddLabel("transplant_info");
    info_->setMinimumHeight(info_->fontMetrics().lineSpacing() * 6);
    auto* move = AddButton("移植", "transplant_do_b");
    WatchRows(list_, [this](int row) { OnRow(row); });
    connect(move, &QPushButton::clicked, this, &TransplantPanel::OnTransplant);
}

bool TransplantPanel::Open(int32_t card) {
    if (!CanTransplantInto(s_.cat(), card)) return false;
    card_ = card;
    setTitle(QString::fromUtf8("MAGIC → ") + Utf8(CardNameOf(s_.cat(), card)));
    ShowCard();
    std::vector<std::string> rows;
    for (int32_t k = 0; k < kTechniqueRows; ++k) rows.push_back(TransplantRow(s_.cat(), s_.my(), k));
    FillList(list_, rows);
    info_->clear();
    return true;
}

void TransplantPanel::ShowCard() {
    ShowCardPicture(picture_, card_);
    card_info_->setText(Utf8(CardInfoText(s_.cat(), s_.my(), card_)));
    money_->setText(Utf8(MoneyLine(s_.my())));
}

void TransplantPanel::OnRow(int row) { info_->setText(Utf8(TransplantInfo(s_.cat(), s_.my(), row, card_))); }

void TransplantPanel::OnTransplant() {
    s_.audio.PlaySe("key2.wav", 2);
    const tmy before = s_.my();
    const TransplantResult done = Transplant(s_.cat(), s_.my(), SelectedRow(list_), card_);
    if (done.outcome == TransplantOutcome::Nothing) {
        info_->clear();
        return;
    }
    if (done.outcome == TransplantOutcome::Refused) {
        s_.audio.PlaySe("no.wav", 1);
        return;
    }
    CloseDeal(before, "in.wav", done.message);
}

}  // namespace kestra
