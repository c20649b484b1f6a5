#include "battle/item_use.h"

#include <string>

#include "battle/item_effects.h"
#include "duel/side_rules.h"
#include "effects/effect_kit.h"

namespace kestra {

namespace {

// Amounts beyond this could overflow once doubled and raised by one: such a row does nothing.
constexpr int32_t kMaxItemAmount = 1 << 29;

// The catalogue row of the item number, or nullptr when it lies outside the catalogue.
const titem* RowOf(const Catalogue& cat, int32_t item_number) {
    if (item_number < 0 || item_number + 1 >= kItemRows) return nullptr;
    return &cat.item[static_cast<size_t>(item_number + 1)];
}

}  // namespace

int32_t ItemNumberOf(const DuelRecord& d) { return d.luck * 10 + d.waza_arg2; }

int32_t ItemEffectCode(const Catalogue& cat, int32_t item_number) {
    const titem* row = RowOf(cat, item_number);
    if (!row || row->name.empty()) return 0;
    if (row->code < 1 || row->code > kLastItemEffect) return 0;
    if (row->param > kMaxItemAmount || row->param < -kMaxItemAmount) return 0;
    return row->code;
}

void UseItem(DuelContext& ctx) {
    const int32_t number = ItemNumberOf(ctx.d);
    const titem* row = RowOf(ctx.cat, number);
    ctx.screen().PlaySe("itemuse.wav", 1);
    effect_kit::Say(ctx, Slot(ctx.d, ctx.d.atk_no).name + "はItem【" + (row ? row->name : std::string()) + "】を使った！");
    const int32_t code = ItemEffectCode(ctx.cat, number);
    if (code == 0) return;
    const item::Use use{ctx, row->param};
    if (!item::RunRecovery(use, code) && !item::RunStatus(use, code) && !item::RunHarm(use, code))
        item::RunSide(use, code);
}

}  // namespace kestra
