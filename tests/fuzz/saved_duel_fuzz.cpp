// Fuzz target: any text read as a saved duel record either stops with a message or gives a record
// whose numbers are well shaped and which reads back the same once written.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "duel/saved_duel.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace kestra;
    const SavedDuelRead read = ReadSavedDuel(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!read.duel) {
        if (read.message.empty()) std::abort();
        return 0;
    }
    const SavedDuel& duel = *read.duel;
    if (duel.source_lines.size() != duel.battle_numbers.size() + 3) std::abort();
    for (const std::string& bn : duel.battle_numbers)
        if (bn.size() != 8 || bn.find_first_not_of("0123456789") != std::string::npos) std::abort();
    const SavedDuelRead again = ReadSavedDuel(WriteSavedDuel(duel));
    if (!again.duel || again.duel->battle_numbers != duel.battle_numbers || again.duel->duel_kind != duel.duel_kind ||
        again.duel->applicant_number != duel.applicant_number || again.duel->receiver_number != duel.receiver_number)
        std::abort();
    return 0;
}
