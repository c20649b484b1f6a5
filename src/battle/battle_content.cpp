#include "battle/battle_content.h"

namespace kestra {

BattleContent LoadBattleContent(const Catalogue& cat) {
    BattleContent content;
    PairEventLoad pairs = LoadEmbeddedPairEvents(cat);
    DeathReactionLoad reactions = LoadEmbeddedDeathReactions(cat);
    SignatureMoveLoad moves = LoadEmbeddedSignatureMoves(cat);
    content.pairs = std::move(pairs.pairs);
    content.reactions = std::move(reactions.reactions);
    content.moves = std::move(moves.moves);
    content.error = pairs.error;
    if (content.error.empty()) content.error = reactions.error;
    if (content.error.empty()) content.error = moves.error;
    return content;
}

}  // namespace kestra
