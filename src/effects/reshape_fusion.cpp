// Icon 82's fusion and the triple fusions by identity, each held off by the
// other side's icon 74.
#include <string>

#include "duel/flash.h"
#include "duel/side_rules.h"
#include "effects/effect_kit.h"
#include "effects/reshape_steps.h"
#include "effects/reshape_table.h"

namespace kestra::reshape {

namespace {
using effect_kit::FirstSlot;
using effect_kit::Line;
using effect_kit::Say;

constexpr const char* kDeadPicture = "cg/char-1.bmp";

// The side's second and third cards die into the fusion: "死亡", HP 0, the grave picture.
void FuseAway(DuelContext& ctx, int32_t first) {
    for (int32_t s = first + 1; s < first + 3; ++s) {
        Slot(ctx.d, s).name = std::string(kDeadName);
        Slot(ctx.d, s).hp = 0;
        ctx.screen().SetSlotPicture(s, kDeadPicture);
    }
}

// White flash on the side's three slots, then "fusion.wav" on channel 0.
void FusionCues(DuelContext& ctx, int32_t first) {
    for (int32_t s = first; s < first + 3; ++s) Flash(ctx, FlashColour::White, s);
    ctx.screen().PlaySe("fusion.wav", 0);
}

// The three slots of the side all have orig_no n.
bool AllOf(const DuelRecord& d, int32_t first, int32_t n) {
    for (int32_t s = first; s < first + 3; ++s)
        if (Slot(d, s).orig_no != n) return false;
    return true;
}
}  // namespace

void Fusion(DuelContext& ctx, StartReport& report) {
    for (const bool local : {true, false}) {
        if (!Wears(ctx.d, local, 82) || Wears(ctx.d, !local, 74)) continue;
        const int32_t first = FirstSlot(local);
        Say(ctx, (local ? std::string() : ctx.d.e_label + "の") + "３体の輪郭がぼやける....");
        FusionCues(ctx, first);
        tchar& head = Slot(ctx.d, first);
        head.hp = head.hp + Slot(ctx.d, first + 1).hp + Slot(ctx.d, first + 2).hp + 8;
        head.mp = head.mp + Slot(ctx.d, first + 1).mp + Slot(ctx.d, first + 2).mp + 8;
        FuseAway(ctx, first);
        Line(ctx, head.name + "達が融合した！！");
        report.Fired("fusion82");
    }
}

void TripleFusions(DuelContext& ctx, StartReport& report) {
    for (const bool local : {true, false}) {
        if (Wears(ctx.d, !local, 74)) continue;
        const int32_t first = FirstSlot(local);
        for (const TripleFusion& f : EmbeddedReshapeTable().fusions) {
            if (!AllOf(ctx.d, first, f.card) || (f.icon >= 0 && !Wears(ctx.d, local, f.icon))) continue;
            tchar& head = Slot(ctx.d, first);
            Say(ctx, head.name + "達が融合する....");
            FusionCues(ctx, first);
            head.name = f.becomes.name;
            head.hp = f.becomes.hp;
            head.mp = f.becomes.mp;
            head.status2 = f.becomes.good;
            ctx.screen().SetSlotPicture(first, f.becomes.picture);
            FuseAway(ctx, first);
            Say(ctx, head.name + "が現れた....!!");
            report.Fired("triple" + std::to_string(f.card));
        }
    }
}

}  // namespace kestra::reshape
