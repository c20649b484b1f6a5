#include "content_tables.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <functional>
#include <sstream>
#include <string_view>

#include "music_styles.h"
#include "summon_art.h"

namespace mediagen {

namespace {
// Splits a line on single TABs, keeping empty fields.
std::vector<std::string_view> split_tabs(std::string_view line) {
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    while (true) {
        const std::size_t tab = line.find('\t', start);
        fields.push_back(line.substr(start, tab == std::string_view::npos ? std::string_view::npos : tab - start));
        if (tab == std::string_view::npos) return fields;
        start = tab + 1;
    }
}

// Whole-field decimal integer, or false.
bool parse_int(std::string_view text, int& value) {
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    return result.ec == std::errc() && result.ptr == text.data() + text.size() && !text.empty();
}

// Walks a TSV table: finds the two columns by header name and hands each row's pair to `take`.
void read_column(const std::string& text, std::string_view column, const char* table,
                 ContentTables& tables, const std::function<void(int, int)>& take) {
    std::istringstream in(text);
    std::string line;
    int key_at = -1, value_at = -1, line_no = 0;
    while (std::getline(in, line)) {
        ++line_no;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line[0] == '#') continue;
        const auto fields = split_tabs(line);
        if (key_at < 0) {
            for (std::size_t i = 0; i < fields.size(); ++i) {
                if (fields[i] == "no") key_at = static_cast<int>(i);
                if (fields[i] == column) value_at = static_cast<int>(i);
            }
            if (key_at < 0 || value_at < 0) {
                tables.warnings.push_back(std::string(table) + ": header lacks 'no' or '" + std::string(column) + "'");
                return;
            }
            continue;
        }
        int key = 0, value = 0;
        if (static_cast<int>(fields.size()) <= std::max(key_at, value_at) ||
            !parse_int(fields[static_cast<std::size_t>(key_at)], key) ||
            !parse_int(fields[static_cast<std::size_t>(value_at)], value)) {
            tables.warnings.push_back(std::string(table) + ": line " + std::to_string(line_no) + " unreadable");
            continue;
        }
        take(key, value);
    }
}

// Whole file as a string; false when it cannot be opened.
bool slurp(const std::string& path, std::string& text) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::ostringstream buffer;
    buffer << in.rdbuf();
    text = buffer.str();
    return true;
}
}  // namespace

// Class 0 everywhere; pieces spread over the groups in turn.
ContentTables default_tables() {
    ContentTables t;
    for (int p = 0; p < kPieceCount; ++p) t.piece_group[static_cast<std::size_t>(p)] = p % kGroupCount;
    return t;
}

// Rows outside 0..326 or classes outside 0..19 are reported and skipped.
void read_card_classes(const std::string& text, ContentTables& tables) {
    read_column(text, "class", "cards", tables, [&](int no, int cls) {
        if (no < 0 || no >= kCardCount || cls < 0 || cls > 19) {
            tables.warnings.push_back("cards: card " + std::to_string(no) + " class " + std::to_string(cls) + " ignored");
            return;
        }
        tables.card_class[static_cast<std::size_t>(no)] = cls;
    });
}

// Rows outside 0..45 or groups outside 0..8 are reported and skipped.
void read_piece_groups(const std::string& text, ContentTables& tables) {
    read_column(text, "group", "music", tables, [&](int no, int group) {
        if (no < 0 || no >= kPieceCount || group < 0 || group >= kGroupCount) {
            tables.warnings.push_back("music: piece " + std::to_string(no) + " group " + std::to_string(group) + " ignored");
            return;
        }
        tables.piece_group[static_cast<std::size_t>(no)] = group;
    });
}

// Rows whose picture is not cg/<name>.bmp, or whose figure or flash is unknown, are reported and
// skipped; so is a picture named twice.
namespace {
// Reads the picture, figure and glow columns of a being table into `out`; a row whose figure is `-`
// has a picture drawn elsewhere and is passed over.
void read_beings(const std::string& text, ContentTables& tables, std::vector<SummonArt>& out,
                 const std::string& label, const char* glow_column) {
    std::istringstream in(text);
    std::string line;
    int picture_at = -1, figure_at = -1, flash_at = -1, line_no = 0;
    while (std::getline(in, line)) {
        ++line_no;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line[0] == '#') continue;
        const auto fields = split_tabs(line);
        if (picture_at < 0) {
            for (std::size_t i = 0; i < fields.size(); ++i) {
                if (fields[i] == "picture") picture_at = static_cast<int>(i);
                if (fields[i] == "figure") figure_at = static_cast<int>(i);
                if (fields[i] == glow_column) flash_at = static_cast<int>(i);
            }
            if (picture_at < 0 || figure_at < 0 || flash_at < 0) {
                tables.warnings.push_back(label + ": header lacks 'picture', 'figure' or '" + glow_column + "'");
                return;
            }
            continue;
        }
        const std::string where = label + ": line " + std::to_string(line_no);
        if (static_cast<int>(fields.size()) <= std::max({picture_at, figure_at, flash_at})) {
            tables.warnings.push_back(where + " unreadable");
            continue;
        }
        if (label == "reshapings" && fields[static_cast<std::size_t>(figure_at)] == "-") continue;
        const std::string picture(fields[static_cast<std::size_t>(picture_at)]);
        const int figure = summon_index(kSummonFigures, fields[static_cast<std::size_t>(figure_at)]);
        const int glow = summon_index(kSummonGlows, fields[static_cast<std::size_t>(flash_at)]);
        const bool named = picture.size() > 7 && picture.rfind("cg/", 0) == 0 &&
                           picture.compare(picture.size() - 4, 4, ".bmp") == 0 &&
                           picture.find_first_of("/\\", 3) == std::string::npos;
        bool twice = false;
        for (const SummonArt& art : out) twice = twice || art.picture == picture;
        if (!named || figure < 0 || glow < 0 || twice) {
            tables.warnings.push_back(where + " ignored");
            continue;
        }
        out.push_back({picture, figure, glow});
    }
}
}  // namespace

void read_summon_pictures(const std::string& text, ContentTables& tables) {
    read_beings(text, tables, tables.summons, "summons", "flash");
}

void read_reshape_pictures(const std::string& text, ContentTables& tables) {
    read_beings(text, tables, tables.reshapes, "reshapings", "glow");
}

// Missing files are not an error: the game's media can be made before the tables exist.
ContentTables load_tables(const std::string& cards_path, const std::string& music_path,
                          const std::string& summons_path, const std::string& reshapings_path) {
    ContentTables tables = default_tables();
    std::string text;
    if (slurp(cards_path, text))
        read_card_classes(text, tables);
    else
        tables.warnings.push_back("cards: " + cards_path + " not found, every card drawn as class 0");
    if (slurp(music_path, text))
        read_piece_groups(text, tables);
    else
        tables.warnings.push_back("music: " + music_path + " not found, group = piece mod 9");
    if (!summons_path.empty()) {
        if (slurp(summons_path, text))
            read_summon_pictures(text, tables);
        else
            tables.warnings.push_back("summons: " + summons_path + " not found, no being drawn");
    }
    if (!reshapings_path.empty()) {
        if (slurp(reshapings_path, text))
            read_reshape_pictures(text, tables);
        else
            tables.warnings.push_back("reshapings: " + reshapings_path + " not found, no fusion drawn");
    }
    return tables;
}

}  // namespace mediagen
