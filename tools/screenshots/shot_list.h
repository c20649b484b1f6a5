#pragma once
// The screenshots kestra-screenshots takes: each a name and a function that stages real windows
// on a sample player and returns the picture. The main window's shots live in main_shots.cpp,
// the duel window's in duel_shots.cpp; main() asks each file for its list.
#include <functional>
#include <string>
#include <vector>

#include <QImage>

class QWidget;

namespace kestra::shots {

class SampleGame;

struct Shot {
    std::string name;                          // the PNG is docs/screenshots/<name>.png
    std::function<QImage(SampleGame&)> take;   // builds its windows, returns the picture
};

// The main window: start menu, duel panel, music quiz, deck builder, help.
void AddMainShots(std::vector<Shot>& shots);
// The duel window.
void AddDuelShots(std::vector<Shot>& shots);

// Show a window, let it lay out and paint, and grab it as the player would see it.
QImage Capture(QWidget& window);

}  // namespace kestra::shots
