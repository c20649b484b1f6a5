#pragma once
// The data files are CP932 (Windows Shift-JIS); memory and source are UTF-8.
#include <optional>
#include <string>
#include <string_view>

namespace kestra {

// UTF-8 to CP932; nullopt when a character has no CP932 form.
std::optional<std::string> Utf8ToCp932(std::string_view utf8);

// CP932 to UTF-8; nullopt on a byte sequence that is not CP932.
std::optional<std::string> Cp932ToUtf8(std::string_view cp932);

}  // namespace kestra
