// The loss of this side: the stake given up, then the consolations.
#include <algorithm>
#include <vector>

#include "duel/economy.h"
#include "duel/game_set.h"
#include "duel/judgement.h"
#include "duel/side_rules.h"

namespace kestra {

using namespace stake_rules;

namespace {

// Step 1: the purse, the streaks, and (unless both fell) merit, the losing run and the kind's streak.
void CountLoss(DuelContext& ctx, bool both_wiped_out) {
    tmy& my = ctx.my;
    my.money = my.money > 0 ? my.money - 1 : 0;
    CountLossStreak(ctx);
    if (both_wiped_out) return;
    if (my.merit < kRecordCap) my.merit += 1;
    ctx.session.loss_counter += 1;
    const int32_t kind = ctx.d.duel_kind;
    if (kind < 0 || kind >= static_cast<int32_t>(ctx.session.kind_streak.size())) return;
    int32_t& streak = ctx.session.kind_streak[static_cast<size_t>(kind)];
    if (streak > 0) streak = 0;
    if (streak > -kRecordCap) streak -= 1;
}

// The worn icon of slot 1 or 2, in the duel and in the player's equipment.
int32_t& EquippedIcon(tmy& my, int32_t slot) { return slot == 2 ? my.icon_slot2 : my.icon_slot1; }

// Step 2: in an ICON duel the winner takes one of the two worn icons.
void GiveUpDuelIcon(DuelContext& ctx) {
    DuelRecord& d = ctx.d;
    if (d.duel_kind != kIconDuel || d.my_icon1 == -1 || d.my_icon2 == -1) return;
    const int32_t slot = IconDuelSlot(d);
    const std::string name = IconNameOf(ctx.cat, WornIcon(d, true, slot));
    WornIcon(d, true, slot) = -1;
    EquippedIcon(ctx.my, slot) = -1;
    ResultLine(ctx, "baki.wav", "ICON【" + name + "】を奪われてしまった!!");
}

// Icon 146 worn or card 167 on the field keeps the icons whole against chance.
bool IconsGuarded(const DuelRecord& d) {
    if (d.my_icon1 == kUnbreakableIcon || d.my_icon2 == kUnbreakableIcon) return true;
    for (size_t s = 1; s <= 3; ++s)
        if (d.chara[s].card_no == kIconGuardCard) return true;
    return false;
}

// Step 3: the icons that break, one Random(9) per slot; ロストバトル breaks both. Told later.
std::vector<std::string> BreakIcons(DuelContext& ctx) {
    DuelRecord& d = ctx.d;
    const bool guarded = IconsGuarded(d);
    const bool lost_battle = d.battle_type == kLostBattle;
    std::vector<std::string> broken;
    for (int32_t slot = 1; slot <= 2; ++slot) {
        const bool drawn = ctx.rng.Random(9) == 0;
        int32_t& worn = WornIcon(d, true, slot);
        if (worn == -1 || !(lost_battle || (drawn && !guarded))) continue;
        broken.push_back(IconNameOf(ctx.cat, worn));
        worn = -1;
        EquippedIcon(ctx.my, slot) = -1;
    }
    return broken;
}

// A card goes to the winner; the first card takes its transplanted technique along.
void LoseCard(DuelContext& ctx, int32_t card, bool with_technique) {
    ResultLine(ctx, {}, "【" + CardNameOf(ctx.cat, card) + "】のカードが奪われてしまった！");
    if (!with_technique || card < 0 || card >= kPerCard) return;
    int32_t& magic = ctx.my.card_magic[static_cast<size_t>(card)];
    if (magic == 0) return;
    const std::string name = MagicNameOf(ctx.cat, magic);
    magic = 0;
    ResultLine(ctx, {}, "カードに付いていた術【" + name + "】が共に奪われた！");
}

// Step 4: the first card is lost, the other two return (doubled in プラズムバトル).
// The cards at stake are the ones played (orig_no), so a transformation changes nothing here.
void LoseFirstCard(DuelContext& ctx) {
    const bool plasm = ctx.d.battle_type == kPlasmBattle;
    for (size_t s = 2; s <= 3; ++s) {
        ReturnToDeck(ctx.my, ctx.d.chara[s].orig_no);
        if (plasm) GainCopy(ctx.my, ctx.d.chara[s].orig_no);
    }
    LoseCard(ctx, ctx.d.chara[1].orig_no, true);
    ResultLine(ctx, "card.wav",
               plasm ? "残りのカードが、２枚ずつに増えて、デッキへ舞い戻った。" : "残りのカードがデッキへ舞い戻った。");
}

// Step 5: sudden death gives up the two deck slots the chance digit names.
void LoseDeckSlots(DuelContext& ctx) {
    for (const int32_t slot : SuddenDeathSlots(ctx.d.luck)) {
        if (slot < 0 || slot >= kDeckSize) continue;
        int32_t& card = ctx.my.deck[static_cast<size_t>(slot)];
        if (card < 0) continue;
        const int32_t lost = card;
        card = -1;
        LoseCard(ctx, lost, true);
    }
}

// Step 6: ヘルバトル and the ヘル field take all three; the first card's technique goes too.
void LoseAllThree(DuelContext& ctx) {
    for (size_t s = 1; s <= 3; ++s) LoseCard(ctx, ctx.d.chara[s].orig_no, s == 1);
}

// Step 7: ダークバトル takes the first card and burns the other two.
void LoseToDarkness(DuelContext& ctx) {
    LoseCard(ctx, ctx.d.chara[1].orig_no, true);
    for (size_t s = 2; s <= 3; ++s)
        ResultLine(
            ctx, {},
            "【" + CardNameOf(ctx.cat, ctx.d.chara[s].orig_no) + "】のカードが青い炎と共に消え去った！");
}

// Steps 4 to 7: the cards, as the stakes of this duel say.
void GiveUpCards(DuelContext& ctx, bool both_wiped_out) {
    switch (StakesOf(ctx.d, both_wiped_out)) {
        case Stakes::kFirstCard: LoseFirstCard(ctx); break;
        case Stakes::kSuddenDeath: LoseDeckSlots(ctx); break;
        case Stakes::kAllThree: LoseAllThree(ctx); break;
        case Stakes::kDark: LoseToDarkness(ctx); break;
    }
}

// Step 9: an item one loss in twenty (one in two in sudden death), always in トレジャーバトル.
void ConsolationItem(DuelContext& ctx) {
    const bool sure = ctx.d.battle_type == kTreasureBattle;
    const int32_t odds = ctx.d.duel_kind == kSuddenDeath ? 2 : 20;
    if (sure || ctx.rng.Random(odds) == 0) RewardItem(ctx);
}

// エクストラバトル promises the loser two cards after the game set: two summoned cards.
void ExtraBattleCards(DuelContext& ctx, bool both_wiped_out) {
    if (both_wiped_out || ctx.d.battle_type != kExtraBattle) return;
    for (int i = 0; i < 2; ++i) RewardCard(ctx, DrawRewardCard(ctx.cat, ctx.rng, kEconomy.reward_card_top_class));
}

// A gift card with sympathy money once the player holds two or more of it.
void GiftWithSympathy(DuelContext& ctx, int32_t card, int32_t per_copy, int32_t base) {
    const int32_t copies = GainCopy(ctx.my, card);
    ResultLine(ctx, "syoukan.wav", "なんと【" + CardNameOf(ctx.cat, card) + "】のカードを手に入れた！！");
    if (copies >= 2) GainMoney(ctx, ctx.rng.Random(copies * per_copy) + base, "同情金 ");
}

// Step 10: 敗者 at merit 100, 鬱 at five losses in a row, 弱者 at ten.
void GiftCards(DuelContext& ctx, bool both_wiped_out) {
    // Merit only moves on a counted loss, so 100 here means it has just been reached;
    // the gift makes sure of one copy and never takes a copy away.
    if (!both_wiped_out && ctx.my.merit == 100) {
        int32_t& count = ctx.my.card_count[101];
        count = std::max(count, 1);
        ResultLine(ctx, "syoukan.wav", "なんと【" + CardNameOf(ctx.cat, 101) + "】のカードを手に入れた！！");
    }
    int32_t& losses = ctx.session.loss_counter;
    if (losses == 5) {
        losses = 6;
        GiftWithSympathy(ctx, 164, 2, 6);
    }
    if (losses == 10) {
        losses = 11;
        GiftWithSympathy(ctx, 171, 4, 7);
    }
}

// Step 11: ルーザーバトル pays the loser well, except after a double wipe-out.
void LoserBattlePrize(DuelContext& ctx, bool both_wiped_out) {
    if (both_wiped_out || ctx.d.battle_type != kLoserBattle) return;
    GainMoney(ctx, ctx.rng.Random(10) + 45, "お金 ");
}

// Step 12: a losing streak that reaches a loss record is announced and paid; Ark, rank points.
void LossArkAndRank(DuelContext& ctx) {
    int32_t bonus = 0;
    for (const int32_t record : kEconomy.loss_records) {
        if (ctx.my.loss_streak != record) continue;
        ResultLine(ctx, {}, "負け記録が" + std::to_string(record) + "に達しました！");
        bonus = record;
    }
    GainArk(ctx, kEconomy.loss_ark + bonus);
    LowerRank(ctx, kEconomy.loss_rank_fall);
}

}  // namespace

void ApplyLoss(DuelContext& ctx, bool both_wiped_out) {
    CountLoss(ctx, both_wiped_out);
    GiveUpDuelIcon(ctx);
    const std::vector<std::string> broken = BreakIcons(ctx);
    GiveUpCards(ctx, both_wiped_out);
    for (const std::string& name : broken) ResultLine(ctx, "baki.wav", "アイコン【" + name + "】が砕け散った!!");
    RewardIcon(ctx, ctx.d.battle_type == kLuckyBattle);
    ConsolationItem(ctx);
    ExtraBattleCards(ctx, both_wiped_out);
    GiftCards(ctx, both_wiped_out);
    LoserBattlePrize(ctx, both_wiped_out);
    LossArkAndRank(ctx);
}

}  // namespace kestra
