#include "player/player_files.h"

#include <gtest/gtest.h>

#include "player/checksum.h"
#include "player/cp932.h"
#include "player/new_player.h"
#include "player/text_lines.h"
#include "support/crlf_lines.h"
#include "support/temp_folder.h"

namespace kestra {
namespace {

using test::ReadBytes;
using test::TempFolder;
using test::WriteBytes;

// Replace line n (1-based) of a CR LF file.
std::string WithLine(const std::string& bytes, int n, const std::string& value) {
    std::vector<std::string> lines = test::CrLfLines(bytes);
    lines[static_cast<size_t>(n - 1)] = value;
    return test::JoinCrLf(lines);
}

// Loading fails with a DataFileError naming the file; its line, or -1 when it loaded.
int LoadError(const GameFolder& game, const std::string& file) {
    try {
        LoadPlayerData(game);
    } catch (const DataFileError& e) {
        EXPECT_EQ(e.file(), file);
        return e.line();
    }
    ADD_FAILURE() << file << " loaded";
    return -1;
}

// A folder holding a fresh new player's save.
struct NewPlayerFolder {
    TempFolder tmp;
    GameFolder game = tmp.Game();
    NewPlayerFolder() {
        Rng rng(2026);
        EXPECT_TRUE(CreateSaveIfMissing(game, rng).ok);
    }
};

// The first start writes a new player's save (and the summary) that passes the check; later starts keep it.
TEST(PlayerFiles, FirstStartCreatesANewPlayerAndLaterStartsKeepIt) {
    NewPlayerFolder f;
    ASSERT_TRUE(std::filesystem::exists(f.game.record_txt()));
    LoadedGame g = LoadPlayerData(f.game);
    EXPECT_TRUE(CheckSaveData(g.my));
    EXPECT_EQ(g.names.size(), 226u);
    EXPECT_FALSE(g.catalogue.card[219].name.empty());
    g.my.money = 321;
    ASSERT_TRUE(SavePlayerData(f.game, g.my).ok);
    Rng rng(1);
    EXPECT_TRUE(CreateSaveIfMissing(f.game, rng).ok);
    EXPECT_EQ(LoadPlayerData(f.game).my.money, 321);
}

// What a save writes, a load reads back (every field: see MyDat); line 3 lags one save behind, and once
// it has caught up a save writes the same bytes again.
TEST(PlayerFiles, SaveAndLoadRoundTripByteForByte) {
    NewPlayerFolder f;
    tmy m = LoadPlayerData(f.game).my;
    m.touroku[4].name = "炎のデッキ";
    m.card_count[300] = 4;  // the checksum changes, so line 3 lags
    ASSERT_TRUE(SavePlayerData(f.game, m).ok);
    const std::string once = ReadBytes(f.game.my_dat());
    EXPECT_EQ(LoadPlayerData(f.game).my, m);
    std::string bytes[2];
    for (std::string& b : bytes) {
        tmy again = LoadPlayerData(f.game).my;
        ASSERT_TRUE(SavePlayerData(f.game, again).ok);
        b = ReadBytes(f.game.my_dat());
    }
    EXPECT_EQ(WithLine(once, 3, "0"), WithLine(bytes[0], 3, "0"));
    EXPECT_NE(once, bytes[0]);
    EXPECT_EQ(bytes[1], bytes[0]);
}

// A save that fails halfway leaves the previous my.dat untouched and says so (the other faults are
// AtomicFile's).
TEST(PlayerFiles, InterruptedSaveKeepsThePreviousFile) {
    NewPlayerFolder f;
    const std::string before = ReadBytes(f.game.my_dat()), record_before = ReadBytes(f.game.record_txt());
    tmy m = LoadPlayerData(f.game).my;
    m.money = 7, m.card_count[0] = 0;
    WriteFaults faults;
    faults.fail_after_bytes = 5000;
    const SaveOutcome out = SavePlayerData(f.game, m, {}, faults);
    EXPECT_TRUE(!out.ok && !out.message.empty());
    EXPECT_EQ(ReadBytes(f.game.my_dat()), before);
    EXPECT_EQ(ReadBytes(f.game.record_txt()), record_before);
}

TEST(PlayerFiles, ViewModeSuppressesEverySave) {
    NewPlayerFolder f;
    const std::string before = ReadBytes(f.game.my_dat()), record_before = ReadBytes(f.game.record_txt());
    tmy m = LoadPlayerData(f.game).my;
    m.money = 1;
    SaveOutcome out = SavePlayerData(f.game, m, SaveGate{true, true});
    EXPECT_TRUE(out.suppressed);
    EXPECT_EQ(ReadBytes(f.game.my_dat()), before);
    EXPECT_EQ(ReadBytes(f.game.record_txt()), record_before);
    // View mode with the duel window closed, or a visible ordinary duel, saves.
    for (const SaveGate gate : {SaveGate{true, false}, SaveGate{false, true}}) {
        out = SavePlayerData(f.game, m, gate);
        EXPECT_FALSE(out.suppressed);
        EXPECT_EQ(LoadPlayerData(f.game).my.money, 1);
    }
}

// A malformed or short file is refused with its name and line, and nothing is written.
TEST(PlayerFiles, MalformedFilesAreRefusedWithFileAndLine) {
    struct Case {
        const char* file;
        std::function<std::string(const std::string&)> damage;
        int line;
    };
    const Case cases[] = {
        {"my.dat", [](const std::string& b) { return WithLine(b, 5, "千円"); }, 5},
        {"my.dat", [](const std::string&) { return std::string(); }, 1},
        {"card.dat", [](const std::string& b) { return WithLine(b, 2, "強い"); }, 2},
        {"icon.dat", [](const std::string& b) { return b.substr(0, 1000); }, 0},
        {"name.dat", [](const std::string& b) { return b.substr(0, 50); }, 0},
    };
    for (const Case& c : cases) {
        NewPlayerFolder f;
        const auto path = f.game.dat() / c.file;
        WriteBytes(path, c.damage(ReadBytes(path)));
        const std::string my_before = ReadBytes(f.game.my_dat());
        const int line = LoadError(f.game, c.file);
        EXPECT_TRUE(c.line > 0 ? line == c.line : line > 0) << c.file << " line " << line;
        EXPECT_EQ(ReadBytes(f.game.my_dat()), my_before);
    }
}

TEST(PlayerFiles, MissingDataFilesAreNamed) {
    for (const char* file : {"card.dat", "icon.dat", "name.dat"}) {
        NewPlayerFolder f;
        std::filesystem::remove(f.game.dat() / file);
        LoadError(f.game, file);
    }
}

// The summary's rank line and card total (a negative count ignored, deck slots and number 355 counted).
TEST(PlayerFiles, RecordSummaryFile) {
    NewPlayerFolder f;
    tmy m = LoadPlayerData(f.game).my;
    m.duels = 12, m.wins = 5, m.rank_points = 18, m.money = 640, m.ark = 3;
    m.card_count.fill(0);
    m.card_count[7] = 2, m.card_count[8] = -1, m.card_count[355] = 1;  // a negative count is ignored
    m.deck = {1, 1, 2, -1, -1, -1, -1, -1, -1, 9};
    ASSERT_TRUE(SavePlayerData(f.game, m).ok);
    const auto text = Cp932ToUtf8(ReadBytes(f.game.record_txt()));
    ASSERT_TRUE(text);
    EXPECT_EQ(*text,
              "★ＫＥＳＴＲＡ・天データ\r\n12戦5勝・≪見習い≫段位18p. "
              "お金640円\r\n所持Ark：3\r\nカード所持総数：7枚\r\n");
}

TEST(PlayerFiles, MoneyIsCappedAtStart) {
    const std::pair<int32_t, int32_t> cases[] = {{1000, 999}, {999, 999}};
    for (const auto& [money, after] : cases) {
        tmy m;
        m.money = money;
        CapMoneyAtStart(m);
        EXPECT_EQ(m.money, after);
    }
}

// The duel buttons refuse a hand-edited save or a tampered card table with one message.
TEST(DuelDataRefusal, SaveAndCardTable) {
    NewPlayerFolder f;
    LoadedGame g = LoadPlayerData(f.game);
    EXPECT_FALSE(DuelDataRefusal(g.my, g.catalogue));
    g.my.card_count[2] += 1;
    EXPECT_EQ(DuelDataRefusal(g.my, g.catalogue), "データが破壊されています");
    g.my.card_count[2] -= 1;
    g.catalogue.card[300].hp += 1;
    EXPECT_EQ(DuelDataRefusal(g.my, g.catalogue), "データが破壊されています");
}

}  // namespace
}  // namespace kestra
