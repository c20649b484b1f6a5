#pragma once
// FNV-1a: a tiny stable hash for integrity checks and transcript signatures.
#include <cstdint>
#include <string_view>

namespace kestra {

// Fold bytes into a running 64-bit FNV-1a value.
constexpr uint64_t Fnv1a(std::string_view bytes, uint64_t h = 14695981039346656037ULL) {
    for (const char c : bytes) {
        h ^= static_cast<uint8_t>(c);
        h *= 1099511628211ULL;
    }
    return h;
}

}  // namespace kestra

#include <string>

namespace kestra {

// Fold one compiled-in card row into the card-table digest (the duel buttons' integrity check).
inline uint64_t DigestCardRow(uint64_t h, std::string_view name, int32_t hp, int32_t mp, int32_t rarity) {
    h = Fnv1a(name, h);
    const std::string figures = "\t" + std::to_string(hp) + "\t" + std::to_string(mp) + "\t" + std::to_string(rarity) + "\n";
    return Fnv1a(figures, h);
}

}  // namespace kestra
