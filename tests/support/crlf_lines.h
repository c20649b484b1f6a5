#pragma once
// CR LF text files as the tests take them apart and put them back together.
#include <algorithm>
#include <string>
#include <vector>

namespace kestra::test {

// The lines of a CR LF text without their line ends (a last line without one is kept whole).
inline std::vector<std::string> CrLfLines(const std::string& bytes) {
    std::vector<std::string> lines;
    for (size_t pos = 0; pos < bytes.size();) {
        const size_t end = std::min(bytes.find("\r\n", pos), bytes.size());
        lines.push_back(bytes.substr(pos, end - pos));
        pos = end + 2;
    }
    return lines;
}

// The lines joined again, each ended by CR LF.
inline std::string JoinCrLf(const std::vector<std::string>& lines) {
    std::string out;
    for (const auto& line : lines) out += line + "\r\n";
    return out;
}

}  // namespace kestra::test
