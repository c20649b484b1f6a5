// "●ＳＥＬＬ" in the deck builder: one copy of the card chosen in the card list, after a Yes.
#include "app/deck_builder_panel.h"

#include "app/economy_panel.h"
#include "app/game_session.h"
#include "collection/selling.h"

namespace kestra {

void DeckBuilderPanel::OnSell() {
    if (!AgreeToSale(s_, CardSaleOffer(s_.cat(), s_.my(), selected_card_))) return;
    const tmy before = s_.my();
    SellCard(s_.cat(), s_.my(), selected_card_);
    // A failed save puts the card and the purse back, so no sale is shown that did not happen.
    if (!s_.Save().ok) s_.my() = before;
    SetCardRowText(selected_card_);
    ShowCard(selected_card_);
    RefreshSummary();
}

}  // namespace kestra
