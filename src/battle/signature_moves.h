#pragma once
// Signature moves: about forty particular cards flick with a move of their own ("＞" + its name), built
// from a few effect shapes. The rows live in content/signature_moves.tsv, one per card name; a card
// transformed into a listed card counts, as the battle matches cards by name. A move runs only on its
// chance digits; on the others the card flicks as every card does.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "duel/duel_context.h"

namespace kestra {

struct BattleContent;

// What a move does; the amounts it reads are named after each tag.
enum class MoveShape {
    Blow,      // "blow N": a blow of N with the flick's modifiers, no counter-attack
    Multiply,  // "multiply N": the flick with N times the attacker's HP, counter-attack and all
    Drain,     // "drain N": the target loses up to N HP and the attacker gains what was taken
    HealSide,  // "heal_side N|M": each living card of the attacker's side gains N HP and M MP
    Status,    // "status N": the target's bad status becomes N
    Buff,      // "buff N|M": the attacker's good status becomes N and it gains M HP
    MpStrike,  // "mp_strike N": the target loses up to N MP
    SideBlow,  // "side_blow N": each living card of the other side loses up to N HP
};

// One row of the table.
struct SignatureMove {
    std::string card;  // the card's name
    std::string name;  // the move's name, shown after "＞"
    MoveShape shape = MoveShape::Blow;
    int32_t amount = 0;   // N
    int32_t amount2 = 0;  // M (heal_side, buff), else 0
    std::string luck;     // the chance digits it runs on, ascending ("0123456789": always)
    std::string line;     // the line under the title
    FlashColour flash = FlashColour::Red;
    std::string sound;  // a wave the game ships, on channel 3
};

// A loaded table, or the first fault found in it.
struct SignatureMoveLoad {
    std::vector<SignatureMove> moves;
    std::string error;  // empty when the table is sound
};

// The shape of a table tag, if it is one.
std::optional<MoveShape> MoveShapeFromTag(std::string_view tag);

// Parse the table and check it: card names listed, no card twice, known shapes with amounts in
// range, chance digits ascending and unique, a known flash colour and sound, texts CP932.
SignatureMoveLoad LoadSignatureMoves(std::string_view text, const Catalogue& cat);
// The table compiled into the program, checked the same way.
SignatureMoveLoad LoadEmbeddedSignatureMoves(const Catalogue& cat);

// The move names in table order, for the simulator's coverage.
std::vector<std::string> SignatureMoveNames(const BattleContent& content);

// The row of the attacker's name whose chance digits hold the record's digit, or nullptr.
const SignatureMove* FindSignatureMove(const std::vector<SignatureMove>& table, const DuelRecord& d);

// The attacker's move, when it has one for this chance digit: its title, line and effect; false (and
// nothing shown) otherwise.
bool RunSignatureMove(DuelContext& ctx, const std::vector<SignatureMove>& table);
// The same with the program's table (ctx.content), or the compiled-in one.
bool RunSignatureMove(DuelContext& ctx);

}  // namespace kestra
