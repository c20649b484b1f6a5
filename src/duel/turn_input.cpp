#include "duel/turn_input.h"

#include "duel/icon_rules.h"
#include "duel/time_limit.h"

namespace kestra {

namespace {

constexpr std::string_view kPassHint = "選択できるキャラがいない時はパスを選択して下さい。";

// Refuse with "no.wav" and a message.
bool Refuse(DuelContext& ctx, const std::string& message) {
    ctx.msg.ShowMessage(message);
    ctx.screen().PlaySe("no.wav", 0);
    return false;
}

// The status refusals that "インテンション" lifts, in their order; empty when none applies.
std::string LiftableRefusal(const DuelContext& ctx, int32_t slot) {
    const tchar& c = ctx.d.chara[static_cast<size_t>(slot)];
    switch (c.status1) {
        case 2: return "そのキャラは眠っています。" + std::string(kPassHint);
        case 5: return "そのキャラは石化しています。" + std::string(kPassHint);
        case 11: return "そのキャラは牢化しています。" + std::string(kPassHint);
        case 16: {
            const std::string who = slot == 1 ? ctx.d.my_label : std::string("あなた");
            return "そのキャラは" + who + "の命令を聞きません。" + std::string(kPassHint);
        }
        default: return {};
    }
}

// A random living slot among first..first+2, drawn until alive (local chance; it travels in the number).
int32_t RandomLivingSlot(DuelContext& ctx, int32_t first) {
    bool any = false;
    for (int32_t s = first; s < first + 3; ++s) any = any || SlotAlive(ctx.d, s);
    if (!any) return first;
    for (;;) {
        const int32_t s = first + ctx.rng.Random(3);
        if (SlotAlive(ctx.d, s)) return s;
    }
}

// The pass digits with random living cards.
void SetPassAction(DuelContext& ctx) {
    ctx.d.waza_kind = 7;
    ctx.d.waza_arg1 = 2;
    ctx.d.waza_arg2 = 0;
    ctx.d.atk_no = RandomLivingSlot(ctx, 1);
    ctx.d.tgt_no = RandomLivingSlot(ctx, 4);
    ctx.d.input_phase = kPhaseCommandSent;
}

// The item in row k has a name and the player holds at least one.
bool HoldsItem(const DuelContext& ctx, int32_t row) {
    if (row < 0 || row >= 100) return false;
    return !ctx.cat.item[static_cast<size_t>(row + 1)].name.empty() && ctx.my.item_count[static_cast<size_t>(row)] >= 1;
}

}  // namespace

bool ChooseAttacker(DuelContext& ctx, int32_t slot) {
    if (slot < 1 || slot > 3) return false;
    const tchar& c = ctx.d.chara[static_cast<size_t>(slot)];
    if (!c.alive()) {
        ctx.screen().PlaySe("no.wav", 0);
        return false;
    }
    const bool intention = IconWorn(ctx.d, ctx.cat, "インテンション");
    if (!intention) {
        const std::string refusal = LiftableRefusal(ctx, slot);
        if (!refusal.empty()) return Refuse(ctx, refusal);
    }
    if (c.status1 == 17) return Refuse(ctx, "そのキャラは行動できません。" + std::string(kPassHint));
    if (!intention && c.status2 == 6 && c.name != ctx.cat.card[296].name)
        return Refuse(ctx, "そのキャラは暴走しています。" + std::string(kPassHint));
    if (ctx.d.input_phase != kPhaseChooseAttacker) return false;
    ctx.screen().PlaySe("ok.wav", 0);
    ctx.screen().ShowActionMarkers(slot, slot);
    ctx.d.atk_no = slot;
    ctx.d.input_phase = kPhaseChooseTarget;
    ctx.msg.ShowMessage("＜『" + c.name + "』で攻撃＞");
    ctx.msg.AddMessage("\n誰を攻撃しますか？攻撃するキャラを相手キャラから選択して下さい");
    return true;
}

bool ChooseTarget(DuelContext& ctx, int32_t slot) {
    if (slot < 4 || slot > 6) return false;
    const tchar& c = ctx.d.chara[static_cast<size_t>(slot)];
    if (!c.alive()) {
        ctx.screen().PlaySe("no.wav", 0);
        return false;
    }
    if (ctx.d.input_phase != kPhaseChooseTarget) return false;
    ctx.screen().PlaySe("ok.wav", 0);
    ctx.screen().ShowActionMarkers(ctx.d.atk_no, slot);
    ctx.d.tgt_no = slot;
    ctx.d.input_phase = kPhaseCommandSent;
    ctx.msg.ShowMessage("＜『" + c.name + "』をターゲット＞");
    ctx.msg.AddMessage("\n何で攻撃しますか？");
    return true;
}

std::string SendCommand(DuelContext& ctx, int32_t waza_kind, int32_t waza_arg1) {
    ctx.d.waza_kind = waza_kind;
    ctx.d.waza_arg1 = waza_arg1;
    ctx.d.waza_arg2 = 0;
    return BuildBattleNumber(ctx, false);
}

std::string SendPass(DuelContext& ctx) {
    ctx.screen().PlaySe("2.wav", 0);
    SetPassAction(ctx);
    return BuildBattleNumber(ctx, false);
}

std::string SendTimeOutPass(DuelContext& ctx) {
    ctx.screen().PlaySe("2.wav", 0);
    SetPassAction(ctx);
    return BuildBattleNumber(ctx, true);
}

bool OpenItemBox(DuelContext& ctx) {
    if (SideHasCardNamed(ctx.d, ctx.cat, 4, 225)) {
        ctx.screen().PlaySe("no.wav", 0);
        ctx.msg.ShowMessage("アイテム入れに封印紋が刻印されている....");
        return false;
    }
    ctx.screen().PlaySe("item.wav", 0);
    return true;
}

std::array<std::string, 100> ItemRows(const DuelContext& ctx) {
    std::array<std::string, 100> rows;
    for (int32_t k = 0; k < 100; ++k)
        rows[static_cast<size_t>(k)] = HoldsItem(ctx, k) ? ctx.cat.item[static_cast<size_t>(k + 1)].name : "????";
    return rows;
}

std::optional<int32_t> SelectItemRow(DuelContext& ctx, int32_t row) {
    ctx.screen().PlaySe("key3.wav", 0);
    if (!HoldsItem(ctx, row)) return std::nullopt;
    return row;
}

std::string ItemRowLabel(const DuelContext& ctx, int32_t row) {
    if (!HoldsItem(ctx, row)) return {};
    const titem& item = ctx.cat.item[static_cast<size_t>(row + 1)];
    return "★" + item.name + " " + std::to_string(ctx.my.item_count[static_cast<size_t>(row)]) + "個\n" + item.description;
}

std::optional<std::string> UseItem(DuelContext& ctx, std::optional<int32_t> row) {
    if (!row || !HoldsItem(ctx, *row)) {
        ctx.screen().PlaySe("no.wav", 0);
        return std::nullopt;
    }
    ctx.screen().PlaySe("2.wav", 0);
    const bool free_use = (ctx.d.atk_no >= 1 && ctx.d.atk_no <= 3 &&
                           ctx.d.chara[static_cast<size_t>(ctx.d.atk_no)].name == ctx.cat.card[215].name) ||
                          IWear(ctx.d, 202);
    if (!free_use) ctx.my.item_count[static_cast<size_t>(*row)] -= 1;
    ctx.d.luck = *row / 10;
    ctx.d.waza_arg2 = *row % 10;
    ctx.d.waza_kind = 7;
    ctx.d.waza_arg1 = 8;
    return BuildBattleNumber(ctx, false);
}

std::string BuildBattleNumber(DuelContext& ctx, bool timed_out) {
    DuelRecord& d = ctx.d;
    if (!timed_out) ctx.screen().SetTimeLabel("-ＯＫ-");
    d.timer_on = false;
    d.input_phase = kPhaseCommandSent;
    if (TechniqueKey(d) != 78) d.luck = ctx.rng.Random(10);
    const std::string text = BattleNumberText(d);
    ctx.screen().CopyToClipboard(text);
    ctx.screen().SetCaption("KESTRA DUEL MODE 検証ID:" + std::to_string(d.my_id) + " 前回" + text);
    if (timed_out) {
        ctx.msg.ShowMessage("あなたのターンですが、タイムアウトしてしまいました。");
        ctx.msg.AddMessage("このターンは強制的にパスとなります");
        ctx.msg.WaitClick();
    }
    ctx.msg.ShowMessage("BATTLENUMBERを相手に教えてあげてください");
    ctx.msg.AddMessage("\n※BATTLENUMBERの欄に表示されている数字をチャット文字入力部にコピー＆ペーストして下さい");
    ctx.msg.AddMessage("\n※相手に、BATTLENUMBERを教えたら、BATTLE PHASEボタンを押して進めてください");
    return text;
}

bool AcceptOpponentBattleNumber(DuelContext& ctx, std::string_view text) {
    DuelRecord& d = ctx.d;
    if (d.input_phase != kPhaseAwaitOpponent) return false;
    const bool mirror = !(d.look_mode && d.own_turn);
    const BattleNumberRead read = ReadBattleNumberDigits(d, text, mirror);
    if (read.error == BattleNumberError::WrongTurn) {
        ctx.screen().PlaySe("no.wav", 0);
        ctx.msg.ShowMessage("別のターンのＢＮを入力している可能性あります。");
        return false;
    }
    if (read.error != BattleNumberError::None) {
        ctx.screen().PlaySe("no.wav", 0);
        ctx.msg.ShowMessage("入力が間違っている可能性があります。【数字部分】のみを正しく入力して下さい");
        return false;
    }
    d.atk_no = read.fields.atk_no;
    d.tgt_no = read.fields.tgt_no;
    d.waza_kind = read.fields.waza_kind;
    d.luck = read.fields.luck;
    d.waza_arg1 = read.fields.waza_arg1;
    d.waza_arg2 = read.fields.waza_arg2;
    if (!d.look_mode) ArmDeadline(ctx);
    return true;
}

}  // namespace kestra
