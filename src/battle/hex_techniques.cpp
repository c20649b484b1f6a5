#include "battle/hex_techniques.h"

#include <array>
#include <string>
#include <string_view>

#include "base/int_text.h"
#include "duel/side_rules.h"
#include "battle/flick.h"
#include "battle/role_cards.h"
#include "battle/status_family.h"
#include "battle/technique.h"
#include "battle/technique_kit.h"
#include "duel/flash.h"

namespace kestra {

namespace {

using namespace kit;
using status::Of;

constexpr int32_t kFire = 3;

// A chance digit below the row's `low` misses: "Miss...." and the petrify trap.
bool Missed(DuelContext& ctx, const status::Figures& f) {
    if (ctx.d.luck >= f.low) return false;
    MissTail(ctx);
    return true;
}

// One fairy blow: red flash, the loss, the line.
void FairyBlow(DuelContext& ctx, int32_t slot, int32_t loss, const std::string& tail) {
    tchar& c = Slot(ctx.d, slot);
    Flash(ctx, FlashColour::Red, slot);
    c.hp = WrapSub(c.hp, loss);
    Line(ctx, c.name + "は妖精達に攻撃された！ " + tail);
}

// The bomb-proof cards laugh at a bomb, planted or going off.
bool BombProof(const DuelContext& ctx, int32_t slot) { return IsAnyCard(ctx, slot, role::kBombProof); }

// One step of a countdown a hastened bomb takes: <時３> → <時２> → <時１> → <爆弾>.
struct Fuse {
    int32_t from, to;
    std::string_view shown;
};
constexpr std::array<Fuse, 3> kFuses = {{{14, 13, "<時２>"}, {13, 12, "<時１>"}, {12, 9, "<爆弾>"}}};

// A bomb already in the body moves one step closer, or goes off; false when there is none.
bool Hasten(DuelContext& ctx) {
    tchar& t = Target(ctx);
    if (t.status1 == 9) {
        Flash(ctx, FlashColour::Black, ctx.d.tgt_no);
        ctx.screen().PlaySe("baku.wav", kSe);
        t.hp = 0;
        Line(ctx, t.name + "は爆弾が爆発して吹き飛んだ！");
        return true;
    }
    for (const Fuse& fuse : kFuses) {
        if (t.status1 != fuse.from) continue;
        Flash(ctx, FlashColour::Purple, ctx.d.tgt_no);
        ctx.screen().PlaySe("time_wav.wav", kSe);
        t.status1 = fuse.to;
        Line(ctx, t.name + "の体内爆弾が早まった！→" + std::string(fuse.shown));
        return true;
    }
    return false;
}

}  // namespace

// The fairies strike the target for `amount` and each of its living side-mates for `extra`.
void FairyKing(DuelContext& ctx) {
    Title(ctx, "妖精王ミディール");
    if (!status::TargetStands(ctx)) return;
    const status::Figures& f = Of<12>();
    if (ctx.d.luck < f.low) {
        ctx.screen().PlaySe("down.wav", kSe);
        Line(ctx, "妖精達に見放された！");
        return;
    }
    ctx.screen().PlaySe("punch.wav", kSe);
    FairyBlow(ctx, ctx.d.tgt_no, f.amount, "HP -" + std::to_string(f.amount));
    const int32_t first = FirstSlotOf(ctx.d.tgt_no);
    for (int32_t s = first; s < first + 3; ++s)
        if (s != ctx.d.tgt_no && Slot(ctx.d, s).alive())
            FairyBlow(ctx, s, f.extra, "HP-" + std::to_string(f.extra));
}

// A confused target goes all the way to betrayal; a high digit gets there at once.
void Temptation(DuelContext& ctx) {
    Title(ctx, "テンプテーション");
    if (!status::TargetStands(ctx) || Missed(ctx, Of<13>())) return;
    tchar& t = Target(ctx);
    Flash(ctx, FlashColour::Fuchsia, ctx.d.tgt_no);
    ctx.screen().PlaySe("cat.wav", kSe);
    if (t.status1 == 7 || ctx.d.luck >= Of<13>().high) {
        t.status1 = 16;
        Line(ctx, t.name + "は裏切った!!");
    } else {
        t.status1 = 7;
        Line(ctx, t.name + "は混乱した！");
    }
    BlowTraps(ctx);
}

// The town doctor knows the cure before the sickness comes.
void Illness(DuelContext& ctx) {
    Title(ctx, "イルネス");
    if (!status::TargetStands(ctx)) return;
    if (IsCard(ctx.d, ctx.cat, ctx.d.tgt_no, role::kTownDoctor)) {
        Line(ctx, "無効....");
        return;
    }
    if (Missed(ctx, Of<15>())) return;
    Flash(ctx, FlashColour::Green, ctx.d.tgt_no);
    ctx.screen().PlaySe("down.wav", kSe);
    Target(ctx).status1 = 10;
    Line(ctx, Target(ctx).name + "は病気になってしまった！");
}

// Rampage replaces whatever good status the target held.
void Berserker(DuelContext& ctx) {
    Title(ctx, "バーサーカー");
    if (!status::TargetStands(ctx)) return;
    if (status::GreatDefence(ctx, ctx.d.tgt_no)) {
        Line(ctx, "無効化されてしまった！");
        return;
    }
    Flash(ctx, FlashColour::White, ctx.d.tgt_no);
    ctx.screen().PlaySe("gya.wav", kSe);
    Target(ctx).status2 = 6;
    Line(ctx, Target(ctx).name + "は暴走した！！");
}

// A fresh bomb starts at <時３> (or <時２> on a high digit) and ticks down on the target's own actions.
void TimeBomb(DuelContext& ctx) {
    Title(ctx, "時限爆弾");
    if (!status::TargetStands(ctx)) return;
    if (BombProof(ctx, ctx.d.tgt_no)) {
        Line(ctx, "無効....");
        return;
    }
    if (Missed(ctx, Of<25>()) || Hasten(ctx)) return;
    const status::Figures& f = Of<25>();
    Flash(ctx, FlashColour::Purple, ctx.d.tgt_no);
    ctx.screen().PlaySe("time_wav.wav", kSe);
    Target(ctx).status1 = ctx.d.luck >= f.high ? f.extra : f.amount;
    Line(ctx, Target(ctx).name + "に即席爆弾が埋めこまれた！");
}

// Poison on poison thickens to strong poison.
void PoisonButterfly(DuelContext& ctx) {
    Title(ctx, "ﾎﾟｲｽﾞﾝ･ﾊﾞﾀﾌﾗｲ");
    if (!status::TargetStands(ctx)) return;
    tchar& t = Target(ctx);
    Flash(ctx, FlashColour::Green, ctx.d.tgt_no);
    ctx.screen().PlaySe("awa.wav", kSe);
    if (t.status1 == 1 || t.status1 == 6 || ctx.d.luck >= Of<41>().high) {
        t.status1 = 6;
        Line(ctx, t.name + "は猛毒におかされた！");
    } else {
        t.status1 = 1;
        Line(ctx, t.name + "は毒におかされた！");
    }
}

// The wind blows the target's MP away; only the recoil trap pays it back.
void BlueWind(DuelContext& ctx) {
    Title(ctx, "青い風");
    if (!status::TargetStands(ctx) || Missed(ctx, Of<44>())) return;
    Flash(ctx, FlashColour::Aqua, ctx.d.tgt_no);
    ctx.screen().PlaySe("magic.wav", kSe);
    Target(ctx).mp = 0;
    Line(ctx, Target(ctx).name + "のMPを０にした！");
    RecoilTrap(ctx);
}

// The curse halves the target's HP on each of its own actions, so the sutra misses often.
void EightEarthSutra(DuelContext& ctx) {
    Title(ctx, "八ノ地経文");
    if (!status::TargetStands(ctx) || Missed(ctx, Of<71>())) return;
    Flash(ctx, FlashColour::Black, ctx.d.tgt_no);
    ctx.screen().PlaySe("noroi.wav", kSe);
    Target(ctx).status1 = 3;
    Line(ctx, Target(ctx).name + "は呪われた！");
}

// A frozen card shatters under the next blow, so fire will not freeze and the ice misses often.
void Freeze(DuelContext& ctx) {
    Title(ctx, "凍結");
    if (!status::TargetStands(ctx)) return;
    if (status::GreatDefence(ctx, ctx.d.tgt_no)) {
        Line(ctx, "....無効化された");
        return;
    }
    if (Target(ctx).element == kFire) {
        Line(ctx, "無効....");
        return;
    }
    if (Missed(ctx, Of<93>())) return;
    Flash(ctx, FlashColour::Aqua, ctx.d.tgt_no);
    ctx.screen().PlaySe("bli.wav", kSe);
    Target(ctx).status1 = 8;
    Line(ctx, Target(ctx).name + "を凍結させた！！");
}

}  // namespace kestra
