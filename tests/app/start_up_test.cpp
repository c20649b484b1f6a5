// The start: a new or damaged save; the first window paints before the sound system loads, the
// opening music starts once the sound is there, and both windows carry the game's emblem.
#include "app/start_up.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QEvent>
#include <QIcon>

#include "app/dialogs.h"
#include "app/duel_window.h"
#include "app/game_program.h"
#include "app/late_sound.h"
#include "app/main_window.h"
#include "app/sound_module_loader.h"
#include "support/temp_folder.h"

namespace kestra {
namespace {

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

// Counts the paints a window receives.
struct PaintCounter : QObject {
    int paints = 0;
    bool eventFilter(QObject*, QEvent* e) override {
        paints += e->type() == QEvent::Paint;
        return false;
    }
};

TEST(FirstWindow, PaintsBeforeTheSoundLoadsAndTheMusicStartsOnceItIsReady) {
    test::TempFolder tmp;
    GameFolder game = tmp.Game();
    std::filesystem::create_directories(game.cg());
    std::filesystem::copy_file(test::BuiltGame().File("cg/emblem.png"), game.File("cg/emblem.png"));
    Rng rng(3);
    StartUpResult started = StartUp(game, rng);
    ASSERT_TRUE(started.game) << started.error;
    DeferredAudio audio;
    SystemClock clock;
    BoxDialogs dialogs;
    GameProgram program(game, std::move(*started.game), audio, clock, dialogs, 3);
    PaintCounter counter;
    program.main_window().installEventFilter(&counter);
    program.main_window().show();
    int paints_when_loaded = -1;
    RecordingAudio* real = nullptr;
    LoadSoundAfterFirstPaint(program.main_window(), audio, [&] {
        paints_when_loaded = counter.paints;
        auto made = std::make_unique<RecordingAudio>();
        real = made.get();
        return made;
    });
    for (int k = 0; k < 200 && !audio.Ready(); ++k) QApplication::processEvents(QEventLoop::AllEvents, 10);
    ASSERT_TRUE(audio.Ready());
    EXPECT_GE(paints_when_loaded, 1);
    EXPECT_EQ(real->music, "lorpe.mid");
    // Both windows carry the same emblem.
    const QIcon main_icon = program.main_window().windowIcon();
    EXPECT_FALSE(main_icon.availableSizes().isEmpty());
    EXPECT_EQ(program.duel_window().windowIcon().cacheKey(), main_icon.cacheKey());
}

// The sound module beside the built program opens; a folder without it gives no sound, not a failure.
TEST(FirstWindow, TheSoundModuleOpensBesideTheProgramOnly) {
    const GameFolder built = test::BuiltGame();
    const std::unique_ptr<Audio> sound = LoadSoundModule(built.root, built.dat());
    ASSERT_NE(sound, nullptr);
    EXPECT_TRUE(sound->MusicOn());
    test::TempFolder elsewhere;
    EXPECT_EQ(LoadSoundModule(elsewhere.path(), built.dat()), nullptr);
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
