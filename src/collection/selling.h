#pragma once
// Selling cards ("●ＳＥＬＬ" in the deck builder) and items ("ＳＥＬＬ" in the item panel), and
// the item panel's rows. Icons cannot be sold.
#include <cstdint>
#include <optional>
#include <string>

#include "catalogue/catalogue.h"
#include "player/tmy.h"

namespace kestra {

inline constexpr int32_t kItemRowsShown = 100;  // row r is item r + 1

// What a card of this class fetches: c div 2 + 3 for classes 0..10, 1 from class 11 on.
int32_t CardSalePrice(int32_t rarity);
// What an item fetches: its price div 4 + 2.
int32_t ItemSalePrice(const Catalogue& cat, int32_t item);

// Item list row r: the name of item r + 1 while one is owned, else "????" (empty when unnamed).
std::string ItemListRow(const Catalogue& cat, const tmy& my, int32_t row);
// "★" + name, count, description, "買値：" + sale price + "円"; empty for a row without goods.
std::string ItemInfoText(const Catalogue& cat, const tmy& my, int32_t row);

// A sale the player is asked about: the Yes/No question and what it pays.
struct SaleOffer {
    std::string question;
    int32_t price = 0;
};

// The offer for one copy of card n, or nothing when none is held ("no.wav").
std::optional<SaleOffer> CardSaleOffer(const Catalogue& cat, const tmy& my, int32_t card);
// The offer for one of item row r, or nothing when none is held.
std::optional<SaleOffer> ItemSaleOffer(const Catalogue& cat, const tmy& my, int32_t row);

// Yes to the question: the purse takes the price and one copy goes. The stored checksum follows
// when it held, since the last item's sale waits for the next save.
void SellCard(const Catalogue& cat, tmy& my, int32_t card);
void SellItem(const Catalogue& cat, tmy& my, int32_t row);

}  // namespace kestra
