#pragma once
// The main window: for now the caption, the status line and the start menu's opening texts.
#include <QWidget>

#include "player/player_files.h"

namespace kestra {

class MainWindow : public QWidget {
public:
    MainWindow(GameFolder folder, LoadedGame game);

private:
    GameFolder folder_;
    LoadedGame game_;
};

}  // namespace kestra
