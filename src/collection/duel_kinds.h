#pragma once
// The eighteen rule and field duels: when each is offered, what its deck and icons must be, the
// rank it asks for, its fee, its incantation phrases and the captions its panel shows.
#include <array>
#include <cstdint>
#include <limits>
#include <span>
#include <string_view>

namespace kestra {

inline constexpr int32_t kFirstRuleKind = 1;
inline constexpr int32_t kLastRuleKind = 9;
inline constexpr int32_t kFirstFieldKind = 10;
inline constexpr int32_t kLastFieldKind = 18;
inline constexpr int32_t kSuddenDeathKind = 6;
inline constexpr int32_t kRandomKind = 7;
inline constexpr int32_t kDuel801Kind = 9;

// No rank asked for.
inline constexpr int32_t kAnyRank = std::numeric_limits<int32_t>::min();

enum class IconRule { Free, Required, NoneAllowed };
enum class DeckRule { AnyFull, Classes, List801, Random };

// So many deck cards, each of one of up to two classes (イージー's last card is 売 or 合成).
struct ClassCount {
    int32_t count = 0;
    int32_t rarity = -1;
    int32_t or_rarity = -1;  // -1: only `rarity`
};

struct DuelKind {
    int32_t kind = 0;
    std::string_view group;  // the group box caption, "★アイコンデュエル"
    std::string_view panel_name;  // in the duel panel's caption, "アイコンデュエル" or "デュエルin【訓練場】"
    bool field = false;
    int32_t offered_from = 0;      // duels fought before the group shows
    int32_t rank_from = kAnyRank;  // the least rank points accepted
    DeckRule deck = DeckRule::AnyFull;
    std::array<ClassCount, 5> classes{};  // DeckRule::Classes; unused entries count 0
    IconRule icons = IconRule::Free;
    int32_t fee_yen = 0;
    int32_t fee_ark = 0;
    std::string_view request_phrase;
    std::string_view accept_phrase;
    std::string_view tag;
    std::string_view rule_line;         // the group's deck rule
    std::string_view requirement_line;  // the group's icon rule, fee and rank
};

// The row of kind 1..18, nullptr for any other number.
const DuelKind* FindDuelKind(int32_t kind);

// Kinds 1..18 in order.
std::span<const DuelKind> DuelKinds();

// The ＤＵＥＬ・８０１ cards the request button accepts (51) and the acceptance button (the first 35).
std::span<const int32_t> Duel801Cards(bool request);

}  // namespace kestra
