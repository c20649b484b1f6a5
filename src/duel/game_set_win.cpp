// The win of this side: the loser's stake taken, the own cards home, then the winner's rewards.
#include "duel/economy.h"
#include "duel/game_set.h"
#include "duel/judgement.h"
#include "duel/side_rules.h"

namespace kestra {

using namespace stake_rules;

namespace {

// Wins, streaks, the losing run ended and the kind's streak; a double wipe-out counts only the streak.
void CountWin(DuelContext& ctx, bool both_wiped_out) {
    CountWinStreak(ctx);
    if (both_wiped_out) return;
    if (ctx.my.wins < kRecordCap) ctx.my.wins += 1;
    ctx.session.loss_counter = 0;
    const int32_t kind = ctx.d.duel_kind;
    if (kind < 0 || kind >= static_cast<int32_t>(ctx.session.kind_streak.size())) return;
    int32_t& streak = ctx.session.kind_streak[static_cast<size_t>(kind)];
    if (streak < 0) streak = 0;
    if (streak < kRecordCap) streak += 1;
}

// In an ICON duel the winner takes the icon the loser gives up (the same slot on both machines).
void TakeDuelIcon(DuelContext& ctx) {
    DuelRecord& d = ctx.d;
    if (d.duel_kind != kIconDuel || d.e_icon1 == -1 || d.e_icon2 == -1) return;
    int32_t& worn = WornIcon(d, false, IconDuelSlot(d));
    const int32_t icon = worn;
    worn = -1;
    if (icon >= 0 && icon < kPerIcon) {
        int32_t& count = ctx.my.icon_count[static_cast<size_t>(icon)];
        if (count < kMostCopies) count += 1;
    }
    ResultLine(ctx, "icon.wav", "対戦相手のICON【" + IconNameOf(ctx.cat, icon) + "】を奪った!!");
}

// A card taken from the loser; the first one brings the technique it carried into the duel.
void TakeCard(DuelContext& ctx, int32_t card, int32_t waza, bool with_technique) {
    if (card < 0 || card >= kPerCard) return;
    const int32_t count = GainCopy(ctx.my, card);
    ResultLine(ctx, "card.wav", "【" + CardNameOf(ctx.cat, card) + "】を相手から奪った！！",
               "所持：" + std::to_string(count) + "枚");
    if (!with_technique || waza == 0) return;
    GainTechnique(ctx.my, card, waza);
    ResultLine(ctx, "m_get.wav", "術【" + MagicNameOf(ctx.cat, waza) + "】を共に手に入れた！");
}

// The own three fighting cards go back into the deck.
void ReturnOwnCards(DuelContext& ctx) {
    for (size_t s = 1; s <= 3; ++s) ReturnToDeck(ctx.my, ctx.d.chara[s].orig_no);
    ResultLine(ctx, "card.wav", "場の３枚のカードがデッキへ舞い戻った。");
}

// ダークバトル: the rule line burns every card that died, the winner's too; survivors go home.
void ReturnSurvivors(DuelContext& ctx) {
    for (size_t s = 1; s <= 3; ++s) {
        const tchar& c = ctx.d.chara[s];
        if (c.alive())
            ReturnToDeck(ctx.my, c.orig_no);
        else
            ResultLine(ctx, {},
                       "【" + CardNameOf(ctx.cat, c.orig_no) + "】のカードが青い炎と共に消え去った！");
    }
    ResultLine(ctx, "card.wav", "※生き残ったカードはデッキに戻ります");
}

// The two deck slots a sudden-death loser gives up, read from its whole deck.
void TakeDeckSlots(DuelContext& ctx) {
    for (const int32_t slot : SuddenDeathSlots(ctx.d.luck)) {
        if (slot < 0 || slot >= kDeckSize) continue;
        const tchar& c = ctx.d.e_dekki[static_cast<size_t>(slot)];
        if (c.name.empty()) continue;
        TakeCard(ctx, c.card_no, c.waza, true);
    }
}

// The mirror of the loser's card steps.
void TakeCards(DuelContext& ctx, bool both_wiped_out) {
    const auto& chara = ctx.d.chara;
    switch (StakesOf(ctx.d, both_wiped_out)) {
        case Stakes::kFirstCard:
            TakeCard(ctx, chara[4].orig_no, chara[4].waza, true);
            ReturnOwnCards(ctx);
            break;
        case Stakes::kSuddenDeath: TakeDeckSlots(ctx); break;
        case Stakes::kAllThree:
            for (size_t s = 4; s <= 6; ++s) TakeCard(ctx, chara[s].orig_no, chara[s].waza, s == 4);
            ReturnOwnCards(ctx);
            break;
        case Stakes::kDark:
            TakeCard(ctx, chara[4].orig_no, chara[4].waza, true);
            for (size_t s = 5; s <= 6; ++s)
                ResultLine(
                    ctx, {},
                    "【" + CardNameOf(ctx.cat, chara[s].orig_no) + "】のカードは青い炎と共に消え去った！");
            ReturnSurvivors(ctx);
            break;
    }
}

// レアバトル: a card one class above the winner's first card, up to the top of the ladder.
int32_t RareBattleCard(DuelContext& ctx) {
    const int32_t first = ctx.d.chara[1].orig_no;
    const int32_t rarity = first >= 0 && first < kCardRows ? ctx.cat.card[static_cast<size_t>(first)].rarity : -1;
    const int32_t top = kEconomy.rare_card_top_class;
    const int32_t card = DrawCardOfClass(ctx.cat, ctx.rng, rarity >= 0 && rarity < top ? rarity + 1 : top);
    return card >= 0 ? card : DrawRewardCard(ctx.cat, ctx.rng, kEconomy.reward_card_top_class);
}

// The winner's item and card, each by its chance; レアバトル always brings a card.
void WinnerFinds(DuelContext& ctx) {
    if (ctx.rng.Random(kEconomy.win_item_chance) == 0) RewardItem(ctx);
    if (ctx.d.battle_type == kRareBattle)
        RewardCard(ctx, RareBattleCard(ctx));
    else if (ctx.rng.Random(kEconomy.win_card_chance) == 0)
        RewardCard(ctx, DrawRewardCard(ctx.cat, ctx.rng, kEconomy.reward_card_top_class));
}

// Prize money (doubled in ゴールデンバトル unless both fell), Ark and rank points.
void WinnerPurse(DuelContext& ctx, bool both_wiped_out) {
    int32_t prize = kEconomy.win_money_base + ctx.rng.Random(kEconomy.win_money_spread);
    if (!both_wiped_out && ctx.d.battle_type == kGoldenBattle) prize *= kEconomy.golden_money_factor;
    GainMoney(ctx, prize, "お金 ");
    GainArk(ctx, kEconomy.win_ark);
    RaiseRank(ctx, kEconomy.win_rank_rise);
}

}  // namespace

void ApplyWin(DuelContext& ctx, bool both_wiped_out) {
    CountWin(ctx, both_wiped_out);
    TakeDuelIcon(ctx);
    TakeCards(ctx, both_wiped_out);
    WinnerFinds(ctx);
    WinnerPurse(ctx, both_wiped_out);
}

}  // namespace kestra
