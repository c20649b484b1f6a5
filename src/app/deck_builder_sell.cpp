// "●ＳＥＬＬ" in the deck builder: one copy of the card chosen in the card list, after a Yes.
#include "app/deck_builder_panel.h"

#include "app/game_session.h"
#include "collection/selling.h"

namespace kestra {

void DeckBuilderPanel::OnSell() {
    const std::optional<SaleOffer> offer = CardSaleOffer(s_.cat(), s_.my(), selected_card_);
    if (!offer) {
        s_.audio.PlaySe("no.wav", 1);
        return;
    }
    s_.audio.PlaySe("2.wav", 1);
    if (!s_.dialogs.AskYesNo(offer->question)) {
        s_.audio.PlaySe("no.wav", 1);
        return;
    }
    PlaySe(s_.audio, "katan.wav");
    const tmy before = s_.my();
    SellCard(s_.cat(), s_.my(), selected_card_);
    // A failed save puts the card and the purse back, so no sale is shown that did not happen.
    if (!s_.Save().ok) s_.my() = before;
    SetCardRowText(selected_card_);
    ShowCard(selected_card_);
    RefreshSummary();
}

}  // namespace kestra
