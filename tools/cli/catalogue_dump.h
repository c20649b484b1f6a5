#pragma once
// `kestra-cli catalogue cards|icons|items|magic|music`: one TAB-separated row per used number;
// `kestra-cli catalogue roles`: one `role=cards` line per data-file role of the opening rules.
#include <ostream>
#include <string_view>

#include "catalogue/catalogue.h"

namespace kestra::cli {

// Print the named table; false when the table name is unknown.
bool DumpCatalogue(const Catalogue& cat, std::string_view table, std::ostream& out);

}  // namespace kestra::cli
