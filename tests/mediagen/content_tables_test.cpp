// Reading card classes and music groups from the authored tables, with fallbacks.
#include <gtest/gtest.h>

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
    EXPECT_EQ(t.card_class[0], 2);
    EXPECT_EQ(t.card_class[5], 15);
    EXPECT_EQ(t.card_class[326], 19);
    EXPECT_EQ(t.card_class[1], 0) << "missing rows stay class 0";
}

TEST(CardClasses, ColumnsAreFoundByNameAndCrlfIsTolerated) {
    ContentTables t = default_tables();
    read_card_classes("class\tno\tname\r\n7\t3\tx\r\n", t);
    EXPECT_EQ(t.card_class[3], 7);
}

struct BadRow {
    const char* row;
};
class CardClassesBadRow : public ::testing::TestWithParam<BadRow> {};

TEST_P(CardClassesBadRow, IsReportedAndLeavesClassZero) {
    ContentTables t = default_tables();
    read_card_classes(std::string("no\tname\thp\tmp\tclass\tnote\n") + GetParam().row + "\n", t);
    EXPECT_EQ(t.warnings.size(), 1u);
    for (int c : t.card_class) EXPECT_EQ(c, 0);
}

INSTANTIATE_TEST_SUITE_P(Rows, CardClassesBadRow,
                         ::testing::Values(BadRow{"4\tx\t1\t1\t20\t"}, BadRow{"4\tx\t1\t1\t-1\t"},
                                           BadRow{"327\tx\t1\t1\t3\t"}, BadRow{"4\tx\t1\t1\tgold\t"},
                                           BadRow{"4\tx"}, BadRow{"four\tx\t1\t1\t3\t"}));

TEST(CardClasses, HeaderWithoutClassColumnIsReported) {
    ContentTables t = default_tables();
    read_card_classes("no\tname\thp\n1\tx\t3\n", t);
    EXPECT_EQ(t.warnings.size(), 1u);
}

TEST(PieceGroups, FallBackToPieceModNine) {
    const ContentTables t = default_tables();
    for (int p = 0; p < kPieceCount; ++p) EXPECT_EQ(t.piece_group[static_cast<std::size_t>(p)], p % 9);
}

TEST(PieceGroups, ReadFromTheGroupColumn) {
    ContentTables t = default_tables();
    read_piece_groups("no\ttitle\tgroup\n0\t風の書庫\t4\n45\t星の揺籃\t8\n12\tx\t9\n", t);
    EXPECT_EQ(t.piece_group[0], 4);
    EXPECT_EQ(t.piece_group[45], 8);
    EXPECT_EQ(t.piece_group[12], 12 % 9) << "group 9 does not exist";
    EXPECT_EQ(t.warnings.size(), 1u);
}

TEST(LoadTables, MissingFilesKeepTheFallbacksWithAWarning) {
    const ContentTables t = load_tables("/nonexistent/cards.tsv", "/nonexistent/music.tsv");
    EXPECT_EQ(t.warnings.size(), 2u);
    EXPECT_EQ(t.card_class[10], 0);
    EXPECT_EQ(t.piece_group[10], 1);
}

TEST(LoadTables, ReadsFilesFromDisk) {
    testing::TempDir dir;
    std::ofstream(dir.path() / "cards.tsv") << "no\tname\thp\tmp\tclass\tnote\n9\tx\t1\t1\t11\t\n";
    std::ofstream(dir.path() / "music.tsv") << "no\ttitle\tgroup\n3\tx\t0\n";
    const ContentTables t = load_tables((dir.path() / "cards.tsv").string(), (dir.path() / "music.tsv").string());
    EXPECT_TRUE(t.warnings.empty());
    EXPECT_EQ(t.card_class[9], 11);
    EXPECT_EQ(t.piece_group[3], 0);
}

}  // namespace
}  // namespace mediagen
