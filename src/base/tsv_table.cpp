#include "base/tsv_table.h"

namespace kestra {

std::vector<std::string_view> SplitOn(std::string_view text, char separator) {
    std::vector<std::string_view> fields;
    size_t start = 0;
    for (;;) {
        const size_t at = text.find(separator, start);
        if (at == std::string_view::npos) {
            fields.push_back(text.substr(start));
            return fields;
        }
        fields.push_back(text.substr(start, at - start));
        start = at + 1;
    }
}

int TsvTable::Column(std::string_view name) const {
    for (size_t i = 0; i < columns.size(); ++i)
        if (columns[i] == name) return static_cast<int>(i);
    return -1;
}

TsvParse ParseTsv(std::string_view text) {
    TsvParse out;
    TsvTable table;
    bool have_header = false;
    int line_no = 0;
    size_t pos = 0;
    while (pos < text.size()) {
        size_t end = text.find('\n', pos);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(pos, end - pos);
        pos = end + 1;
        ++line_no;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.empty() || line[0] == '#') continue;
        const auto views = SplitOn(line, '\t');
        std::vector<std::string> fields(views.begin(), views.end());
        if (!have_header) {
            table.columns = std::move(fields);
            have_header = true;
            continue;
        }
        if (fields.size() > table.columns.size()) {
            out.error = "line " + std::to_string(line_no) + ": more fields than the header";
            return out;
        }
        fields.resize(table.columns.size());
        table.rows.push_back(std::move(fields));
        table.line_numbers.push_back(line_no);
    }
    if (!have_header) {
        out.error = "no header line";
        return out;
    }
    out.table = std::move(table);
    return out;
}

}  // namespace kestra
