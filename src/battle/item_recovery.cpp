// Items that restore the user: HP, MP, LV, the original figures, and the rain over every card.
#include <string>

#include "base/int_text.h"
#include "battle/item_effects.h"
#include "battle/technique_kit.h"
#include "duel/side_rules.h"

namespace kestra::item {

namespace {

using effect_kit::Line;
using effect_kit::Say;
using std::to_string;

// Healing sounds of the recovery items play on channel 1.
constexpr int32_t kChannel = 1;

// Effects 1 and 9: HP (and with both, MP) + n, doubled.
void Heal(const Use& u, bool with_mp) {
    const int32_t n = Doubled(u.ctx, u.amount);
    tchar& c = u.user();
    c.hp = WrapAdd(c.hp, n);
    if (with_mp) c.mp = WrapAdd(c.mp, n);
    Cue(u.ctx, "kaifuku.wav", kChannel, FlashColour::Blue, u.ctx.d.atk_no);
    Say(u.ctx, c.name + (with_mp ? "はHP･MPが " + to_string(n) + "ずつ回復した!!" : "のHPが " + to_string(n) + "回復した!!"));
}

// Effect 2: HP + (n + 1), paid for with n MP.
void HealAtCost(const Use& u) {
    const int32_t n = Doubled(u.ctx, u.amount);
    tchar& c = u.user();
    c.hp = WrapAdd(c.hp, n + 1);
    c.mp = kit::LoseDownToZero(c.mp, n);
    Cue(u.ctx, "kaifuku.wav", kChannel, FlashColour::Blue, u.ctx.d.atk_no);
    Say(u.ctx, c.name + "のHPが " + to_string(n + 1) + "回復した!!");
    Line(u.ctx, "代償として、MPが " + to_string(n) + "減少した。");
}

// Effects 3 and 10: one figure + n, doubled.
void Raise(const Use& u, int32_t tchar::*figure, std::string_view wave, FlashColour colour, std::string_view words) {
    const int32_t n = Doubled(u.ctx, u.amount);
    tchar& c = u.user();
    c.*figure = WrapAdd(c.*figure, n);
    Cue(u.ctx, wave, kChannel, colour, u.ctx.d.atk_no);
    Say(u.ctx, c.name + std::string(words) + to_string(n) + "回復した!!");
}

// Effect 4: all HP but 1 becomes MP (doubled).
void LifeIntoMp(const Use& u) {
    tchar& c = u.user();
    const int32_t left = kit::WrapSub(c.hp, 1);
    const int32_t m = Doubled(u.ctx, left < 1 ? 0 : left);
    c.mp = WrapAdd(c.mp, m);
    c.hp = 1;
    Cue(u.ctx, "tenka.wav", kChannel, FlashColour::Fuchsia, u.ctx.d.atk_no);
    Say(u.ctx, c.name + "は命を削り、MP " + to_string(m) + "増大させた!!");
}

// Effect 6: HP and LV go into MP (doubled), HP becomes 0.
void LifeAndLevelIntoMp(const Use& u) {
    tchar& c = u.user();
    c.mp = WrapAdd(c.mp, Doubled(u.ctx, WrapAdd(c.hp, c.lv)));
    c.hp = 0;
    Cue(u.ctx, "noroi.wav", kChannel, FlashColour::Black, u.ctx.d.atk_no);
    Say(u.ctx, c.name + "はHPとLVをMPに転化し、自殺を図った!!");
}

// Effects 7 and 8: the slot's HP and MP become its card's base figures div a (a below 1 counts as 1).
void Original(const Use& u, int32_t slot) {
    tchar& c = Slot(u.ctx.d, slot);
    const int32_t a = u.amount < 1 ? 1 : u.amount;
    if (c.card_no >= 0 && c.card_no < kCardRows) {
        const tcard& base = u.ctx.cat.card[static_cast<size_t>(c.card_no)];
        c.hp = base.hp / a;
        c.mp = base.mp / a;
    }
    Cue(u.ctx, "tenka.wav", kChannel, FlashColour::White, slot);
    Say(u.ctx, c.name + "は元の力を取り戻した!!");
}

// Effect 43: every living card of both sides, HP + n and MP + n (doubled), slots 1 to 6.
void RainOnAll(const Use& u) {
    const int32_t n = Doubled(u.ctx, u.amount);
    for (int32_t s = 1; s <= 6; ++s) {
        tchar& c = Slot(u.ctx.d, s);
        if (!c.alive()) continue;
        c.hp = WrapAdd(c.hp, n);
        c.mp = WrapAdd(c.mp, n);
        Cue(u.ctx, "kaifuku.wav", kit::kSe, FlashColour::Blue, s);
        Line(u.ctx, c.name + "はHP･MPが " + to_string(n) + "ずつ回復した!");
    }
}

}  // namespace

bool RunRecovery(const Use& u, int32_t code) {
    switch (code) {
        case 1: Heal(u, false); return true;
        case 2: HealAtCost(u); return true;
        case 3: Raise(u, &tchar::mp, "kaifuku.wav", FlashColour::Fuchsia, "のMPが "); return true;
        case 4: LifeIntoMp(u); return true;
        case 6: LifeAndLevelIntoMp(u); return true;
        case 7: Original(u, u.ctx.d.atk_no); return true;
        case 8: Original(u, u.ctx.d.tgt_no); return true;
        case 9: Heal(u, true); return true;
        case 10: Raise(u, &tchar::lv, "ma_up.wav", FlashColour::Lime, "はLVが "); return true;
        case 43: RainOnAll(u); return true;
        default: return false;
    }
}

}  // namespace kestra::item
