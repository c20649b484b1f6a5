#pragma once
// `kestra-cli start`: the duel-start effects on a record as given.
#include <ostream>
#include <string>

#include "catalogue/catalogue.h"

namespace kestra::cli {

// Run every opening rule on the JSON record (nothing of the opening or the verification), print the
// transcript, "save_icons=A,B" when a rule changed the save record's equipped icons, "--- record" and
// the resulting record. 0 on success, 2 when the record cannot be read.
int Start(const Catalogue& cat, const std::string& record_json, std::ostream& out, std::ostream& err);

}  // namespace kestra::cli
