#include "app/game_program.h"

#include <QIcon>

#include "app/duel_window.h"
#include "app/main_window.h"

namespace kestra {

// The duel window comes first, as at the original start; the main window then takes it as its
// launcher and becomes its host.
GameProgram::GameProgram(GameFolder folder, LoadedGame game, Audio& audio, Clock& clock, Dialogs& dialogs,
                         uint64_t seed)
    : session_(std::move(folder), std::move(game), audio, clock, dialogs, seed),
      duel_(std::make_unique<DuelWindow>(session_)),
      main_(std::make_unique<MainWindow>(session_, *duel_)) {
    duel_->SetHost(main_.get());
    // Both windows carry the game's emblem, the same picture the desktop launcher shows.
    const QIcon emblem(QString::fromStdU16String(session_.folder.File("cg/emblem.png").u16string()));
    main_->setWindowIcon(emblem);
    duel_->setWindowIcon(emblem);
}

// The main window goes first: it is the duel window's host.
GameProgram::~GameProgram() {
    duel_->SetHost(nullptr);
    main_.reset();
    duel_.reset();
}

}  // namespace kestra
