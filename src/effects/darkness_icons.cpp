// Step 6 of the duel start: icon 78, the darkness icons 56, 57, 231, card 274 and icon 240.
// Each sub-step decides both sides' removals from the icons as they stood before it, so an icon just
// removed still counts as worn and both programs lift the same icons.
#include <array>

#include "duel/side_rules.h"
#include "effects/effect_kit.h"
#include "effects/icon_openings.h"
#include "effects/opening_steps.h"
#include "effects/worn_icons.h"

namespace kestra {

namespace {

using opening::Plus;

constexpr int32_t kDawnBell = 78;        // 夜明けの鐘
constexpr int32_t kLeftHand = 56;        // 闇の手・左
constexpr int32_t kRightHand = 57;       // 闇の手・右
constexpr int32_t kBothHands = 231;      // 闇の双手
constexpr int32_t kClaw = 240;           // 闇の爪
constexpr int32_t kGuardWedge = 81;      // 守護の楔
constexpr int32_t kIconProtector = 146;  // ｱｲｺﾝﾌﾟﾛﾃｸﾀｰ
constexpr int32_t kIconEater = 274;      // 紋章喰らいの大鰐

// The four icons: [local side][icon slot 1 or 2].
using Icons = std::array<std::array<int32_t, 3>, 2>;

Icons Snapshot(const DuelRecord& d) {
    Icons out{};
    for (const bool local : {true, false})
        for (int32_t k = 1; k <= 2; ++k) out[local ? 1 : 0][static_cast<size_t>(k)] = WornIcon(d, local, k);
    return out;
}

int32_t At(const Icons& icons, bool local, int32_t k) { return icons[local ? 1 : 0][static_cast<size_t>(k)]; }

bool IsDarkHand(int32_t icon) { return icon == kLeftHand || icon == kRightHand || icon == kBothHands; }
bool Shielded(int32_t icon) { return icon == kGuardWedge || icon == kIconProtector; }

// Which of a side's two icon slots go.
struct Lift {
    bool first = false, second = false;
};

// Lifts the marked icons of one side with its one line: "icon.wav" on channel 0 and the line.
void LiftWithLine(DuelContext& ctx, bool local_side, Lift lift) {
    if (lift.first && WornIcon(ctx.d, local_side, 1) == -1) lift.first = false;
    if (lift.second && WornIcon(ctx.d, local_side, 2) == -1) lift.second = false;
    if (!lift.first && !lift.second) return;
    const std::string which = lift.first && lift.second ? "1,2" : (lift.first ? "1" : "2");
    if (lift.first) LiftWornIcon(ctx, local_side, 1);
    if (lift.second) LiftWornIcon(ctx, local_side, 2);
    ctx.screen().PlaySe("icon.wav", 0);
    effect_kit::Say(ctx, local_side ? "アイコン" + which + "を解除させられた！"
                                    : ctx.d.e_label + "のアイコン" + which + "を解除させた！");
}

// 1. Icon 78: the gain for each pair (78 here, darkness hand there), then the hands go.
void DawnBell(DuelContext& ctx, StartReport& report) {
    const Icons before = Snapshot(ctx.d);
    for (const bool local : {true, false}) {
        int32_t pairs = 0;
        bool wears = false;
        for (int32_t k = 1; k <= 2; ++k) {
            if (At(before, local, k) != kDawnBell) continue;
            wears = true;
            for (int32_t j = 1; j <= 2; ++j) pairs += IsDarkHand(At(before, !local, j)) ? 1 : 0;
        }
        if (!wears || pairs == 0) continue;
        report.Fired("icon78");
        for (const int32_t s : opening::SideSlots(local)) {
            tchar& c = Slot(ctx.d, s);
            c.hp = Plus(c.hp, 3 * pairs);
            c.mp = Plus(c.mp, 3 * pairs);
        }
    }
    for (const bool local : {false, true}) {
        const bool other_wears = At(before, !local, 1) == kDawnBell || At(before, !local, 2) == kDawnBell;
        if (!other_wears) continue;
        LiftWithLine(ctx, local, {IsDarkHand(At(before, local, 1)), IsDarkHand(At(before, local, 2))});
    }
}

// What one side's darkness hands lift from the other side (2 for the local side, 3 for the opponent).
Lift HandsLift(const Icons& before, bool hands_side, StartReport& report) {
    Lift lift;
    const bool other = !hands_side;
    for (int32_t k = 1; k <= 2; ++k) {
        const int32_t icon = At(before, hands_side, k);
        if (icon == kLeftHand && At(before, other, 1) != -1 && !Shielded(At(before, other, 1))) {
            lift.first = true;
            report.Fired("darkness56");
        }
        if (icon == kRightHand && At(before, other, 2) != -1 && !Shielded(At(before, other, 2))) {
            lift.second = true;
            report.Fired("darkness57");
        }
        if (icon == kBothHands && (At(before, other, 1) != -1 || At(before, other, 2) != -1)) {
            lift.first = lift.second = true;
            report.Fired("darkness231");
        }
    }
    return lift;
}

// 2 and 3. The local hands, then the opponent's, both read from the icons before either acted.
void DarkHands(DuelContext& ctx, StartReport& report) {
    const Icons before = Snapshot(ctx.d);
    for (const bool hands_side : {true, false})
        LiftWithLine(ctx, !hands_side, HandsLift(before, hands_side, report));
}

// 4. Card 274 eats the other side's first icon; a 56 it eats bites back at the eater's first icon.
void IconEater(DuelContext& ctx, StartReport& report) {
    const Icons before = Snapshot(ctx.d);
    std::array<bool, 2> lift{};  // [local side]: its first icon goes
    for (const bool eater : {true, false}) {
        if (!effect_kit::SideHasCard(ctx, eater, kIconEater) || At(before, !eater, 1) == -1) continue;
        report.Fired("card274");
        lift[eater ? 0 : 1] = true;
        if (At(before, !eater, 1) == kLeftHand) lift[eater ? 1 : 0] = true;
    }
    for (const bool local : {false, true}) LiftWithLine(ctx, local, {lift[local ? 1 : 0], false});
}

// 5. Icon 240 lifts the other side's second icon (a 240 just lifted still acts).
void Claw(DuelContext& ctx, StartReport& report) {
    const Icons before = Snapshot(ctx.d);
    std::array<bool, 2> lift{};  // [local side]: its second icon goes
    for (const bool clawer : {true, false}) {
        const bool wears = At(before, clawer, 1) == kClaw || At(before, clawer, 2) == kClaw;
        if (!wears || At(before, !clawer, 2) == -1) continue;
        report.Fired("icon240");
        lift[clawer ? 0 : 1] = true;
    }
    for (const bool local : {false, true}) LiftWithLine(ctx, local, {false, lift[local ? 1 : 0]});
}

}  // namespace

void DarknessIcons(DuelContext& ctx, StartReport& report) {
    DawnBell(ctx, report);
    DarkHands(ctx, report);
    IconEater(ctx, report);
    Claw(ctx, report);
}

const std::vector<std::string_view>& opening::DarknessNames() {
    static const std::vector<std::string_view> names = {"icon78",      "darkness56", "darkness57",
                                                        "darkness231", "card274",    "icon240"};
    return names;
}

}  // namespace kestra
