#include "duel/tchar.h"

#include <array>

namespace kestra {

std::string_view Status1Text(int32_t code) {
    static constexpr std::array<std::string_view, 21> kNames = {
        "",       "<毒>",   "<眠>",   "<呪>",   "<↓>",   "<石>",   "<猛毒>", "<混乱>", "<凍結>", "<爆弾>", "<病気>",
        "<牢>",   "<時１>", "<時２>", "<時３>", "<契約>", "<裏切>", "<仮死>", "<劇毒>", "<死毒>", "<鎖>"};
    if (code < 0 || code > 20) return {};
    return kNames[static_cast<size_t>(code)];
}

std::string_view Status2Text(int32_t code) {
    static constexpr std::array<std::string_view, 14> kNames = {
        "", "<癒>", "<↑>", "<盾>", "<雲>", "<約>", "<暴>", "<慈愛>", "<魔道>", "<神格>", "<魔力>", "<治>", "<解>", "<ﾊﾞﾘｱ>"};
    if (code < 0 || code > 13) return {};
    return kNames[static_cast<size_t>(code)];
}

}  // namespace kestra
