#pragma once
// The game set: the wipe-out announced, the stakes moved, the consolations and rewards paid, saved.
// Both programs hold the same six cards, so the cards, techniques and icons the loser gives up
// are exactly those the winner takes; everything else is local chance.
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "catalogue/catalogue_names.h"
#include "duel/duel_context.h"
#include "player/player_files.h"

namespace kestra {

// How the duel ended, as the wipe-out check and the double wipe-out judgement decided it.
struct GameSetCall {
    bool this_side_beaten = false;  // slots 1..3 count as beaten (in view mode: the applicant)
    bool both_wiped_out = false;    // both sides fell together (相討ち)
};

// Saves the player record; the duel window binds one to its game folder, tests to a scratch one.
using SavePlayer = std::function<SaveOutcome(tmy&)>;

// A saver writing into the folder, quiet while the gate suppresses saves.
SavePlayer SaverFor(GameFolder folder, SaveGate gate);

struct GameSetResult {
    bool won = false;  // this side won; the duel end trains the first card only then
    SaveOutcome save;  // the save of the results; suppressed in view mode
};

// The window was closed mid-duel: the abort has settled it, so no results may follow.
bool ClosedMidDuel(const DuelContext& ctx);

// The whole game set: announcement, results (not in view mode), "＜＜＜ゲームセット！＞＞＞", save.
// Closed during the announcement, it stops there: the abort already returned the cards.
GameSetResult RunGameSet(DuelContext& ctx, const GameSetCall& call, const SavePlayer& save);

// The loss of this side, every step in order.
void ApplyLoss(DuelContext& ctx, bool both_wiped_out);
// The win of this side: the mirror of the loss for what changes hands, then the winner's rewards.
void ApplyWin(DuelContext& ctx, bool both_wiped_out);

// --- What both programs must agree on -------------------------------------------------------

// The duel kinds and battle types whose stakes differ.
namespace stake_rules {
inline constexpr int32_t kIconDuel = 1;       // duel_kind: ICON duel
inline constexpr int32_t kHellField = 14;     // duel_kind: the ヘル field
inline constexpr int32_t kHellBattle = 1;     // battle_type: ヘルバトル
inline constexpr int32_t kLuckyBattle = 2;    // ラッキーバトル
inline constexpr int32_t kLostBattle = 3;     // ロストバトル
inline constexpr int32_t kRareBattle = 4;     // レアバトル
inline constexpr int32_t kDarkBattle = 5;     // ダークバトル
inline constexpr int32_t kGoldenBattle = 7;   // ゴールデンバトル
inline constexpr int32_t kLoserBattle = 8;    // ルーザーバトル
inline constexpr int32_t kPlasmBattle = 14;   // プラズムバトル
inline constexpr int32_t kExtraBattle = 15;   // エクストラバトル
inline constexpr int32_t kTreasureBattle = 20;  // トレジャーバトル
inline constexpr int32_t kUnbreakableIcon = 146;  // ｱｲｺﾝﾌﾟﾛﾃｸﾀｰ: icons never break by chance
inline constexpr int32_t kIconGuardCard = 167;    // 守り袋の大魔女 does the same from the field
}  // namespace stake_rules

// What the beaten side gives up.
enum class Stakes {
    kFirstCard,    // the first card goes, the other two return
    kAllThree,     // ヘルバトル and the ヘル field: all three go
    kDark,         // ダークバトル: the first card goes, the other two burn
    kSuddenDeath,  // two deck slots chosen by the chance digit go
};

// The stakes of this duel; the battle types whose rule line says "相討ちを除く" fall back to
// the first card when both sides were wiped out.
Stakes StakesOf(const DuelRecord& d, bool both_wiped_out);

// The two deck slots a sudden-death loser gives up: luck 3 → 8 and 3, luck 7 → 7 and 2.
std::array<int32_t, 2> SuddenDeathSlots(int32_t luck);

// The icon slot (1 or 2) that changes hands in an ICON duel: 2 when my_icon1 + e_icon1 is odd.
// The sum is the same on both machines, so the loser gives up the slot the winner takes.
int32_t IconDuelSlot(const DuelRecord& d);

// --- Building blocks shared by the loss and the win ------------------------------------------

inline constexpr int32_t kRecordCap = 9999;

// One result line: a sound when given, the line, more lines under it, then the click.
void ResultLine(DuelContext& ctx, std::string_view wave, const std::string& line, const std::string& more = {});

// One more copy of a card kind, at most 99; returns the new count (0 for a number outside 0..355).
int32_t GainCopy(tmy& my, int32_t card);

// The player holds a copy of the card kind: in the collection, in the deck, or fighting on this side.
bool OwnsCard(const tmy& my, const DuelRecord& d, int32_t card);

// Put a card into the highest-numbered empty deck slot; with no slot free it joins the collection.
void ReturnToDeck(tmy& my, int32_t card);

// A technique won with a card: transplanted into the card kind when it carries none yet,
// otherwise stocked, so the winner's own transplant is never overwritten.
void GainTechnique(tmy& my, int32_t card, int32_t waza);

// Money, Ark and rank points with their result lines.
void GainMoney(DuelContext& ctx, int32_t amount, std::string_view label);
void GainArk(DuelContext& ctx, int32_t amount);
void RaiseRank(DuelContext& ctx, int32_t points);
void LowerRank(DuelContext& ctx, int32_t points);

// The consolation icon: a named icon from 0..280, won by its rarity weight, or surely.
void RewardIcon(DuelContext& ctx, bool sure);
// A named item from 1..100 into the stock.
void RewardItem(DuelContext& ctx);
// A card summoned into the collection.
void RewardCard(DuelContext& ctx, int32_t card);

// A named listed card from the everyday ladder (classes 0..top_class); -1 when there is none.
int32_t DrawRewardCard(const Catalogue& cat, Rng& rng, int32_t top_class);
// A named listed card of exactly this class; -1 when the catalogue has none.
int32_t DrawCardOfClass(const Catalogue& cat, Rng& rng, int32_t rarity);

}  // namespace kestra
