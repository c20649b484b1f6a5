#include "base/tsv_table.h"

#include <gtest/gtest.h>

namespace kestra {
namespace {

TEST(Tsv, ParsesHeaderRowsCommentsAndPadsShortRows) {
    const auto parsed = ParseTsv("# comment\nno\tname\tnote\n0\t剣士\tx\n\n1\t灯台守\n");
    ASSERT_TRUE(parsed.table) << parsed.error;
    const TsvTable& t = *parsed.table;
    EXPECT_EQ(t.columns, (std::vector<std::string>{"no", "name", "note"}));
    ASSERT_EQ(t.rows.size(), 2u);
    EXPECT_EQ(t.rows[1], (std::vector<std::string>{"1", "灯台守", ""}));
    EXPECT_EQ(t.line_numbers, (std::vector<int>{3, 5}));
    EXPECT_EQ(t.Column("name"), 1);
    EXPECT_EQ(t.Column("missing"), -1);
}

TEST(Tsv, RefusesWideRowsAndEmptyTextKeepsEmptyFields) {
    const auto wide = ParseTsv("a\tb\n1\t2\t3\n");
    EXPECT_FALSE(wide.table);
    EXPECT_NE(wide.error.find("line 2"), std::string::npos);
    EXPECT_FALSE(ParseTsv("").table);
    const auto crlf = ParseTsv("a\tb\tc\r\n\t\tz\r\n");  // empty fields kept, carriage returns stripped
    ASSERT_TRUE(crlf.table);
    EXPECT_EQ(crlf.table->rows[0], (std::vector<std::string>{"", "", "z"}));
    EXPECT_FALSE(ParseTsv("# only a comment\n").table);
}

}  // namespace
}  // namespace kestra
