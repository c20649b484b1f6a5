#include "collection/deck_builder.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "base/int_text.h"
#include "catalogue/card_facts.h"

namespace kestra {

namespace {

constexpr std::string_view kUnownedRow = "????";
constexpr std::string_view kEmptySlotRow = "･････････";
constexpr std::string_view kRankRefusal = "あなた段位では、このカードは使用できません";
constexpr std::string_view kMeritRefusal = "あなた戦歴では、このカードは使用できません";
constexpr std::string_view kMercenaryName = "傭兵";

constexpr int32_t kSecretRankLimit = 10;    // 秘 needs more than 10 rank points
constexpr int32_t kTopClassFrom = 17;       // ろあ and above
constexpr int32_t kTopRankLimit = 30;       // they need more than 30 rank points
constexpr int32_t kMeritCard = 316;         // the one card gated by merit
constexpr int32_t kMeritLimit = 300;        // it needs more than 300 merit
constexpr int32_t kNameSearchEnd = 355;     // "←" matches names among card numbers 0..354
constexpr int32_t kStockedTechniques = 99;  // "≪術・移植≫" looks at techniques 0..98
constexpr int32_t kMostMarks = 99999;       // more marks than duels can give: a damaged save, not a line of stars

// A card number that indexes the catalogue and the per-card arrays.
bool IsCardNumber(int32_t card) { return card >= 0 && card < kCardRows; }

// A deck slot number 0..9.
bool IsSlot(int32_t slot) { return slot >= 0 && slot < kDeckSize; }

// The catalogue row of a valid card number.
const tcard& CardRow(const Catalogue& cat, int32_t card) { return cat.card[static_cast<size_t>(card)]; }

// One element of a per-card or per-slot array by a checked index.
template <typename Array>
auto& At(Array& a, int32_t i) {
    return a[static_cast<size_t>(i)];
}

// The one-character class mark of the deck summary; unknown classes read "？" like the rarity name.
std::string_view ClassAbbreviation(int32_t rarity) {
    static constexpr std::array<std::string_view, 20> kMarks = {"楽", "普", "中", "上", "激", "極", "幻",
                                                                "神", "無", "フ", "？", "魔", "未", "売",
                                                                "合", "禁", "秘", "ろ", "精", "パ"};
    if (rarity < 0 || rarity >= static_cast<int32_t>(kMarks.size())) return "？";
    return kMarks[static_cast<size_t>(rarity)];
}

// The rank rules of "→" in their order; the refusal, or Moved when the card may go in.
PutOutcome RankRuleOutcome(const Catalogue& cat, const tmy& my, int32_t card) {
    const int32_t rarity = CardRow(cat, card).rarity;
    if (rarity == kHi && my.rank_points <= kSecretRankLimit) return PutOutcome::RankTooLow;
    if (rarity >= kTopClassFrom && my.rank_points <= kTopRankLimit) return PutOutcome::RankTooLow;
    if (card == kMeritCard && my.merit <= kMeritLimit) return PutOutcome::MeritTooLow;
    return PutOutcome::Moved;
}

// The last card number among 0..354 whose catalogue name is the given text, -1 when none.
int32_t LastCardNamed(const Catalogue& cat, std::string_view name) {
    int32_t found = -1;
    for (int32_t c = 0; c < kNameSearchEnd; ++c)
        if (CardRow(cat, c).name == name) found = c;
    return found;
}

// The slot's card goes out: the following slots shift down one and slot 9 empties.
void PackDeckFrom(tmy& my, int32_t slot) {
    for (int32_t s = slot; s + 1 < kDeckSize; ++s) At(my.deck, s) = At(my.deck, s + 1);
    At(my.deck, kDeckSize - 1) = -1;
}

// The lowest empty deck slot, -1 when the deck is full.
int32_t LowestEmptySlot(const tmy& my) {
    for (int32_t s = 0; s < kDeckSize; ++s)
        if (At(my.deck, s) < 0) return s;
    return -1;
}

}  // namespace

std::string CardListRow(const Catalogue& cat, const tmy& my, int32_t card) {
    if (!IsCardNumber(card) || At(my.card_count, card) < 1) return std::string(kUnownedRow);
    return CardRow(cat, card).name;
}

std::string DeckListRow(const Catalogue& cat, const tmy& my, int32_t slot) {
    if (!IsSlot(slot)) return std::string(kEmptySlotRow);
    const int32_t card = At(my.deck, slot);
    if (card < 0) return std::string(kEmptySlotRow);
    // A number past the catalogue has no name: the row reads empty and "←" refuses it.
    return IsCardNumber(card) ? CardRow(cat, card).name : std::string();
}

std::string CardInfoText(const Catalogue& cat, const tmy& my, int32_t card) {
    if (!IsCardNumber(card)) return {};
    const tcard& row = CardRow(cat, card);
    const int32_t level = At(my.card_level, card);
    const int32_t exp = At(my.card_exp, card);
    const int32_t waza = At(my.card_magic, card);
    std::string text = "★" + row.name + " " + std::string(ElementText(ElementOf(card))) + "\n";
    text += "LV:" + std::to_string(level) + " > " + std::string(static_cast<size_t>(std::clamp(exp, 0, kMostMarks)), '*');
    text += "\nHP:" + std::to_string(WithLevelBonus(row.hp, level));
    text += "  MP:" + std::to_string(WithLevelBonus(row.mp, level));
    // 0 is "no technique"; an index past the technique table has no name to show.
    if (waza > 0 && waza < kMagicRows) text += "  術：【" + cat.magic[static_cast<size_t>(waza)].name + "】";
    text += "\n所持：" + std::to_string(At(my.card_count, card)) + "枚\n";
    text += "レア度:" + std::string(RarityName(row.rarity));
    return text;
}

std::string DeckSummary(const Catalogue& cat, const tmy& my) { return DeckSummary(cat, my.deck); }

std::string DeckSummary(const Catalogue& cat, const std::array<int32_t, kDeckSize>& deck) {
    std::string out;
    for (int32_t s = 0; s < kDeckSize; ++s) {
        if (s > 0) out += "・";
        const int32_t card = At(deck, s);
        if (card < 0)
            out += "--";
        else
            out += IsCardNumber(card) ? ClassAbbreviation(CardRow(cat, card).rarity) : ClassAbbreviation(-1);
    }
    return out;
}

std::string BuilderSummaryLine(const Catalogue& cat, const tmy& my) { return DeckSummary(cat, my) + "  <  デッキ"; }

std::string RulePanelSummaryLine(const Catalogue& cat, const tmy& my) { return "デッキ　 >  " + DeckSummary(cat, my); }

PutResult PutIntoDeck(const Catalogue& cat, tmy& my, int32_t card) {
    PutResult out;
    if (!IsCardNumber(card) || card >= kListedCards || CardListRow(cat, my, card) == kUnownedRow ||
        CardRow(cat, card).name.empty())
        return out;
    const int32_t slot = LowestEmptySlot(my);
    if (slot < 0) return out;
    out.mercenary_hint = CardRow(cat, card).name == kMercenaryName;
    out.outcome = RankRuleOutcome(cat, my, card);
    if (out.outcome == PutOutcome::RankTooLow) out.message = kRankRefusal;
    if (out.outcome == PutOutcome::MeritTooLow) out.message = kMeritRefusal;
    if (out.outcome != PutOutcome::Moved) return out;
    At(my.deck, slot) = card;
    At(my.card_count, card) = WrapAdd(At(my.card_count, card), -1);
    out.row_now_unowned = At(my.card_count, card) <= 0;
    my.applied_deck_name.clear();
    return out;
}

TakeResult TakeFromDeck(const Catalogue& cat, tmy& my, int32_t slot) {
    TakeResult out;
    if (!IsSlot(slot) || At(my.deck, slot) < 0) return out;
    const std::string row = DeckListRow(cat, my, slot);
    // An empty row would match every unused catalogue row and credit a card the player never had.
    if (row.empty()) return out;
    const int32_t card = LastCardNamed(cat, row);
    if (card < 0) return out;
    At(my.card_count, card) = WrapAdd(At(my.card_count, card), 1);
    PackDeckFrom(my, slot);
    my.applied_deck_name.clear();
    out.card = card;
    return out;
}

bool HasStockedTechnique(const tmy& my) {
    for (int32_t w = 0; w < kStockedTechniques; ++w)
        if (At(my.magic_count, w) > 0) return true;
    return false;
}

bool DeckIsFull(const tmy& my) { return LowestEmptySlot(my) < 0; }

}  // namespace kestra
