// Reading card classes and music groups from the authored tables, with fallbacks.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

#include "content_tables.h"
#include "test_support.h"

namespace mediagen {
namespace {

TEST(CardClasses, ReadFromTheClassColumnSkippingComments) {
    ContentTables t = default_tables();
    read_card_classes("# cards\nno\tname\thp\tmp\tclass\tnote\n0\t剣士\t3\t1\t2\t\n# mid comment\n"
                      "5\t灯台守\t4\t2\t15\tbright\n326\t終\t9\t9\t19\t\n",
                      t);
    EXPECT_TRUE(t.warnings.empty());
    // Missing rows stay class 0; columns are found by name and CRLF is tolerated.
    EXPECT_EQ((std::vector<int>{t.card_class[0], t.card_class[5], t.card_class[326], t.card_class[1]}),
              (std::vector<int>{2, 15, 19, 0}));
    read_card_classes("class\tno\tname\r\n7\t3\tx\r\n", t);
    EXPECT_EQ(t.card_class[3], 7);
}

// A bad row, or a header without a class column, is reported once and leaves every class 0.
TEST(CardClasses, BadRowsAreReportedAndLeaveClassZero) {
    const std::string header = "no\tname\thp\tmp\tclass\tnote\n";
    for (const std::string& table : {header + "4\tx\t1\t1\t20\t", header + "4\tx\t1\t1\t-1\t", header + "327\tx\t1\t1\t3\t",
                                     header + "4\tx\t1\t1\tgold\t", header + "4\tx", header + "four\tx\t1\t1\t3\t",
                                     std::string("no\tname\thp\n1\tx\t3")}) {
        ContentTables t = default_tables();
        read_card_classes(table + "\n", t);
        EXPECT_EQ(t.warnings.size(), 1u) << table;
        EXPECT_EQ(std::count(t.card_class.begin(), t.card_class.end(), 0), std::ssize(t.card_class)) << table;
    }
}

TEST(PieceGroups, FallBackToPieceModNine) {
    const ContentTables t = default_tables();
    for (int p = 0; p < kPieceCount; ++p) EXPECT_EQ(t.piece_group[static_cast<std::size_t>(p)], p % 9);
}

TEST(PieceGroups, ReadFromTheGroupColumn) {
    ContentTables t = default_tables();
    read_piece_groups("no\ttitle\tgroup\n0\t風の書庫\t4\n45\t星の揺籃\t8\n12\tx\t9\n", t);
    EXPECT_EQ((std::vector<int>{t.piece_group[0], t.piece_group[45], t.piece_group[12]}),
              (std::vector<int>{4, 8, 12 % 9}));  // group 9 does not exist
    EXPECT_EQ(t.warnings.size(), 1u);
}

// Missing files keep the fallbacks with a warning each; files on disk are read.
TEST(LoadTables, MissingFilesKeepTheFallbacksAndFilesAreRead) {
    const ContentTables t = load_tables("/nonexistent/cards.tsv", "/nonexistent/music.tsv");
    EXPECT_EQ(t.warnings.size(), 2u);
    EXPECT_EQ(t.card_class[10], 0);
    EXPECT_EQ(t.piece_group[10], 1);
    testing::TempDir dir;
    std::ofstream(dir.path() / "cards.tsv") << "no\tname\thp\tmp\tclass\tnote\n9\tx\t1\t1\t11\t\n";
    std::ofstream(dir.path() / "music.tsv") << "no\ttitle\tgroup\n3\tx\t0\n";
    const ContentTables read = load_tables((dir.path() / "cards.tsv").string(), (dir.path() / "music.tsv").string());
    EXPECT_TRUE(read.warnings.empty());
    EXPECT_EQ(read.card_class[9], 11);
    EXPECT_EQ(read.piece_group[3], 0);
}

}  // namespace
}  // namespace mediagen
