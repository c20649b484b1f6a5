#include "battle/technique_lists.h"

#include "base/tsv_table.h"
#include "battle/offered_buttons.h"
#include "catalogue/embedded_content.h"

namespace kestra {

namespace {

// The text of a named column of row r.
std::string Field(const TsvTable& t, size_t r, const char* column) {
    const int c = t.Column(column);
    return c < 0 ? std::string() : t.rows[r][static_cast<size_t>(c)];
}

// "m3", "m3=caption", "m3@name" or "m3=caption@name" as an entry; false when the button is unknown.
bool ParseEntry(std::string_view word, ListEntry& e) {
    const size_t at = word.find('@');
    if (at != std::string_view::npos) {
        e.only_name = std::string(word.substr(at + 1));
        word = word.substr(0, at);
    }
    const size_t eq = word.find('=');
    if (eq != std::string_view::npos) {
        e.caption = std::string(word.substr(eq + 1));
        word = word.substr(0, eq);
    }
    e.button = std::string(word);
    const TechniqueButton* b = FindTechniqueButton(e.button);
    return b != nullptr && !b->caption.empty() && (at == std::string_view::npos || !e.only_name.empty());
}

// A whole number 0..326, or -1.
int32_t CardNumber(std::string_view s) {
    if (s.empty() || s.size() > 3) return -1;
    int32_t n = 0;
    for (const char ch : s) {
        if (ch < '0' || ch > '9') return -1;
        n = n * 10 + (ch - '0');
    }
    return n < kListedCards ? n : -1;
}

// "7", "3-9" or "0,1,28" as card numbers; false on a fault.
bool ParseCards(std::string_view text, std::vector<int32_t>& out) {
    for (const std::string_view part : SplitOn(text, ',')) {
        const size_t dash = part.find('-');
        const int32_t first = CardNumber(part.substr(0, dash));
        const int32_t last = dash == std::string_view::npos ? first : CardNumber(part.substr(dash + 1));
        if (first < 0 || last < first) return false;
        for (int32_t n = first; n <= last; ++n) out.push_back(n);
    }
    return !out.empty();
}

// The table's fault at a line, as the loader reports it.
TechniqueListLoad Fault(int line, const std::string& what) {
    TechniqueListLoad load;
    load.error = "technique_lists.tsv line " + std::to_string(line) + ": " + what;
    return load;
}

}  // namespace

TechniqueListLoad LoadTechniqueLists(std::string_view text) {
    TsvParse parsed = ParseTsv(text);
    if (!parsed.table) return Fault(0, parsed.error);
    const TsvTable& t = *parsed.table;
    TechniqueListLoad load;
    TechniqueLists& out = load.lists;
    out.list_of_card.assign(kListedCards, std::string());
    std::vector<std::pair<int, std::string>> named;  // card rows' lists, checked once all lists are read
    for (size_t r = 0; r < t.rows.size(); ++r) {
        const int line = t.line_numbers[r];
        const std::string kind = Field(t, r, "kind"), id = Field(t, r, "id"), value = Field(t, r, "value");
        if (kind == "list") {
            if (id.empty() || out.lists.count(id)) return Fault(line, "list id empty or repeated: " + id);
            std::vector<ListEntry>& entries = out.lists[id];
            for (const std::string_view word : SplitOn(value, ' ')) {
                if (word.empty()) continue;
                ListEntry e;
                if (!ParseEntry(word, e)) return Fault(line, "unknown button " + std::string(word));
                entries.push_back(std::move(e));
            }
            if (entries.empty()) return Fault(line, "empty list " + id);
        } else if (kind == "cards") {
            std::vector<int32_t> cards;
            if (!ParseCards(id, cards)) return Fault(line, "bad card numbers " + id);
            for (const int32_t n : cards) {
                if (!out.list_of_card[static_cast<size_t>(n)].empty())
                    return Fault(line, "card " + std::to_string(n) + " named twice");
                out.list_of_card[static_cast<size_t>(n)] = value;
            }
            named.emplace_back(line, value);
        } else {
            return Fault(line, "unknown kind " + kind);
        }
    }
    for (const auto& [line, id] : named)
        if (!out.lists.count(id)) return Fault(line, "no list " + id);
    return load;
}

const TechniqueLists& EmbeddedTechniqueLists() {
    static const TechniqueLists lists = LoadTechniqueLists(EmbeddedTable("technique_lists.tsv")).lists;
    return lists;
}

const std::vector<ListEntry>& TechniqueListOf(const TechniqueLists& lists, int32_t orig_no) {
    static const std::vector<ListEntry> none;
    if (orig_no < 0 || orig_no >= static_cast<int32_t>(lists.list_of_card.size())) return none;
    const auto it = lists.lists.find(lists.list_of_card[static_cast<size_t>(orig_no)]);
    return it == lists.lists.end() ? none : it->second;
}

}  // namespace kestra
