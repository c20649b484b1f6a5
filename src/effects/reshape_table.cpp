#include "effects/reshape_table.h"

#include <stdexcept>

#include "base/int_text.h"
#include "base/tsv_table.h"
#include "catalogue/embedded_content.h"

namespace kestra {

namespace {

// A whole number in [lo, hi], or nothing.
std::optional<int32_t> Number(std::string_view text, int32_t lo, int32_t hi) {
    const std::optional<int32_t> n = ParseInt32(text);
    if (!n || *n < lo || *n > hi) return std::nullopt;
    return n;
}

// The figures, status and picture every row gives; an empty text when they are sound.
std::string ReadBecomes(const TsvTable& t, const std::vector<std::string>& row, ReshapedCard& out) {
    out.name = row[static_cast<size_t>(t.Column("name"))];
    out.picture = row[static_cast<size_t>(t.Column("picture"))];
    const auto hp = Number(row[static_cast<size_t>(t.Column("hp"))], 0, 999);
    const auto mp = Number(row[static_cast<size_t>(t.Column("mp"))], 0, 999);
    const auto good = Number(row[static_cast<size_t>(t.Column("good"))], 1, 13);
    if (out.name.empty()) return "no name";
    if (!hp || !mp) return "bad hp or mp";
    if (!good) return "good status is 1..13";
    if (out.picture.rfind("cg/", 0) != 0 || out.picture.size() < 8 ||
        out.picture.substr(out.picture.size() - 4) != ".bmp")
        return "picture is cg/*.bmp";
    out.hp = *hp;
    out.mp = *mp;
    out.good = *good;
    return {};
}

// One fusion row: card 0..355, icon - or 0..355.
std::string ReadFusion(const TsvTable& t, const std::vector<std::string>& row, ReshapeTable& out) {
    TripleFusion f;
    const auto card = Number(row[static_cast<size_t>(t.Column("card"))], 0, 355);
    if (!card) return "bad card";
    f.card = *card;
    const std::string& needs = row[static_cast<size_t>(t.Column("needs"))];
    if (needs != "-") {
        const auto icon = Number(needs, 0, 355);
        if (!icon) return "needs is an icon number or -";
        f.icon = *icon;
    }
    if (std::string fault = ReadBecomes(t, row, f.becomes); !fault.empty()) return fault;
    for (const TripleFusion& g : out.fusions)
        if (g.card == f.card) return "card twice";
    out.fusions.push_back(std::move(f));
    return {};
}

// One identity row: card 111..119, needs a list of s values 0..2.
std::string ReadIdentity(const TsvTable& t, const std::vector<std::string>& row, ReshapeTable& out) {
    HiddenIdentity h;
    const auto card = Number(row[static_cast<size_t>(t.Column("card"))], 111, 119);
    if (!card) return "identity card is 111..119";
    h.card = *card;
    for (const std::string_view part : SplitOn(row[static_cast<size_t>(t.Column("needs"))], ',')) {
        const auto s = Number(part, 0, 2);
        if (!s) return "needs lists s values 0..2";
        h.revealed[*s] = true;
    }
    if (std::string fault = ReadBecomes(t, row, h.becomes); !fault.empty()) return fault;
    for (const HiddenIdentity& g : out.identities)
        if (g.card == h.card) return "card twice";
    out.identities.push_back(std::move(h));
    return {};
}

}  // namespace

ReshapeTable ParseReshapeTable(std::string_view text) {
    ReshapeTable out;
    const TsvParse parsed = ParseTsv(text);
    if (!parsed.table) {
        out.error = "reshapings.tsv: " + parsed.error;
        return out;
    }
    const TsvTable& t = *parsed.table;
    for (const char* column : {"kind", "card", "needs", "name", "hp", "mp", "good", "picture"})
        if (t.Column(column) < 0) {
            out.error = std::string("reshapings.tsv: no column ") + column;
            return out;
        }
    for (size_t r = 0; r < t.rows.size(); ++r) {
        const std::string& kind = t.rows[r][static_cast<size_t>(t.Column("kind"))];
        const std::string fault = kind == "fusion"     ? ReadFusion(t, t.rows[r], out)
                                  : kind == "identity" ? ReadIdentity(t, t.rows[r], out)
                                                       : std::string("kind is fusion or identity");
        if (!fault.empty()) {
            out.error = "reshapings.tsv line " + std::to_string(t.line_numbers[r]) + ": " + fault;
            return out;
        }
    }
    return out;
}

const ReshapeTable& EmbeddedReshapeTable() {
    static const ReshapeTable table = [] {
        ReshapeTable t = ParseReshapeTable(EmbeddedTable("reshapings.tsv"));
        if (!t.error.empty()) throw std::runtime_error(t.error);
        return t;
    }();
    return table;
}

int32_t IdentityTurn(int32_t my_id, int32_t aite_id) {
    const int64_t s = (static_cast<int64_t>(my_id) + aite_id) % 3;
    return static_cast<int32_t>(s < 0 ? s + 3 : s);
}

}  // namespace kestra
