#include <gtest/gtest.h>

#include "catalogue/compiled_rows.h"
#include "player/catalogue_files.h"
#include "player/cp932.h"
#include "player/text_lines.h"
#include "support/temp_folder.h"

namespace kestra {
namespace {

using test::ReadBytes;
using test::WriteBytes;

// Rewrite every record of a data file through a function of (record index, field lines).
std::string MapRecords(const std::string& bytes, int lines_per_record,
                       const std::function<void(int, std::vector<std::string>&)>& fn) {
    std::vector<std::string> lines;
    size_t pos = 0;
    while (pos < bytes.size()) {
        const size_t end = bytes.find("\r\n", pos);
        lines.push_back(bytes.substr(pos, end - pos));
        pos = end + 2;
    }
    std::string out;
    for (size_t r = 0; r * lines_per_record < lines.size(); ++r) {
        std::vector<std::string> rec(lines.begin() + static_cast<long>(r * lines_per_record),
                                     lines.begin() + static_cast<long>((r + 1) * lines_per_record));
        fn(static_cast<int>(r), rec);
        for (const auto& l : rec) out += l + "\r\n";
    }
    return out;
}

TEST(ShippedFiles, RecordCountsAndLineEnds) {
    const GameFolder game = test::BuiltGame();
    struct Case {
        const char* file;
        size_t lines;
    };
    for (const Case c : {Case{"card.dat", 255 * 4}, Case{"icon.dat", 255 * 3}, Case{"name.dat", 226}}) {
        const std::string bytes = ReadBytes(game.dat() / c.file);
        size_t crlf = 0;
        for (size_t p = bytes.find("\r\n"); p != std::string::npos; p = bytes.find("\r\n", p + 2)) ++crlf;
        EXPECT_EQ(crlf, c.lines) << c.file;
        size_t lf = 0;
        for (const char ch : bytes) lf += ch == '\n';
        EXPECT_EQ(lf, c.lines) << c.file << ": every line ends in CR LF";
        EXPECT_TRUE(Cp932ToUtf8(bytes)) << c.file << " is CP932";
    }
}

// The compiled-in rows overwrite the file's rows 71..254 (cards) and 43..254 (icons).
TEST(ShippedFiles, CompiledRowsOverrideTheFiles) {
    test::TempFolder tmp;
    const GameFolder game = tmp.Game();
    const Catalogue original = BuildCatalogue(game.dat());
    const auto card_dat = game.dat() / "card.dat";
    WriteBytes(card_dat, MapRecords(ReadBytes(card_dat), 4, [](int r, std::vector<std::string>& rec) {
                   if (r >= 71) rec = {"X" + std::to_string(r), "1", "1", "0"};
                   if (r == 70) rec = {"Y", "3", "4", "5"};
               }));
    const auto icon_dat = game.dat() / "icon.dat";
    WriteBytes(icon_dat, MapRecords(ReadBytes(icon_dat), 3, [](int r, std::vector<std::string>& rec) {
                   if (r >= 43) rec = {"Z" + std::to_string(r), "", "0"};
                   if (r == 42) rec = {"W", "d", "7"};
               }));
    const Catalogue changed = BuildCatalogue(game.dat());
    for (int n = 71; n < kCardRows; ++n) EXPECT_EQ(changed.card[n].name, original.card[n].name) << n;
    for (int n = 43; n < kIconRows; ++n) EXPECT_EQ(changed.icon[n].name, original.icon[n].name) << n;
    EXPECT_EQ(changed.card[70].name, "Y");
    EXPECT_EQ(changed.card[70].rarity, 5);
    EXPECT_EQ(changed.icon[42].name, "W");
    EXPECT_EQ(changed.icon[42].weight, 7);
    EXPECT_TRUE(CardTableIntact(changed));
}

TEST(ShippedFiles, RebuildingGivesTheSameCatalogue) {
    const GameFolder game = test::BuiltGame();
    const Catalogue a = BuildCatalogue(game.dat());
    const Catalogue b = BuildCatalogue(game.dat());
    for (int n = 0; n < kCardRows; ++n) EXPECT_EQ(a.card[n].name, b.card[n].name);
    for (int n = 0; n < kIconRows; ++n) EXPECT_EQ(a.icon[n].description, b.icon[n].description);
}

TEST(CardTableIntegrity, CatchesAnyChangeToTheCompiledRows) {
    const Catalogue good = BuildCatalogue(test::BuiltGame().dat());
    EXPECT_TRUE(CardTableIntact(good));
    struct Case {
        const char* what;
        std::function<void(Catalogue&)> change;
        bool intact;
    };
    const Case cases[] = {
        {"HP of 234", [](Catalogue& c) { c.card[234].hp = 98; }, false},
        {"MP of 71", [](Catalogue& c) { c.card[71].mp = 1; }, false},
        {"class of 326", [](Catalogue& c) { c.card[326].rarity += 1; }, false},
        {"name of 100", [](Catalogue& c) { c.card[100].name += "改"; }, false},
        {"data-file row 70", [](Catalogue& c) { c.card[70].hp += 5; }, true},
        {"empty row 330", [](Catalogue& c) { c.card[330].hp = 5; }, true},
    };
    for (const Case& c : cases) {
        Catalogue cat = good;
        c.change(cat);
        EXPECT_EQ(CardTableIntact(cat), c.intact) << c.what;
    }
}

}  // namespace
}  // namespace kestra
