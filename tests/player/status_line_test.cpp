#include "player/status_line.h"

#include <gtest/gtest.h>

namespace kestra {
namespace {

TEST(RankTitle, BandEdges) {
    const std::pair<int32_t, const char*> cases[] = {
        {-1, ""},          {0, "素人"},           {7, "素人"},         {8, "下っ端"},
        {17, "下っ端"},    {18, "見習い"},        {30, "見習い"},      {31, "訓練生"},
        {92, "訓練生3年"}, {93, "訓練卒業生"},    {112, "訓練卒業生"}, {113, "入門生"},
        {240, "免許皆伝"}, {241, "聖人"},         {310, "天人"},       {311, "さよなら"},
        {331, "さよならLv2"}, {490, "さよならLv9"}, {491, "≪はいじん≫"}, {551, "≪はいじんα≫"},
        {700, "≪けすとらじゃっく≫"}, {701, "≪けすとらくいーん≫"}, {900, "≪けすとらきんぐ≫"},
        {1000, "≪けすとらじょーか≫"}, {1001, "≪けすとらえーす≫"}, {9998, "≪けすとらえーす≫"},
        {9999, "≪宇宙を解明せし≫"}, {99999, "≪宇宙を解明せし≫"}, {100000, ""},
    };
    for (const auto& [points, title] : cases) EXPECT_EQ(RankTitle(points), title) << points;
}

TEST(StatusLine, ReadsAsTheMainWindowShowsIt) {
    tmy m;
    m.duels = 3, m.wins = 1, m.rank_points = 8, m.money = 999, m.ark = 12;
    EXPECT_EQ(StatusLine(m), "3戦1勝・≪下っ端≫段位8p. お金999円 / 12Ark");
}

}  // namespace
}  // namespace kestra
