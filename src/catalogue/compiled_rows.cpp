#include "catalogue/compiled_rows.h"

#include <functional>

#include "base/fnv_hash.h"
#include "base/int_text.h"
#include "base/tsv_table.h"
#include "catalogue/embedded_content.h"

namespace kestra {

namespace {

// One row of a parsed table, with typed access by column name.
class Row {
public:
    Row(const TsvTable& t, size_t r, std::string& error) : t_(t), r_(r), error_(error) {}
    const std::string& Str(const char* column) const {
        static const std::string kEmpty;
        const int c = t_.Column(column);
        return c < 0 ? kEmpty : t_.rows[r_][static_cast<size_t>(c)];
    }
    int32_t Int(const char* column) const {
        const auto v = ParseInt32(Str(column));
        if (!v && error_.empty()) error_ = "line " + std::to_string(t_.line_numbers[r_]) + ": bad " + column;
        return v.value_or(0);
    }

private:
    const TsvTable& t_;
    size_t r_;
    std::string& error_;
};

// Visit the rows of an embedded table whose key column lies in [lo, hi].
std::string EachRow(const char* file, const char* key, int lo, int hi,
                    const std::function<void(int, const Row&)>& visit) {
    auto parsed = ParseTsv(EmbeddedTable(file));
    if (!parsed.table) return std::string(file) + ": " + parsed.error;
    std::string error;
    for (size_t r = 0; r < parsed.table->rows.size(); ++r) {
        Row row(*parsed.table, r, error);
        const int32_t no = row.Int(key);
        if (!error.empty()) break;
        if (no >= lo && no <= hi) visit(no, row);
    }
    return error.empty() ? std::string() : std::string(file) + ": " + error;
}

}  // namespace

std::string ApplyCompiledRows(Catalogue& cat) {
    std::string error;
    auto step = [&error](std::string e) {
        if (error.empty()) error = std::move(e);
    };
    step(EachRow("techniques.tsv", "no", 0, 36, [&](int no, const Row& r) {
        cat.magic[no] = {r.Str("name"), r.Str("description"), r.Int("price")};
    }));
    step(EachRow("cards.tsv", "no", 71, 326, [&](int no, const Row& r) {
        cat.card[no] = {r.Str("name"), r.Int("hp"), r.Int("mp"), r.Int("class"), {}, 0};
    }));
    step(EachRow("icons.tsv", "no", 0, kListedIcons - 1, [&](int no, const Row& r) {
        if (no >= 43) cat.icon[no] = {r.Str("name"), r.Str("description"), r.Int("dark"), r.Int("weight"), {}};
        cat.icon[no].effect = r.Str("effect");
    }));
    step(EachRow("items.tsv", "no", 1, 98, [&](int no, const Row& r) {
        cat.item[no] = {r.Str("name"), r.Str("description"), r.Int("code"), r.Int("param"), r.Int("price")};
    }));
    step(EachRow("music.tsv", "no", 0, kMusicPieces - 1, [&](int no, const Row& r) {
        cat.music[no] = {r.Str("title"), r.Int("group")};
    }));
    step(EachRow("music_groups.tsv", "group", 0, kMusicGroups - 1,
                 [&](int no, const Row& r) { cat.music_group[no] = r.Str("name"); }));
    return error;
}

bool CardTableIntact(const Catalogue& cat) {
    uint64_t h = Fnv1a("");
    for (int n = 71; n <= 326; ++n)
        h = DigestCardRow(h, cat.card[n].name, cat.card[n].hp, cat.card[n].mp, cat.card[n].rarity);
    return h == EmbeddedCardDigest();
}

}  // namespace kestra
