// Fuzz target: a pasted BATTLE NUMBER is refused, or names living cards on the right sides
// and reads back to the same eight digits.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "duel/battle_number.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace kestra;
    if (size < 2) return 0;
    DuelRecord d;
    for (size_t i = 1; i <= 6; ++i) d.chara[i].name = (data[0] >> i) & 1u ? "死亡" : "札";
    d.turn = data[1] % 120;
    const bool mirror = (data[0] & 1u) == 0;
    const std::string text(reinterpret_cast<const char*>(data) + 2, size - 2);
    const BattleNumberRead read = ReadBattleNumberDigits(d, text, mirror);
    if (read.error != BattleNumberError::None) return 0;
    const BattleNumberFields& f = read.fields;
    if (!SlotAlive(d, f.atk_no) || !SlotAlive(d, f.tgt_no)) std::abort();
    if (mirror && (f.atk_no < 4 || f.tgt_no > 3)) std::abort();
    d.atk_no = mirror ? f.atk_no - 3 : f.atk_no;
    d.tgt_no = mirror ? f.tgt_no + 3 : f.tgt_no;
    d.waza_kind = f.waza_kind;
    d.luck = f.luck;
    d.waza_arg1 = f.waza_arg1;
    d.waza_arg2 = f.waza_arg2;
    if (BattleNumberDigits(d) != PastedBattleDigits(text)) std::abort();
    return 0;
}
