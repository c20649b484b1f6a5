#pragma once
// `kestra-cli codes`: the codes both programs derive from a record.
#include <ostream>

#include "catalogue/catalogue.h"
#include "duel/duel_record.h"

namespace kestra::cli {

// Print my_id, aite_id, battle_type (0 when the drawn type's condition fails), first=own|opponent,
// my_set_id and aite_set_id for the record as given. The first player is decided after the battle
// type's own changes (types 9, 10, 21), as the duel start does; no icon or card effects run.
void PrintCodes(const DuelRecord& d, const Catalogue& cat, std::ostream& out);

}  // namespace kestra::cli
