#include "player/record_folder.h"

#include <algorithm>
#include <optional>
#include <system_error>
#include <utility>
#include <vector>

namespace kestra {

namespace {

namespace fs = std::filesystem;

// Two digits (or four for the year) with leading zeros.
std::string Padded(int32_t v, int width) {
    std::string s = std::to_string(v < 0 ? 0 : v);
    return std::string(s.size() < static_cast<size_t>(width) ? static_cast<size_t>(width) - s.size() : 0, '0') + s;
}

// "20261207-201503": the stem of every record written at that second.
std::string StemOf(const RecordTime& t) {
    return Padded(t.year, 4) + Padded(t.month, 2) + Padded(t.day, 2) + "-" + Padded(t.hour, 2) + Padded(t.minute, 2) +
           Padded(t.second, 2);
}

// The order key of a record's file name ("YYYYMMDD-HHMMSS[_N].txt"), or nothing for other files.
std::optional<std::pair<std::string, int32_t>> RecordKey(const std::string& name) {
    if (name.size() < 19 || !name.ends_with(".txt") || name[8] != '-') return std::nullopt;
    const std::string stem = name.substr(0, 15);
    for (size_t k = 0; k < stem.size(); ++k)
        if (k != 8 && (stem[k] < '0' || stem[k] > '9')) return std::nullopt;
    const std::string rest = name.substr(15, name.size() - 19);
    if (rest.empty()) return std::make_pair(stem, 1);
    if (rest.size() < 2 || rest.size() > 6 || rest[0] != '_') return std::nullopt;
    int32_t n = 0;
    for (size_t k = 1; k < rest.size(); ++k) {
        if (rest[k] < '0' || rest[k] > '9') return std::nullopt;
        n = n * 10 + (rest[k] - '0');
    }
    return std::make_pair(stem, n);
}

// Remove the oldest records until `keep` remain.
void PruneRecords(const fs::path& folder, size_t keep) {
    std::vector<std::pair<std::pair<std::string, int32_t>, fs::path>> found;
    std::error_code ec;
    for (const fs::directory_entry& e : fs::directory_iterator(folder, ec)) {
        if (!e.is_regular_file(ec)) continue;
        if (const auto key = RecordKey(e.path().filename().string())) found.emplace_back(*key, e.path());
    }
    if (found.size() <= keep) return;
    std::sort(found.begin(), found.end());
    for (size_t k = 0; k + keep < found.size(); ++k) fs::remove(found[k].second, ec);
}

}  // namespace

std::string RecordStamp(const RecordTime& t) {
    return Padded(t.year, 4) + "-" + Padded(t.month, 2) + "-" + Padded(t.day, 2) + " " + Padded(t.hour, 2) + ":" +
           Padded(t.minute, 2) + ":" + Padded(t.second, 2);
}

fs::path FreeRecordPath(const fs::path& folder, const RecordTime& t) {
    const std::string stem = StemOf(t);
    std::error_code ec;
    fs::path candidate = folder / (stem + ".txt");
    for (int32_t n = 2; fs::exists(candidate, ec) && n < 100000; ++n) candidate = folder / (stem + "_" + std::to_string(n) + ".txt");
    return candidate;
}

RecordSaved SaveRecord(const fs::path& folder, const RecordTime& t, const std::string& text, size_t keep) {
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (ec) return {{false, "記録フォルダを作れません: " + ec.message()}, {}};
    RecordSaved saved{{}, FreeRecordPath(folder, t)};
    saved.result = WriteFileAtomically(saved.file, text);
    if (saved.result.ok) PruneRecords(folder, keep);
    return saved;
}

}  // namespace kestra
