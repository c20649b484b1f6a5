#pragma once
// Asking for and accepting the ordinary duel: the checks, the panel's texts, the incantation the
// player pastes into the chat, and the music quiz shown beside it.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/catalogue.h"
#include "player/tmy.h"

namespace kestra {

inline constexpr int32_t kRoleApplicant = 3;  // 申しこむ
inline constexpr int32_t kRoleReceiver = 4;   // 受ける

inline constexpr const char* kMainCaption = "KESTRA 天 ver6.2t";
inline constexpr std::string_view kDeckShort = "デッキが10枚に足りていません";

// Seven characters of the caption's CP932 bytes from the 11th byte on ("ver6.2t").
std::string VersionTag(std::string_view caption_utf8);

// Why a request or acceptance is refused, in the order the checks run; empty when accepted.
// A deck with an empty slot is refused before the save's checksum is looked at.
std::string RequestRefusal(const tmy& my, bool save_intact);

// What the duel panel shows for the ordinary duel.
struct DuelPanelTexts {
    std::string caption;      // "デュエルを申しこむ" / "デュエルを受ける"
    std::string instruction;  // the "２、…" line or the acceptance line
    std::string incantation;  // the phrase followed directly by the version tag
};
DuelPanelTexts OrdinaryDuelTexts(int32_t duel_role, std::string_view caption_utf8);

// The incantation as copied to the clipboard: the streak notes appended for streaks of 2 or more.
std::string IncantationWithStreaks(std::string_view incantation, const tmy& my);

// The music quiz: the rows of the quiz list (titled pieces in piece order) and the row's piece.
std::vector<int32_t> QuizPieces(const Catalogue& cat);

// The group prize base g = 50 div n, n the titled pieces 0..99 of the piece's group (50 when none).
int32_t QuizGroupPrize(const Catalogue& cat, int32_t piece);

// The quiz label while the box is open: "現在予想中の楽曲 > \n単曲【title】賞100円\nｸﾞﾙｰﾌﾟ【group】賞2g円,gArk".
std::string QuizLabel(const Catalogue& cat, int32_t piece);

// The entry cost of a duel kind at "スタート": 円 and Ark taken (kinds 4..9), never below zero.
struct EntryCost {
    int32_t yen = 0;
    int32_t ark = 0;
};
EntryCost EntryCostOf(int32_t duel_kind);
void ChargeEntryCost(tmy& my, int32_t duel_kind);

}  // namespace kestra
