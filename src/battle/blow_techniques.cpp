#include "battle/blow_techniques.h"

#include <algorithm>
#include <string>
#include <string_view>

#include "duel/side_rules.h"
#include "battle/blow_amounts.h"
#include "battle/flick.h"
#include "battle/role_cards.h"
#include "battle/technique_kit.h"

namespace kestra {

namespace {

using namespace kit;

// The transplanted technique 両 (魔剣発動範囲+1).
constexpr int32_t kBothEdges = 31;
// The weakened status a super onion cut leaves.
constexpr int32_t kWeakened = 4;

// Rules with the given steps, sound and "D" + line.
constexpr BlowRules Rules(uint32_t steps, std::string_view wave, std::string_view line) {
    BlowRules r;
    r.steps = steps;
    r.wave = wave;
    r.after_amount = line;
    return r;
}

// Rules whose line names the target: name + before + D + after.
constexpr BlowRules NamingRules(uint32_t steps, std::string_view wave, std::string_view before,
                                std::string_view after) {
    BlowRules r = Rules(steps, wave, after);
    r.names_target = true;
    r.before_amount = before;
    return r;
}

// The flick's modifiers and aftermath with or without its luck and its counter.
constexpr uint32_t kSteadyBlow = kFlickModifiers | kFlickAftermath | kCounter;
constexpr uint32_t kLuckyBlow = kCritical | kMiss;

// Each member's steps, sound and damage line.
constexpr BlowRules kBodyArt = Rules(kSteadyBlow, "ma.wav", "ダメージ与えた！");
constexpr BlowRules kMartialArt = Rules(kSteadyBlow | kLuckyBlow, "ma.wav", "ダメージ与えた！");
constexpr BlowRules kSylviaSword = Rules(kFlickModifiers | kFlickAftermath, "ken.wav", "ダメージ与えた！");
constexpr BlowRules kDarkSword = Rules(kFlickModifiers | kCounter | kTraps, "ken.wav", "ダメージ与えた！");
constexpr BlowRules kJujutsu = Rules(kImmunity | kSwords | kTraps, "ma2.wav", "ダメージ！");
constexpr BlowRules kTimeSword = Rules(kSteadyBlow, "ken.wav", "ダメージ与えた！");
constexpr BlowRules kMagicSword = Rules(kEveryBlowStep, "ken.wav", "ダメージ与えた！");
constexpr BlowRules kWhiteCross = Rules(kShield | kImmunity | kTraps, "ken.wav", "ダメージ与えた！");
constexpr BlowRules kSwordsmanship = [] {
    BlowRules r = NamingRules(kSwords | kTraps, "ken.wav", "のHP,MP ", "ダメージ与えた!!");
    r.hits_mp = true;
    return r;
}();
constexpr BlowRules kSlap = Rules(kLuckyBlow | kImmunity | kTraps, "punch.wav", "ダメージ与えた！");
constexpr BlowRules kWeakness =
    Rules(kStrength | kElements | kShield | kImmunity | kCounter | kTraps, "ken.wav", "ダメージ与えた！");
constexpr BlowRules kMinecartGun = Rules(kCritical | kShatter | kTraps, "gun.wav", "ダメージ与えた！");
constexpr BlowRules kSpear = NamingRules(kSwords | kTraps, "ken.wav", "に ", "ダメージ与えた!!");
constexpr BlowRules kOnionCut = Rules(kLuckyBlow | kImmunity | kTraps, "ken.wav", "ダメージ与えた！");
constexpr BlowRules kMissile = Rules(kShatter | kTraps, "gun.wav", "ダメージ与えた！");

// The base of a key's row from the attacker's figures.
int32_t AttackerBase(DuelContext& ctx, int32_t key) { return BlowBase(BlowAmountOf(key), Attacker(ctx)); }

// Title and one blow whose base comes from the attacker.
void TitledStrike(DuelContext& ctx, std::string_view caption, const BlowRules& rules, int32_t key) {
    const int32_t base = AttackerBase(ctx, key);
    Title(ctx, caption);
    StrikeWith(ctx, rules, base);
}

// A gun that costs 1 LV: "ＬＶが足りなかった...." without it, else the title with its cost and the shot.
void LevelShot(DuelContext& ctx, std::string_view caption, const BlowRules& rules, int32_t key) {
    tchar& a = Attacker(ctx);
    if (a.lv < 1) {
        Title(ctx, caption);
        Line(ctx, "ＬＶが足りなかった....");
        return;
    }
    a.lv = WrapSub(a.lv, 1);
    TitledStrike(ctx, std::string(caption) + " (LV -1)", rules, key);
}

// The next living card after the target on the target's side, going round; 0 when there is none.
int32_t CardBesideTarget(const DuelRecord& d) {
    const int32_t first = FirstSlotOf(d.tgt_no);
    for (int32_t step = 1; step <= 2; ++step) {
        const int32_t slot = first + (d.tgt_no - first + step) % 3;
        if (Slot(d, slot).alive()) return slot;
    }
    return 0;
}

// 両 carries the magic sword on to the card beside the target, with its own line, blow and counter.
void SecondEdge(DuelContext& ctx) {
    const int32_t beside = CardBesideTarget(ctx.d);
    if (beside == 0) return;
    const int32_t target = ctx.d.tgt_no;
    Line(ctx, Slot(ctx.d, beside).name + "にも魔剣の刃が届いた！");
    ctx.d.tgt_no = beside;
    StrikeWith(ctx, kMagicSword, AttackerBase(ctx, 54));
    ctx.d.tgt_no = target;
}

}  // namespace

void BodyArt(DuelContext& ctx) { TitledStrike(ctx, "体術", kBodyArt, 7); }

void MartialArt(DuelContext& ctx) { TitledStrike(ctx, "武術", kMartialArt, 17); }

void SylviaSword(DuelContext& ctx) { TitledStrike(ctx, "シルヴィア剣", kSylviaSword, 30); }

void DarkSword(DuelContext& ctx) { TitledStrike(ctx, "暗黒剣", kDarkSword, 33); }

// The throw uses the target's own weight: its HP, not the attacker's.
void Jujutsu(DuelContext& ctx) {
    const int32_t base = BlowBase(BlowAmountOf(38), Target(ctx));
    Title(ctx, "柔術");
    StrikeWith(ctx, kJujutsu, base);
}

// On the paradox digit the target is struck with its own HP and strikes back with the attacker's.
void TimeSword(DuelContext& ctx) {
    if (ctx.d.luck != BlowAmountOf(53).variant) {
        TitledStrike(ctx, "時間剣", kTimeSword, 53);
        return;
    }
    const int32_t target_hp = Target(ctx).hp;
    const int32_t attacker_hp = Attacker(ctx).hp;
    Title(ctx, "時間剣");
    Line(ctx, "タイムパラドックス＞時の流れが逆巻いた！");
    StrikeWith(ctx, kTimeSword, target_hp, attacker_hp);
}

void MagicSword(DuelContext& ctx) {
    tchar& a = Attacker(ctx);
    if (a.mp < 1) {
        Title(ctx, "魔剣");
        Line(ctx, "ＭＰが足りなかった....");
        return;
    }
    a.mp = WrapSub(a.mp, 1);
    TitledStrike(ctx, "魔剣 (MP -1)", kMagicSword, 54);
    if (Attacker(ctx).waza == kBothEdges) SecondEdge(ctx);
}

void UltraFlick(DuelContext& ctx) { TitledStrike(ctx, "ウルトラでこぴん", BlowRules{}, 68); }

void WhiteCross(DuelContext& ctx) { TitledStrike(ctx, "ヴァイスクロイツ", kWhiteCross, 73); }

void Swordsmanship(DuelContext& ctx) { TitledStrike(ctx, "剣術", kSwordsmanship, 77); }

void Slap(DuelContext& ctx) { TitledStrike(ctx, "ビンタ", kSlap, 82); }

// 10 less the attacker's HP, never below 0; the weaklings double it.
void WeaknessIsStrength(DuelContext& ctx) {
    const BlowAmount& row = BlowAmountOf(84);
    int32_t base = std::max(0, AttackerBase(ctx, 84));
    for (const int32_t card : role::kWeaklings)
        if (IsCard(ctx.d, ctx.cat, ctx.d.atk_no, card)) base = WrapMul(base, row.extra);
    Title(ctx, "弱さは強さ");
    StrikeWith(ctx, kWeakness, base);
}

void MinecartGun(DuelContext& ctx) { LevelShot(ctx, "トロッコ銃", kMinecartGun, 85); }

void Spearmanship(DuelContext& ctx) { TitledStrike(ctx, "槍術", kSpear, 87); }

// The super cut strikes twice as hard and leaves the target in tears (<↓>) if it still stands.
void OnionCut(DuelContext& ctx) {
    const BlowAmount& row = BlowAmountOf(90);
    if (ctx.d.luck != row.variant) {
        TitledStrike(ctx, "タマネギ斬り", kOnionCut, 90);
        return;
    }
    const int32_t base = WrapMul(AttackerBase(ctx, 90), row.extra);
    Title(ctx, "スーパータマネギ斬り");
    StrikeWith(ctx, kOnionCut, base);
    tchar& t = Target(ctx);
    if (t.hp <= 0) return;
    t.status1 = kWeakened;
    Line(ctx, t.name + "は涙が止まらなくなった！<↓>");
}

void Missile(DuelContext& ctx) { LevelShot(ctx, "ミサイル", kMissile, 95); }

}  // namespace kestra
