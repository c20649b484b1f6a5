#include "collection/selling.h"

#include "catalogue/card_facts.h"
#include "collection/economy_kit.h"
#include "player/checksum.h"

namespace kestra {

namespace {

// The Yes/No question of a sale.
SaleOffer Offer(const std::string& name, int32_t price, const tmy& my) {
    return {"【" + name + "】を " + std::to_string(price) + "円で売りますか？\n\n所持金：" + std::to_string(my.money) + "円",
            price};
}

// A card the player holds a copy of, with a name.
bool SellableCard(const Catalogue& cat, const tmy& my, int32_t card) {
    return !CardNameOf(cat, card).empty() && Slot(my.card_count, card) > 0;
}

// An item row the player holds one of, with a name.
bool SellableItem(const Catalogue& cat, const tmy& my, int32_t row) {
    return InRange(row, kItemRowsShown) && !ItemNameOf(cat, row + 1).empty() && Slot(my.item_count, row) > 0;
}

// The purse takes the price and the sold copy leaves its count, the checksum following when it held.
void TakeSale(tmy& my, int32_t price, int32_t& count) {
    ChangeSealed(my, [&](tmy& m) {
        m.money = AddTakings(m.money, price);
        count -= 1;
    });
}

}  // namespace

int32_t CardSalePrice(int32_t rarity) { return rarity >= kMa ? 1 : rarity / 2 + 3; }

int32_t ItemSalePrice(const Catalogue& cat, int32_t item) {
    return InRange(item, kItemRows) ? Slot(cat.item, item).price / 4 + 2 : 0;
}

std::string ItemListRow(const Catalogue& cat, const tmy& my, int32_t row) {
    if (!InRange(row, kItemRowsShown) || Slot(my.item_count, row) < 1) return "????";
    return ItemNameOf(cat, row + 1);
}

std::string ItemInfoText(const Catalogue& cat, const tmy& my, int32_t row) {
    if (ItemListRow(cat, my, row).empty() || ItemListRow(cat, my, row) == "????") return {};
    const titem& item = Slot(cat.item, row + 1);
    return "★" + item.name + "\n所持：" + std::to_string(Slot(my.item_count, row)) + "個\n\n" + item.description +
           "\n\n買値：" + std::to_string(ItemSalePrice(cat, row + 1)) + "円";
}

std::optional<SaleOffer> CardSaleOffer(const Catalogue& cat, const tmy& my, int32_t card) {
    if (!SellableCard(cat, my, card)) return std::nullopt;
    return Offer(CardNameOf(cat, card), CardSalePrice(Slot(cat.card, card).rarity), my);
}

std::optional<SaleOffer> ItemSaleOffer(const Catalogue& cat, const tmy& my, int32_t row) {
    if (!SellableItem(cat, my, row)) return std::nullopt;
    return Offer(ItemNameOf(cat, row + 1), ItemSalePrice(cat, row + 1), my);
}

void SellCard(const Catalogue& cat, tmy& my, int32_t card) {
    if (const std::optional<SaleOffer> offer = CardSaleOffer(cat, my, card)) TakeSale(my, offer->price, Slot(my.card_count, card));
}

void SellItem(const Catalogue& cat, tmy& my, int32_t row) {
    if (const std::optional<SaleOffer> offer = ItemSaleOffer(cat, my, row)) TakeSale(my, offer->price, Slot(my.item_count, row));
}

}  // namespace kestra
