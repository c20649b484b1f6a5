// Items that hurt: element darts and spears with their counterblow, the hammer, the blasts, the
// swap of MP and LV, the oracle that halves HP and doubles MP.
#include <string>

#include "base/int_text.h"
#include "battle/item_effects.h"
#include "battle/technique_kit.h"
#include "duel/flash.h"
#include "duel/side_rules.h"
#include "effects/statuses.h"

namespace kestra::item {

namespace {

using effect_kit::Line;
using effect_kit::Say;
using std::to_string;

// The target's line "に n ダメージ与えた！".
void DamageLine(const Use& u, int32_t n) { Line(u.ctx, u.target().name + "に " + to_string(n) + "ダメージ与えた！"); }

// The counterblow of effects 39 and 40: the user loses the HP the target had before the hit.
void Counterblow(const Use& u, int32_t h) {
    u.ctx.msg.AddMessage("＞反撃");
    Flash(u.ctx, FlashColour::Red, u.ctx.d.atk_no);
    u.ctx.screen().PlaySe("punch.wav", 2);
    tchar& c = u.user();
    c.hp = kit::LoseDownToZero(c.hp, h);
    Line(u.ctx, c.name + "は " + to_string(h) + "ダメージ食らった!!");
}

// Effects 37 and 38 and 39: the target loses n HP (doubled) with a yellow flash; a dart of an
// element misses a target of another one; the spear is answered by the counterblow.
void Dart(const Use& u, std::string_view wave, int32_t n, bool by_element, bool counter) {
    tchar& t = u.target();
    if (by_element && t.element != u.amount) {
        ShowNothingHappened(u.ctx);
        return;
    }
    const int32_t h = t.hp;
    const int32_t d = Doubled(u.ctx, n);
    t.hp = kit::LoseDownToZero(t.hp, d);
    Cue(u.ctx, wave, kit::kSe, FlashColour::Yellow, u.ctx.d.tgt_no);
    DamageLine(u, d);
    if (counter) Counterblow(u, h);
}

// Effects 40 and 46: the target loses n of HP and MP (and LV with the hammer, then the counterblow).
void Cut(const Use& u, int32_t n, bool hammer) {
    tchar& t = u.target();
    const int32_t h = t.hp;
    const int32_t d = Doubled(u.ctx, n);
    t.hp = kit::LoseDownToZero(t.hp, d);
    t.mp = kit::LoseDownToZero(t.mp, d);
    if (hammer) t.lv = kit::LoseDownToZero(t.lv, d);
    Cue(u.ctx, "ken.wav", kit::kSe, FlashColour::Red, u.ctx.d.tgt_no);
    if (!hammer) {
        DamageLine(u, d);
        return;
    }
    Line(u.ctx, t.name + "のHP,MP,LVに " + to_string(d) + "ダメージ与えた！");
    Counterblow(u, h);
}

// Effects 42 and 48: the user pays, then every living card of the other side is hit by d (and
// loses d MP too in the great blast).
void Blast(const Use& u, bool great) {
    const int32_t d = Doubled(u.ctx, u.amount);
    const int32_t cost = great ? WrapAdd(d, 1) : d;
    tchar& c = u.user();
    c.hp = kit::LoseDownToZero(c.hp, cost);
    c.mp = kit::LoseDownToZero(c.mp, cost);
    Cue(u.ctx, "baku.wav", kit::kSe, FlashColour::White, u.ctx.d.atk_no);
    Line(u.ctx, c.name + "はHP･MPにそれぞれ " + to_string(d) + "ダメージくらった！");
    const int32_t first = OtherFirstSlot(u.ctx.d.atk_no);
    for (int32_t s = first; s < first + 3; ++s) {
        tchar& o = Slot(u.ctx.d, s);
        if (!o.alive()) continue;
        Cue(u.ctx, "baku.wav", kit::kSe, FlashColour::Red, s);
        o.hp = kit::LoseDownToZero(o.hp, d);
        if (great) o.mp = kit::LoseDownToZero(o.mp, d);
        Line(u.ctx, o.name + (great ? "はHP･MP両方に " + to_string(d) + "ダメージずつ食らった!"
                                    : "は " + to_string(d) + "ダメージ食らった!"));
    }
}

// Effect 54: user and target exchange MP and LV; each card is named with its own side's label.
void SwapMpAndLv(const Use& u) {
    tchar& c = u.user();
    tchar& t = u.target();
    std::swap(c.mp, t.mp);
    std::swap(c.lv, t.lv);
    Cue(u.ctx, "talk.wav", kit::kSe, FlashColour::Yellow, u.ctx.d.atk_no);
    Flash(u.ctx, FlashColour::Yellow, u.ctx.d.tgt_no);
    const DuelRecord& d = u.ctx.d;
    Say(u.ctx, OwnerLabel(d, d.tgt_no) + "の" + t.name + "と、" + OwnerLabel(d, d.atk_no) + "の" + c.name +
                   "のMPとLVを入れ替えちゃった！！");
}

// Effect 60: HP halves and MP doubles, twice under the doubling rule; the target, then the user.
void Oracle(const Use& u) {
    const int32_t times = Doubles(u.ctx) ? 2 : 1;
    for (tchar* c : {&u.target(), &u.user()})
        for (int32_t k = 0; k < times; ++k) {
            c->hp /= 2;
            c->mp = kit::WrapDouble(c->mp);
        }
    Cue(u.ctx, "noroi.wav", 2, FlashColour::Black, u.ctx.d.tgt_no);
    Flash(u.ctx, FlashColour::Black, u.ctx.d.atk_no);
    Line(u.ctx, u.target().name + "と" + u.user().name + "は魔導の神託に心を捧げた");
}

}  // namespace

bool RunHarm(const Use& u, int32_t code) {
    switch (code) {
        case 37: Dart(u, "zoku.wav", 5, true, false); return true;
        case 38: Dart(u, "ma.wav", u.user().mp / 2 + 1, false, false); return true;
        case 39: Dart(u, "zoku.wav", 10, true, true); return true;
        case 40: Cut(u, 7, true); return true;
        case 42: Blast(u, false); return true;
        case 46: Cut(u, 3, false); return true;
        case 48: Blast(u, true); return true;
        case 54: SwapMpAndLv(u); return true;
        case 60: Oracle(u); return true;
        default: return false;
    }
}

}  // namespace kestra::item
