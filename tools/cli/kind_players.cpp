#include "kind_players.h"

#include <algorithm>
#include <vector>

#include "collection/rule_duel_checks.h"
#include "collection/start_charges.h"
#include "player/checksum.h"
#include "program.h"

namespace kestra::cli {

namespace {

constexpr int32_t kRandomDuelCopies = 12;  // the collection kind 7 draws its deck from

// A named card of the listed rows of one of the two classes, drawn uniformly.
int32_t CardOfClass(const Catalogue& cat, const ClassCount& want, Rng& rng) {
    std::vector<int32_t> cards;
    for (int32_t c = 0; c < kListedCards; ++c) {
        const tcard& row = cat.card[static_cast<size_t>(c)];
        if (!row.name.empty() && (row.rarity == want.rarity || row.rarity == want.or_rarity))
            cards.push_back(c);
    }
    return cards.empty() ? -1 : cards[static_cast<size_t>(rng.Random(static_cast<int32_t>(cards.size())))];
}

// The ten deck cards the kind's deck rule asks for, in a random order of their classes.
void FitDeck(tmy& my, const Catalogue& cat, const DuelKind& kind, int32_t role, Rng& rng) {
    size_t slot = 0;
    if (kind.deck == DeckRule::Classes)
        for (const ClassCount& want : kind.classes)
            for (int32_t i = 0; i < want.count; ++i) my.deck[slot++] = CardOfClass(cat, want, rng);
    if (kind.deck == DeckRule::List801) {
        const std::span<const int32_t> listed = Duel801Cards(role != kRoleReceiver);
        for (int32_t& card : my.deck)
            card = listed[static_cast<size_t>(rng.Random(static_cast<int32_t>(listed.size())))];
    }
    for (size_t i = my.deck.size(); i > 1; --i)
        std::swap(my.deck[i - 1], my.deck[static_cast<size_t>(rng.Random(static_cast<int32_t>(i)))]);
    if (kind.deck == DeckRule::Random)
        for (int32_t i = 0; i < kRandomDuelCopies; ++i)
            my.card_count[static_cast<size_t>(NamedCard(cat, rng, kListedCards))] += 1;
}

// Both icons worn, none, or as they were.
void FitIcons(tmy& my, const Catalogue& cat, IconRule rule, Rng& rng) {
    if (rule == IconRule::NoneAllowed) my.icon_slot1 = my.icon_slot2 = -1;
    if (rule != IconRule::Required) return;
    if (my.icon_slot1 < 0) my.icon_slot1 = NamedIcon(cat, rng);
    if (my.icon_slot2 < 0) my.icon_slot2 = NamedIcon(cat, rng);
}

}  // namespace

std::string EnterDuelKind(tmy& my, const Catalogue& cat, int32_t kind_no, int32_t role, Rng& rng) {
    if (const DuelKind* kind = FindDuelKind(kind_no)) {
        FitDeck(my, cat, *kind, role, rng);
        FitIcons(my, cat, kind->icons, rng);
        my.rank_points = std::max(my.rank_points, kind->rank_from);
        my.money = std::max(my.money, kind->fee_yen);
        my.ark = std::max(my.ark, kind->fee_ark);
    }
    my.checksum = ComputeChecksum(my);
    std::string refusal = DuelKindRefusal(cat, my, kind_no, role, CheckSaveData(my));
    if (refusal.empty()) ChargeAtStart(cat, my, kind_no, rng);
    return refusal;
}

}  // namespace kestra::cli
