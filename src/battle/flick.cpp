#include "battle/flick.h"

#include <algorithm>
#include <string>
#include <string_view>

#include "base/int_text.h"
#include "duel/side_rules.h"
#include "battle/role_cards.h"
#include "battle/signature_moves.h"
#include "battle/technique.h"
#include "battle/technique_kit.h"
#include "duel/flash.h"

namespace kestra {

namespace {

constexpr int32_t kLight = 1, kDark = 2, kFire = 3, kWater = 4;
constexpr int32_t kNoElement = 0;

using namespace kit;

// Light against dark or fire against water, either way round.
bool Opposed(int32_t a, int32_t b) {
    const auto pair = [&](int32_t x, int32_t y) { return (a == x && b == y) || (a == y && b == x); };
    return pair(kLight, kDark) || pair(kFire, kWater);
}

// The attacker is strengthened (<↑>), the target weakened (<↓>): 2 more each.
int32_t StatusBonus(const DuelContext& ctx, int32_t dmg) {
    if (Attacker(ctx).status2 == 2) dmg = WrapAdd(dmg, 2);
    if (Target(ctx).status1 == 4) dmg = WrapAdd(dmg, 2);
    return dmg;
}

// Opposed elements strike 1 harder; the same element (other than <無>) 1 softer.
int32_t ElementBonus(const DuelContext& ctx, int32_t dmg) {
    const int32_t a = Attacker(ctx).element;
    const int32_t t = Target(ctx).element;
    if (Opposed(a, t)) return WrapAdd(dmg, 1);
    if (a == t && a != kNoElement) return WrapSub(dmg, 1);
    return dmg;
}

// A shielded target (<盾>) takes 3 less, 2 less again per icon 92 on its side; the 99 card breaks
// on a shield; never below 0.
int32_t ShieldCut(const DuelContext& ctx, int32_t dmg) {
    if (Target(ctx).status2 == 3) {
        dmg = WrapSub(dmg, 3);
        dmg = WrapSub(dmg, 2 * SideWearsCount(ctx.d, ctx.d.tgt_no, 92));
        if (IsCard(ctx.d, ctx.cat, ctx.d.atk_no, role::kFixedFlick99)) dmg = 0;
    }
    return std::max(0, dmg);
}

// Chance digit 3, or でこぴんマスター on the attacker's side: the blow's bonus and its critical line,
// which waits for its click together with the damage line, as the miss line does.
int32_t Critical(DuelContext& ctx, const BlowRules& rules, int32_t dmg) {
    if (ctx.d.luck != 3 && !SideWearsNamed(ctx.d, ctx.cat, ctx.d.atk_no, "でこぴんマスター")) return dmg;
    ctx.msg.AddMessage(std::string(rules.critical_line));
    return WrapAdd(dmg, rules.critical_bonus);
}

// Chance digit 4 unless でこぴん免許 is worn anywhere; 第２干渉体 worn anywhere at chance 6 or less.
bool Misses(const DuelContext& ctx) {
    const int32_t luck = ctx.d.luck;
    if (luck == 4 && !EitherWearsNamed(ctx, "でこぴん免許")) return true;
    return luck <= 6 && EitherWearsNamed(ctx, "第２干渉体");
}

// The four immune cards, a <魔道> target whose MP exceeds its HP, でこぴんライバル on the target's side.
bool Immune(const DuelContext& ctx) {
    const tchar& t = Target(ctx);
    if (IsAnyCard(ctx, ctx.d.tgt_no, role::kFlickImmune)) return true;
    if (t.status2 == 8 && t.mp > t.hp) return true;
    return SideWearsNamed(ctx.d, ctx.cat, ctx.d.tgt_no, "でこぴんライバル");
}

// Icon 225 on the attacker's side: 9999 against the opposed element, nothing against its own.
int32_t Antagonism(const DuelContext& ctx, int32_t dmg) {
    if (!SideWears(ctx.d, ctx.d.atk_no, 225)) return dmg;
    const int32_t a = Attacker(ctx).element;
    const int32_t t = Target(ctx).element;
    if (Opposed(a, t)) return 9999;
    if (a == t) return 0;
    return dmg;
}

// Each レッドソード on the attacker's side doubles, then each ﾄﾞﾙﾊﾞﾝｼｰﾙﾄﾞ there halves.
int32_t SwordsAndShields(const DuelContext& ctx, int32_t dmg) {
    const int32_t swords = SideWearsNamedCount(ctx.d, ctx.cat, ctx.d.atk_no, "レッドソード");
    const int32_t shields = SideWearsNamedCount(ctx.d, ctx.cat, ctx.d.atk_no, "ﾄﾞﾙﾊﾞﾝｼｰﾙﾄﾞ");
    for (int32_t i = 0; i < swords; ++i) dmg = WrapDouble(dmg);
    for (int32_t i = 0; i < shields; ++i) dmg /= 2;
    return dmg;
}

// Icons 109, 180 and 204 worn anywhere: the stronger attacker (HP, LV, card number) does nothing.
bool Outranks(const DuelContext& ctx) {
    const tchar& a = Attacker(ctx);
    const tchar& t = Target(ctx);
    if (WornAnywhere(ctx.d, 109) && a.hp > t.hp) return true;
    if (WornAnywhere(ctx.d, 180) && a.lv > t.lv) return true;
    return WornAnywhere(ctx.d, 204) && a.card_no > t.card_no;
}

// The target loses D HP (and as much MP for a blow that cuts both; not below 0) and the blow's damage
// line is shown.
void ApplyBlow(DuelContext& ctx, const BlowRules& rules, int32_t dmg) {
    tchar& t = Slot(ctx.d, ctx.d.tgt_no);
    t.hp = LoseDownToZero(t.hp, dmg);
    if (rules.hits_mp) t.mp = LoseDownToZero(t.mp, dmg);
    const std::string who = rules.names_target ? t.name + std::string(rules.before_amount) : std::string();
    ctx.msg.AddMessage(who + std::to_string(dmg) + std::string(rules.after_amount));
    ctx.msg.WaitClick();
}

// A target behind <ﾊﾞﾘｱ> takes the damage back as HP. Like every result line after the blow, its line
// waits for a click.
void BarrierAbsorb(DuelContext& ctx, int32_t dmg) {
    tchar& t = Slot(ctx.d, ctx.d.tgt_no);
    if (t.status2 != 13) return;
    t.hp = WrapAdd(t.hp, dmg);
    ctx.msg.AddMessage(t.name + "はﾀﾞﾒｰｼﾞを吸収した！");
    ctx.msg.WaitClick();
}

// Icon 37 on the attacker's side, or the draining card itself: the attacker drinks 1 HP.
void Drain(DuelContext& ctx) {
    const DuelRecord& d = ctx.d;
    if (!SideWears(d, d.atk_no, 37) && !IsCard(d, ctx.cat, d.atk_no, role::kDrainingFlicker)) return;
    tchar& a = Slot(ctx.d, d.atk_no);
    a.hp = WrapAdd(a.hp, 1);
    ctx.msg.AddMessage("吸血＞HPが 1回復した！");
    ctx.msg.WaitClick();
}

// Icon 108 on the attacker's side poisons the target.
void PoisonSting(DuelContext& ctx) {
    if (!SideWears(ctx.d, ctx.d.atk_no, 108)) return;
    Flash(ctx, FlashColour::Green, ctx.d.tgt_no);
    Slot(ctx.d, ctx.d.tgt_no).status1 = 1;
    ctx.msg.AddMessage("毒化させた！");
    ctx.msg.WaitClick();
}

// A frozen target shatters; a water card holds on with HP 1 and thaws.
void Shatter(DuelContext& ctx) {
    tchar& t = Slot(ctx.d, ctx.d.tgt_no);
    if (t.status1 != 8) return;
    ctx.screen().PlaySe("bara.wav", 0);
    Flash(ctx, FlashColour::White, ctx.d.tgt_no);
    t.hp = 0;
    ctx.msg.AddMessage("凍結した肉体が、バラバラと崩れてしまった！");
    ctx.msg.WaitClick();
    if (t.element != kWater) return;
    t.hp = 1;
    t.status1 = 0;
    ctx.msg.AddMessage(t.name + "はなんとか持ちこたえた!!");
    ctx.msg.WaitClick();
}

// The target strikes back with the HP it had, with icons 4 and 38 and the two particular cards.
int32_t CounterDamage(const DuelContext& ctx, int32_t hp_before) {
    const DuelRecord& d = ctx.d;
    int32_t c = hp_before;
    if (Target(ctx).element == kNoElement) c = WrapAdd(c, 8 * SideWearsCount(d, d.tgt_no, 4));
    c = WrapSub(c, SideWearsCount(d, d.atk_no, 38));
    if (IsCard(d, ctx.cat, d.atk_no, role::kNoCounter)) c = 0;
    if (IsCard(d, ctx.cat, d.tgt_no, role::kDoubleCounter)) c = WrapDouble(c);
    return std::max(0, c);
}

}  // namespace

bool SignatureFlick(DuelContext& ctx) { return RunSignatureMove(ctx); }

int32_t FlickBase(const DuelContext& ctx) {
    if (IsCard(ctx.d, ctx.cat, ctx.d.atk_no, role::kFixedFlick33)) return 33;
    if (IsCard(ctx.d, ctx.cat, ctx.d.atk_no, role::kFixedFlick99)) return 99;
    return Attacker(ctx).hp;
}

int32_t BlowDamage(DuelContext& ctx, const BlowRules& rules, int32_t base) {
    const auto has = [&](BlowStep step) { return (rules.steps & step) != 0; };
    int32_t dmg = has(kStrength) ? StatusBonus(ctx, base) : base;
    if (has(kElements)) dmg = ElementBonus(ctx, dmg);
    if (has(kShield)) dmg = ShieldCut(ctx, dmg);
    if (has(kCritical)) dmg = Critical(ctx, rules, dmg);
    if (has(kMiss) && Misses(ctx)) {
        dmg = 0;
        ctx.msg.AddMessage("Miss....");
    }
    if (has(kImmunity) && Immune(ctx)) dmg = 0;
    if (has(kAntagonism)) dmg = Antagonism(ctx, dmg);
    if (has(kSwords)) dmg = SwordsAndShields(ctx, dmg);
    return has(kComparisons) && Outranks(ctx) ? 0 : dmg;
}

void BlowAftermath(DuelContext& ctx, const BlowRules& rules, int32_t damage, int32_t counter_base) {
    const auto has = [&](BlowStep step) { return (rules.steps & step) != 0; };
    ApplyBlow(ctx, rules, damage);
    if (has(kAbsorb)) BarrierAbsorb(ctx, damage);
    if (has(kDrain)) Drain(ctx);
    if (has(kPoison)) PoisonSting(ctx);
    if (has(kShatter)) Shatter(ctx);
    if (has(kCounter)) CounterAttack(ctx, counter_base);
    if (has(kTraps)) BlowTraps(ctx);
}

void StrikeWith(DuelContext& ctx, const BlowRules& rules, int32_t base, std::optional<int32_t> counter_base) {
    Flash(ctx, FlashColour::Red, ctx.d.tgt_no);
    const int32_t hp_before = Target(ctx).hp;
    ctx.screen().PlaySe(rules.wave, rules.channel);
    const int32_t damage = BlowDamage(ctx, rules, base);
    BlowAftermath(ctx, rules, damage, counter_base.value_or(hp_before));
}

void CounterAttack(DuelContext& ctx, int32_t counter_base) {
    Flash(ctx, FlashColour::Red, ctx.d.atk_no);
    const int32_t c = CounterDamage(ctx, counter_base);
    tchar& a = Slot(ctx.d, ctx.d.atk_no);
    a.hp = LoseDownToZero(a.hp, c);
    ctx.screen().PlaySe("punch.wav", 3);
    ctx.msg.AddMessage("反撃＞ " + std::to_string(c) + "ダメージ食らった！");
    ctx.msg.WaitClick();
}

void RecoilTrap(DuelContext& ctx) {
    DuelRecord& d = ctx.d;
    if (!SideWears(d, d.tgt_no, 69)) return;
    tchar& a = Slot(d, d.atk_no);
    tchar& t = Slot(d, d.tgt_no);
    SpringTrap(ctx);
    a.hp /= 2;
    ctx.msg.AddMessage(a.name + "のHPが半減した!!");
    ctx.msg.WaitClick();
    Flash(ctx, FlashColour::Blue, d.tgt_no);
    t.hp = WrapAdd(t.hp, 5);
    t.mp = WrapAdd(t.mp, 5);
    ctx.msg.AddMessage(t.name + "のHP･MP 5回復");
    ctx.msg.WaitClick();
}

void BlowTraps(DuelContext& ctx) {
    RecoilTrap(ctx);
    PetrifyTrap(ctx);
}

int32_t FlickDamage(DuelContext& ctx, int32_t base) { return BlowDamage(ctx, BlowRules{}, base); }

void FlickAftermath(DuelContext& ctx, int32_t damage, int32_t hp_before) {
    BlowAftermath(ctx, BlowRules{}, damage, hp_before);
}

void Flick(DuelContext& ctx) {
    if (SignatureFlick(ctx)) return;
    ctx.msg.ShowMessage("＞でこぴん");
    ctx.msg.WaitClick();
    StrikeWith(ctx, BlowRules{}, FlickBase(ctx));
}

}  // namespace kestra
