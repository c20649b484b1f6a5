// The exchange icons 59, 63 and 219, each held off by icon 81.
#include <string>
#include <utility>

#include "catalogue/card_facts.h"
#include "duel/flash.h"
#include "duel/side_rules.h"
#include "effects/effect_kit.h"
#include "effects/reshape_steps.h"

namespace kestra::reshape {

namespace {
using effect_kit::Say;

// The cues of an exchange: white flash on both slots, "do.wav" on channel 0.
void ExchangeCues(DuelContext& ctx, int32_t first, int32_t second) {
    Flash(ctx, FlashColour::White, first);
    Flash(ctx, FlashColour::White, second);
    ctx.screen().PlaySe("do.wav", 0);
}

// Local slot k and opponent slot k + 3 exchange identity and figures; waza, card_no and lv stay.
void SwapCards(DuelContext& ctx, int32_t k) {
    tchar& a = Slot(ctx.d, k);
    tchar& b = Slot(ctx.d, k + 3);
    Say(ctx, "なんと" + a.name + "と、" + ctx.d.e_label + "の" + b.name + "が入れ替わってしまった！");
    std::swap(a.name, b.name);
    std::swap(a.orig_no, b.orig_no);
    std::swap(a.status1, b.status1);
    std::swap(a.status2, b.status2);
    std::swap(a.element, b.element);
    std::swap(a.hp, b.hp);
    std::swap(a.mp, b.mp);
    std::swap(a.rarity, b.rarity);
    ctx.screen().SetSlotPicture(k, CardPicturePath(a.card_no));
    ctx.screen().SetSlotPicture(k + 3, CardPicturePath(b.card_no));
}
}  // namespace

void ExchangeCards(DuelContext& ctx, StartReport& report) {
    for (const auto& [icon, k] : {std::pair{59, 1}, std::pair{63, 2}}) {
        const std::string rule = "exchange" + std::to_string(icon);
        for (const bool local : {true, false}) {
            if (!Wears(ctx.d, local, icon) || Wears(ctx.d, !local, 81)) continue;
            ExchangeCues(ctx, k, k + 3);
            SwapCards(ctx, k);
            report.Fired(rule);
        }
    }
}

void ExchangeBadStatuses(DuelContext& ctx, StartReport& report) {
    // The mend: the rule read only the local icon, so the two programs disagreed; the opponent's 219
    // now acts too, its line naming the opponent's card first as the opponent's program shows it.
    for (const bool local : {true, false}) {
        if (!Wears(ctx.d, local, 219) || Wears(ctx.d, !local, 81)) continue;
        for (int32_t k = 1; k <= 3; ++k) {
            tchar& mine = Slot(ctx.d, k);
            tchar& theirs = Slot(ctx.d, k + 3);
            if (local) {
                ExchangeCues(ctx, k, k + 3);
                Say(ctx, "なんと" + mine.name + "と、" + ctx.d.e_label + "の" + theirs.name +
                             "ステータスが入れ替わってしまった！");
            } else {
                ExchangeCues(ctx, k + 3, k);
                Say(ctx, "なんと" + ctx.d.e_label + "の" + theirs.name + "と、" + mine.name +
                             "ステータスが入れ替わってしまった！");
            }
            std::swap(mine.status1, theirs.status1);
            report.Fired("icon219");
        }
    }
}

}  // namespace kestra::reshape
