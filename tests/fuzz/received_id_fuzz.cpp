// Fuzz target: a received verification or set ID is accepted only in its six exact forms.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "duel/verification.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace kestra;
    if (size < 5) return 0;
    int32_t expected = 0;
    std::memcpy(&expected, data, 4);
    const std::string_view prefix = (data[4] & 1u) ? kSetIdPrefix : kVerifyPrefix;
    const std::string text(reinterpret_cast<const char*>(data) + 5, size - 5);
    if (!IdAccepted(text, expected, prefix)) return 0;
    std::string body = text;
    if (body.rfind(std::string(prefix), 0) == 0) body.erase(0, prefix.size());
    const std::string x = std::to_string(expected);
    if (body != x && body != x + " " && body != x + "　") std::abort();
    return 0;
}
