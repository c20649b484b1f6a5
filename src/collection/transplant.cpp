#include "collection/transplant.h"

#include "collection/economy_kit.h"
#include "collection/technique_shop.h"

namespace kestra {

namespace {

constexpr int32_t kLevelDown = 0;  // "解"

// The purse and stock lines that close every transplant notice.
std::string StockAndPurse(const tmy& my, int32_t k) {
    return "\n\n所持：" + std::to_string(Slot(my.magic_count, k)) + "個\n所持金：" + std::to_string(my.money) + "円";
}

}  // namespace

bool CanTransplantInto(const Catalogue& cat, int32_t card) { return !CardNameOf(cat, card).empty(); }

std::string TransplantRow(const Catalogue& cat, const tmy& my, int32_t k) {
    if (NamedTechnique(cat, k) && Slot(my.magic_count, k) >= 1) return Slot(cat.magic, k).name;
    return "??????";
}

int32_t TransplantFee(const Catalogue& cat, int32_t k, int32_t card) {
    if (!NamedTechnique(cat, k) || !InRange(card, kCardRows)) return 0;
    return Slot(cat.magic, k).price / 3 + Slot(cat.card, card).rarity;
}

std::string TransplantInfo(const Catalogue& cat, const tmy& my, int32_t k, int32_t card) {
    if (!NamedTechnique(cat, k)) return {};
    const tmagic& row = Slot(cat.magic, k);
    return "★" + row.name + "\n所持：" + std::to_string(Slot(my.magic_count, k)) + "個\n" + row.description +
           "\n\n移植費用：" + std::to_string(TransplantFee(cat, k, card)) + "円";
}

TransplantResult Transplant(const Catalogue& cat, tmy& my, int32_t k, int32_t card) {
    TransplantResult out;
    if (!NamedTechnique(cat, k) || !CanTransplantInto(cat, card)) return out;
    const int32_t fee = TransplantFee(cat, k, card);
    // A technique not held cannot be spent: the stock would go below zero.
    if (fee > my.money || Slot(my.magic_count, k) < 1) {
        out.outcome = TransplantOutcome::Refused;
        return out;
    }
    Slot(my.magic_count, k) -= 1;
    my.money -= fee;
    out.outcome = TransplantOutcome::Done;
    const std::string& card_name = CardNameOf(cat, card);
    if (k != kLevelDown) {
        Slot(my.card_magic, card) = k;
        out.message = "Card【" + card_name + "】に\n\n術【" + Slot(cat.magic, k).name + "】を移植した!!" + StockAndPurse(my, k);
        return out;
    }
    int32_t& level = Slot(my.card_level, card);
    const int32_t before = level;
    if (level > 0) level -= 1;
    out.message = "Card【" + card_name + "】のレベルを1下げた！\n\nLv: " + std::to_string(before) + " → " +
                  std::to_string(level) + StockAndPurse(my, k);
    return out;
}

}  // namespace kestra
