#pragma once
// One whole program: its session, the main window and the duel window, wired to each other.
// main() makes one; the end-to-end tests make two in one process, one per player.
#include <memory>

#include "app/game_session.h"

namespace kestra {

class MainWindow;
class DuelWindow;

class GameProgram {
public:
    GameProgram(GameFolder folder, LoadedGame game, Audio& audio, Clock& clock, Dialogs& dialogs, uint64_t seed);
    ~GameProgram();
    GameProgram(const GameProgram&) = delete;
    GameProgram& operator=(const GameProgram&) = delete;

    GameSession& session() { return session_; }
    MainWindow& main_window() { return *main_; }
    DuelWindow& duel_window() { return *duel_; }

private:
    GameSession session_;
    std::unique_ptr<DuelWindow> duel_;
    std::unique_ptr<MainWindow> main_;
};

}  // namespace kestra
