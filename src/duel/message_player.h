#pragma once
// The message area as a small player: show, add, and pause for the player's click.
#include <cstdint>
#include <string_view>

#include "duel/duel_record.h"
#include "duel/presenter.h"

namespace kestra {

class MessagePlayer {
public:
    enum Pause : int32_t { kSwitchedOff = -1, kWaiting = 0, kReleased = 1 };

    MessagePlayer(Presenter& screen, const DuelRecord& duel) : screen_(screen), duel_(duel) {}

    // Show text alone, unless switched off; "????????" while the opponent's icon 67 blinds this side.
    void ShowMessage(std::string_view text);
    // Add a line, with the same rules.
    void AddMessage(std::string_view text);
    // Pause for a click while the window is visible and the player is not switched off.
    void WaitClick();
    // A click on the message area: releases any pause and switches the player back on.
    void Click() { pause_ = kReleased; }
    // Closing the window mid-duel: no more messages or pauses until the next click.
    void SwitchOff() { pause_ = kSwitchedOff; }
    int32_t pause() const { return pause_; }
    Presenter& screen() { return screen_; }

private:
    // The opponent wears icon 67 and this side does not wear icon 87.
    bool Blinded() const;

    Presenter& screen_;
    const DuelRecord& duel_;
    int32_t pause_ = kReleased;
};

}  // namespace kestra
