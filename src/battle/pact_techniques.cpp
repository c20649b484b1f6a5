#include "battle/pact_techniques.h"

#include <string>

#include "base/int_text.h"
#include "duel/side_rules.h"
#include "battle/role_cards.h"
#include "battle/status_family.h"
#include "battle/technique_kit.h"
#include "duel/flash.h"

namespace kestra {

namespace {

using namespace kit;
using status::Of;

// The cards that read every contract to the last line.
bool ContractProof(const DuelContext& ctx, int32_t slot) {
    return IsAnyCard(ctx, slot, role::kContractProof);
}

// Moves one status field from slot `from` to the card across; a dead card across takes nothing and
// the status is simply gone. `field` picks status1 or status2; returns whether it moved.
bool MoveAcross(DuelContext& ctx, int32_t from, int32_t tchar::*field) {
    tchar& giver = Slot(ctx.d, from);
    tchar& taker = Slot(ctx.d, Facing(from));
    Flash(ctx, FlashColour::White, from);
    const bool moved = taker.alive();
    if (moved) {
        Flash(ctx, FlashColour::White, Facing(from));
        taker.*field = giver.*field;
    }
    giver.*field = 0;
    return moved;
}

// Walks the slots of a side in order and calls act(slot) on each living card whose field is set;
// "何も起きなかった..." when there was none.
template <class Act>
void EachWith(DuelContext& ctx, int32_t first, int32_t tchar::*field, Act act) {
    bool any = false;
    for (int32_t s = first; s < first + 3; ++s) {
        const tchar& c = Slot(ctx.d, s);
        if (!c.alive() || c.*field == 0) continue;
        any = true;
        act(s);
    }
    if (!any) Line(ctx, "何も起きなかった...");
}

}  // namespace

// <神格> doubles HP at every turn start, so the god alone is the rare outcome; the devil's
// <契約> usually comes with it and holds the card at 1 HP after each of its actions.
void Judgement(DuelContext& ctx) {
    const status::Figures& f = Of<45>();
    Title(ctx, "審判 (MP -" + std::to_string(f.cost) + ")");
    if (!PayMp(ctx, f.cost)) return;
    tchar& a = Attacker(ctx);
    Flash(ctx, FlashColour::Yellow, ctx.d.atk_no);
    a.status2 = 9;
    if (ctx.d.luck < f.high) {
        ctx.screen().PlaySe("up.wav", kSe);
        Line(ctx, a.name + "は神と契約を交わした！");
        return;
    }
    ctx.screen().PlaySe("gya.wav", kSe);
    a.status1 = 15;
    Line(ctx, a.name + "は神と悪魔の両方と契約を交わした！");
}

// The price is paid in LV before the pact is sealed, even when it turns on the attacker.
void Contract(DuelContext& ctx) {
    Title(ctx, "契約");
    if (!status::TargetStands(ctx)) return;
    const status::Figures& f = Of<46>();
    tchar& a = Attacker(ctx);
    if (!PayLv(ctx, f.cost)) return;
    if (ctx.d.luck < f.low) {
        Flash(ctx, FlashColour::Black, ctx.d.atk_no);
        ctx.screen().PlaySe("blood.wav", kSe);
        a.status1 = 15;
        Line(ctx, a.name + "は<契約状態>になってしまった！");
        return;
    }
    if (ContractProof(ctx, ctx.d.tgt_no)) {
        Line(ctx, "無効....");
        return;
    }
    Flash(ctx, FlashColour::Black, ctx.d.tgt_no);
    ctx.screen().PlaySe("blood.wav", kSe);
    Target(ctx).status1 = 15;
    Line(ctx, Target(ctx).name + "を<契約状態>にした！");
}

// Each card hands its trouble to the card it faces.
void Usual(DuelContext& ctx) {
    Title(ctx, "ユージュアル");
    EachWith(ctx, FirstSlotOf(ctx.d.atk_no), &tchar::status1, [&](int32_t s) {
        const std::string name = Slot(ctx.d, s).name;
        ctx.screen().PlaySe("ma2.wav", kSe);
        if (MoveAcross(ctx, s, &tchar::status1)) {
            Line(ctx, name + "のステータス異状を相手側に転換させた！");
        } else {
            Line(ctx, name + "のステータス異状が消え去った！");
        }
    });
}

// Each card across hands over its blessing to the card it faces.
void UsualTwo(DuelContext& ctx) {
    Title(ctx, "ユージュアル２");
    EachWith(ctx, OtherFirstSlot(ctx.d.atk_no), &tchar::status2, [&](int32_t s) {
        const std::string name = Slot(ctx.d, s).name;
        ctx.screen().PlaySe("ma_up.wav", kSe);
        if (MoveAcross(ctx, s, &tchar::status2)) {
            Line(ctx, name + "のグッドステータスをこちら側に転換させた！");
        } else {
            Line(ctx, name + "のグッドステータスが消え去った！");
        }
    });
}

}  // namespace kestra
