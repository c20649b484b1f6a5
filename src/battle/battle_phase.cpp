#include "battle/battle_phase.h"

#include "battle/after_action.h"
#include "duel/side_rules.h"
#include "battle/technique.h"
#include "duel/flash.h"
#include "duel/turn_input.h"

namespace kestra {

namespace {

// "あなたの" / "相手の" side word for the phase title and the pass line.
std::string_view ActorWord(const DuelRecord& d, bool own) {
    if (d.look_mode) return own ? "申込側" : "受け側";
    return own ? "あなた" : "相手";
}

// A side that did not pass wears icon 76, or the passing side icon 261: their gifts.
void PassIcons(DuelContext& ctx) {
    DuelRecord& d = ctx.d;
    const int32_t passer = d.atk_no;
    const int32_t first = FirstSlotOf(passer), other = OtherFirstSlot(passer);
    if (SideWears(d, passer, 261)) {
        ctx.screen().PlaySe("kaifuku.wav", 2);
        for (int32_t s = first; s < first + 3; ++s) {
            tchar& c = Slot(d, s);
            if (!c.alive()) continue;
            Flash(ctx, FlashColour::Blue, s);
            c.lv += 1;
            c.mp += 1;
            c.status1 = 0;
            ctx.msg.AddMessage("<パスの救い>の効果により全員のLV,MPが 1ずつ回復した！ & 状態異常解除");
            ctx.msg.WaitClick();
        }
    }
    if (SideWears(d, other, 76)) {
        ctx.screen().PlaySe("time_wav.wav", 2);
        ctx.msg.ShowMessage("<トラップ!!>");
        ctx.msg.WaitClick();
        for (int32_t s = other; s < other + 3; ++s) {
            tchar& c = Slot(d, s);
            if (!c.alive()) continue;
            Flash(ctx, FlashColour::Blue, s);
            c.hp += 5;
            c.mp += 5;
            c.status1 = 0;
            ctx.msg.AddMessage("全員のHP,MPが 5ずつ回復した！ & 状態異常解除");
            ctx.msg.WaitClick();
        }
    }
}

// The attack announcement: markers, "at_st.wav", who strikes whom.
void Announce(DuelContext& ctx) {
    const DuelRecord& d = ctx.d;
    ctx.screen().ShowActionMarkers(d.atk_no, d.tgt_no);
    ctx.screen().PlaySe("at_st.wav", 2);
    ctx.msg.ShowMessage(SideWord(d, d.atk_no) + "「" + Slot(d, d.atk_no).name + "」は、" + SideWord(d, d.tgt_no) + "「" +
                        Slot(d, d.tgt_no).name + "」に攻撃！");
    ctx.msg.WaitClick();
}

// <鎖> holds the attacker on chance digits 0..4.
bool Chained(DuelContext& ctx) {
    const DuelRecord& d = ctx.d;
    if (Slot(d, d.atk_no).status1 != 20 || d.luck > 4) return false;
    ctx.msg.ShowMessage(SideWord(d, d.atk_no) + "「" + Slot(d, d.atk_no).name + "」は、麻痺して動けなかった！");
    ctx.msg.WaitClick();
    return true;
}

// The technique, the item or nothing, by key.
void Dispatch(DuelContext& ctx, const BattleHooks& hooks) {
    const int32_t key = TechniqueKey(ctx.d);
    if (key == 78) {
        if (hooks.item) hooks.item(ctx);
        return;
    }
    if (const TechniqueFn fn = FindTechnique(key)) fn(ctx);
}

}  // namespace

PhaseEnd PressBattlePhase(DuelContext& ctx, std::string_view field, const BattleHooks& hooks) {
    DuelRecord& d = ctx.d;
    const bool pasted = d.look_mode || d.input_phase == kPhaseAwaitOpponent;
    if (pasted) {
        if (field.empty()) {
            ctx.screen().PlaySe("no.wav", 0);
            return PhaseEnd::Refused;
        }
        if (!AcceptOpponentBattleNumber(ctx, field)) return PhaseEnd::Refused;
    } else if (d.input_phase != kPhaseCommandSent) {
        return PhaseEnd::Refused;
    }
    return ResolveAction(ctx, hooks);
}

PhaseEnd ResolveAction(DuelContext& ctx, const BattleHooks& hooks) {
    DuelRecord& d = ctx.d;
    const bool own = ActingOwn(d);
    d.input_phase = kPhaseIdle;
    ctx.screen().PlaySe("battle.wav", 1);
    ctx.msg.ShowMessage("＜" + std::string(ActorWord(d, own)) + "のBATTLE PHASE＞");
    ctx.msg.WaitClick();
    if (TechniqueKey(d) == 72) {
        ctx.msg.ShowMessage(std::string(ActorWord(d, own)) + "はパスしました");
        ctx.msg.WaitClick();
        PassIcons(ctx);
        return RunAfterAction(ctx, hooks);
    }
    Announce(ctx);
    if (!Chained(ctx)) Dispatch(ctx, hooks);
    return RunAfterAction(ctx, hooks);
}

}  // namespace kestra
