#pragma once
// The authored content tables: UTF-8, TAB-separated, a header line, '#' comments.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kestra {

// Split text on a separator; n separators give n + 1 fields (empty ones included).
std::vector<std::string_view> SplitOn(std::string_view text, char separator);

struct TsvTable {
    std::vector<std::string> columns;            // names from the header line
    std::vector<std::vector<std::string>> rows;  // data rows, each padded to the header's width
    std::vector<int> line_numbers;               // 1-based source line of each row

    // Index of a named column, or -1.
    int Column(std::string_view name) const;
};

// Parse a table; on a malformed row the error names the line.
struct TsvParse {
    std::optional<TsvTable> table;
    std::string error;
};
TsvParse ParseTsv(std::string_view text);

}  // namespace kestra
