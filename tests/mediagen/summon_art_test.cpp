// The summoned beings' pictures: read from the summon table, drawn 64x64 in their glow, written with
// the other media and listed.
#include "summon_art.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "bmp_writer.h"
#include "media_set.h"
#include "test_support.h"

namespace mediagen {
namespace {
using testing::read_file;
using testing::TempDir;

const char* const kHead =
    "# a comment\nicon\tbeing\tpicture\tfigure\tshape\tamount\tgrown\tflash\tsound\tline\n";

TEST(SummonPictures, ReadFromThePictureFigureAndFlashColumns) {
    ContentTables t = default_tables();
    read_summon_pictures(
        std::string(kHead) +
            "ヤ\tヤ\tcg/syoukan_a.bmp\tghost\tfoe:any\thp=-2\t-\tred\tma2.wav\tx\r\n"
            "# between\nノ\tノ\tcg/syoukan_b.bmp\tperson\tself:any\thp=+1\t-\twhite\tbaria.wav\tx\n",
        t);
    EXPECT_TRUE(t.warnings.empty());
    ASSERT_EQ(t.summons.size(), 2u);
    EXPECT_EQ(t.summons[0].picture, "cg/syoukan_a.bmp");
    EXPECT_EQ(t.summons[0].figure, summon_index(kSummonFigures, "ghost"));
    EXPECT_EQ(t.summons[0].glow, summon_index(kSummonGlows, "red"));
    EXPECT_EQ(t.summons[1].glow, summon_index(kSummonGlows, "white"));
}

// An unknown figure or glow, a picture outside cg/, a picture named twice or a short row is
// reported and skipped.
TEST(SummonPictures, BadRowsAreReportedAndSkipped) {
    for (const char* row : {"ノ\tノ\tcg/b.bmp\tdragon\tx\tx\tx\tred\tx\tx", "ノ\tノ\tcg/b.bmp\tghost\tx\tx\tx\tpink\tx\tx",
                            "ノ\tノ\tb.bmp\tghost\tx\tx\tx\tred\tx\tx", "ノ\tノ\tcg/x/b.bmp\tghost\tx\tx\tx\tred\tx\tx",
                            "ノ\tノ\tcg/a.bmp\tghost\tx\tx\tx\tred\tx\tx", "ノ\tノ"}) {
        ContentTables t = default_tables();
        const std::string first = "ヤ\tヤ\tcg/a.bmp\tghost\tfoe:any\thp=-2\t-\tred\tma2.wav\tx\n";
        read_summon_pictures(kHead + first + row + "\n", t);
        EXPECT_EQ(t.warnings.size(), 1u) << row;
        EXPECT_EQ(t.summons.size(), 1u) << row;
    }
}

// The authored tables give forty summoned beings, and seven fusions and nine identities.
TEST(SummonPictures, TheAuthoredTablesGiveFortyBeingsAndSixteenReshapings) {
    const ContentTables t =
        load_tables(KESTRA_SOURCE_DIR "/content/cards.tsv", KESTRA_SOURCE_DIR "/content/music.tsv",
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
    EXPECT_EQ(encode_bmp(a), encode_bmp(summon_picture("cg/syoukan_a.bmp", 2, 0)))
        << "and the same every run";
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
    EXPECT_EQ(read_file(dir.path() / "cg/fusion_a.bmp"), encode_bmp(reshape_picture("cg/fusion_a.bmp", 3, 5)));
}

}  // namespace
}  // namespace mediagen
