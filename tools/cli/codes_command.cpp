#include "codes_command.h"

#include "duel/battle_types.h"
#include "duel/duel_start.h"
#include "duel/verification.h"

namespace kestra::cli {


void PrintCodes(const DuelRecord& given, const Catalogue& cat, std::ostream& out) {
    DuelRecord d = given;
    ComputeVerificationIds(d);
    DuelRecord started = d;
    started.battle_type = ApplicableBattleType(started);
    ApplyBattleTypeRules(started);
    out << "my_id=" << d.my_id << "\n";
    out << "aite_id=" << d.aite_id << "\n";
    out << "battle_type=" << started.battle_type << "\n";
    out << "first=" << (ThisSideMovesFirst(started, cat) ? "own" : "opponent") << "\n";
    out << "my_set_id=" << SetIdFor(given, given.duel_role) << "\n";
    out << "aite_set_id=" << SetIdFor(given, OtherRole(given.duel_role)) << "\n";
}

}  // namespace kestra::cli
