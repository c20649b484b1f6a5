#include "title_coverage.h"

#include <algorithm>

namespace kestra::cli {

void TitleCoverage::Add(const std::string& label, const std::string& prefix, const std::string& name) {
    by_line_["show: " + prefix + name] = entries_.size();
    by_line_["add: " + prefix + name] = entries_.size();
    entries_.push_back({label, name, 0});
}

std::vector<int64_t> TitleCoverage::Sightings(const std::vector<std::string>& transcript) const {
    std::vector<int64_t> seen(entries_.size(), 0);
    for (const std::string& line : transcript) {
        const auto it = by_line_.find(line);
        if (it != by_line_.end()) ++seen[it->second];
    }
    return seen;
}

void TitleCoverage::CountDuel(const std::vector<std::string>& a, const std::vector<std::string>& b) {
    if (entries_.empty()) return;
    const std::vector<int64_t> in_a = Sightings(a), in_b = Sightings(b);
    for (size_t k = 0; k < entries_.size(); ++k) entries_[k].runs += std::max(in_a[k], in_b[k]);
}

void TitleCoverage::Print(std::ostream& out) const {
    for (const Entry& e : entries_) out << e.label << "=" << e.name << " runs=" << e.runs << "\n";
}

}  // namespace kestra::cli
