#include "battle/strike_techniques.h"

#include <algorithm>
#include <array>
#include <string>
#include <string_view>

#include "duel/side_rules.h"
#include "battle/blow_amounts.h"
#include "battle/flick.h"
#include "battle/role_cards.h"
#include "battle/technique.h"
#include "battle/technique_kit.h"

namespace kestra {

namespace {

using namespace kit;

// The countdown's last step the shepherd's gun may leave.
constexpr int32_t kTimeOne = 12;

// The base of a key's row from the attacker's figures.
int32_t AttackerBase(DuelContext& ctx, int32_t key) { return BlowBase(BlowAmountOf(key), Attacker(ctx)); }

// The target loses D HP (not below 0); the line D + "ダメージ与えた！".
void Wound(DuelContext& ctx, int32_t dmg) {
    tchar& t = Target(ctx);
    t.hp = LoseDownToZero(t.hp, dmg);
    Line(ctx, std::to_string(dmg) + "ダメージ与えた！");
}

// Red flash on the target and the technique's sound.
void Aim(DuelContext& ctx, std::string_view wave) {
    Flash(ctx, FlashColour::Red, ctx.d.tgt_no);
    ctx.screen().PlaySe(wave, kSe);
}

// A shot that spares only one kind of card: "無効...." for any other, else the sound and D damage.
template <size_t N>
void KindOnlyBlow(DuelContext& ctx, std::string_view caption, std::string_view wave,
                  const std::array<int32_t, N>& kind, int32_t dmg) {
    Title(ctx, caption);
    if (!IsAnyCard(ctx, ctx.d.tgt_no, kind)) {
        Line(ctx, "無効....");
        return;
    }
    Aim(ctx, wave);
    Wound(ctx, dmg);
}

// The target still standing with at least the attacker's LV answers the shepherd's gun by cutting LV.
void ShepherdCounter(DuelContext& ctx, int32_t cut) {
    const tchar& t = Target(ctx);
    tchar& a = Attacker(ctx);
    if (t.hp <= 0 || t.lv < a.lv || a.lv <= 0) return;
    Flash(ctx, FlashColour::Red, ctx.d.atk_no);
    a.lv = WrapSub(a.lv, cut);
    Line(ctx, "反撃＞LVを" + std::to_string(cut) + "削られた！");
}

}  // namespace

// Even chance digits shoot HP, odd ones MP; the gunsmith never misses.
void ShepherdGun(DuelContext& ctx) {
    const BlowAmount& row = BlowAmountOf(6);
    int32_t amount = AttackerBase(ctx, 6);
    Title(ctx, "羊使いの銃");
    Aim(ctx, "gun.wav");
    const int32_t luck = ctx.d.luck;
    if (luck == row.miss && !IsCard(ctx.d, ctx.cat, ctx.d.atk_no, role::kGunsmith)) {
        MissTail(ctx);
        return;
    }
    if (luck == row.critical) {
        ctx.msg.AddMessage("ｸﾘﾃｨｶﾙ!!");
        amount = WrapAdd(amount, kCriticalBonus);
    }
    tchar& t = Target(ctx);
    if (luck % 2 == 1) {
        t.mp = WrapSub(t.mp, amount);
        Line(ctx, "MPを" + std::to_string(amount) + "削った！");
    } else {
        Wound(ctx, amount);
    }
    if (luck == row.variant) {
        Flash(ctx, FlashColour::Purple, ctx.d.tgt_no);
        t.status1 = kTimeOne;
        Line(ctx, t.name + "は羊の群れに時を奪われた！<時１>");
    }
    ShepherdCounter(ctx, row.extra);
}

void WolfArrow(DuelContext& ctx) {
    BlowRules rules;
    rules.steps = kShield | kImmunity | kCritical | kTraps;
    if (!IsAnyCard(ctx, ctx.d.atk_no, role::kArchers)) rules.steps |= kMiss;
    rules.wave = "lazer.wav";
    const int32_t base = AttackerBase(ctx, 11);
    Title(ctx, "弓矢狼");
    StrikeWith(ctx, rules, base);
}

void DragonBuster(DuelContext& ctx) {
    KindOnlyBlow(ctx, "ドラゴンバスター", "ryu.wav", role::kDragonKind, AttackerBase(ctx, 14));
}

// The stars of the turn (turn mod 4) add to the row's base; the fortune teller reads them twice.
void Astrology(DuelContext& ctx) {
    const BlowAmount& row = BlowAmountOf(20);
    int32_t amount = WrapAdd(AttackerBase(ctx, 20), ctx.d.turn % 4);
    if (IsCard(ctx.d, ctx.cat, ctx.d.atk_no, role::kFortuneTeller)) amount = WrapMul(amount, row.extra);
    Title(ctx, "占星術");
    Flash(ctx, FlashColour::Red, ctx.d.tgt_no);
    tchar& t = Target(ctx);
    if (ctx.d.luck % 2 == 0) {
        ctx.screen().PlaySe("punch.wav", kSe);
        t.hp = WrapSub(t.hp, amount);
        Line(ctx, std::to_string(amount) + "ダメージ!!");
        return;
    }
    ctx.screen().PlaySe("magic.wav", kSe);
    t.mp = WrapSub(t.mp, amount);
    Line(ctx, t.name + "のMPを " + std::to_string(amount) + "削った!!");
}

void SaintDance(DuelContext& ctx) {
    KindOnlyBlow(ctx, "セイントダンス", "up.wav", role::kDarkKind, AttackerBase(ctx, 34));
}

// MP first; a target with no MP left gives HP instead, which the wind carries to the attacker. Then the
// target answers with half the HP it had.
void RedWind(DuelContext& ctx) {
    const BlowAmount& row = BlowAmountOf(50);
    int32_t amount = AttackerBase(ctx, 50);
    if (IsCard(ctx.d, ctx.cat, ctx.d.atk_no, role::kCrimsonSwordSaint)) amount = WrapMul(amount, row.extra);
    Title(ctx, "赤い風");
    tchar& t = Target(ctx);
    const int32_t hp_before = t.hp;
    if (t.mp > 0) {
        Aim(ctx, "magic.wav");
        t.mp = LoseDownToZero(t.mp, amount);
        Line(ctx, t.name + "のMPを " + std::to_string(amount) + "吹き飛ばした！");
    } else {
        Aim(ctx, "blood.wav");
        t.hp = LoseDownToZero(t.hp, amount);
        tchar& a = Attacker(ctx);
        a.hp = WrapAdd(a.hp, amount);
        Line(ctx, t.name + "からHPを " + std::to_string(amount) + "吸い取った！");
    }
    CounterAttack(ctx, Share(hp_before, row.counter_share));
}

// The words strike "Dのダメージ分を与えた！"; between dragons they bite again for the row's extra.
void DragonTongue(DuelContext& ctx) {
    const BlowAmount& row = BlowAmountOf(52);
    const int32_t amount = AttackerBase(ctx, 52);
    Title(ctx, "龍言語魔法");
    Aim(ctx, "ryu.wav");
    tchar& t = Target(ctx);
    t.hp = LoseDownToZero(t.hp, amount);
    Line(ctx, t.name + "に" + std::to_string(amount) + "のダメージ分" + "を与えた！");
    const bool dragons =
        IsAnyCard(ctx, ctx.d.atk_no, role::kDragonKind) || IsAnyCard(ctx, ctx.d.tgt_no, role::kDragonKind);
    if (dragons) {
        t.hp = LoseDownToZero(t.hp, row.extra);
        Line(ctx, "追加ダメージ " + std::to_string(row.extra) + "!!");
    }
    BlowTraps(ctx);
}

void Stillness(DuelContext& ctx) {
    Title(ctx, "無想");
    const tchar& a = Attacker(ctx);
    if (a.lv < 1) {
        Line(ctx, "ＬＶが足りなかった....");
        return;
    }
    const int32_t amount = AttackerBase(ctx, 56);
    Aim(ctx, "ma.wav");
    tchar& t = Target(ctx);
    t.hp = LoseDownToZero(t.hp, amount);
    Line(ctx, a.name + "のLV分のダメージ " + std::to_string(amount) + "を与えた!!");
}

// A miss ends in the missed-attack tail; 巨大隕石 worn anywhere adds the row's extra.
void Meteor(DuelContext& ctx) {
    const BlowAmount& row = BlowAmountOf(94);
    int32_t amount = AttackerBase(ctx, 94);
    if (EitherWearsNamed(ctx, "巨大隕石")) amount = WrapAdd(amount, row.extra);
    Title(ctx, "メテオ");
    Aim(ctx, "baku.wav");
    if (ctx.d.luck == row.miss) {
        MissTail(ctx);
        return;
    }
    if (ctx.d.luck == row.critical) {
        ctx.msg.AddMessage("クリティカル!!");
        amount = WrapAdd(amount, kCriticalBonus);
    }
    Wound(ctx, amount);
}

}  // namespace kestra
