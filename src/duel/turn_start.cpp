#include "duel/turn_start.h"

#include <array>
#include <string>

#include "duel/flash.h"
#include "duel/icon_rules.h"
#include "duel/judgement.h"
#include "duel/time_limit.h"

namespace kestra {

namespace {

// The other two cards of a side in the order status 7 heals them.
std::array<int32_t, 2> HealOrder(int32_t slot) {
    switch (slot) {
        case 1: return {3, 2};
        case 2: return {1, 3};
        case 3: return {1, 2};
        case 4: return {5, 6};
        case 5: return {4, 6};
        default: return {4, 5};
    }
}

// One effect line: flash the card, add its name and the suffix, wait.
void Effect(DuelContext& ctx, int32_t slot, FlashColour colour, std::string_view suffix) {
    Flash(ctx, colour, slot);
    ctx.msg.AddMessage(ctx.d.chara[static_cast<size_t>(slot)].name + std::string(suffix));
    ctx.msg.WaitClick();
}

// Halve HP and MP, rounding toward zero as the game's div does.
void Halve(tchar& c) {
    c.mp -= c.mp / 2;
    c.hp -= c.hp / 2;
}

// (position mod 3 + my_id + aite_id) mod m, the same on both machines for the same card.
int32_t SharedDraw(const DuelRecord& d, int32_t slot, int32_t m) {
    const uint32_t sum = static_cast<uint32_t>(slot % 3) + static_cast<uint32_t>(d.my_id) + static_cast<uint32_t>(d.aite_id);
    const int32_t v = static_cast<int32_t>(sum) % m;
    return v;
}

// The status-driven rows of the turn-start table for one card.
void StatusEffects(DuelContext& ctx, int32_t slot) {
    tchar& c = ctx.d.chara[static_cast<size_t>(slot)];
    if (c.status2 == 1) {
        c.hp += 1;
        Effect(ctx, slot, FlashColour::Blue, "は 1回復した");
    }
    if (c.status2 == 7) {
        for (const int32_t other : HealOrder(slot)) {
            tchar& o = ctx.d.chara[static_cast<size_t>(other)];
            if (!o.alive()) continue;
            o.hp += 1;
            o.mp += 1;
            Effect(ctx, other, FlashColour::Blue, "はHP・MPが 1ずつ回復した");
        }
    }
    if (c.status2 == 9) {
        c.hp = static_cast<int32_t>(static_cast<uint32_t>(c.hp) * 2u);
        Effect(ctx, slot, FlashColour::Blue, "はHPがx2!!");
    }
    if (c.status2 == 10) {
        c.mp += 1;
        Effect(ctx, slot, FlashColour::Blue, "はMPが 1回復した");
    }
    if (c.status2 == 11) {
        c.hp += 2;
        Effect(ctx, slot, FlashColour::Blue, "は 2回復した");
    }
    if (c.status2 == 12 && c.status1 != 0) {
        c.status1 = 0;
        Effect(ctx, slot, FlashColour::White, "は ｽﾃｰﾀｽ異状を自ら解除した");
    }
}

// The rows driven by the worn "…のカード" icons for one card.
void CardIconEffects(DuelContext& ctx, int32_t slot) {
    const DuelRecord& d = ctx.d;
    tchar& c = ctx.d.chara[static_cast<size_t>(slot)];
    auto worn = [&](const char* name) { return IconWorn(d, ctx.cat, name); };
    if (worn("救済のカード") && c.status1 != 0) {
        c.hp += 3;
        c.mp += 3;
        Effect(ctx, slot, FlashColour::Blue, "はHP,MPが 3回復した");
    }
    if (worn("天罰のカード") && c.status2 != 0) {
        Halve(c);
        Effect(ctx, slot, FlashColour::Black, "はHP,MPが半減!!");
    }
    if (worn("煩悩のカード") && c.waza != 0) {
        Halve(c);
        Effect(ctx, slot, FlashColour::Black, "はHP,MPが半減!!");
    }
    if (worn("奇跡のカード") && c.hp < 5) {
        c.status2 = SharedDraw(d, slot, 14);
        Effect(ctx, slot, FlashColour::White, "はランダムGOODステータス!!");
    }
    if (worn("応報のカード") && c.hp >= 10) {
        c.status1 = SharedDraw(d, slot, 21);
        Effect(ctx, slot, FlashColour::White, "はランダムBADステータス!!");
    }
    if (worn("不死のカード") && c.hp >= 10) {
        c.status1 = 15;
        Effect(ctx, slot, FlashColour::White, "は<契約>化");
    }
    if (worn("不死のカード") && c.hp <= 3) {
        c.status2 = 5;
        Effect(ctx, slot, FlashColour::White, "は<約>化");
    }
    if (worn("素顔のカード") && (c.status1 != 0 || c.status2 != 0)) {
        c.status1 = c.status2 = 0;
        Effect(ctx, slot, FlashColour::White, "のステータス状態は解除された");
    }
}

// Icon 233 on the very first turn: the moving side's HP is halved.
void DontLookBack(DuelContext& ctx, bool this_side) {
    if (ctx.d.turn != 0 || !AnyWears(ctx.d, 233)) return;
    ctx.msg.ShowMessage("＞ドントルックバック");
    ctx.msg.WaitClick();
    const size_t first = this_side ? 1 : 4;
    for (size_t s = first; s < first + 3; ++s) ctx.d.chara[s].hp /= 2;
    ctx.msg.AddMessage("＞全員HP半減");
    ctx.msg.WaitClick();
}

// This side's turn: the pass button and the choice of the acting card.
void OwnTurn(DuelContext& ctx) {
    ctx.msg.ShowMessage("あなたのターンです");
    ctx.msg.AddMessage("誰で攻撃しますか？自分のキャラの中から選択して下さい");
    ctx.d.input_phase = kPhaseChooseAttacker;
    ctx.d.own_turn = true;
    if (ctx.d.turn == 1 || ctx.d.deadline == 0) ArmDeadline(ctx);
}

// The opponent's turn: wait for its BATTLE NUMBER.
void OpponentTurn(DuelContext& ctx) {
    DuelRecord& d = ctx.d;
    d.input_phase = kPhaseAwaitOpponent;
    d.own_turn = false;
    ctx.msg.ShowMessage(d.e_label + "のターンです");
    ctx.msg.AddMessage("対戦相手から、BATTLENUMBERを教えてもらい、BATTLENUMBER欄にコピー＆ペーストして下さい。");
    ctx.msg.AddMessage("(例：【ﾀｰﾝ1/BN：01241000】→01241000を入力)");
    ctx.msg.AddMessage("\n入力が終了したら、BATTLE PHASEボタンを押し、進めてください");
}

}  // namespace

int32_t TurnLimit(const DuelRecord& d) {
    if (d.duel_kind == kSuddenDeath) return 18;
    if (d.battle_type == 6) return 5;
    if (d.battle_type == 17) return 11;
    return d.turn_base + 1;
}

void RunTurnStartEffects(DuelContext& ctx, bool this_side) {
    DuelRecord& d = ctx.d;
    const int32_t first = this_side ? 1 : 4;
    const bool wears_264 = this_side ? IWear(d, 264) : OpponentWears(d, 264);
    for (int32_t slot = first; slot < first + 3; ++slot) {
        tchar& c = d.chara[static_cast<size_t>(slot)];
        if (!c.alive()) continue;
        if (AnyWears(d, 209) && c.element == 1 && (c.status1 != 0 || c.status2 != 0)) {
            c.status1 = c.status2 = 0;
            Effect(ctx, slot, FlashColour::White, "の第１，２ステータスが解除された");
        }
        if (wears_264) {
            c.mp += 1;
            Effect(ctx, slot, FlashColour::Blue, "のMP +1");
        }
        StatusEffects(ctx, slot);
        CardIconEffects(ctx, slot);
    }
}

bool BeginTurn(DuelContext& ctx, bool this_side) {
    DuelRecord& d = ctx.d;
    DontLookBack(ctx, this_side);
    d.turn += 1;
    if (d.turn >= TurnLimit(d)) {
        RunJudgement(ctx);
        return false;
    }
    RunTurnStartEffects(ctx, this_side);
    ctx.screen().PlaySe("turn2.wav", 0);
    if (this_side && !d.look_mode) {
        OwnTurn(ctx);
    } else if (this_side) {
        d.input_phase = kPhaseAwaitOpponent;
        d.own_turn = true;
        ctx.msg.ShowMessage("申込側のターンです");
        ctx.msg.AddMessage("対戦受け側から、BATTLENUMBERを教えてもらい、BATTLENUMBER欄にコピー＆ペーストして下さい。");
        ctx.msg.AddMessage("(例：【ﾀｰﾝ1/BN：01241000】→01241000を入力)");
        ctx.msg.AddMessage("入力が終了したら、BATTLE PHASEボタンを押し、進めてください");
    } else {
        OpponentTurn(ctx);
    }
    return true;
}

}  // namespace kestra
