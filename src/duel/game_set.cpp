#include "duel/game_set.h"

#include <algorithm>
#include <vector>

#include "base/int_text.h"
#include "duel/economy.h"
#include "player/status_line.h"

namespace kestra {

using namespace stake_rules;

namespace {

// The wipe-out line; in view mode also which side won.
void AnnounceWipeOut(DuelContext& ctx, bool this_side_beaten) {
    if (ctx.d.look_mode) {
        ctx.msg.ShowMessage(this_side_beaten ? "申込側は全滅しました！！！" : "受け側は全滅しました！！！");
        ctx.msg.AddMessage(this_side_beaten ? "受け側が勝ちました！！！" : "申し込み側が勝ちました！！！");
    } else {
        ctx.msg.ShowMessage(this_side_beaten ? "あなたは全滅しました！！！" : "対戦相手は全滅しました！！！");
    }
    ctx.msg.WaitClick();
}

// The separator and the game-set line that close every duel.
void AnnounceGameSet(DuelContext& ctx) {
    ctx.screen().PlaySe("turn2.wav", 0);
    ctx.msg.ShowMessage("―――――――");
    ctx.msg.AddMessage("＜＜＜ゲームセット！＞＞＞");
    ctx.msg.WaitClick();
}

// Save the results; a failed save is told to the player as well as returned.
SaveOutcome SaveResults(DuelContext& ctx, const SavePlayer& save) {
    SaveOutcome out = save ? save(ctx.my) : SaveOutcome{false, false, "セーブできませんでした。"};
    if (!out.ok) ResultLine(ctx, "no.wav", out.message);
    return out;
}

// Every finished duel counts as fought; nothing else in the game counts it.
void CountDuel(tmy& my) {
    if (my.duels < kRecordCap) my.duels += 1;
}

// A named listed card whose class lies in low..high, uniformly; -1 when there is none.
int32_t DrawListedCard(const Catalogue& cat, Rng& rng, int32_t low, int32_t high) {
    std::vector<int32_t> candidates;
    for (int32_t card = 0; card < kListedCards; ++card) {
        const tcard& row = cat.card[static_cast<size_t>(card)];
        if (!row.name.empty() && row.rarity >= low && row.rarity <= high) candidates.push_back(card);
    }
    if (candidates.empty()) return -1;
    return candidates[static_cast<size_t>(rng.Random(static_cast<int32_t>(candidates.size())))];
}

}  // namespace

bool ClosedMidDuel(const DuelContext& ctx) { return ctx.msg.pause() == MessagePlayer::kSwitchedOff; }

bool OwnsCard(const tmy& my, const DuelRecord& d, int32_t card) {
    if (card < 0 || card >= kPerCard) return false;
    if (my.card_count[static_cast<size_t>(card)] > 0) return true;
    if (std::find(my.deck.begin(), my.deck.end(), card) != my.deck.end()) return true;
    for (size_t s = 1; s <= 3; ++s)
        if (d.chara[s].orig_no == card) return true;
    return false;
}

SavePlayer SaverFor(GameFolder folder, SaveGate gate) {
    return [folder = std::move(folder), gate](tmy& m) { return SavePlayerData(folder, m, gate); };
}

GameSetResult RunGameSet(DuelContext& ctx, const GameSetCall& call, const SavePlayer& save) {
    GameSetResult result;
    result.won = !call.this_side_beaten;
    // Taken before the announcement's pause: closing a viewed duel there clears look_mode.
    const bool playing = !ctx.d.look_mode;
    AnnounceWipeOut(ctx, call.this_side_beaten);
    if (ClosedMidDuel(ctx)) {
        result.save = SaveOutcome{true, true, {}};
        return result;
    }
    if (playing) {
        CountDuel(ctx.my);
        if (call.this_side_beaten)
            ApplyLoss(ctx, call.both_wiped_out);
        else
            ApplyWin(ctx, call.both_wiped_out);
    }
    AnnounceGameSet(ctx);
    result.save = playing ? SaveResults(ctx, save) : SaveOutcome{true, true, {}};
    return result;
}

Stakes StakesOf(const DuelRecord& d, bool both_wiped_out) {
    if (d.duel_kind == kSuddenDeath) return Stakes::kSuddenDeath;
    // The ヘル field takes all three whatever happened; the battle types spare a double wipe-out.
    if (d.duel_kind == kHellField) return Stakes::kAllThree;
    if (!both_wiped_out && d.battle_type == kHellBattle) return Stakes::kAllThree;
    if (!both_wiped_out && d.battle_type == kDarkBattle) return Stakes::kDark;
    return Stakes::kFirstCard;
}

std::array<int32_t, 2> SuddenDeathSlots(int32_t luck) {
    return {luck < 5 ? luck + 5 : luck, luck >= 5 ? luck - 5 : luck};
}

int32_t IconDuelSlot(const DuelRecord& d) {
    const uint32_t sum = static_cast<uint32_t>(d.my_icon1) + static_cast<uint32_t>(d.e_icon1);
    return (sum & 1u) != 0 ? 2 : 1;
}

void ResultLine(DuelContext& ctx, std::string_view wave, const std::string& line, const std::string& more) {
    if (!wave.empty()) ctx.screen().PlaySe(wave, 0);
    ctx.msg.ShowMessage(line);
    if (!more.empty()) ctx.msg.AddMessage(more);
    ctx.msg.WaitClick();
}

int32_t GainCopy(tmy& my, int32_t card) {
    if (card < 0 || card >= kPerCard) return 0;
    int32_t& count = my.card_count[static_cast<size_t>(card)];
    if (count < kMostCopies) count += 1;
    return count;
}

void ReturnToDeck(tmy& my, int32_t card) {
    if (card < 0 || card >= kPerCard) return;
    for (auto slot = my.deck.rbegin(); slot != my.deck.rend(); ++slot) {
        if (*slot != -1) continue;
        *slot = card;
        return;
    }
    GainCopy(my, card);
}

void GainTechnique(tmy& my, int32_t card, int32_t waza) {
    if (card < 0 || card >= kPerCard || waza <= 0 || waza >= kMagicCounts) return;
    int32_t& carried = my.card_magic[static_cast<size_t>(card)];
    if (carried == 0)
        carried = waza;
    else
        my.magic_count[static_cast<size_t>(waza)] += 1;
}

void GainMoney(DuelContext& ctx, int32_t amount, std::string_view label) {
    ctx.my.money = std::max(0, WrapAdd(ctx.my.money, amount));
    ResultLine(ctx, "coin.wav",
               std::string(label) + std::to_string(amount) + "円を入手した！（所持金：" +
                   std::to_string(ctx.my.money) + "円）");
}

void GainArk(DuelContext& ctx, int32_t amount) {
    ctx.my.ark = WrapAdd(ctx.my.ark, amount);
    ResultLine(ctx, {}, "Ａｒｋを " + std::to_string(amount) + "入手した（所持：" + std::to_string(ctx.my.ark) + "）");
}

void RaiseRank(DuelContext& ctx, int32_t points) {
    int32_t& rank = ctx.my.rank_points;
    const int32_t before = rank;
    rank = std::min(std::max(rank, 0) + points, kEconomy.rank_points_cap);
    if (rank == before) return;
    ResultLine(ctx, "up.wav",
               "段位p.が " + std::to_string(rank - before) + "上がりました！ > " + std::to_string(rank) + "p.",
               "あなたの段位：≪" + std::string(RankTitle(rank)) + "≫");
}

void LowerRank(DuelContext& ctx, int32_t points) {
    int32_t& rank = ctx.my.rank_points;
    const int32_t before = rank;
    rank = std::max(0, std::min(rank, kEconomy.rank_points_cap) - points);
    // A player already at 0 points has nothing to lose and is not told so.
    if (rank == before) return;
    ResultLine(ctx, "down.wav",
               "段位p.が " + std::to_string(before - rank) + "下がりました.... > " + std::to_string(rank) + "p.",
               "あなたの段位：≪" + std::string(RankTitle(rank)) + "≫");
}

void RewardIcon(DuelContext& ctx, bool sure) {
    int32_t icon = 0;
    do icon = ctx.rng.Random(kListedIcons);
    while (ctx.cat.icon[static_cast<size_t>(icon)].name.empty());
    const int64_t weight = ctx.cat.icon[static_cast<size_t>(icon)].weight;
    const auto odds = static_cast<int32_t>(std::clamp<int64_t>(weight * 3 / 2 + 1, 1, INT32_MAX));
    if (!sure && ctx.rng.Random(odds) != 0) return;
    int32_t& count = ctx.my.icon_count[static_cast<size_t>(icon)];
    if (count < kMostCopies) count += 1;
    ResultLine(ctx, "icon.wav", "なんとアイコン【" + IconNameOf(ctx.cat, icon) + "】を手に入れた!!",
               "所持：" + std::to_string(count) + "個");
}

void RewardItem(DuelContext& ctx) {
    int32_t r = 0;
    do r = ctx.rng.Random(100);
    while (ctx.cat.item[static_cast<size_t>(r + 1)].name.empty());
    int32_t& count = ctx.my.item_count[static_cast<size_t>(r)];
    if (count < kMostCopies) count += 1;
    ResultLine(ctx, "item_get.wav", "なんとアイテム【" + ctx.cat.item[static_cast<size_t>(r + 1)].name + "】を手に入れた!!",
               "所持：" + std::to_string(count) + "個");
}

void RewardCard(DuelContext& ctx, int32_t card) {
    if (card < 0) return;
    const int32_t count = GainCopy(ctx.my, card);
    ResultLine(ctx, "syoukan.wav", "なんとカード【" + CardNameOf(ctx.cat, card) + "】を手に入れた！！",
               "所持：" + std::to_string(count) + "枚");
}

int32_t DrawRewardCard(const Catalogue& cat, Rng& rng, int32_t top_class) {
    return DrawListedCard(cat, rng, 0, top_class);
}

int32_t DrawCardOfClass(const Catalogue& cat, Rng& rng, int32_t rarity) {
    return DrawListedCard(cat, rng, rarity, rarity);
}

}  // namespace kestra
