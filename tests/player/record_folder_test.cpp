// The records/ folder: names by date and time, never over a file, the newest 200 kept.
#include "player/record_folder.h"

#include <gtest/gtest.h>

#include "support/temp_folder.h"

namespace kestra {
namespace {

namespace fs = std::filesystem;

TEST(RecordFolder, NamesByTimeAndNeverWritesOverAFile) {
    test::TempFolder tmp;
    const fs::path folder = tmp.path() / "records";
    const RecordTime t{2026, 12, 7, 9, 5, 3};
    EXPECT_EQ(RecordStamp(t), "2026-12-07 09:05:03");
    const RecordSaved first = SaveRecord(folder, t, "first\n");
    const RecordSaved second = SaveRecord(folder, t, "second\n");
    ASSERT_TRUE(first.result.ok && second.result.ok);
    EXPECT_EQ(first.file.filename(), "20261207-090503.txt");
    EXPECT_EQ(second.file.filename(), "20261207-090503_2.txt");
    EXPECT_EQ(test::ReadBytes(first.file), "first\n");
    EXPECT_EQ(test::ReadBytes(second.file), "second\n");
}

TEST(RecordFolder, KeepsTheNewestTwoHundredAndNothingElseIsTouched) {
    test::TempFolder tmp;
    const GameFolder game = tmp.Game();
    test::WriteBytes(game.my_dat(), "save\r\n");
    fs::create_directories(game.records());
    test::WriteBytes(game.records() / "my notes.txt", "mine\n");
    // 201 records a minute apart, then two saved in one later second: 203, the three oldest go.
    RecordTime t{2026, 1, 1, 0, 0, 0};
    for (int32_t k = 0; k < 201; ++k, t.minute = k % 60, t.hour = k / 60)
        test::WriteBytes(FreeRecordPath(game.records(), t), std::to_string(k));
    SaveRecord(game.records(), t, "a");
    SaveRecord(game.records(), t, "b");
    size_t records = 0;
    for (const auto& e : fs::directory_iterator(game.records())) records += e.path().filename() != "my notes.txt";
    EXPECT_EQ(records, 200u);
    EXPECT_FALSE(fs::exists(game.records() / "20260101-000000.txt"));
    EXPECT_FALSE(fs::exists(game.records() / "20260101-000200.txt"));
    EXPECT_TRUE(fs::exists(game.records() / "20260101-000300.txt"));
    EXPECT_TRUE(fs::exists(game.records() / "20260101-032100_2.txt"));
    EXPECT_EQ(test::ReadBytes(game.records() / "my notes.txt"), "mine\n");
    EXPECT_EQ(test::ReadBytes(game.my_dat()), "save\r\n");
}

}  // namespace
}  // namespace kestra
