#include "duel/duel_start.h"

#include "catalogue/card_facts.h"
#include "duel/battle_types.h"
#include "duel/game_set.h"
#include "duel/icon_rules.h"
#include "duel/opening.h"
#include "duel/turn_start.h"
#include "duel/verification.h"
#include "player/checksum.h"

namespace kestra {

namespace {

constexpr std::string_view kIdChecking = "ＩＤ検証中・・・・・・・・・・・・・・・・・・・・・・・・・・・";
constexpr std::string_view kWrongId = "ＩＤが正しくありません";

// First-strike count of one side: icon 24 and the first-strike cards; icon 231 makes it -1.
int32_t FirstStrikeCount(const DuelRecord& d, const Catalogue& cat, bool mine) {
    const int32_t i1 = mine ? d.my_icon1 : d.e_icon1, i2 = mine ? d.my_icon2 : d.e_icon2;
    if (i1 == 231 || i2 == 231) return -1;
    int32_t count = (i1 == 24) + (i2 == 24);
    const size_t first = mine ? 1 : 4;
    for (size_t s = first; s < first + 3; ++s) {
        const std::string& name = d.chara[s].name;
        for (const int32_t card : {189, 251, kThirdFirstStrikeCard})
            if (!cat.card[static_cast<size_t>(card)].name.empty() && name == cat.card[static_cast<size_t>(card)].name)
                ++count;
    }
    return count;
}

// Ask whether this side has sent its own ID first; "1.wav" around the question.
bool ConfirmSent(DuelContext& ctx) {
    ctx.screen().PlaySe("1.wav", 0);
    if (!ctx.ask.AskYesNo("相手にもちゃんと検証ＩＤを伝えましたか？よろしいなら「はい」を押してください")) return false;
    ctx.screen().PlaySe("1.wav", 0);
    return true;
}

// Announce the drawn battle type and its rule line.
void AnnounceBattleType(DuelContext& ctx, const BattleTypeInfo& type) {
    ctx.screen().PlaySe("turn.wav", 1);
    ctx.msg.ShowMessage("≪" + std::string(type.name) + "≫が発動した！");
    ctx.msg.WaitClick();
    ctx.msg.AddMessage(type.rule_line);
    ctx.msg.WaitClick();
}

}  // namespace

std::string ShowVerificationIds(DuelContext& ctx, std::string_view situation, std::string_view applied_deck) {
    DuelRecord& d = ctx.d;
    if (d.look_mode) {
        ctx.msg.ShowMessage("申し込み側・受け側の検証ＩＤをそれぞれペーストしてください");
        ComputeVerificationIds(d);
        return {};
    }
    ctx.screen().PlaySe("1.wav", 0);
    ctx.screen().SetHint("【検証ＩＤ】を対戦相手に教えてください。");
    ctx.msg.ShowMessage("検証ＩＤを対戦相手に教えてあげてください");
    ctx.msg.AddMessage("\n※検証ＩＤ欄に表示されている数字をチャット文字入力部にコピー＆ペーストして下さい");
    ComputeVerificationIds(d);
    const std::string line = VerificationChatLine(d, situation, applied_deck);
    ctx.screen().CopyToClipboard(line);
    ctx.screen().SetCaption(DuelCaption(d.duel_kind, d.duel_role) + " 検証ＩＤ：" + std::to_string(d.my_id));
    ctx.screen().SetHint(
        "【検証ＩＤ】を対戦相手に教えてください。それから、相手の【検証ＩＤ】を教えてもらい【相手ＩＤ】欄に入力して下さい。"
        "準備が整ったら、ＯＫを押してください");
    ctx.msg.AddMessage(
        "\n※対戦相手から、相手の検証ＩＤを教えてもらい、相手ＩＤの欄に【数字部分】のみをコピー＆ペースしてください");
    return line;
}

IdCheck CheckOpponentId(DuelContext& ctx, std::string_view text) {
    DuelRecord& d = ctx.d;
    if (text.empty()) {
        ctx.screen().PlaySe("no.wav", 0);
        return IdCheck::Empty;
    }
    if (d.look_mode) {
        ctx.screen().PlaySe("1.wav", 0);
    } else if (!ConfirmSent(ctx)) {
        return IdCheck::Declined;
    }
    if (IdAccepted(text, d.aite_id, kVerifyPrefix)) return IdCheck::Match;
    if (!d.look_mode) ctx.screen().PlaySe("no.wav", 0);
    ctx.msg.ShowMessage(kWrongId);
    ctx.msg.AddMessage(d.look_mode
                           ? "ＩＤが間違っているか、正しく入力されていない可能性があります。もう一度、対戦相手の戦士ナンバーを確認して下さい"
                           : "ＩＤが間違っているか、正しく入力されていない可能性があります。もう一度、対戦受け側の戦士ナンバーを確認して下さい");
    return IdCheck::Mismatch;
}

void ApplyBattleTypeRules(DuelRecord& d) {
    if (d.battle_type == 9) {
        d.my_icon1 = d.my_icon2 = d.e_icon1 = d.e_icon2 = -1;
    } else if (d.battle_type == 10) {
        // Both programs hold the same IDs; a negative sum still lands on 0..4.
        int32_t element = static_cast<int32_t>(static_cast<uint32_t>(d.my_id) + static_cast<uint32_t>(d.aite_id)) % 5;
        if (element < 0) element += 5;
        for (size_t s = 1; s <= 6; ++s) d.chara[s].element = element;
    } else if (d.battle_type == 21) {
        for (size_t s = 1; s <= 6; ++s) {
            d.chara[s].hp -= d.chara[s].lv;
            if (d.chara[s].hp < 1) d.chara[s].hp = 0;
        }
    }
}

void ApplyBattleType(DuelContext& ctx) {
    DuelRecord& d = ctx.d;
    d.battle_type = ApplicableBattleType(d);
    const BattleTypeInfo* type = BattleType(d.battle_type);
    if (!type) return;
    AnnounceBattleType(ctx, *type);
    // Closed at the announcement: the abort has put the icons home and nothing more may happen.
    if (ClosedMidDuel(ctx)) return;
    if (d.battle_type == 9 && !d.look_mode) {
        // The player's own icons go back to the player data before every icon is lifted.
        ChangeSealed(ctx.my, [&d](tmy& m) {
            m.icon_slot1 = d.my_icon1;
            m.icon_slot2 = d.my_icon2;
        });
    }
    ApplyBattleTypeRules(d);
}

bool ThisSideMovesFirst(const DuelRecord& d, const Catalogue& cat) {
    const int32_t mine = FirstStrikeCount(d, cat, true), theirs = FirstStrikeCount(d, cat, false);
    if (mine != theirs) return mine > theirs;
    uint32_t p = 0;
    for (size_t s = 1; s <= 6; ++s) p += static_cast<uint32_t>(d.chara[s].hp) + static_cast<uint32_t>(d.chara[s].mp);
    const int32_t first_role = (p % 2u == 1u) ? kReceiver : kApplicant;
    return d.duel_role == first_role;
}

void StartDuel(DuelContext& ctx, const DuelStartHooks& hooks) {
    DuelRecord& d = ctx.d;
    d.turn_base = 8;
    ctx.msg.ShowMessage(kIdChecking);
    ctx.screen().PlaySe("j.wav", 0);
    ctx.msg.AddMessage("ＣＬＥＡＲ！！");
    for (int32_t s = d.look_mode ? 1 : 4; s <= 6; ++s)
        ctx.screen().SetSlotPicture(s, CardPicturePath(d.chara[static_cast<size_t>(s)].card_no));
    ctx.msg.WaitClick();
    if (ClosedMidDuel(ctx)) return;  // nothing of the duel start runs after an abort
    for (size_t s = 1; s <= 6; ++s) d.chara[s].orig_no = d.chara[s].card_no;
    if (AnyWears(d, 200)) {
        for (int32_t s = 1; s <= 6; ++s) {
            d.chara[static_cast<size_t>(s)].name = "????";
            ctx.screen().SetSlotPicture(s, "");
        }
    }
    ctx.screen().PlaySe("card.wav", 0);
    ctx.msg.ShowMessage("それではデュエルスタートです！！！！！");
    ctx.msg.WaitClick();
    if (ClosedMidDuel(ctx)) return;
    if (hooks.save && !d.look_mode) hooks.save();
    ApplyBattleType(ctx);
    if (ClosedMidDuel(ctx)) return;
    if (hooks.start_effects) hooks.start_effects(ctx);
    d.input_phase = kPhaseIdle;
    BeginTurn(ctx, ThisSideMovesFirst(d, ctx.cat));
}

std::string BeginSetIdExchange(DuelContext& ctx) {
    DuelRecord& d = ctx.d;
    ComputeSetIds(d);
    const std::string field = std::string(kSetIdPrefix) + std::to_string(d.my_id);
    const std::string line = field + " ありがとうございました";
    ctx.screen().CopyToClipboard(line);
    ctx.screen().SetHint(
        "ゲームセット検証ＩＤを対戦相手に教えてあげてください。それから、対戦相手から相手のゲームセットＩＤを教えてもらい、"
        "相手ＩＤの欄に入力して下さい");
    ctx.msg.ShowMessage("ゲームセット検証ＩＤを対戦相手に教えてあげてください");
    ctx.msg.AddMessage("\n※検証ＩＤ欄に表示されている数字をチャット文字入力部にコピー＆ペーストして下さい");
    ctx.msg.AddMessage("※対戦相手からゲームセットＩＤを教えてもらい、相手ＩＤの欄にコピー＆ペースしてください");
    d.input_phase = kPhaseSetIds;
    return line;
}

IdCheck CheckOpponentSetId(DuelContext& ctx, std::string_view text) {
    DuelRecord& d = ctx.d;
    if (text.empty()) {
        ctx.screen().PlaySe("no.wav", 0);
        return IdCheck::Empty;
    }
    if (!ConfirmSent(ctx)) return IdCheck::Declined;
    if (!IdAccepted(text, d.aite_id, kSetIdPrefix)) {
        ctx.screen().PlaySe("no.wav", 0);
        ctx.msg.ShowMessage(kWrongId);
        ctx.msg.AddMessage("ＩＤが間違っているか、正しく入力されていない可能性があります。もう一度、ＩＤを確認して下さい");
        return IdCheck::Mismatch;
    }
    ctx.msg.ShowMessage(kIdChecking);
    ctx.screen().PlaySe("j.wav", 0);
    ctx.msg.AddMessage("ＣＬＥＡＲ！！");
    return IdCheck::Match;
}

}  // namespace kestra
