// Step 3 of the duel start: cards 169 and 141 and icon 241 against the other side's worn icons.
#include <array>
#include <functional>
#include <string>

#include "base/int_text.h"
#include "duel/side_rules.h"
#include "effects/card_rules.h"
#include "effects/effect_kit.h"
#include "effects/worn_icons.h"

namespace kestra {

namespace {

using effect_kit::CardName;
using effect_kit::SideHasCard;

constexpr int32_t kLightCard = 169;      // lifts darkness icons
constexpr int32_t kSpiritLight = 241;    // the icon that does the same
constexpr int32_t kBreakerCard = 141;    // lifts icon protectors
constexpr int32_t kIconProtector = 146;  // 【ｱｲｺﾝﾌﾟﾛﾃｸﾀｰ】
constexpr std::array<int32_t, 4> kDarknessIcons = {56, 57, 231, 240};

// The line for lifting the icon in slot 1 or 2.
using LiftLine = std::function<std::string(int32_t icon_slot)>;

// One of the darkness icons 56, 57, 231, 240.
bool IsDarkness(int32_t icon) {
    for (const int32_t n : kDarknessIcons)
        if (icon == n) return true;
    return false;
}

// Each worn icon of a side that passes the test, slot 1 then 2: "icon.wav", lifted, its line and a click.
void LiftEach(DuelContext& ctx, StartReport& report, std::string_view rule, bool lifted_side,
              bool (*lifts)(int32_t icon), const LiftLine& line) {
    for (int32_t icon_slot = 1; icon_slot <= 2; ++icon_slot) {
        if (!lifts(WornIcon(ctx.d, lifted_side, icon_slot))) continue;
        ctx.screen().PlaySe("icon.wav", 0);
        LiftWornIcon(ctx, lifted_side, icon_slot);
        effect_kit::Say(ctx, line(icon_slot));
        report.Fired(rule);
    }
}

// Card 169 on either side, then icon 241 on either side, lift the other side's darkness icons.
void LiftDarkness(DuelContext& ctx, StartReport& report) {
    const std::string& light = CardName(ctx, kLightCard);
    const std::string& e = ctx.d.e_label;
    if (SideHasCard(ctx, true, kLightCard))
        LiftEach(ctx, report, "card169", false, IsDarkness,
                 [&](int32_t) { return light + "の力によって、" + e + "のダークネスアイコン解除"; });
    if (SideHasCard(ctx, false, kLightCard))
        LiftEach(ctx, report, "card169", true, IsDarkness, [&](int32_t icon_slot) {
            return (icon_slot == 1 ? e + "の" : std::string()) + light +
                   "の力によって、ダークネスアイコン解除";
        });
    if (SideWears(ctx.d, 1, kSpiritLight))
        LiftEach(ctx, report, "icon241", false, IsDarkness,
                 [&](int32_t) { return "精霊・ライトの力によって、" + e + "のダークネスアイコン解除"; });
    if (SideWears(ctx.d, 4, kSpiritLight))
        LiftEach(ctx, report, "icon241", true, IsDarkness, [&](int32_t icon_slot) {
            return (icon_slot == 1 ? e + "の" : std::string()) +
                   "精霊・ライトの力によって、ダークネスアイコン解除";
        });
}

// Icon 146, the icon protector.
bool IsProtector(int32_t icon) { return icon == kIconProtector; }

// Card 141 on a side lifts each icon 146 of the other side; each lift gives its own three cards 2 HP.
void BreakProtectors(DuelContext& ctx, StartReport& report, bool local_side) {
    if (!SideHasCard(ctx, local_side, kBreakerCard)) return;
    const std::string& breaker = CardName(ctx, kBreakerCard);
    const DuelRecord& d = ctx.d;
    const LiftLine line = [&](int32_t) {
        return local_side
                   ? breaker + "の力によって、" + d.e_label + "の【ｱｲｺﾝﾌﾟﾛﾃｸﾀｰ】解除"
                   : d.e_label + "の" + breaker + "の力によって、" + d.my_label + "の【ｱｲｺﾝﾌﾟﾛﾃｸﾀｰ】解除";
    };
    for (int32_t icon_slot = 1; icon_slot <= 2; ++icon_slot) {
        if (!IsProtector(WornIcon(ctx.d, !local_side, icon_slot))) continue;
        ctx.screen().PlaySe("icon.wav", 0);
        LiftWornIcon(ctx, !local_side, icon_slot);
        effect_kit::Say(ctx, line(icon_slot));
        const int32_t first = effect_kit::FirstSlot(local_side);
        for (int32_t s = first; s < first + 3; ++s) Slot(ctx.d, s).hp = WrapAdd(Slot(ctx.d, s).hp, 2);
        effect_kit::Line(
            ctx, local_side ? "その効果発動により、味方全員 HP +2" : "その効果発動により、相手全員 HP +2");
        report.Fired("card141");
    }
}

}  // namespace

void CardAgainstIconRules(DuelContext& ctx, StartReport& report) {
    LiftDarkness(ctx, report);
    BreakProtectors(ctx, report, true);
    BreakProtectors(ctx, report, false);
}

}  // namespace kestra
