#include "effects/data_roles.h"

#include <stdexcept>
#include <string>

#include "base/int_text.h"
#include "base/tsv_table.h"
#include "catalogue/embedded_content.h"

namespace kestra {

namespace {

// The card numbers of one row, exactly as many as the role takes, each in 0..70.
template <size_t N>
std::array<int32_t, N> CardsOf(const std::string& role, std::string_view text) {
    const std::vector<std::string_view> parts = SplitOn(text, ',');
    if (parts.size() != N) throw std::runtime_error("data_roles.tsv: " + role + " takes " + std::to_string(N));
    std::array<int32_t, N> out{};
    for (size_t k = 0; k < N; ++k) {
        const std::optional<int32_t> card = ParseInt32(parts[k]);
        if (!card || *card < 0 || *card > 70) throw std::runtime_error("data_roles.tsv: bad card for " + role);
        out[k] = *card;
    }
    return out;
}

// Reads the compiled-in table into the roles; every role must be given once.
DataRoles ReadRoles() {
    const TsvParse parsed = ParseTsv(EmbeddedTable("data_roles.tsv"));
    if (!parsed.table) throw std::runtime_error("data_roles.tsv: " + parsed.error);
    DataRoles roles;
    int given = 0;
    for (const std::vector<std::string>& row : parsed.table->rows) {
        const std::string& role = row[0];
        ++given;
        if (role == "virus") roles.virus = CardsOf<1>(role, row[1])[0];
        else if (role == "doctor") roles.doctor = CardsOf<1>(role, row[1])[0];
        else if (role == "contract_spared") roles.contract_spared = CardsOf<2>(role, row[1]);
        else if (role == "icon39") roles.icon39 = CardsOf<1>(role, row[1])[0];
        else if (role == "trainee") roles.trainee = CardsOf<5>(role, row[1]);
        else if (role == "icon147") roles.icon147 = CardsOf<4>(role, row[1]);
        else throw std::runtime_error("data_roles.tsv: unknown role " + role);
    }
    if (given != 6) throw std::runtime_error("data_roles.tsv: six roles expected");
    return roles;
}

}  // namespace

const DataRoles& EmbeddedDataRoles() {
    static const DataRoles roles = ReadRoles();
    return roles;
}

}  // namespace kestra
