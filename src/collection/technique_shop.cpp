#include "collection/technique_shop.h"

#include <array>

#include "collection/economy_kit.h"

namespace kestra {

namespace {

// What opens a technique: merit or rank points reaching a threshold.
struct Unlock {
    bool by_rank;
    int32_t threshold;
};

// Rows 19..36; rows 0..18 open at merit 10 × k.
constexpr int32_t kFirstTableRow = 19;
constexpr std::array<Unlock, 18> kUnlocks = {{{true, 30},   {true, 90},   {true, 50},   {true, 70},   {true, 50},
                                              {true, 100},  {true, 120},  {true, 200},  {true, 220},  {true, 300},
                                              {true, 320},  {false, 300}, {false, 320}, {false, 0},   {false, 10},
                                              {false, 20},  {false, 30},  {false, 40}}};

}  // namespace

bool NamedTechnique(const Catalogue& cat, int32_t k) {
    return InRange(k, kTechniqueRows) && !Slot(cat.magic, k).name.empty();
}

bool TechniqueUnlocked(const tmy& my, int32_t k) {
    if (!InRange(k, kTechniqueRows)) return false;
    if (k < kFirstTableRow) return my.merit >= 10 * k;
    const Unlock& u = Slot(kUnlocks, k - kFirstTableRow);
    return (u.by_rank ? my.rank_points : my.merit) >= u.threshold;
}

std::string TechniqueShopRow(const Catalogue& cat, const tmy& my, int32_t k) {
    return TechniqueUnlocked(my, k) && NamedTechnique(cat, k) ? Slot(cat.magic, k).name : std::string();
}

std::string TechniqueShopInfo(const Catalogue& cat, const tmy& my, int32_t k) {
    if (TechniqueShopRow(cat, my, k).empty()) return {};
    const tmagic& row = Slot(cat.magic, k);
    return "★" + row.name + "\n所持：" + std::to_string(Slot(my.magic_count, k)) + "個\n" + row.description +
           "\n\n●値段：" + std::to_string(row.price) + "Ark";
}

std::string ArkLine(const tmy& my, bool named_row) {
    return (named_row ? "所持金Ark：" : "所持Ark：") + std::to_string(my.ark);
}

TechniqueBuyResult BuyTechnique(const Catalogue& cat, tmy& my, int32_t k) {
    TechniqueBuyResult out;
    if (TechniqueShopRow(cat, my, k).empty()) return out;
    const tmagic& row = Slot(cat.magic, k);
    if (row.price > my.ark) {
        out.outcome = TechniqueBuyOutcome::TooDear;
        return out;
    }
    int32_t& stock = Slot(my.magic_count, k);
    stock = AddOneCapped(stock);
    my.ark = PayFloor(my.ark, row.price);
    out.outcome = TechniqueBuyOutcome::Bought;
    out.message = "術【" + row.name + "】を購入した!!\n\n所持：" + std::to_string(stock) + "個\n所持Ark：" + std::to_string(my.ark);
    return out;
}

}  // namespace kestra
