// Fuzz target: any pasted warrior number is either refused or read back to the same digits.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "duel/warrior_number.h"
#include "fuzz_catalogue.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace kestra;
    if (size == 0) return 0;
    const int32_t kind = data[0] % 2 == 0 ? 0 : kSuddenDeath;
    const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);
    const auto side = DecodeWarriorNumber(text, kind, fuzz::ShippedCatalogue());
    if (!side) return 0;
    DuelRecord d;
    d.duel_kind = kind;
    PlaceOwnSide(d, *side);
    const std::string digits = WarriorDigits(d);
    const std::string_view body = PastedWarriorDigits(text);
    if (body.substr(0, digits.size()) != digits) std::abort();
    return 0;
}
