#include "collection/rule_duel_checks.h"

#include <algorithm>

#include "player/checksum.h"

namespace kestra {

namespace {

constexpr int32_t kCardsForRandom = 10;

// The rarity class of a deck card, -1 for an empty slot or a number past the catalogue.
int32_t ClassOf(const Catalogue& cat, int32_t card) {
    if (card < 0 || card >= kCardRows) return -1;
    return cat.card[static_cast<size_t>(card)].rarity;
}

// Each listed count exactly: the counts add up to ten, so no other class fits in.
bool ClassesFit(const Catalogue& cat, const tmy& my, const DuelKind& kind) {
    for (const ClassCount& want : kind.classes) {
        if (want.count == 0) continue;
        const auto n = std::count_if(my.deck.begin(), my.deck.end(), [&](int32_t card) {
            const int32_t rarity = ClassOf(cat, card);
            return rarity >= 0 && (rarity == want.rarity || rarity == want.or_rarity);
        });
        if (n != want.count) return false;
    }
    return true;
}

// The card's name is the name of one of the listed cards (an unused row has no name to match).
bool NamedLikeListed(const Catalogue& cat, int32_t card, std::span<const int32_t> listed) {
    if (card < 0 || card >= kCardRows) return false;
    const std::string& name = cat.card[static_cast<size_t>(card)].name;
    if (name.empty()) return false;
    return std::any_of(listed.begin(), listed.end(),
                       [&](int32_t l) { return cat.card[static_cast<size_t>(l)].name == name; });
}

// Every deck card is on the 801 list of the button pressed.
bool On801List(const Catalogue& cat, const tmy& my, int32_t role) {
    const std::span<const int32_t> listed = Duel801Cards(role != kRoleReceiver);
    return std::all_of(my.deck.begin(), my.deck.end(),
                       [&](int32_t card) { return NamedLikeListed(cat, card, listed); });
}

// Step 2: kind 7 looks at the collection, every other kind at the deck.
std::string_view CardsRefusal(const tmy& my, const DuelKind& kind) {
    if (kind.deck == DeckRule::Random) return CollectionSize(my) < kCardsForRandom ? kCollectionShort : "";
    const bool full = std::none_of(my.deck.begin(), my.deck.end(), [](int32_t c) { return c < 0; });
    return full ? "" : kDeckShort;
}

// Step 4: the icon rule's own message.
std::string_view IconRefusal(const tmy& my, IconRule rule) {
    if (IconsFit(my, rule)) return "";
    return rule == IconRule::Required ? kIconsRequired : kIconsForbidden;
}

// Step 6: the fee must be in the purse now, though it is taken only at "スタート".
std::string_view FeeRefusal(const tmy& my, const DuelKind& kind) {
    if (my.money < kind.fee_yen) return kMoneyShort;
    if (my.ark < kind.fee_ark) return kArkShort;
    return "";
}

// The phrase the other side must answer with, or the one it asked with.
std::string Instruction(const DuelKind& kind, int32_t role) {
    if (role == kRoleReceiver)
        return "上記の言葉は、相手から【" + std::string(kind.request_phrase) +
               "】という言葉を申しこまれた時に、デュエルを受諾する際に詠唱して下さい。";
    return "２、相手から【" + std::string(kind.accept_phrase) +
           "】という言葉が返って来ればスタートを、返ってこなければキャンセルを押してください";
}

}  // namespace

bool DeckFitsKind(const Catalogue& cat, const tmy& my, const DuelKind& kind, int32_t role) {
    switch (kind.deck) {
        case DeckRule::Classes:
            return ClassesFit(cat, my, kind);
        case DeckRule::List801:
            return On801List(cat, my, role);
        case DeckRule::AnyFull:
        case DeckRule::Random:
            return true;
    }
    return true;
}

bool IconsFit(const tmy& my, IconRule rule) {
    const bool both = my.icon_slot1 >= 0 && my.icon_slot2 >= 0;
    const bool none = my.icon_slot1 < 0 && my.icon_slot2 < 0;
    if (rule == IconRule::Required) return both;
    if (rule == IconRule::NoneAllowed) return none;
    return true;
}

int64_t CollectionSize(const tmy& my) {
    int64_t n = 0;
    for (const int32_t count : my.card_count) n += std::max(count, 0);  // a negative count holds no copies
    return n;
}

std::string DuelKindRefusal(const Catalogue& cat, const tmy& my, int32_t kind_no, int32_t role,
                            bool data_intact) {
    const DuelKind* kind = FindDuelKind(kind_no);
    if (kind == nullptr) return RequestRefusal(my, data_intact);
    if (my.rank_points < kind->rank_from) return std::string(kRankRefused);
    if (const std::string_view r = CardsRefusal(my, *kind); !r.empty()) return std::string(r);
    if (!DeckFitsKind(cat, my, *kind, role)) return std::string(kDeckOffRule);
    if (const std::string_view r = IconRefusal(my, kind->icons); !r.empty()) return std::string(r);
    if (!data_intact) return std::string(kDataBroken);
    return std::string(FeeRefusal(my, *kind));
}

DuelPanelTexts DuelKindTexts(int32_t kind_no, int32_t role, std::string_view caption_utf8) {
    const DuelKind* kind = FindDuelKind(kind_no);
    if (kind == nullptr) return OrdinaryDuelTexts(role, caption_utf8);
    const bool receiver = role == kRoleReceiver;
    DuelPanelTexts t;
    t.caption = "★" + std::string(kind->panel_name) + (receiver ? "を受ける" : "を申しこむ");
    t.instruction = Instruction(*kind, role);
    t.incantation = std::string(receiver ? kind->accept_phrase : kind->request_phrase) +
                    std::string(kind->tag) + VersionTag(caption_utf8);
    return t;
}

}  // namespace kestra
