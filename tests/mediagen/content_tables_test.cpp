// The authored tables and what they give: card classes and music groups (with fallbacks), the summoned
// beings' pictures drawn 64x64 in their glow, and the fused and revealed beings' ones in a gold frame
// (rows drawn elsewhere skipped), written and listed with the other media.
#include "content_tables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <set>

#include "bmp_writer.h"
#include "media_set.h"
#include "summon_art.h"
#include "test_support.h"

namespace mediagen {
namespace {

TEST(CardClasses, ReadFromTheClassColumnSkippingComments) {
    ContentTables t = default_tables();
    read_card_classes(
        "# cards\nno\tname\thp\tmp\tclass\tnote\n0\t剣士\t3\t1\t2\t\n# mid comment\n"
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
    for (const std::string& table :
         {header + "4\tx\t1\t1\t20\t", header + "4\tx\t1\t1\t-1\t", header + "327\tx\t1\t1\t3\t",
          header + "4\tx\t1\t1\tgold\t", header + "4\tx", header + "four\tx\t1\t1\t3\t",
          std::string("no\tname\thp\n1\tx\t3")}) {
        ContentTables t = default_tables();
        read_card_classes(table + "\n", t);
        EXPECT_EQ(t.warnings.size(), 1u) << table;
        EXPECT_EQ(std::count(t.card_class.begin(), t.card_class.end(), 0), std::ssize(t.card_class)) << table;
    }
}

TEST(PieceGroups, ReadFromTheGroupColumn) {
    ContentTables t = default_tables();
    read_piece_groups("no\ttitle\tgroup\n0\t風の書庫\t4\n45\t星の揺籃\t8\n12\tx\t9\n", t);
    EXPECT_EQ((std::vector<int>{t.piece_group[0], t.piece_group[45], t.piece_group[12]}),
              (std::vector<int>{4, 8, 12 % 9}));  // group 9 does not exist
    EXPECT_EQ(t.warnings.size(), 1u);
}

// Missing files keep the fallbacks (class 0, group piece mod 9) with a warning each; files on disk are read.
TEST(LoadTables, MissingFilesKeepTheFallbacksAndFilesAreRead) {
    const ContentTables t = load_tables("/nonexistent/cards.tsv", "/nonexistent/music.tsv");
    EXPECT_EQ(t.warnings.size(), 2u);
    EXPECT_EQ(t.card_class[10], 0);
    EXPECT_EQ(t.piece_group[10], 1);
    testing::TempDir dir;
    std::ofstream(dir.path() / "cards.tsv") << "no\tname\thp\tmp\tclass\tnote\n9\tx\t1\t1\t11\t\n";
    std::ofstream(dir.path() / "music.tsv") << "no\ttitle\tgroup\n3\tx\t0\n";
    const ContentTables read =
        load_tables((dir.path() / "cards.tsv").string(), (dir.path() / "music.tsv").string());
    EXPECT_TRUE(read.warnings.empty());
    EXPECT_EQ(read.card_class[9], 11);
    EXPECT_EQ(read.piece_group[3], 0);
}

using testing::read_file;
using testing::TempDir;

const char* const kSummonHead =
    "# a comment\nicon\tbeing\tpicture\tfigure\tshape\tamount\tgrown\tflash\tsound\tline\n";

// An unknown figure or glow, a picture outside cg/, a picture named twice or a short row is
// reported and skipped; the good first row is read from the flash column. (The columns' reading:
// ReshapePictures.ReadFromThePictureFigureAndGlowColumns, the same reader.)
TEST(SummonPictures, BadRowsAreReportedAndSkipped) {
    for (const char* row :
         {"ノ\tノ\tcg/b.bmp\tdragon\tx\tx\tx\tred\tx\tx", "ノ\tノ\tcg/b.bmp\tghost\tx\tx\tx\tpink\tx\tx",
          "ノ\tノ\tb.bmp\tghost\tx\tx\tx\tred\tx\tx", "ノ\tノ\tcg/x/b.bmp\tghost\tx\tx\tx\tred\tx\tx",
          "ノ\tノ\tcg/a.bmp\tghost\tx\tx\tx\tred\tx\tx", "ノ\tノ"}) {
        ContentTables t = default_tables();
        const std::string first = "ヤ\tヤ\tcg/a.bmp\tghost\tfoe:any\thp=-2\t-\tred\tma2.wav\tx\n";
        read_summon_pictures(kSummonHead + first + row + "\n", t);
        EXPECT_EQ(t.warnings.size(), 1u) << row;
        ASSERT_EQ(t.summons.size(), 1u) << row;
        EXPECT_EQ(t.summons[0].glow, summon_index(kSummonGlows, "red")) << row;
    }
}

// The authored tables give forty summoned beings, and seven fusions and nine identities.
TEST(SummonPictures, TheAuthoredTablesGiveFortyBeingsAndSixteenReshapings) {
    const ContentTables t = load_tables(
        KESTRA_SOURCE_DIR "/content/cards.tsv", KESTRA_SOURCE_DIR "/content/music.tsv",
        KESTRA_SOURCE_DIR "/content/summon_beings.tsv", KESTRA_SOURCE_DIR "/content/reshapings.tsv");
    EXPECT_TRUE(t.warnings.empty());
    EXPECT_EQ(t.summons.size(), 40u);
    EXPECT_EQ(t.reshapes.size(), 16u);
}

TEST(SummonPictures, DrawnInTheGlowWithAShapeOfTheirOwn) {
    const Image a = summon_picture("cg/syoukan_a.bmp", 2, 0);
    const Image b = summon_picture("cg/syoukan_b.bmp", 2, 0);
    const Image blue = summon_picture("cg/syoukan_a.bmp", 2, 2);
    EXPECT_EQ(std::pair(a.width(), a.height()), std::pair(64, 64));
    EXPECT_EQ(a.at(0, 0), (Rgb{255, 86, 64})) << "the rim is the red glow";
    EXPECT_EQ(blue.at(63, 63), (Rgb{96, 146, 255})) << "the rim is the blue glow";
    EXPECT_NE(encode_bmp(a), encode_bmp(b)) << "each being has its own shape";
}

// Summoned and reshaped beings' pictures are written and listed with the other media.
TEST(SummonPictures, WrittenAndListedWithTheOtherMedia) {
    ContentTables t = default_tables();
    t.summons = {{"cg/syoukan_a.bmp", 3, 5}, {"cg/syoukan_b.bmp", 4, 2}};
    t.reshapes = {{"cg/fusion_a.bmp", 3, 5}, {"cg/identity_b.bmp", 4, 2}};
    const std::vector<std::string> list = media_file_list(t);
    EXPECT_EQ(list.size(), media_file_list().size() + 4);
    for (const char* name : {"cg/syoukan_b.bmp", "cg/identity_b.bmp"})
        EXPECT_NE(std::find(list.begin(), list.end(), name), list.end()) << name;
    TempDir dir;
    const WriteReport report = write_media(dir.path(), t);
    EXPECT_EQ(report.files, static_cast<int>(list.size()));
    const Bytes a = read_file(dir.path() / "cg/syoukan_a.bmp");
    EXPECT_EQ(a, encode_bmp(summon_picture("cg/syoukan_a.bmp", 3, 5)));
    EXPECT_NE(a, read_file(dir.path() / "cg/syoukan_b.bmp"));
    EXPECT_EQ(read_file(dir.path() / "cg/fusion_a.bmp"),
              encode_bmp(reshape_picture("cg/fusion_a.bmp", 3, 5)));
}

const char* const kReshapeHead =
    "# a comment\nkind\tcard\tneeds\tname\thp\tmp\tgood\tpicture\tfigure\tglow\n";

TEST(ReshapePictures, ReadFromThePictureFigureAndGlowColumns) {
    ContentTables t = default_tables();
    read_reshape_pictures(std::string(kReshapeHead) +
                              "fusion\t62\t-\tA\t1\t1\t1\tcg/god.bmp\t-\t-\n"
                              "fusion\t0\t99\tB\t1\t1\t1\tcg/fusion_0.bmp\tperson\tlime\r\n"
                              "identity\t111\t1,2\tC\t5\t8\t9\tcg/identity_111.bmp\tsigil\twhite\n"
                              "identity\t112\t0\tD\t5\t8\t9\tcg/identity_112.bmp\tdragon\twhite\n",
                          t);
    ASSERT_EQ(t.reshapes.size(), 2u) << "god.bmp is drawn elsewhere; dragon is no figure";
    EXPECT_EQ(t.warnings.size(), 1u);
    EXPECT_EQ(t.reshapes[0].picture, "cg/fusion_0.bmp");
    EXPECT_EQ(t.reshapes[0].figure, summon_index(kSummonFigures, "person"));
    EXPECT_EQ(t.reshapes[1].glow, summon_index(kSummonGlows, "white"));
    EXPECT_TRUE(t.summons.empty());
}

TEST(ReshapePictures, AGoldFrameInsideTheGlowRim) {
    const Image a = reshape_picture("cg/fusion_0.bmp", 6, 4);
    EXPECT_EQ(a.width(), 64);
    EXPECT_EQ(a.at(0, 0), (Rgb{156, 250, 96})) << "the lime rim";
    EXPECT_EQ(a.at(1, 1), (Rgb{236, 196, 72})) << "the gold frame";
    EXPECT_EQ(a.at(32, 62), (Rgb{236, 196, 72}));
    EXPECT_NE(encode_bmp(a), encode_bmp(summon_picture("cg/fusion_0.bmp", 6, 4)));
}

}  // namespace
}  // namespace mediagen
