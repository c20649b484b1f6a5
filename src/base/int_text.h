#pragma once
// Decimal integers as the data files and exchanged numbers write them.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kestra {

// Parse a whole line as a signed 32-bit decimal ("-" allowed, nothing else); nullopt otherwise.
std::optional<int32_t> ParseInt32(std::string_view text);

// Sum with the silent 32-bit wrap-around both programs share.
inline int32_t WrapAdd(int32_t a, int32_t b) {
    return static_cast<int32_t>(static_cast<uint32_t>(a) + static_cast<uint32_t>(b));
}

}  // namespace kestra
