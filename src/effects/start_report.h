#pragma once
// Which opening rules acted in one duel start: the simulator counts them for its coverage.
#include <string>
#include <string_view>
#include <vector>

namespace kestra {

struct StartReport {
    std::vector<std::string> fired;  // rule names, once per time a rule acted, in the order they acted
    void Fired(std::string_view rule) { fired.emplace_back(rule); }
};

}  // namespace kestra
