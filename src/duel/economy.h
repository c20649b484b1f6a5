#pragma once
// The one table of amounts the game set and the duel end pay out or take.
// Measured against the shop: the purse is capped at 900 円, icons cost (weight + 1) × 10 円,
// everyday cards 15..105 円, items 5..600 円, techniques 10..200 Ark.
#include <array>
#include <cstdint>

namespace kestra {

struct EconomyTable {
    // Winner's prize: base + Random(spread) 円, 8..15 円; a purse fills over dozens of wins,
    // well below the loser's 45..54 円 of ルーザーバトル so that one stays the big prize.
    int32_t win_money_base = 8;
    int32_t win_money_spread = 8;
    // ゴールデンバトル multiplies the winner's prize.
    int32_t golden_money_factor = 2;
    // Ark per win: a 50-Ark technique takes about ten wins, the 200-Ark ones about forty.
    int32_t win_ark = 5;
    // Ark per loss: a small consolation so losing players still reach the cheap techniques.
    int32_t loss_ark = 1;
    // Rank points per win and per loss: an even record still climbs, one point a duel on average.
    int32_t win_rank_rise = 3;
    int32_t loss_rank_fall = 1;
    // Rank points stop where the last rank title ends.
    int32_t rank_points_cap = 99999;
    // The winner finds an item one duel in ten (the loser one in twenty, as the loss rule says).
    int32_t win_item_chance = 10;
    // The winner summons a card one duel in eight.
    int32_t win_card_chance = 8;
    // Reward cards come from the everyday ladder: classes 0 (楽) up to this one (6, 幻).
    int32_t reward_card_top_class = 6;
    // レアバトル gives a card one class above the winner's first card, at most this class (7, 神).
    int32_t rare_card_top_class = 7;
    // Loss records: the losing streaks that are announced and paid a bonus of that many Ark.
    std::array<int32_t, 5> loss_records = {3, 5, 10, 20, 30};
    // Each hidden start-menu button (SHOP, 合成, 術屋) is revealed by one duel end in this many.
    int32_t menu_reveal_chance = 3;
};

inline constexpr EconomyTable kEconomy{};

}  // namespace kestra
