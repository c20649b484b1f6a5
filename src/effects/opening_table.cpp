// The icon opening table of step 7: the game's fixed rules and the rules chosen for icons 39, 41, 43,
// 60, 147, 207, 278 and 229, each worn icon slot by itself (an icon worn twice acts twice).
#include <array>
#include <optional>

#include "duel/side_rules.h"
#include "effects/data_roles.h"
#include "effects/opening_steps.h"
#include "effects/statuses.h"
#include "effects/tagged_openings.h"

namespace kestra::opening {

namespace {

using namespace status;

// The worn icon of one slot and the cards it acts on.
struct Wearer {
    DuelContext& ctx;
    bool local;
    int32_t icon;

    tchar& Card(int32_t k) const { return Slot(ctx.d, (local ? 0 : 3) + k); }  // k = 1..3
    // The other side's icons that are worn (not -1) and pass the test.
    template <typename F>
    int32_t OtherIcons(F test) const {
        int32_t n = 0;
        for (int32_t k = 1; k <= 2; ++k) {
            const int32_t icon_no = WornIcon(ctx.d, !local, k);
            if (icon_no != -1 && test(icon_no)) ++n;
        }
        return n;
    }
    // The card bears the catalogue name of card n.
    bool Is(int32_t k, int32_t card) const { return IsCard(ctx.d, ctx.cat, (local ? 0 : 3) + k, card); }
};

// HP, MP and LV gains.
void Gain(tchar& c, int32_t hp, int32_t mp, int32_t lv = 0) {
    c.hp = Plus(c.hp, hp);
    c.mp = Plus(c.mp, mp);
    c.lv = Plus(c.lv, lv);
}

// Every card of all six whose element is e gains (hp, mp).
void EveryOfElement(DuelRecord& d, int32_t e, int32_t hp, int32_t mp) {
    for (int32_t s = 1; s <= 6; ++s)
        if (Slot(d, s).element == e) Gain(Slot(d, s), hp, mp);
}

// Card numbers of the two roles matched by name, and of icon 147's six cards.
bool IsTrainee(const Wearer& w, int32_t k) {
    for (const int32_t card : EmbeddedDataRoles().trainee)
        if (w.Is(k, card)) return true;
    return false;
}
bool IsTroupe(const Wearer& w, int32_t k) {
    for (const int32_t card : EmbeddedDataRoles().icon147)
        if (w.Is(k, card)) return true;
    return w.Is(k, 94) || w.Is(k, 236);
}

// The wearer's three cards all share one element.
bool OneElement(const Wearer& w) {
    return w.Card(1).element == w.Card(2).element && w.Card(2).element == w.Card(3).element;
}

// The card's name is the name of another of the wearer's cards.
bool HasTwin(const Wearer& w, int32_t k) {
    for (int32_t j = 1; j <= 3; ++j)
        if (j != k && w.Card(j).name == w.Card(k).name) return true;
    return false;
}

// The good status a card of the given LV gets from icons 183..186.
std::optional<int32_t> LevelStatus(int32_t icon) {
    switch (icon) {
        case 183:
            return kGoodHealing;
        case 184:
            return kGoodRampage;
        case 185:
            return kGoodPromise;
        case 186:
            return kGoodDivinity;
        default:
            return std::nullopt;
    }
}

// The elements of icons 0..3 and 6..9 (fire, water, light, dark) and of the banners 11..18.
constexpr std::array<int32_t, 4> kRising = {3, 4, 1, 2};
constexpr std::array<int32_t, 4> kFalling = {4, 3, 2, 1};

// One card of the wearer by the rule of its icon; the rules that look at the side as a whole are below.
void OnCard(const Wearer& w, int32_t k) {
    tchar& c = w.Card(k);
    const int32_t icon = w.icon;
    if (icon >= 0 && icon <= 3 && c.element == kRising[static_cast<size_t>(icon)]) Gain(c, 6, 0, 1);
    if (icon >= 6 && icon <= 9 && c.element == kRising[static_cast<size_t>(icon - 6)]) Gain(c, 0, 6, 1);
    if (icon == 10 && c.element == 0) Gain(c, 4, 4);
    if (icon == 39 && w.Is(k, EmbeddedDataRoles().icon39)) Gain(c, 5, 5);
    if (icon == 43 && IsTrainee(w, k)) Gain(c, 4, 4, 4);
    if (icon == 47) Gain(c, 7, 0), c.status1 = kBadPoison;
    if (icon == 48) {
        Gain(c, 9, 0);
        if (!Wears(w.ctx.d, w.local, 26)) c.status1 = kBadCurse;
    }
    if (icon == 49) Gain(c, 12, 0), c.status1 = kBadStone;
    if (icon == 50) Gain(c, -5, 0), c.status2 = kGoodPromise;
    if (icon == 54) Gain(c, 3, 3), c.status1 = kBadWeakened;
    if (icon == 58 && w.ctx.cat.card[static_cast<size_t>(c.card_no)].hp == 0) Gain(c, 5, 5);
    if (icon == 64 && w.ctx.cat.card[static_cast<size_t>(c.card_no)].mp == 0) Gain(c, 5, 5);
    if (icon == 60 && c.rarity >= 0 && c.rarity <= 3) Gain(c, 4, 0);
    if (icon == 147 && IsTroupe(w, k)) Gain(c, 3, 3);
    if (icon == 182 && c.lv == 0) Gain(c, 2, 0);
    if (const auto good = LevelStatus(icon); good && c.lv == 2 * (icon - 182)) c.status2 = *good;
    if (icon == 191) Gain(c, 0, 0, 8);
    if (icon == 207 && c.rarity == 14) Gain(c, 3, 3);
}

// The icons of the table that act on the side as a whole or on one of its cards.
void OnSide(const Wearer& w) {
    const int32_t icon = w.icon;
    if (icon >= 11 && icon <= 14) {
        EveryOfElement(w.ctx.d, kRising[static_cast<size_t>(icon - 11)], 4, 0);
        EveryOfElement(w.ctx.d, kFalling[static_cast<size_t>(icon - 11)], -2, 0);
    }
    if (icon >= 15 && icon <= 18) {
        EveryOfElement(w.ctx.d, kRising[static_cast<size_t>(icon - 15)], 0, 4);
        EveryOfElement(w.ctx.d, kFalling[static_cast<size_t>(icon - 15)], 0, -2);
    }
    if (icon == 65) {
        const int32_t worn = w.OtherIcons([](int32_t) { return true; });
        for (int32_t k = 1; k <= 3; ++k) Gain(w.Card(k), 0, 5 * worn);
    }
    if (icon == 77) {
        const int32_t hidden =
            w.OtherIcons([](int32_t n) { return (n >= 68 && n <= 77) || (n >= 83 && n <= 87); });
        for (int32_t k = 1; k <= 3; ++k) Gain(w.Card(k), 8 * hidden, 8 * hidden);
    }
    if (icon == 96) Gain(w.Card(1), 20, 0), Gain(w.Card(2), -20, 0);
    if (icon == 112) Gain(w.Card(1), 10, 0);
    if (icon == 113) Gain(w.Card(1), 0, 10);
    if (icon == 114) w.Card(1).status2 = kGoodPromise;
    if (icon == 115) w.Card(1).status2 = kGoodHealing, Gain(w.Card(1), 2, 2);
    if (icon == 258) w.Card(2).status2 = kGoodPromise;
    if (icon == 41 && OneElement(w))
        for (int32_t k = 1; k <= 3; ++k) Gain(w.Card(k), 4, 4);
    if (icon == 278) {
        std::array<bool, 4> twin{};
        for (int32_t k = 1; k <= 3; ++k) twin[static_cast<size_t>(k)] = HasTwin(w, k);
        for (int32_t k = 1; k <= 3; ++k)
            if (twin[static_cast<size_t>(k)]) Gain(w.Card(k), 4, 4);
    }
}

// The icons with a rule in this table (229 acts in the last pass).
constexpr int32_t kTableIcons[] = {0,   1,   2,   3,   6,   7,   8,   9,   10,  11,  12,  13,
                                   14,  15,  16,  17,  18,  39,  41,  43,  47,  48,  49,  50,
                                   54,  58,  60,  64,  65,  77,  96,  112, 113, 114, 115, 147,
                                   182, 183, 184, 185, 186, 191, 207, 258, 278, 229};

bool InTable(int32_t icon) {
    for (const int32_t t : kTableIcons)
        if (t == icon) return true;
    return false;
}

// The four worn slots in their order: my_icon1, my_icon2, e_icon1, e_icon2; or, when the order must
// not depend on which side is local, the applicant's two slots first.
template <typename F>
void EachWornSlot(const DuelRecord& d, F f, bool applicant_first = false) {
    const bool first = !applicant_first || d.duel_role == kApplicant;
    for (const bool local : {first, !first})
        for (int32_t k = 1; k <= 2; ++k)
            if (const int32_t icon = WornIcon(d, local, k); icon != -1) f(local, icon);
}

// 229: each of the wearer's cards takes a copy of its facing card's good status, from the statuses
// as they stood before any 229 acted.
void CopyFacingGood(DuelContext& ctx, StartReport& report) {
    std::array<int32_t, 7> before{};
    for (int32_t s = 1; s <= 6; ++s) before[static_cast<size_t>(s)] = Slot(ctx.d, s).status2;
    EachWornSlot(ctx.d, [&](bool local, int32_t icon) {
        if (icon != 229) return;
        report.Fired(IconName(229));
        for (const int32_t s : SideSlots(local)) {
            const int32_t facing = before[static_cast<size_t>(s <= 3 ? s + 3 : s - 3)];
            if (facing != kGoodNone) Slot(ctx.d, s).status2 = facing;
        }
    });
}

}  // namespace

std::string IconName(int32_t icon) { return "icon" + std::to_string(icon); }

// Four passes, each over the worn slots in order: the table and the "ally" tags (each changes only the
// wearer's cards, or all six by additions), the "foe" tags, the "all" tags (the applicant's first, as
// they touch both sides), then 229. Every pass's result is the same whichever side is local, so both
// programs reach the same record.
void OpeningTable(DuelContext& ctx, StartReport& report) {
    EachWornSlot(ctx.d, [&](bool local, int32_t icon) {
        if (!InTable(icon) || icon == 229) return;
        report.Fired(IconName(icon));
        const Wearer w{ctx, local, icon};
        for (int32_t k = 1; k <= 3; ++k) OnCard(w, k);
        OnSide(w);
    });
    for (const TagSide side : {TagSide::Ally, TagSide::Foe, TagSide::All})
        EachWornSlot(
            ctx.d,
            [&](bool local, int32_t icon) {
                if (InTable(icon)) return;
                ApplyOpeningTag(ctx, report, local, icon, side);
            },
            side == TagSide::All);
    CopyFacingGood(ctx, report);
}

const std::vector<std::string_view>& TableNames() {
    static const std::vector<std::string> owned = [] {
        std::vector<std::string> out;
        for (const int32_t icon : kTableIcons) out.push_back(IconName(icon));
        for (const int32_t icon : OpeningTagIcons()) out.push_back(IconName(icon));
        return out;
    }();
    static const std::vector<std::string_view> names(owned.begin(), owned.end());
    return names;
}

}  // namespace kestra::opening
