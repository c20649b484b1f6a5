#pragma once
// The duel record as JSON, the form every kestra-cli duel command reads and writes.
#include <optional>
#include <string>
#include <string_view>

#include "duel/duel_record.h"

namespace kestra::cli {

// Parse a record; missing keys keep their defaults. On failure returns nothing and says why.
std::optional<DuelRecord> DuelFromJson(std::string_view text, std::string* error);

// The record as JSON, keys in a fixed order (pretty-printed with two spaces).
std::string DuelToJson(const DuelRecord& d);

}  // namespace kestra::cli
