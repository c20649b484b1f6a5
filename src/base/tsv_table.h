#pragma once
// The authored content tables: UTF-8, TAB-separated, a header line, '#' comments.
#include <optional>
#include <string>
#include <string_view>
#include <utility>
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

// Reads every row of a content table into `rows` through read(table, row index, row), which returns
// the row's fault or "" (it may look at the rows read so far). The first fault, or a table that does
// not parse, comes back as "FILE line N: fault" with no rows kept; "" when every row is sound.
template <class Row, class Read>
std::string ReadTsvRows(std::string_view text, std::string_view file, std::vector<Row>& rows, Read read) {
    const TsvParse parsed = ParseTsv(text);
    if (!parsed.table) return std::string(file) + ": " + parsed.error;
    const TsvTable& t = *parsed.table;
    for (size_t r = 0; r < t.rows.size(); ++r) {
        Row row;
        const std::string fault = read(t, r, row);
        if (!fault.empty()) {
            rows.clear();
            return std::string(file) + " line " + std::to_string(t.line_numbers[r]) + ": " + fault;
        }
        rows.push_back(std::move(row));
    }
    return {};
}

}  // namespace kestra
