#include "collection/shop.h"

#include <array>

#include "catalogue/card_facts.h"
#include "collection/deck_builder.h"
#include "collection/economy_kit.h"
#include "player/checksum.h"

namespace kestra {

namespace {

constexpr int32_t kRandomCards = 3;
constexpr int32_t kRandomIcons = 4;
constexpr int32_t kRandomItems = 4;
constexpr int32_t kCardDrawEnd = 355;   // random cards come from 0..354
constexpr int32_t kItemDrawEnd = 101;   // items 1..100
constexpr int32_t kRankCardPoints = 201;
constexpr std::array<int32_t, 4> kRankCards = {219, 220, 221, 222};

// A card won by wins: listed from this many wins on.
struct WinCard {
    int32_t wins;
    int32_t card;
};
constexpr std::array<WinCard, 20> kWinCards = {{{1, 124},   {5, 125},   {10, 126}, {13, 127}, {18, 128},
                                                {23, 129},  {26, 130},  {29, 131}, {34, 132}, {37, 133},
                                                {40, 134},  {43, 138},  {46, 139}, {49, 140}, {53, 141},
                                                {57, 142},  {65, 143},  {90, 144}, {120, 145}, {3, 163}}};

// Card prices fixed by number, overriding the class rules before them.
struct FixedPrice {
    int32_t key;
    int32_t price;
};
constexpr std::array<FixedPrice, 5> kCardsByNumber = {{{163, 30}, {219, 400}, {220, 550}, {221, 600}, {222, 570}}};
constexpr std::array<FixedPrice, 4> kTopClasses = {{{15, 800}, {16, 400}, {17, 500}, {18, 450}}};

// The price a table fixes for this key, or the price as it was.
template <size_t N>
int32_t Override(const std::array<FixedPrice, N>& table, int32_t key, int32_t price) {
    for (const FixedPrice& row : table)
        if (row.key == key) price = row.price;
    return price;
}

// The last number in first..last-1 whose name is the row's text, -1 when none.
template <class NameOf>
int32_t LastNamed(int32_t first, int32_t last, const std::string& row, NameOf name_of) {
    int32_t found = -1;
    for (int32_t n = first; n < last; ++n)
        if (name_of(n) == row) found = n;
    return found;
}

// The notice's head for each kind of goods, and the unit after the count.
std::string BoughtNotice(const std::string& kind, const std::string& name, int32_t count, const char* unit) {
    return kind + "【" + name + "】を購入した!!\n\n所持：" + std::to_string(count) + unit;
}

// "< ICON >" or "< ITEM >" information with its count and price.
std::string GoodsInfo(const char* head, const std::string& name, const std::string& description, int32_t count,
                      int32_t price) {
    return std::string(head) + "\n\n★" + name + "\n" + description + "\n\n所持：" + std::to_string(count) +
           "個\n●値段：" + std::to_string(price) + "円";
}

// The pick without any goods whose catalogue row has no name (or lies outside the shop's ranges).
ShopPick NamedOnly(const Catalogue& cat, ShopPick pick) {
    if (pick.card >= 0 && CardNameOf(cat, pick.card).empty()) pick.card = -1;
    if (pick.icon >= 0 && (pick.icon >= kListedIcons || IconNameOf(cat, pick.icon).empty())) pick.icon = -1;
    if (pick.item >= 0 && (pick.item >= kItemDrawEnd || ItemNameOf(cat, pick.item).empty())) pick.item = -1;
    return pick;
}

}  // namespace

void CapMoneyForShop(tmy& my) {
    ChangeSealed(my, [](tmy& m) {
        if (m.money >= kShopMoneyCap) m.money = kShopMoneyCap;
    });
}

std::vector<std::string> BuildShopRows(const Catalogue& cat, const tmy& my, Rng& rng) {
    std::vector<std::string> rows;
    // ろあ and above are never on sale, and 合成 cards are made, not sold.
    const std::vector<int32_t> cards = NumbersWhere(0, kCardDrawEnd, [&](int32_t c) {
        const tcard& row = Slot(cat.card, c);
        return !row.name.empty() && row.rarity < kRoa && row.rarity != kGousei;
    });
    for (int32_t i = 0; i < kRandomCards; ++i)
        if (const int32_t c = PickAmong(rng, cards); c >= 0) rows.push_back(CardNameOf(cat, c));
    for (const WinCard& won : kWinCards)
        if (my.wins >= won.wins) rows.push_back(CardNameOf(cat, won.card));
    if (my.rank_points >= kRankCardPoints)
        rows.push_back(CardNameOf(cat, kRankCards[static_cast<size_t>(rng.Random(static_cast<int32_t>(kRankCards.size())))]));
    rows.emplace_back(kShopSeparator);
    const std::vector<int32_t> icons = NumbersWhere(0, kListedIcons, [&](int32_t i) { return !IconNameOf(cat, i).empty(); });
    for (int32_t i = 0; i < kRandomIcons; ++i)
        if (const int32_t icon = PickAmong(rng, icons); icon >= 0) rows.push_back(IconNameOf(cat, icon));
    rows.emplace_back(kShopSeparator);
    const std::vector<int32_t> items = NumbersWhere(1, kItemDrawEnd, [&](int32_t i) { return !ItemNameOf(cat, i).empty(); });
    for (int32_t i = 0; i < kRandomItems; ++i)
        if (const int32_t item = PickAmong(rng, items); item >= 0) rows.push_back(ItemNameOf(cat, item));
    return rows;
}

ShopPick ResolveShopRow(const Catalogue& cat, const std::string& row) {
    ShopPick pick;
    // An empty row would match every unused catalogue row.
    if (row.empty()) return pick;
    pick.card = LastNamed(0, kCardRows, row, [&](int32_t c) { return CardNameOf(cat, c); });
    if (pick.card >= 0) return pick;
    pick.icon = LastNamed(0, kListedIcons, row, [&](int32_t i) { return IconNameOf(cat, i); });
    if (pick.icon >= 0) return pick;
    pick.item = LastNamed(1, kItemDrawEnd, row, [&](int32_t i) { return ItemNameOf(cat, i); });
    return pick;
}

int32_t CardPrice(const Catalogue& cat, int32_t card) {
    if (!InRange(card, kCardRows)) return 0;
    const int32_t rarity = Slot(cat.card, card).rarity;
    int32_t price = (rarity + 1) * 15;
    if (rarity == kUri) price = (card - 123) * 10;
    price = Override(kCardsByNumber, card, price);
    if (rarity >= 7 && rarity <= 10) price = rarity * 30;
    return Override(kTopClasses, rarity, price);
}

int32_t IconPrice(const Catalogue& cat, int32_t icon) {
    return InRange(icon, kIconRows) ? (Slot(cat.icon, icon).weight + 1) * 10 : 0;
}

int32_t ItemPrice(const Catalogue& cat, int32_t item) { return InRange(item, kItemRows) ? Slot(cat.item, item).price : 0; }

int32_t PickPrice(const Catalogue& cat, const ShopPick& pick) {
    if (pick.card >= 0) return CardPrice(cat, pick.card);
    if (pick.icon >= 0) return IconPrice(cat, pick.icon);
    if (pick.item >= 0) return ItemPrice(cat, pick.item);
    return 0;
}

std::string ShopInfoText(const Catalogue& cat, const tmy& my, const ShopPick& pick) {
    if (pick.card >= 0)
        return CardInfoText(cat, my, pick.card) + "\n●値段：" + std::to_string(CardPrice(cat, pick.card)) + "円";
    if (pick.icon >= 0) {
        const ticon& row = Slot(cat.icon, pick.icon);
        return GoodsInfo("< ICON >", row.name, row.description, Slot(my.icon_count, pick.icon), IconPrice(cat, pick.icon));
    }
    if (pick.item >= 0) {
        const titem& row = Slot(cat.item, pick.item);
        return GoodsInfo("< ITEM >", row.name, row.description, ItemCount(my, pick.item), row.price);
    }
    return {};
}

BuyResult BuyInShop(const Catalogue& cat, tmy& my, const ShopPick& picked) {
    BuyResult out;
    const ShopPick pick = NamedOnly(cat, picked);
    if (pick.Empty()) return out;
    const int32_t price = PickPrice(cat, pick);
    if (price > my.money) {
        out.outcome = BuyOutcome::TooDear;
        return out;
    }
    my.money = PayFloor(my.money, price);
    out.outcome = BuyOutcome::Bought;
    if (pick.card >= 0) {
        int32_t& count = Slot(my.card_count, pick.card);
        count = AddOneCapped(count);
        out.message = BoughtNotice("カード", CardNameOf(cat, pick.card), count, "枚");
    } else if (pick.icon >= 0) {
        int32_t& count = Slot(my.icon_count, pick.icon);
        count = AddOneCapped(count);
        out.message = BoughtNotice("アイコン", IconNameOf(cat, pick.icon), count, "個");
    } else {
        int32_t& count = Slot(my.item_count, pick.item - 1);
        count = AddOneCapped(count);
        out.message = BoughtNotice("アイテム", ItemNameOf(cat, pick.item), count, "個");
    }
    return out;
}

}  // namespace kestra
