#include "app/start_up.h"

#include <gtest/gtest.h>

#include <QApplication>

#include "support/temp_folder.h"

namespace kestra {
namespace {

// A first start writes a new player and caps the purse at 999 (the window shows it: MainWindowStart).
TEST(StartUp, FirstStartShowsTheNewPlayer) {
    test::TempFolder tmp;
    const GameFolder game = tmp.Game();
    Rng rng(11);
    StartUpResult started = StartUp(game, rng);
    ASSERT_TRUE(started.game) << started.error;
    EXPECT_TRUE(std::filesystem::exists(game.my_dat()));
    EXPECT_EQ(started.game->my.money, 999);
}

// A damaged save stops the start with its name and line, and nothing is written over it.
TEST(StartUp, DamagedSaveIsNamedAndLeftAlone) {
    test::TempFolder tmp;
    const GameFolder game = tmp.Game();
    const std::string damaged = "0\r\n0\r\n0\r\n0\r\nたくさん\r\n";
    test::WriteBytes(game.my_dat(), damaged);
    Rng rng(1);
    const StartUpResult started = StartUp(game, rng);
    EXPECT_FALSE(started.game);
    EXPECT_NE(started.error.find("my.dat"), std::string::npos) << started.error;
    EXPECT_NE(started.error.find("5行目"), std::string::npos) << started.error;
    EXPECT_EQ(test::ReadBytes(game.my_dat()), damaged);
    EXPECT_FALSE(std::filesystem::exists(game.record_txt()));
}

}  // namespace
}  // namespace kestra

// Widget tests always run headless.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
