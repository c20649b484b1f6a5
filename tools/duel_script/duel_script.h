#pragma once
// A scripted player at the real duel window: it clicks the widgets a person would click and
// copies the texts a person would copy from one window into the other.
#include <QTimer>
#include <QWidget>

#include <functional>
#include <string>
#include <vector>

#include "app/duel_window.h"

namespace kestra::script {

// A named child widget of a window, or nullptr.
QWidget* Find(const QWidget* window, const char* name);

// A left click in the middle of a widget, through the application's event delivery.
void Click(QWidget* widget);

// What a player copies from a shown warrior number: the part after "＞".
std::string AfterArrow(const std::string& shown);

// The eight digits at the end of a shown BATTLE NUMBER.
std::string LastEight(const std::string& shown);

// The window whose player chooses an action now, or nullptr.
DuelWindow* Mover(DuelWindow& a, DuelWindow& b);

// The mover's first willing card flicks the first living target; with no willing card, "パス".
void ChooseFlickOrPass(DuelWindow& mover);
// The same, with the technique button of that name when the panel offers it (the flick otherwise).
void ChooseTechniqueOrPass(DuelWindow& mover, const char* button);

// The mover's BATTLE NUMBER digits pasted into the other window, then "BATTLE PHASE" on both;
// returns the digits.
std::string SendAndResolve(DuelWindow& mover, DuelWindow& other);

// Clicks the message area of every paused window for as long as it lives, as a patient player does.
class AutoClicker {
public:
    explicit AutoClicker(std::vector<DuelWindow*> windows);
    // Runs before each click with the paused window; returning false skips that click.
    std::function<bool(DuelWindow*)> before_click;

private:
    // One pass over the windows; a `before_click` that pumps events never nests a second pass.
    void Tick();

    std::vector<DuelWindow*> windows_;
    QTimer timer_;
    bool ticking_ = false;
};

}  // namespace kestra::script
