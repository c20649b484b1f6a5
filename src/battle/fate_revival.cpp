#include "battle/fate_revival.h"

#include <string_view>

#include "battle/fate_amounts.h"
#include "battle/fate_common.h"
#include "battle/role_cards.h"

namespace kestra {

using namespace kit;
using fate::Amounts;
using fate::Num;

namespace {

// A raising opens with sane slots, its title and the first dead card of the side from first_slot; 0,
// after "効果が無かった....", when that side has none.
int32_t OpensOnDead(DuelContext& ctx, std::string_view caption, int32_t first_slot) {
    if (!fate::SlotsSane(ctx.d)) return 0;
    Title(ctx, caption);
    const int32_t slot = fate::FirstDead(ctx.d, first_slot);
    if (slot == 0) Line(ctx, "効果が無かった....");
    return slot;
}

}  // namespace

// Eris: low chance digits bring the card back whole; high ones bring back a rotting zombie.
void Eris(DuelContext& ctx) {
    DuelRecord& d = ctx.d;
    const int32_t slot = OpensOnDead(ctx, "エリス", FirstSlotOf(d.atk_no));
    if (slot == 0) return;
    const auto& row = Amounts(22);
    const bool whole = d.luck < row.chance;
    tchar& c = fate::RaiseDead(ctx, slot);
    c.hp = whole ? row.amount : row.extra;
    c.status1 = whole ? 0 : 1;
    c.status2 = 0;
    Flash(ctx, whole ? FlashColour::Blue : FlashColour::Black, slot);
    ctx.screen().PlaySe("live.wav", kSe);
    Line(ctx, c.name + (whole ? "は無事、蘇った!!" : "はゾンビとなって蘇った!!"));
}

// Sorcery: the servant stays on its own side but turns on its allies, at full HP and with no MP.
void Sorcery(DuelContext& ctx) {
    DuelRecord& d = ctx.d;
    const int32_t slot = OpensOnDead(ctx, "魔術", OtherFirstSlot(d.atk_no));
    if (slot == 0) return;
    tchar& c = fate::RaiseDead(ctx, slot);
    const bool known = c.card_no >= 0 && c.card_no < kCardRows;
    c.hp = known ? WithLevelBonus(ctx.cat.card[static_cast<size_t>(c.card_no)].hp, c.lv) : 1;
    c.mp = 0;
    c.status1 = 16;
    c.status2 = 0;
    Flash(ctx, FlashColour::White, slot);
    ctx.screen().PlaySe("live.wav", kSe);
    Line(ctx, c.name + "を下僕として蘇らせた!!");
}

// Rebirth: HP becomes LV for all six; the phoenix needs no LV and rises with LV + 5.
void Rebirth(DuelContext& ctx) {
    DuelRecord& d = ctx.d;
    if (!fate::SlotsSane(d)) return;
    Title(ctx, "転生");
    const auto& row = Amounts(16);
    const bool phoenix = IsCard(d, ctx.cat, d.atk_no, role::kPhoenix);
    tchar& a = Attacker(ctx);
    if (!phoenix && a.lv < row.need) return Line(ctx, "ＬＶが足りなかった....");
    ctx.screen().PlaySe("live.wav", kSe);
    for (int32_t n = 0; n < 6; ++n) {
        const int32_t s = fate::NthFromAttacker(d, n);
        tchar& c = Slot(d, s);
        if (!c.alive()) continue;
        Flash(ctx, FlashColour::White, s);
        c.hp = c.lv;
    }
    Line(ctx, "全員のHPを 各自のＬＶ値にした！");
    if (!phoenix) return;
    a.hp = WrapAdd(a.hp, row.extra);
    Line(ctx, a.name + "は炎の中から生まれ変わった!! HP+" + Num(row.extra));
}

// Help: a last stand's heal; the goddess herself gets it twice over.
void Help(DuelContext& ctx) {
    DuelRecord& d = ctx.d;
    if (!fate::SlotsSane(d)) return;
    Title(ctx, "ヘルプ！！");
    const auto& row = Amounts(65);
    const int32_t times = IsCard(d, ctx.cat, d.atk_no, role::kBattleGoddess) ? 2 : 1;
    const int32_t hp = row.amount * times, mp = row.extra * times;
    tchar& a = Attacker(ctx);
    ctx.screen().PlaySe("up.wav", kSe);
    Flash(ctx, FlashColour::Blue, d.atk_no);
    a.hp = WrapAdd(a.hp, hp);
    a.mp = WrapAdd(a.mp, mp);
    Line(ctx, "戦いの女神が救いの手を差し伸べた！！");
    Line(ctx, a.name + "はHPが " + Num(hp) + "、MPが " + Num(mp) + "回復した！");
}

// Rosary: one line for the whole side.
void Rosary(DuelContext& ctx) {
    DuelRecord& d = ctx.d;
    if (!fate::SlotsSane(d)) return;
    Title(ctx, "数珠");
    const int32_t gain = Amounts(80).amount;
    ctx.screen().PlaySe("kaifuku.wav", kSe);
    for (int32_t s = FirstSlotOf(d.atk_no); s < FirstSlotOf(d.atk_no) + 3; ++s) {
        tchar& c = Slot(d, s);
        if (!c.alive()) continue;
        Flash(ctx, FlashColour::Blue, s);
        c.hp = WrapAdd(c.hp, gain);
        c.mp = WrapAdd(c.mp, gain);
    }
    Line(ctx, "全員のHPとMPを " + Num(gain) + "ずつ回復した！");
}

}  // namespace kestra
