// Under icon 221 cards 111 to 119 may show their hidden identities.
#include <string>

#include "duel/flash.h"
#include "duel/side_rules.h"
#include "effects/effect_kit.h"
#include "effects/reshape_steps.h"
#include "effects/reshape_table.h"

namespace kestra::reshape {

void HiddenIdentities(DuelContext& ctx, StartReport& report) {
    const int32_t s = IdentityTurn(ctx.d.my_id, ctx.d.aite_id);
    for (const bool local : {true, false}) {
        if (!Wears(ctx.d, local, 221)) continue;
        const int32_t first = effect_kit::FirstSlot(local);
        for (int32_t slot = first; slot < first + 3; ++slot)
            for (const HiddenIdentity& h : EmbeddedReshapeTable().identities) {
                if (!h.revealed[s] || !IsCard(ctx.d, ctx.cat, slot, h.card)) continue;
                tchar& c = Slot(ctx.d, slot);
                c.name = h.becomes.name;
                c.hp = h.becomes.hp;
                c.mp = h.becomes.mp;
                c.status2 = h.becomes.good;
                ctx.screen().SetSlotPicture(slot, h.becomes.picture);
                Flash(ctx, FlashColour::Black, slot);
                ctx.screen().PlaySe("fusion.wav", 0);
                effect_kit::Say(ctx, c.name + "が正体をあらわした....!!");
                report.Fired("identity" + std::to_string(h.card));
                break;  // the slot has shown itself
            }
    }
}

}  // namespace kestra::reshape
