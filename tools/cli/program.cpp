#include "program.h"

#include "battle/summon_beings.h"
#include "battle/technique_lists.h"
#include "duel/duel_flow.h"
#include "effects/reshape_table.h"

namespace kestra::cli {

namespace {

// The game set as the duel window runs it, with a save that writes nothing.
void GameSet(DuelContext& ctx, bool this_side_beaten, bool both_wiped_out) {
    RunGameSetAndIds(ctx, this_side_beaten, both_wiped_out, [](tmy&) { return SaveOutcome{}; });
}

// The cards whose own list offers 召喚 (m32), in card order.
const std::vector<int32_t>& SummonerCards() {
    static const std::vector<int32_t> cards = [] {
        std::vector<int32_t> out;
        for (int32_t c = 0; c < kListedCards; ++c)
            for (const ListEntry& e : TechniqueListOf(EmbeddedTechniqueLists(), c))
                if (e.button == "m32" && e.only_name.empty()) {
                    out.push_back(c);
                    break;
                }
        return out;
    }();
    return cards;
}

// One player in eight is a summoner: a deck of one card that offers 召喚 and a summon icon in the
// first icon slot, so every summon being gets its turn in a long run.
void MakeSummoner(tmy& my, const Catalogue& cat, Rng& rng) {
    const std::vector<int32_t>& summoners = SummonerCards();
    const std::vector<std::string> beings = SummonIconNames();
    if (summoners.empty() || beings.empty() || rng.Random(8) != 0) return;
    const int32_t card = summoners[static_cast<size_t>(rng.Random(static_cast<int32_t>(summoners.size())))];
    for (int32_t& slot : my.deck) slot = card;
    const std::string& wanted = beings[static_cast<size_t>(rng.Random(static_cast<int32_t>(beings.size())))];
    for (int32_t i = 0; i < kListedIcons; ++i)
        if (cat.icon[static_cast<size_t>(i)].name == wanted) my.icon_slot1 = i;
}

// The cards whose presence the opening rules look for and the icons that lift or guard: a simulated
// player meets them often enough that every opening rule runs in a long simulation.
constexpr int32_t kPresenceCards[] = {169, 141, 166, 250, 230, 305, 315, 37, 40, 258, 228, 197, 216, 249,
                                      304, 251, 208, 209, 211, 274, 207, 221, 206, 205, 201, 139, 199, 198};
constexpr int32_t kIconBreaker = 141, kLiftedProtector = 146;
constexpr int32_t kOpeningIcons[] = {56, 57, 231, 240, 241, 78, 146, 74, 81, 59, 63, 82, 219, 79, 221, 80};

// One of a fixed list, uniformly.
template <size_t N>
int32_t OneOf(const int32_t (&list)[N], Rng& rng) {
    return list[static_cast<size_t>(rng.Random(static_cast<int32_t>(N)))];
}

// Now and then a player brings what the opening rules act on: presence cards in the deck, an icon
// that lifts or guards, one icon worn twice (the fusions and identities come with MakeReshaper).
void SeasonForTheOpening(tmy& my, Rng& rng) {
    const int32_t roll = rng.Random(8);
    if (roll == 0) {
        for (size_t k = 0; k < 4; ++k) my.deck[k] = OneOf(kPresenceCards, rng);
    } else if (roll == 1) {
        my.icon_slot2 = OneOf(kOpeningIcons, rng);
    } else if (roll == 2) {
        my.icon_slot2 = my.icon_slot1;
    } else if (roll == 3) {  // the icon breaker and the protector it lifts, met when both sides roll this
        my.deck[0] = my.deck[1] = kIconBreaker;
        my.icon_slot2 = kLiftedProtector;
    }
}

// One player in sixteen reshapes at the start: half of them hold a deck of one triple-fusion
// card with its key icon in the second icon slot, the other half the hidden-identity cards with icon
// 221 there, so every fusion and identity of the opening gets its turn in a long run.
void MakeReshaper(tmy& my, Rng& rng) {
    const ReshapeTable& table = EmbeddedReshapeTable();
    if (table.fusions.empty() || table.identities.empty() || rng.Random(16) != 0) return;
    if (rng.Random(2) == 0) {
        const TripleFusion& f = table.fusions[static_cast<size_t>(rng.Random(static_cast<int32_t>(table.fusions.size())))];
        for (int32_t& slot : my.deck) slot = f.card;
        my.icon_slot2 = f.icon;
        return;
    }
    const int32_t first = rng.Random(static_cast<int32_t>(table.identities.size()));
    for (size_t k = 0; k < my.deck.size(); ++k)
        my.deck[k] = table.identities[(static_cast<size_t>(first) + k) % table.identities.size()].card;
    my.icon_slot2 = 221;
}

}  // namespace

Program::Program(const Catalogue& cat, const BattleContent& content, uint64_t seed)
    : rng(seed), ctx{d, cat, my, session, msg, rng, clock, ask, &content} {
    hooks.game_set = GameSet;
}

int32_t NamedCard(const Catalogue& cat, Rng& rng, int32_t limit) {
    for (;;) {
        const int32_t n = rng.Random(limit);
        if (!cat.card[static_cast<size_t>(n)].name.empty()) return n;
    }
}

int32_t NamedIcon(const Catalogue& cat, Rng& rng) {
    for (;;) {
        const int32_t n = rng.Random(kListedIcons);
        if (!cat.icon[static_cast<size_t>(n)].name.empty()) return n;
    }
}

void GiveRandomPlayer(tmy& my, const Catalogue& cat, Rng& rng) {
    my.money = 100 + rng.Random(800);
    for (int32_t& slot : my.deck) slot = NamedCard(cat, rng, kListedCards);
    for (const int32_t c : my.deck) {
        my.card_level[static_cast<size_t>(c)] = rng.Random(10);
        if (rng.Random(3) == 0) my.card_magic[static_cast<size_t>(c)] = 1 + rng.Random(36);
    }
    if (rng.Random(2) == 0) {
        my.icon_slot1 = NamedIcon(cat, rng);
        my.icon_slot2 = NamedIcon(cat, rng);
    } else {
        my.icon_slot1 = my.icon_slot2 = -1;
    }
    // A few items of the box's first 98 rows; now and then the scholars' icon doubles them.
    for (int i = 0; i < 3; ++i) my.item_count[static_cast<size_t>(rng.Random(98))] += 1 + rng.Random(3);
    if (rng.Random(8) == 0) my.icon_slot1 = 256;
    MakeSummoner(my, cat, rng);
    SeasonForTheOpening(my, rng);
    MakeReshaper(my, rng);
}

std::string PastedPart(const std::string& shown) {
    const std::string arrow = "＞";
    const size_t at = shown.find(arrow);
    return at == std::string::npos ? shown : shown.substr(at + arrow.size());
}

std::string BattleDigits(const std::string& text) { return text.size() >= 8 ? text.substr(text.size() - 8) : text; }

}  // namespace kestra::cli
