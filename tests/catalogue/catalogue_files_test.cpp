#include "player/catalogue_files.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "catalogue/compiled_rows.h"
#include "player/cp932.h"
#include "player/text_lines.h"
#include "support/crlf_lines.h"
#include "support/temp_folder.h"

namespace kestra {
namespace {

using test::ReadBytes;
using test::WriteBytes;

// Rewrite every record of a data file through a function of (record index, field lines).
std::string MapRecords(const std::string& bytes, int lines_per_record,
                       const std::function<void(int, std::vector<std::string>&)>& fn) {
    const std::vector<std::string> lines = test::CrLfLines(bytes);
    std::string out;
    for (size_t r = 0; r * lines_per_record < lines.size(); ++r) {
        std::vector<std::string> rec(lines.begin() + static_cast<long>(r * lines_per_record),
                                     lines.begin() + static_cast<long>((r + 1) * lines_per_record));
        fn(static_cast<int>(r), rec);
        out += test::JoinCrLf(rec);
    }
    return out;
}

TEST(ShippedFiles, RecordCountsAndLineEnds) {
    const GameFolder game = test::BuiltGame();
    const std::pair<const char*, size_t> cases[] = {
        {"card.dat", 255 * 4}, {"icon.dat", 255 * 3}, {"name.dat", 226}};
    for (const auto& [file, lines] : cases) {
        const std::string bytes = ReadBytes(game.dat() / file);
        size_t crlf = 0;
        for (size_t p = bytes.find("\r\n"); p != std::string::npos; p = bytes.find("\r\n", p + 2)) ++crlf;
        // Every line ends in CR LF, and the file is CP932.
        EXPECT_EQ((std::array{crlf, static_cast<size_t>(std::count(bytes.begin(), bytes.end(), '\n'))}),
                  (std::array{lines, lines}))
            << file;
        EXPECT_TRUE(Cp932ToUtf8(bytes)) << file;
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
    EXPECT_EQ(std::tie(changed.card[70].name, changed.card[70].rarity, changed.icon[42].name,
                       changed.icon[42].weight),
              std::make_tuple("Y", 5, "W", 7));
    EXPECT_TRUE(CardTableIntact(changed));
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
