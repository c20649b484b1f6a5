#include "battle/simple_techniques.h"

#include <string>
#include <string_view>

#include "base/int_text.h"
#include "duel/side_rules.h"
#include "battle/technique_kit.h"
#include "duel/flash.h"

namespace kestra {

namespace {

using namespace kit;

// The waves of a side-wide gain and loss; like every technique sound but
// 森羅万象's (channel 1), they play on channel 3.
constexpr std::string_view kGainWave = "ma_up.wav";
constexpr std::string_view kLossWave = "ma2.wav";

}  // namespace

// The side-wide lines of 錬金術, 忍術 and 天術 name the card and what it gained
// or lost.
void Alchemy(DuelContext& ctx) {
    SideWide(
        ctx, "錬金術", OwnSide(ctx.d), kGainWave, [](const tchar& c) { return c.status2 != 0; },
        [](tchar& c) {
            c.hp = WrapAdd(c.hp, 3);
            c.mp = WrapAdd(c.mp, 3);
            c.status2 = 0;
            return c.name + "はHP,MPが 3ずつ回復した！";
        });
}

void NinjaArt(DuelContext& ctx) {
    SideWide(
        ctx, "忍術", OtherSide(ctx.d), kLossWave, [](const tchar& c) { return c.status1 != 0; },
        [](tchar& c) {
            c.hp = WrapAdd(c.hp, -4);
            c.mp = WrapAdd(c.mp, -4);
            c.status1 = 0;
            return c.name + "はHP,MPが 4ずつ減った！";
        });
}

void HeavenArt(DuelContext& ctx) {
    SideWide(
        ctx, "天術", OtherSide(ctx.d), kLossWave, [](const tchar& c) { return c.status2 != 0; },
        [](tchar& c) {
            c.hp = WrapAdd(c.hp, -5);
            c.status1 = 0;
            return c.name + "はHPが 5減った！";
        });
}

void FairyArt(DuelContext& ctx) {
    const int32_t element = Attacker(ctx).element;
    SideWide(
        ctx, "妖精術", kAllSix, kGainWave, [element](const tchar& c) { return c.element == element; },
        [](tchar& c) {
            c.status2 = 11;
            return c.name + "は<治>状態になった!!";
        });
}

void NetherArt(DuelContext& ctx) {
    // The attacker's HP as the gate opens: swallowing the attacker does not close
    // it on the rest.
    const int32_t hp = Attacker(ctx).hp;
    SideWide(
        ctx, "冥術", kAllSix, kLossWave, [hp](const tchar& c) { return c.hp == hp; },
        [](tchar& c) {
            c.hp = 0;
            return "冥界門の黒い口が" + c.name + "を飲みこんだ!!";
        });
}

void PrayerArt(DuelContext& ctx) {
    Title(ctx, "祈祷術");
    ctx.screen().PlaySe("kaifuku.wav", kSe);
    Flash(ctx, FlashColour::Blue, ctx.d.atk_no);
    tchar& a = Attacker(ctx);
    const int32_t lv = a.lv;
    a.hp = WrapAdd(a.hp, lv);
    a.mp = WrapAdd(a.mp, lv);
    ctx.msg.ShowMessage("HPとMPを LV分 " + std::to_string(lv) + "ずつ回復した！");
    ctx.msg.WaitClick();
    a.lv = 0;
}

void HealingArt(DuelContext& ctx) {
    Title(ctx, "医術");
    // A healing: the blue flash and "kaifuku.wav" of the prayer art.
    ctx.screen().PlaySe("kaifuku.wav", kSe);
    Flash(ctx, FlashColour::Blue, ctx.d.atk_no);
    tchar& a = Attacker(ctx);
    const int32_t mp = a.mp;
    a.hp = WrapAdd(a.hp, mp);
    a.mp = 0;
    Line(ctx, a.name + "はMP分 " + std::to_string(mp) + "回復した!!");
}

void MindDrain(DuelContext& ctx) {
    Title(ctx, "吸心");
    ctx.screen().PlaySe("blood.wav", kSe);
    Flash(ctx, FlashColour::Fuchsia, ctx.d.tgt_no);
    Flash(ctx, FlashColour::Fuchsia, ctx.d.atk_no);
    tchar& t = Slot(ctx.d, ctx.d.tgt_no);
    const int32_t lv = t.lv;
    t.lv = 0;
    tchar& a = Attacker(ctx);
    a.lv = WrapAdd(a.lv, lv);
    Line(ctx, t.name + "のLV値 " + std::to_string(lv) + "を吸い取った！");
}

void HeartArt(DuelContext& ctx) {
    Title(ctx, "心術");
    Flash(ctx, FlashColour::Lime, ctx.d.atk_no);
    ctx.screen().PlaySe(kGainWave, kSe);
    tchar& a = Attacker(ctx);
    a.hp = WrapAdd(a.hp, 2);
    a.mp = WrapAdd(a.mp, 2);
    a.lv = WrapAdd(a.lv, 2);
    Line(ctx, a.name + "はHP,MP,EPを 2回復した!!");
}

void AllCreation(DuelContext& ctx) {
    Title(ctx, "森羅万象");
    const int32_t turn = ctx.d.turn;
    ctx.screen().PlaySe("kaifuku.wav", 1);
    Flash(ctx, FlashColour::Blue, ctx.d.atk_no);
    tchar& a = Attacker(ctx);
    a.hp = WrapAdd(a.hp, turn);
    a.mp = WrapAdd(a.mp, turn);
    ctx.msg.ShowMessage(a.name + "は HPとMPがそれぞれ " + std::to_string(turn) + "回復した!!");
    ctx.msg.WaitClick();
}

void Illusion(DuelContext& ctx) {
    Title(ctx, "幻術");
    Flash(ctx, FlashColour::Lime, ctx.d.atk_no);
    ctx.screen().PlaySe("ma.wav", kSe);
    tchar& a = Attacker(ctx);
    a.hp = WrapDouble(a.hp);
    a.status1 = 17;
    Line(ctx, a.name + "は自ら鉄壁と化した!!");
}

}  // namespace kestra
