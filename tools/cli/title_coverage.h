#pragma once
// Coverage of what shows a title of its own: a signature move ("＞" + its name) or a summon being
// ("召喚＞" + its icon's name). Runs are read from the two programs' transcripts.
#include <cstdint>
#include <ostream>
#include <string>
#include <unordered_map>
#include <vector>

namespace kestra::cli {

class TitleCoverage {
public:
    // One counted entry: printed as "<label>=<name> runs=N", found by the shown line "<prefix><name>".
    void Add(const std::string& label, const std::string& prefix, const std::string& name);
    // One duel: each entry counts the more of the two programs' sightings (a blinded side sees "????????").
    void CountDuel(const std::vector<std::string>& a, const std::vector<std::string>& b);
    // The lines in the order the entries were added.
    void Print(std::ostream& out) const;

private:
    struct Entry {
        std::string label, name;
        int64_t runs = 0;
    };
    // How often each entry's line appears in one transcript.
    std::vector<int64_t> Sightings(const std::vector<std::string>& transcript) const;

    std::vector<Entry> entries_;
    std::unordered_map<std::string, size_t> by_line_;  // "show: ＞NAME" → entry
};

}  // namespace kestra::cli
