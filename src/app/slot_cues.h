#pragma once
// The cues over the six card slots: the target marker "▼", the attacker frame, and the flash square.
// Each card box holds one of each (mark_l/squea_l/red_l in "YOU", mark_l2/squea_l2/red_l2 in "ENEMY").
#include <QLabel>
#include <QWidget>

#include <cstdint>
#include <functional>

#include "app/duel_layout.h"
#include "duel/presenter.h"

namespace kestra {

class SlotCues {
public:
    SlotCues(CardBox& you, CardBox& enemy);

    // The target marker on the target's box and the attacker frame on the attacker's box; the same
    // control of the other box is hidden.
    void ShowMarkers(int32_t attacker_slot, int32_t target_slot);
    // All four marker controls hidden.
    void HideMarkers();
    // Eight blinks of the colour over the slot, each half shown as one frame; blocks.
    void Flash(FlashColour colour, int32_t slot, QWidget* window);
    // The visible target marker alternates between "▼" and nothing (one refresh each).
    void Blink();
    // How a flash shows one frame: by default the window is repainted at once and held for 10 ms;
    // the widget tests count the frames instead, so a whole duel plays without painting or waiting.
    using FrameStep = std::function<void(QWidget* window)>;
    void SetFrameStep(FrameStep step) { frame_step_ = std::move(step); }

    // For the tests and screenshots: the controls of one box (0 "YOU", 1 "ENEMY").
    QLabel* marker(int side) const { return mark_[side]; }
    QWidget* frame(int side) const { return frame_[side]; }
    FillBox* square(int side) const { return square_[side]; }

private:
    QLabel* mark_[2];
    OutlineBox* frame_[2];
    FillBox* square_[2];
    FrameStep frame_step_;
};

// Top of a slot's picture in its box: 20, 88 or 156 for the first, second or third card of a side.
int SlotTop(int32_t slot);

}  // namespace kestra
