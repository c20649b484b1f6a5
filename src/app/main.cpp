// KESTRA 天: program start.
#include <QApplication>
#include <QFont>
#include <QMessageBox>
#include <chrono>
#include <filesystem>

#include "app/dialogs.h"
#include "app/game_program.h"
#include "app/game_session.h"
#include "app/late_sound.h"
#include "app/main_window.h"
#include "app/start_up.h"
#include "app/sound_module_loader.h"
#include "audio/deferred_audio.h"

namespace {

// The game folder is the folder that holds this program.
std::filesystem::path ProgramFolder() {
    return std::filesystem::path(QCoreApplication::applicationDirPath().toStdString());
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8("KESTRA 天"));
    QApplication::setFont(QFont(QString::fromUtf8("IPAPGothic"), 9));
    kestra::InstallJapaneseTranslations(app);
    const kestra::GameFolder folder{ProgramFolder()};
    // Start-up in the game's order: the seed, then the save and the catalogue. The wave channels
    // and the soundfont follow the first paint of the main window (late_sound.h).
    kestra::DeferredAudio audio;
    const auto seed = static_cast<uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
    kestra::Rng rng(seed);
    kestra::StartUpResult started = kestra::StartUp(folder, rng);
    if (!started.game) {
        kestra::MakeInformBox(nullptr, started.error, QMessageBox::Critical)->exec();
        return 1;
    }
    kestra::SystemClock clock;
    kestra::BoxDialogs dialogs;
    // The main window, then the duel window; the effects need no window of their own.
    kestra::GameProgram program(folder, std::move(*started.game), audio, clock, dialogs, seed);
    program.main_window().show();
    kestra::LoadSoundAfterFirstPaint(program.main_window(), audio,
                                     [&folder] { return kestra::LoadSoundModule(folder.root, folder.dat()); });
    return QApplication::exec();
}
