#pragma once
// The compiled-in rows, read from the embedded content tables.
#include <string>

#include "catalogue/catalogue.h"

namespace kestra {

// Write the compiled-in rows over the catalogue, in the fixed order: techniques 0..36,
// cards 71..326, icons 43..280 (and every icon's effect tag), items 1..97, then the music list.
// Returns an error text when an embedded table is malformed (a build fault), else empty.
std::string ApplyCompiledRows(Catalogue& cat);

// True when card rows 71..326 still match the table the program was built with;
// the duel buttons refuse to start when it does not.
bool CardTableIntact(const Catalogue& cat);

}  // namespace kestra
