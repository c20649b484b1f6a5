#pragma once
// The shop ("SHOP"): a fresh assortment per visit, rows found by name, the price rules, one purchase.
#include <cstdint>
#include <string>
#include <vector>

#include "base/random.h"
#include "catalogue/catalogue.h"
#include "player/tmy.h"

namespace kestra {

inline constexpr const char* kShopSeparator = "―――――――――――";
inline constexpr int32_t kShopMoneyCap = 900;

// Opening the shop: a purse of 900 or more becomes 900 (the checksum follows when it held).
void CapMoneyForShop(tmy& my);

// The visit's rows in order: three random cards, the cards won by wins, the rank card, a
// separator, four random icons, a separator, four random items.
std::vector<std::string> BuildShopRows(const Catalogue& cat, const tmy& my, Rng& rng);

// What a row stands for: at most one of the three is set (-1 unset).
struct ShopPick {
    int32_t card = -1;
    int32_t icon = -1;
    int32_t item = -1;
    bool Empty() const { return card < 0 && icon < 0 && item < 0; }
};

// A row resolved by its text: card names 0..355, then icon names 0..280, then item names
// 1..100, the last match of the first kind that matches. Empty and separator rows pick nothing.
ShopPick ResolveShopRow(const Catalogue& cat, const std::string& row);

// Prices in 円: the card rules in order, (rarity weight + 1) x 10 for an icon, the item's own price.
int32_t CardPrice(const Catalogue& cat, int32_t card);
int32_t IconPrice(const Catalogue& cat, int32_t icon);
int32_t ItemPrice(const Catalogue& cat, int32_t item);
// The price of whatever is picked, 0 for nothing.
int32_t PickPrice(const Catalogue& cat, const ShopPick& pick);

// The information shown for a picked row, ending in "●値段：" + price + "円"; empty for nothing.
std::string ShopInfoText(const Catalogue& cat, const tmy& my, const ShopPick& pick);

// What "買う" came to.
enum class BuyOutcome {
    Bought,     // paid, one more copy (never past 99)
    Nothing,    // no row, or a row without goods: silent
    TooDear,    // the price is above the purse: "no.wav" only
};

struct BuyResult {
    BuyOutcome outcome = BuyOutcome::Nothing;
    std::string message;  // the purchase notice
};

// "買う": pays and adds the picked goods; a refusal changes nothing.
BuyResult BuyInShop(const Catalogue& cat, tmy& my, const ShopPick& pick);

}  // namespace kestra
