#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <set>
#include <vector>

#include "base/random.h"
#include "player/checksum.h"
#include "player/cp932.h"
#include "player/new_player.h"
#include "player/player_files.h"
#include "player/text_lines.h"
#include "support/crlf_lines.h"
#include "support/temp_folder.h"

namespace kestra {
namespace {

// A record whose every field holds a value that tells where it came from.
tmy Marked() {
    tmy m;
    m.wins = 11, m.duels = 17, m.money = 555, m.ark = 88, m.rank_points = 31, m.merit = 44;
    m.win_streak = 3, m.loss_streak = 2, m.quiz_pick = 45;
    for (int i = 0; i < 10; ++i) m.deck[i] = 100 + i;
    for (int n = 0; n < kPerCard; ++n) {
        m.card_count[n] = 1000 + n;
        m.card_level[n] = 2000 + n;
        m.card_exp[n] = 3000 + n;
        m.card_magic[n] = 4000 + n;
        m.icon_count[n] = 5000 + n;
    }
    m.icon_slot1 = 213, m.icon_slot2 = -1;
    for (int t = 0; t < kMagicCounts; ++t) m.magic_count[t] = 6000 + t;
    for (int r = 0; r < kItemCounters; ++r) m.item_count[r] = 7000 + r;
    for (int d = 0; d < kTouroku; ++d) {
        m.touroku[d].name = "デッキ" + std::to_string(d);
        for (int i = 0; i < 10; ++i) m.touroku[d].cards[i] = 8000 + d * 20 + i;
        m.touroku[d].icons = {9000 + d, 9100 + d};
    }
    m.checksum = 424242;  // the value held from the previous save
    m.reserved_text = {"予約一", "予約二", "予約三", "予約四"};
    m.reserved_num = {-2, -4, -6, -10, -2223};
    for (int i = 0; i < 20; ++i) m.reserved_block20[i] = 300 + i;
    for (int i = 0; i < 40; ++i) m.reserved_block40[i] = 1700 + i;
    return m;
}

// Split rendered bytes into UTF-8 lines, checking every line ends in CR LF.
std::vector<std::string> Lines(const std::string& bytes) {
    std::vector<std::string> lines = test::CrLfLines(bytes);
    EXPECT_EQ(test::JoinCrLf(lines), bytes) << "a line without CR LF";
    EXPECT_EQ(static_cast<size_t>(std::count(bytes.begin(), bytes.end(), '\n')), lines.size())
        << "a bare line feed";
    for (std::string& line : lines) line = Cp932ToUtf8(line).value_or("<bad>");
    return lines;
}

// 2483 CR LF lines, every block starting on the line the file layout gives it (a block of the wrong
// length moves the start of the next one).
TEST(MyDat, EveryFieldOnItsLine) {
    tmy m = Marked();
    const auto lines = Lines(RenderMyDat(m));
    ASSERT_EQ(lines.size(), 2483u);
    struct Case {
        int line;
        std::string value;
    };
    const int32_t sum = ComputeChecksum(Marked());
    const Case cases[] = {
        {1, "11"},       {2, "-2"},         {3, "424242"},      {4, "-4"},
        {5, "555"},      {6, "-6"},         {7, "17"},          {8, "31"},
        {9, "予約一"},   {10, "-10"},       {11, "予約二"},     {13, "予約四"},
        {14, "100"},     {24, "1000"},      {279, "44"},        {280, std::to_string(sum)},
        {281, "300"},    {301, "5000"},     {556, "213"},       {557, "-1"},
        {558, "2000"},   {813, "3000"},     {1068, "88"},       {1069, "6000"},
        {1324, "4000"},  {1579, "7000"},    {1679, "31"},       {1680, "1700"},
        {1720, "1255"},  {1820, "2255"},    {1920, "3255"},     {2020, "4255"},
        {2120, "3"},     {2121, "2"},       {2122, "45"},       {2123, "5255"},
        {2223, "-2223"}, {2224, "デッキ0"}, {2225, "8000"},     {2235, "9000"},
        {2236, "9100"},  {2237, "デッキ1"}, {2471, "デッキ19"}, {2483, "9119"},
    };
    for (const Case& c : cases) EXPECT_EQ(lines[c.line - 1], c.value) << "line " << c.line;
}

// Reading gives back every saved field where it was written (each field's value tells its place);
// card and icon number 355 and item counters 100 and up are never written, so they read back as 0.
TEST(MyDat, ReadsBackEveryFieldFromItsLine) {
    tmy m = Marked();
    const std::string bytes = RenderMyDat(m);
    m.card_count[355] = m.card_level[355] = m.card_exp[355] = m.card_magic[355] = m.icon_count[355] = 0;
    std::fill(m.item_count.begin() + 100, m.item_count.end(), 0);
    test::TempFolder tmp;
    test::WriteBytes(tmp.path() / "my.dat", bytes);
    EXPECT_EQ(ReadMyDat(tmp.path() / "my.dat"), m);
}

// Rendering copies the rank points and reseals; line 3 carries the previous save's checksum.
TEST(MyDat, RenderReseals) {
    tmy m = Marked();
    m.rank_points_copy = 0;
    const auto first = Lines(RenderMyDat(m));
    EXPECT_EQ(m.rank_points_copy, 31);
    EXPECT_TRUE(CheckSaveData(m));
    EXPECT_EQ(first[2], "424242");
    const auto second = Lines(RenderMyDat(m));
    EXPECT_EQ(second[2], first[279]);
    EXPECT_EQ(second, Lines(RenderMyDat(m)));
}

TEST(Checksum, CoversExactlyTheListedFields) {
    struct Case {
        const char* field;
        std::function<void(tmy&)> change;
        bool caught;
    };
    const Case cases[] = {
        {"deck slot", [](tmy& m) { m.deck[3] = 7; }, true},
        {"card count 354", [](tmy& m) { ++m.card_count[354]; }, true},
        {"card count 355", [](tmy& m) { ++m.card_count[355]; }, false},
        {"icon count 254", [](tmy& m) { ++m.icon_count[254]; }, true},
        {"icon count 255", [](tmy& m) { ++m.icon_count[255]; }, false},
        {"money", [](tmy& m) { ++m.money; }, true},
        {"icon slot 1", [](tmy& m) { m.icon_slot1 = 5; }, true},
        {"icon slot 2", [](tmy& m) { m.icon_slot2 = 5; }, true},
        {"duels", [](tmy& m) { ++m.duels; }, true},
        {"wins", [](tmy& m) { ++m.wins; }, true},
        {"ark", [](tmy& m) { ++m.ark; }, false},
        {"rank points", [](tmy& m) { ++m.rank_points; }, false},
        {"card level", [](tmy& m) { ++m.card_level[0]; }, false},
        {"item", [](tmy& m) { ++m.item_count[0]; }, false},
    };
    for (const Case& c : cases) {
        tmy m = Marked();
        m.checksum = ComputeChecksum(m);
        c.change(m);
        EXPECT_EQ(!CheckSaveData(m), c.caught) << c.field;
    }
}

TEST(Checksum, WrapsAroundInsteadOfOverflowing) {
    tmy m;
    m.deck.fill(-1);
    m.card_count[0] = m.money = INT32_MAX;
    m.card_count[1] = 20;
    EXPECT_EQ(ComputeChecksum(m),
              static_cast<int32_t>(static_cast<uint32_t>(INT32_MAX) * 2u + 20u - 10u - 2u));
}

TEST(ResetPlayer, GivesTheNewPlayerRecord) {
    tmy m = Marked();
    Rng rng(9);
    ResetPlayerRecord(m, rng);
    // Only line 2 of the reserved numbers is zeroed; streaks and the quiz pick survive; techniques 99 and up
    // and number 355 are outside the reset.
    EXPECT_EQ((std::vector{m.money,
                           m.wins,
                           m.duels,
                           m.ark,
                           m.merit,
                           m.rank_points,
                           m.rank_points_copy,
                           m.reserved_num[0],
                           m.reserved_num[1],
                           m.win_streak,
                           m.quiz_pick,
                           m.icon_slot1,
                           m.icon_slot2,
                           m.magic_count[98],
                           m.magic_count[99],
                           m.icon_count[213],
                           m.icon_count[0],
                           m.icon_count[354],
                           m.card_level[100],
                           m.card_count[355]}),
              (std::vector{1000, 0, 0, 0, 0, 0, 0, 0, -4, 3, 45, -1, -1, 0, 6099, 1, 0, 0, 0, 1355}));
    EXPECT_EQ(m.deck, (std::array<int32_t, 10>{-1, -1, -1, -1, -1, -1, -1, -1, -1, -1}));
    for (const auto& t : m.touroku) EXPECT_TRUE(t.name.empty());
    for (const int32_t c : m.reserved_block40) EXPECT_EQ(c, 0);
}

// 5 + 3 + 2 + 1 + 1 + 1 + 1 fixed cards and ten draws among 6..98 that set (not add) 1, by the seed.
TEST(ResetPlayer, StartingCollection) {
    std::set<std::array<int32_t, kPerCard>> collections;
    for (uint64_t seed = 0; seed < 200; ++seed) {
        tmy m;
        Rng rng(seed);
        ResetPlayerRecord(m, rng);
        collections.insert(m.card_count);
        EXPECT_TRUE(m.card_count[0] == 5 || m.card_count[0] == 1) << seed;
        EXPECT_TRUE(m.card_count[1] == 3 || m.card_count[1] == 1) << seed;
        EXPECT_EQ(m.card_count[235], 1);
        int random_ones = 0, total = 0;
        for (int n = 0; n < kPerCard; ++n) {
            total += m.card_count[n];
            if (n >= 6 && n <= 98) {
                random_ones += m.card_count[n];
                EXPECT_LE(m.card_count[n], 1) << n;
            }
            EXPECT_TRUE(n <= 98 || n == 235 || m.card_count[n] == 0) << n;
        }
        EXPECT_LE(random_ones, 10);
        EXPECT_TRUE(total >= 14 - 9 && total <= 14 + 10) << total;
    }
    EXPECT_GT(collections.size(), 100u);
}

}  // namespace
}  // namespace kestra
