// The element stage of step 7: each rule acts once for a side that wears its icon, in either slot
// or both; every rule reads and changes only the wearer's three cards.
#include <array>

#include "duel/side_rules.h"
#include "effects/opening_steps.h"
#include "effects/statuses.h"

namespace kestra::opening {

namespace {

using namespace status;
using Slots = std::vector<int32_t>;

// One rule of the stage: its icon and what it does to the wearer's three cards.
struct StageRule {
    int32_t icon;
    void (*act)(DuelRecord& d, const Slots& slots);
};

// Every card of the side whose element is e.
template <typename F>
void EachOfElement(DuelRecord& d, const std::vector<int32_t>& slots, int32_t e, F f) {
    for (const int32_t s : slots)
        if (Slot(d, s).element == e) f(Slot(d, s));
}

void SetElement(DuelRecord& d, const std::vector<int32_t>& slots, int32_t e) {
    for (const int32_t s : slots) Slot(d, s).element = e;
}

// HP and MP become the side's averages (sum div 3), HP first.
void Average(DuelRecord& d, const std::vector<int32_t>& slots) {
    int32_t hp = 0, mp = 0;
    for (const int32_t s : slots) hp = Plus(hp, Slot(d, s).hp);
    for (const int32_t s : slots) Slot(d, s).hp = hp / 3;
    for (const int32_t s : slots) mp = Plus(mp, Slot(d, s).mp);
    for (const int32_t s : slots) Slot(d, s).mp = mp / 3;
}

// The stage in its order: the game's fixed rules, then the rules chosen for icons 30..40.
const std::array<StageRule, 17> kStage = {{
    {19, [](DuelRecord& d, const Slots& s) { SetElement(d, s, 3); }},
    {20, [](DuelRecord& d, const Slots& s) { SetElement(d, s, 4); }},
    {21, [](DuelRecord& d, const Slots& s) { SetElement(d, s, 1); }},
    {22, [](DuelRecord& d, const Slots& s) { SetElement(d, s, 2); }},
    {23, [](DuelRecord& d, const Slots& s) { SetElement(d, s, 0); }},
    {28, [](DuelRecord& d,
            const Slots& s) { EachOfElement(d, s, 3, [](tchar& c) { c.status2 = kGoodStrengthened; }); }},
    {29, [](DuelRecord& d,
            const Slots& s) { EachOfElement(d, s, 4, [](tchar& c) { c.status2 = kGoodHealing; }); }},
    {153,
     [](DuelRecord& d, const Slots& s) {
         for (const int32_t k : s) Slot(d, k).status1 = kBadTime3;
     }},
    {167, [](DuelRecord& d, const Slots& s) { Average(d, s); }},
    {181,
     [](DuelRecord& d, const Slots& s) {
         for (const int32_t k : s) Slot(d, k).lv = Slot(d, k).mp, Slot(d, k).mp = 0;
     }},
    // 聖約の灯明: <光> cards <約>, LV + 1.
    {30,
     [](DuelRecord& d, const Slots& s) {
         EachOfElement(d, s, 1, [](tchar& c) { c.status2 = kGoodPromise, c.lv = Plus(c.lv, 1); });
     }},
    // 夜霧の衣: <闇> cards <雲>, MP + 2.
    {31,
     [](DuelRecord& d, const Slots& s) {
         EachOfElement(d, s, 2, [](tchar& c) { c.status2 = kGoodCloud, c.mp = Plus(c.mp, 2); });
     }},
    // 石垣の守り: <無> cards <盾>, HP + 2.
    {32,
     [](DuelRecord& d, const Slots& s) {
         EachOfElement(d, s, 0, [](tchar& c) { c.status2 = kGoodShield, c.hp = Plus(c.hp, 2); });
     }},
    // 底力の帯: HP below 5 becomes 5.
    {36,
     [](DuelRecord& d, const Slots& s) {
         for (const int32_t k : s)
             if (Slot(d, k).hp < 5) Slot(d, k).hp = 5;
     }},
    // 吸血の牙: <闇> cards HP + 2 (the flick drain is the battle's).
    {37,
     [](DuelRecord& d, const Slots& s) { EachOfElement(d, s, 2, [](tchar& c) { c.hp = Plus(c.hp, 2); }); }},
    // 受け流しの籠手: HP 3 or less gains 3 (the counter reduction is the battle's).
    {38,
     [](DuelRecord& d, const Slots& s) {
         for (const int32_t k : s)
             if (Slot(d, k).hp <= 3) Slot(d, k).hp = Plus(Slot(d, k).hp, 3);
     }},
    // 奇数の賽: an odd HP gains 3.
    {40,
     [](DuelRecord& d, const Slots& s) {
         for (const int32_t k : s)
             if (Slot(d, k).hp % 2 != 0) Slot(d, k).hp = Plus(Slot(d, k).hp, 3);
     }},
}};

// "element" + the icon's number.
std::string StageName(int32_t icon) { return "element" + std::to_string(icon); }

}  // namespace

void ElementStage(DuelContext& ctx, StartReport& report) {
    for (const bool local : {true, false}) {
        const std::vector<int32_t> slots = SideSlots(local);
        for (const StageRule& rule : kStage) {
            if (!Wears(ctx.d, local, rule.icon)) continue;
            report.Fired(StageName(rule.icon));
            rule.act(ctx.d, slots);
        }
    }
}

const std::vector<std::string_view>& ElementNames() {
    static const std::vector<std::string> owned = [] {
        std::vector<std::string> out;
        for (const StageRule& rule : kStage) out.push_back(StageName(rule.icon));
        return out;
    }();
    static const std::vector<std::string_view> names(owned.begin(), owned.end());
    return names;
}

}  // namespace kestra::opening
