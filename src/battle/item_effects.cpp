#include "battle/item_effects.h"

#include "battle/technique_kit.h"
#include "duel/flash.h"
#include "duel/side_rules.h"

namespace kestra::item {

tchar& Use::user() const { return Slot(ctx.d, ctx.d.atk_no); }
tchar& Use::target() const { return Slot(ctx.d, ctx.d.tgt_no); }
bool Use::local_acts() const { return ActingOwn(ctx.d); }

bool Doubles(const DuelContext& ctx) { return WornAnywhere(ctx.d, 256) || IsCard(ctx.d, ctx.cat, ctx.d.atk_no, 307); }

int32_t Doubled(const DuelContext& ctx, int32_t n) { return Doubles(ctx) ? kit::WrapDouble(n) : n; }

void Cue(DuelContext& ctx, std::string_view wave, int32_t channel, FlashColour colour, int32_t slot) {
    ctx.screen().PlaySe(wave, channel);
    Flash(ctx, colour, slot);
}

}  // namespace kestra::item
