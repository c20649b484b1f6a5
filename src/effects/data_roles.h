#pragma once
// The roles the opening rules give to cards of the data file (rows 0..70), from content/data_roles.tsv.
// Rules match them by name, like every named card.
#include <array>
#include <cstdint>

namespace kestra {

struct DataRoles {
    int32_t virus = -1;                      // infects the other side at the start
    int32_t doctor = -1;                     // never infected
    std::array<int32_t, 2> contract_spared;  // card 228's contract passes them by
    int32_t icon39 = -1;                     // icon 39's card: HP + 5, MP + 5
    std::array<int32_t, 5> trainee;          // icon 43's five trainees: HP, MP and LV + 4
    std::array<int32_t, 4> icon147;          // icon 147's data-file cards: HP + 3, MP + 3
};

// The compiled-in table, read once; a faulty table stops the program at its first use.
const DataRoles& EmbeddedDataRoles();

}  // namespace kestra
