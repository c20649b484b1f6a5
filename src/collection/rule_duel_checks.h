#pragma once
// Asking for and accepting a rule or field duel: the checks in the order the panels run them, each
// with its message, and the duel panel's texts with the kind's own phrases.
#include <cstdint>
#include <string>
#include <string_view>

#include "catalogue/catalogue.h"
#include "collection/duel_kinds.h"
#include "collection/duel_request.h"
#include "player/tmy.h"

namespace kestra {

inline constexpr std::string_view kRankRefused = "あなた段位では、このデュエルは行えません";
inline constexpr std::string_view kCollectionShort = "持ちカードが10枚に足りていません";
inline constexpr std::string_view kDeckOffRule = "デッキがルールに即していません。";
inline constexpr std::string_view kIconsRequired =
    "このデュエルではアイコンが２つ装備されていなくてはなりません。";
inline constexpr std::string_view kIconsForbidden = "このデュエルではアイコンは装備してはいけません。";
inline constexpr std::string_view kMoneyShort = "お金が足りません";
inline constexpr std::string_view kArkShort = "Arkが足りません";
inline constexpr std::string_view kRandomDeckQuestion = "【!!】デッキ構成が変更されますが、よろしいですか？";

// Why the request (role 3) or acceptance (role 4) of duel kind 0..18 is refused, the first failing
// check's message; empty when every check passes. Kind 0 is the ordinary duel.
std::string DuelKindRefusal(const Catalogue& cat, const tmy& my, int32_t kind, int32_t role,
                            bool data_intact);

// The ten deck cards follow the kind's deck rule (any full deck for kinds without one).
bool DeckFitsKind(const Catalogue& cat, const tmy& my, const DuelKind& kind, int32_t role);

// The equipped icons follow the rule.
bool IconsFit(const tmy& my, IconRule rule);

// The copies in the collection, the deck not included (kind 7 needs ten).
int64_t CollectionSize(const tmy& my);

// Kind 7 asks before the deck is given away to chance.
inline bool AsksBeforeEntry(int32_t kind) { return kind == kRandomKind; }

// The duel panel's caption, instruction line and incantation (phrase, tag, version tag) of kind
// 0..18 for this role.
DuelPanelTexts DuelKindTexts(int32_t kind, int32_t role, std::string_view caption_utf8);

}  // namespace kestra
