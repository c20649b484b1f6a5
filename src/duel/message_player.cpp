#include "duel/message_player.h"

namespace kestra {

namespace {
constexpr std::string_view kBlindText = "????????";
}

bool MessagePlayer::Blinded() const {
    const bool opponent_67 = duel_.e_icon1 == 67 || duel_.e_icon2 == 67;
    const bool mine_87 = duel_.my_icon1 == 87 || duel_.my_icon2 == 87;
    return opponent_67 && !mine_87;
}

void MessagePlayer::ShowMessage(std::string_view text) {
    if (pause_ == kSwitchedOff) return;
    screen_.ShowMessage(Blinded() ? kBlindText : text);
}

void MessagePlayer::AddMessage(std::string_view text) {
    if (pause_ == kSwitchedOff) return;
    screen_.AddMessage(Blinded() ? kBlindText : text);
}

void MessagePlayer::WaitClick() {
    if (pause_ == kSwitchedOff || !screen_.Visible()) return;
    pause_ = kWaiting;
    screen_.WaitClick();
    // The window returns when clicked (released) or closed (switched off).
    if (pause_ == kWaiting) pause_ = kReleased;
}

}  // namespace kestra
