#include "battle/battle_content.h"

namespace kestra {

BattleContent LoadBattleContent(const Catalogue& cat) {
    BattleContent content;
    PairEventLoad pairs = LoadEmbeddedPairEvents(cat);
    DeathReactionLoad reactions = LoadEmbeddedDeathReactions(cat);
    content.pairs = std::move(pairs.pairs);
    content.reactions = std::move(reactions.reactions);
    content.error = !pairs.error.empty() ? pairs.error : reactions.error;
    return content;
}

}  // namespace kestra
