// Files replaced whole or not at all, and the records/ folder: names by date and time, never over a
// file, the newest 200 kept.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "player/atomic_file.h"
#include "player/record_folder.h"
#include "support/temp_folder.h"

namespace kestra {
namespace {

// The whole file is replaced; a missing folder is reported, not created.
TEST(AtomicFile, ReplacesTheWholeFile) {
    test::TempFolder tmp;
    const auto target = tmp.path() / "my.dat";
    test::WriteBytes(target, "old old old old");
    EXPECT_TRUE(WriteFileAtomically(target, "new").ok);
    EXPECT_EQ(test::ReadBytes(target), "new");
    EXPECT_FALSE(std::filesystem::exists(tmp.path() / "my.dat.tmp"));
    const WriteResult r = WriteFileAtomically(tmp.path() / "nope" / "my.dat", "x");
    EXPECT_TRUE(!r.ok && !r.message.empty());
    EXPECT_FALSE(std::filesystem::exists(tmp.path() / "nope"));
}

// Any failure keeps the previous file byte for byte and leaves no temporary behind.
TEST(AtomicFile, InjectedFailuresKeepThePreviousFile) {
    struct Case {
        const char* name;
        WriteFaults faults;
    };
    const Case cases[] = {{"nothing written", {0, false, false}},
                          {"disk full halfway", {5, false, false}},
                          {"sync fails", {-1, true, false}},
                          {"rename fails", {-1, false, true}}};
    for (const Case& c : cases) {
        test::TempFolder tmp;
        const auto target = tmp.path() / "my.dat";
        const std::string before = "1\r\n2\r\n3\r\n";
        test::WriteBytes(target, before);
        const WriteResult r = WriteFileAtomically(target, "9\r\n9\r\n9\r\n9\r\n", c.faults);
        EXPECT_FALSE(r.ok) << c.name;
        EXPECT_NE(r.message.find("my.dat"), std::string::npos) << c.name;
        EXPECT_EQ(test::ReadBytes(target), before) << c.name;
        EXPECT_FALSE(std::filesystem::exists(tmp.path() / "my.dat.tmp")) << c.name;
    }
}

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
    for (const auto& e : fs::directory_iterator(game.records()))
        records += e.path().filename() != "my notes.txt";
    EXPECT_EQ(records, 200u);
    EXPECT_FALSE(fs::exists(game.records() / "20260101-000000.txt"));
    EXPECT_FALSE(fs::exists(game.records() / "20260101-000200.txt"));
    EXPECT_TRUE(fs::exists(game.records() / "20260101-000300.txt"));
    EXPECT_TRUE(fs::exists(game.records() / "20260101-032100_2.txt"));
    EXPECT_EQ(test::ReadBytes(game.records() / "my notes.txt"), "mine\n");
    EXPECT_EQ(test::ReadBytes(game.my_dat()), "save\r\n");
}

// Within one second the suffix orders the records: _10 is newer than _9, and both than _2 and the
// plain name, so those two go first (the one just written among them).
TEST(RecordFolder, TheSuffixOrdersRecordsOfOneSecond) {
    test::TempFolder tmp;
    const GameFolder game = tmp.Game();
    fs::create_directories(game.records());
    for (const char* name : {"20261207-090503.txt", "20261207-090503_9.txt", "20261207-090503_10.txt"})
        test::WriteBytes(game.records() / name, "old\n");
    const RecordSaved saved = SaveRecord(game.records(), RecordTime{2026, 12, 7, 9, 5, 3}, "new", 2);
    EXPECT_EQ(saved.file.filename(), "20261207-090503_2.txt");
    std::vector<std::string> left;
    for (const auto& e : fs::directory_iterator(game.records())) left.push_back(e.path().filename().string());
    std::sort(left.begin(), left.end());
    EXPECT_EQ(left, (std::vector<std::string>{"20261207-090503_10.txt", "20261207-090503_9.txt"}));
}

}  // namespace
}  // namespace kestra
