// The fused and revealed beings' pictures: read from the reshaping table (rows drawn elsewhere skipped),
// drawn in a gold frame.
#include <gtest/gtest.h>

#include "bmp_writer.h"
#include "content_tables.h"
#include "summon_art.h"
#include "test_support.h"

namespace mediagen {
namespace {

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

TEST(ReshapePictures, AGoldFrameInsideTheGlowRim) {
    const Image a = reshape_picture("cg/fusion_0.bmp", 6, 4);
    EXPECT_EQ(a.width(), 64);
    EXPECT_EQ(a.at(0, 0), (Rgb{156, 250, 96})) << "the lime rim";
    EXPECT_EQ(a.at(1, 1), (Rgb{236, 196, 72})) << "the gold frame";
    EXPECT_EQ(a.at(32, 62), (Rgb{236, 196, 72}));
    EXPECT_NE(encode_bmp(a), encode_bmp(summon_picture("cg/fusion_0.bmp", 6, 4)));
    EXPECT_EQ(encode_bmp(a), encode_bmp(reshape_picture("cg/fusion_0.bmp", 6, 4))) << "the same every run";
}

}  // namespace
}  // namespace mediagen
