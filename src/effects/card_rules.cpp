#include "effects/card_rules.h"

#include <array>

#include "base/int_text.h"
#include "duel/side_rules.h"
#include "effects/card_rules_parts.h"
#include "effects/statuses.h"

namespace kestra {

namespace {

// Kind 15's good status by s mod 6.
constexpr std::array<int32_t, 6> kKind15Good = {9, 12, 8, 7, 11, 10};

// Kind 16's HP and MP of slots 1, 2, 3 by s mod 6 (slots 4, 5, 6 take the same).
struct Figures {
    int32_t hp, mp;
};
constexpr std::array<std::array<Figures, 3>, 6> kKind16Figures = {{
    {{{3, 4}, {4, 2}, {5, 5}}},
    {{{10, 4}, {17, 0}, {6, 10}}},
    {{{8, 14}, {4, 13}, {10, 3}}},
    {{{10, 0}, {10, 0}, {10, 0}}},
    {{{4, 9}, {5, 4}, {6, 7}}},
    {{{99, 99}, {99, 99}, {99, 99}}},
}};

// s mod 6 taken as 0..5 (a negative remainder is folded up).
size_t SixthOf(const DuelRecord& d) {
    const int32_t m = SharedIdSum(d) % 6;
    return static_cast<size_t>(m < 0 ? m + 6 : m);
}

constexpr std::array<std::string_view, 22> kNames = {
    "kind14",  "kind15",  "kind16",  "card169", "icon241", "card141",       "card166", "card250",
    "card230", "card305", "card315", "virus",   "card228", "card197",       "card216", "card249",
    "card304", "card251", "card208", "card209", "card211", "fixed_statuses"};

}  // namespace

int32_t SharedIdSum(const DuelRecord& d) { return WrapAdd(d.my_id, d.aite_id); }

void RuleDuelOpenings(DuelContext& ctx, StartReport& report) {
    DuelRecord& d = ctx.d;
    if (d.duel_kind == 14) {
        for (int32_t s = 1; s <= 6; ++s) Slot(d, s).status1 = status::kBadContract;
        report.Fired("kind14");
    } else if (d.duel_kind == 15) {
        for (int32_t s = 1; s <= 6; ++s) Slot(d, s).status2 = kKind15Good[SixthOf(d)];
        report.Fired("kind15");
    } else if (d.duel_kind == 16) {
        const std::array<Figures, 3>& row = kKind16Figures[SixthOf(d)];
        for (int32_t s = 1; s <= 6; ++s) {
            Slot(d, s).hp = row[static_cast<size_t>((s - 1) % 3)].hp;
            Slot(d, s).mp = row[static_cast<size_t>((s - 1) % 3)].mp;
        }
        report.Fired("kind16");
    }
}

void CardPresenceRules(DuelContext& ctx, StartReport& report) {
    SideCardRules(ctx, report);
    SlotCardRules(ctx, report);
}

std::span<const std::string_view> CardRuleNames() { return kNames; }

}  // namespace kestra
