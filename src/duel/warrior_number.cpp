#include "duel/warrior_number.h"

#include <algorithm>

namespace kestra {

namespace {

// n zero-padded to the given width (values are small and non-negative here).
std::string Padded(int32_t n, int width) {
    std::string s = std::to_string(n < 0 ? 0 : n);
    while (static_cast<int>(s.size()) < width) s.insert(s.begin(), '0');
    return s;
}

// One six-digit card group: number, level, technique.
// A level above 9 (a save may hold 10) is carried as 9: one digit per level.
std::string CardGroup(const tchar& c) {
    return Padded(c.card_no, 3) + Padded(std::min(c.lv, kTopFightingLevel), 1) + Padded(c.waza, 2);
}

// An icon as three digits, "999" for none.
std::string IconGroup(int32_t icon) { return icon < 0 ? std::string("999") : Padded(icon, 3); }

// The value of text[pos, pos+len) when it is all ASCII digits; nullopt otherwise (also when short).
std::optional<int32_t> Piece(std::string_view text, size_t pos, size_t len) {
    if (pos + len > text.size()) return std::nullopt;
    int32_t v = 0;
    for (size_t i = pos; i < pos + len; ++i) {
        const char c = text[i];
        if (c < '0' || c > '9') return std::nullopt;
        v = v * 10 + (c - '0');
    }
    return v;
}

// One card group at pos, or nullopt when a piece is not a number or names no card.
std::optional<tchar> ReadCard(std::string_view text, size_t pos, const Catalogue& cat) {
    const auto no = Piece(text, pos, 3), lv = Piece(text, pos + 3, 1), waza = Piece(text, pos + 4, 2);
    if (!no || !lv || !waza) return std::nullopt;
    if (*no >= kCardRows || cat.card[static_cast<size_t>(*no)].name.empty()) return std::nullopt;
    tchar c = MakeFightingCard(cat, *no, *lv, *waza);
    c.orig_no = *no;
    return c;
}

// One icon at pos: 999 is none; other numbers must be catalogue icons.
std::optional<int32_t> ReadIcon(std::string_view text, size_t pos) {
    const auto v = Piece(text, pos, 3);
    if (!v) return std::nullopt;
    if (*v == 999) return -1;
    if (*v >= kIconRows) return std::nullopt;
    return *v;
}

}  // namespace

std::string WarriorDigits(const DuelRecord& d) {
    std::string digits;
    if (d.duel_kind == kSuddenDeath) {
        for (int k = 0; k < 10; ++k) digits += CardGroup(d.my_dekki[static_cast<size_t>(k)]);
    } else {
        for (int s = 1; s <= 3; ++s) digits += CardGroup(d.chara[static_cast<size_t>(s)]);
    }
    return digits + IconGroup(d.my_icon1) + IconGroup(d.my_icon2);
}

std::string_view PastedWarriorDigits(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    for (const std::string_view role : {kApplicantTag, kReceiverTag}) {
        if (text.substr(0, role.size()) != role) continue;
        text.remove_prefix(role.size());
        break;
    }
    if (text.substr(0, kWarriorTag.size()) == kWarriorTag) text.remove_prefix(kWarriorTag.size());
    return text;
}

std::string WarriorNumberText(const DuelRecord& d) {
    return std::string(d.duel_role == kApplicant ? kApplicantTag : kReceiverTag) + std::string(kWarriorTag) +
           WarriorDigits(d);
}

std::optional<WarriorSide> DecodeWarriorNumber(std::string_view text, int32_t duel_kind, const Catalogue& cat) {
    text = PastedWarriorDigits(text);
    WarriorSide side;
    const bool sudden = duel_kind == kSuddenDeath;
    const int groups = sudden ? 10 : 3;
    for (int k = 0; k < groups; ++k) {
        const auto card = ReadCard(text, static_cast<size_t>(6 * k), cat);
        if (!card) return std::nullopt;
        if (sudden) side.deck[static_cast<size_t>(k)] = *card;
        if (k < 3) side.fighters[static_cast<size_t>(k)] = *card;
    }
    const size_t icons_at = static_cast<size_t>(6 * groups);
    const auto i1 = ReadIcon(text, icons_at), i2 = ReadIcon(text, icons_at + 3);
    if (!i1 || !i2) return std::nullopt;
    side.icon1 = *i1;
    side.icon2 = *i2;
    return side;
}

// Put a side into slots first..first+2 with its icons and, in sudden death, its deck.
static void PlaceSide(DuelRecord& d, const WarriorSide& side, bool own) {
    const size_t first = own ? 1 : 4;
    for (size_t k = 0; k < 3; ++k) d.chara[first + k] = side.fighters[k];
    (own ? d.my_icon1 : d.e_icon1) = side.icon1;
    (own ? d.my_icon2 : d.e_icon2) = side.icon2;
    if (d.duel_kind == kSuddenDeath)
        for (size_t k = 0; k < 10; ++k) (own ? d.my_dekki : d.e_dekki)[k] = side.deck[k];
}

void PlaceOpponentSide(DuelRecord& d, const WarriorSide& side) { PlaceSide(d, side, false); }

void PlaceOwnSide(DuelRecord& d, const WarriorSide& side) { PlaceSide(d, side, true); }

size_t OpponentFieldLimit(const DuelRecord& d) {
    // Characters, not bytes: "申込＞戦士No." is eight characters before the digits.
    return 8 + WarriorDigits(d).size();
}

}  // namespace kestra
