// Step 5 of the duel start: the opening effects of transplanted techniques, every slot of both sides.
#include <array>

#include "duel/side_rules.h"
#include "effects/effect_kit.h"
#include "effects/icon_openings.h"
#include "effects/opening_steps.h"
#include "effects/statuses.h"

namespace kestra {

namespace {

using opening::Plus;
using namespace status;

// The techniques that act at the start, in table order.
constexpr std::array<int32_t, 12> kOpeningTechniques = {19, 20, 21, 22, 24, 25, 26, 27, 28, 29, 32, 36};

// What technique t does to the card that carries it.
void OnOwnCard(int32_t t, tchar& c) {
    switch (t) {
        case 19:
            c.status2 = kGoodStrengthened;
            break;
        case 20:
            c.status1 = kBadContract;
            break;
        case 21:
            c.status1 = kBadWeakened, c.status2 = kGoodHealing;
            break;
        case 22:
            c.status1 = kBadConfusion, c.status2 = kGoodShield;
            break;
        case 24:
            c.status1 = kBadSuspended, c.hp = Plus(c.hp, 10);
            break;
        case 25:
            c.status2 = kGoodDivinity, c.hp = 1, c.mp = 1;
            break;
        case 26:
            c.status1 = kBadBetrayal;
            break;
        case 27:
            c.hp = 0, c.mp = Plus(c.mp, 10);
            break;
        case 28:
            c.hp = Plus(c.hp, 5), c.mp = Plus(c.mp, 5), c.status1 = kBadTime1;
            break;
        case 29:
            c.status1 = kBadJail;
            break;
        case 32:
            c.lv = Plus(c.lv, 5);
            break;
        case 36:
            c.hp = Plus(c.hp, 1), c.mp = Plus(c.mp, 1);
            break;
        default:
            break;
    }
}

// The technique acts at the start.
bool Opens(int32_t t) {
    for (const int32_t k : kOpeningTechniques)
        if (k == t) return true;
    return false;
}

}  // namespace

// Each card's own effect first (slots 1..6), then the facing cards of 26 and 29: the result does not
// depend on which side is local, so both programs agree whatever the two sides carry.
void TransplantedOpenings(DuelContext& ctx, StartReport& report) {
    for (int32_t s = 1; s <= 6; ++s) {
        tchar& c = Slot(ctx.d, s);
        if (!Opens(c.waza)) continue;
        report.Fired("tech" + std::to_string(c.waza));
        OnOwnCard(c.waza, c);
    }
    std::array<int32_t, 7> facing_bad{};
    for (int32_t s = 1; s <= 6; ++s) {
        const int32_t t = Slot(ctx.d, s).waza;
        if (t == 26) facing_bad[static_cast<size_t>(Facing(s))] = kBadBetrayal;
        if (t == 29) facing_bad[static_cast<size_t>(Facing(s))] = kBadJail;
    }
    for (int32_t s = 1; s <= 6; ++s)
        if (facing_bad[static_cast<size_t>(s)] != 0)
            Slot(ctx.d, s).status1 = facing_bad[static_cast<size_t>(s)];
}

const std::vector<std::string_view>& opening::TechniqueNames() {
    static const std::vector<std::string> owned = [] {
        std::vector<std::string> out;
        for (const int32_t t : kOpeningTechniques) out.push_back("tech" + std::to_string(t));
        return out;
    }();
    static const std::vector<std::string_view> names(owned.begin(), owned.end());
    return names;
}

}  // namespace kestra
