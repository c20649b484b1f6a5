#pragma once
// The authored content tables compiled into the program (generated at build time).
#include <cstdint>
#include <string_view>

namespace kestra {

// Text of an embedded table by file name ("cards.tsv", ...); empty when unknown.
std::string_view EmbeddedTable(std::string_view name);

// Digest of compiled-in card rows 71..326 as the build saw them.
uint64_t EmbeddedCardDigest();

}  // namespace kestra
