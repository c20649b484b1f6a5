#include "player/status_line.h"

#include <array>

namespace kestra {

namespace {

struct RankBand {
    int32_t upto;  // inclusive upper bound
    std::string_view title;
};

constexpr std::array<RankBand, 34> kRanks = {{
    {7, "素人"}, {17, "下っ端"}, {30, "見習い"}, {45, "訓練生"}, {65, "訓練生2年"}, {92, "訓練生3年"},
    {112, "訓練卒業生"}, {122, "入門生"}, {142, "入門生2年"}, {162, "入門生3年"}, {180, "実戦生"},
    {200, "実戦生2年"}, {218, "実戦生3年"}, {240, "免許皆伝"}, {270, "聖人"}, {290, "仙人"}, {310, "天人"},
    {330, "さよなら"}, {350, "さよならLv2"}, {370, "さよならLv3"}, {390, "さよならLv4"}, {410, "さよならLv5"},
    {430, "さよならLv6"}, {450, "さよならLv7"}, {470, "さよならLv8"}, {490, "さよならLv9"},
    {550, "≪はいじん≫"}, {600, "≪はいじんα≫"}, {700, "≪けすとらじゃっく≫"}, {800, "≪けすとらくいーん≫"},
    {900, "≪けすとらきんぐ≫"}, {1000, "≪けすとらじょーか≫"}, {9998, "≪けすとらえーす≫"},
    {99999, "≪宇宙を解明せし≫"},
}};

}  // namespace

std::string_view RankTitle(int32_t rank_points) {
    if (rank_points < 0) return {};
    for (const auto& band : kRanks)
        if (rank_points <= band.upto) return band.title;
    return {};
}

std::string RankLine(const tmy& m) {
    return std::to_string(m.duels) + "戦" + std::to_string(m.wins) + "勝・≪" + std::string(RankTitle(m.rank_points)) +
           "≫段位" + std::to_string(m.rank_points) + "p. お金" + std::to_string(m.money) + "円";
}

std::string StatusLine(const tmy& m) { return RankLine(m) + " / " + std::to_string(m.ark) + "Ark"; }

int32_t CardTotal(const tmy& m) {
    int32_t total = 0;
    for (const int32_t c : m.card_count)
        if (c >= 1) total += c;
    for (const int32_t d : m.deck)
        if (d != -1) ++total;
    return total;
}

std::string RecordSummaryText(const tmy& m) {
    return "★ＫＥＳＴＲＡ・天データ\n" + RankLine(m) + "\n所持Ark：" + std::to_string(m.ark) + "\nカード所持総数：" +
           std::to_string(CardTotal(m)) + "枚\n";
}

}  // namespace kestra
