// The fused and revealed beings' pictures: read from the reshaping table (rows drawn elsewhere skipped),
// drawn in a gold frame, written with the other media.
#include <gtest/gtest.h>

#include <algorithm>

#include "bmp_writer.h"
#include "media_set.h"
#include "summon_art.h"
#include "test_support.h"

namespace mediagen {
namespace {
using testing::read_file;
using testing::TempDir;

const char* const kHead = "# a comment\nkind\tcard\tneeds\tname\thp\tmp\tgood\tpicture\tfigure\tglow\n";

TEST(ReshapePictures, ReadFromThePictureFigureAndGlowColumns) {
    ContentTables t = default_tables();
    read_reshape_pictures(std::string(kHead) +
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

TEST(ReshapePictures, TheAuthoredTableGivesSixteenPictures) {
    const ContentTables t =
        load_tables(KESTRA_SOURCE_DIR "/content/cards.tsv", KESTRA_SOURCE_DIR "/content/music.tsv",
                    KESTRA_SOURCE_DIR "/content/summon_beings.tsv", KESTRA_SOURCE_DIR "/content/reshapings.tsv");
    EXPECT_TRUE(t.warnings.empty());
    EXPECT_EQ(t.reshapes.size(), 16u) << "seven fusions and nine identities";
}

TEST(ReshapePictures, AGoldFrameInsideTheGlowRim) {
    const Image a = reshape_picture("cg/fusion_0.bmp", 6, 4);
    EXPECT_EQ(a.width(), 64);
    EXPECT_EQ(a.at(0, 0), (Rgb{156, 250, 96})) << "the lime rim";
    EXPECT_EQ(a.at(1, 1), (Rgb{236, 196, 72})) << "the gold frame";
    EXPECT_EQ(a.at(32, 62), (Rgb{236, 196, 72}));
    EXPECT_NE(encode_bmp(a), encode_bmp(summon_picture("cg/fusion_0.bmp", 6, 4)));
    EXPECT_EQ(encode_bmp(a), encode_bmp(reshape_picture("cg/fusion_0.bmp", 6, 4))) << "the same every run";
}

TEST(ReshapePictures, WrittenAndListedWithTheOtherMedia) {
    ContentTables t = default_tables();
    t.reshapes = {{"cg/fusion_a.bmp", 3, 5}, {"cg/identity_b.bmp", 4, 2}};
    const std::vector<std::string> list = media_file_list(t);
    EXPECT_EQ(list.size(), media_file_list().size() + 2);
    EXPECT_NE(std::find(list.begin(), list.end(), "cg/identity_b.bmp"), list.end());
    TempDir dir;
    write_media(dir.path(), t);
    EXPECT_EQ(read_file(dir.path() / "cg/fusion_a.bmp"), encode_bmp(reshape_picture("cg/fusion_a.bmp", 3, 5)));
}

}  // namespace
}  // namespace mediagen
