#include "duel/presenter.h"

namespace kestra {

uint32_t FlashColourValue(FlashColour c) {
    switch (c) {
        case FlashColour::Red: return 0x0000FF;
        case FlashColour::Yellow: return 0x00FFFF;
        case FlashColour::Blue: return 0xFF0000;
        case FlashColour::Aqua: return 0xFFFF00;
        case FlashColour::Lime: return 0x00FF00;
        case FlashColour::Purple: return 0x800080;
        case FlashColour::Black: return 0x000000;
        case FlashColour::Green: return 0x008000;
        case FlashColour::White: return 0xFFFFFF;
        case FlashColour::Fuchsia: return 0xFF00FF;
    }
    return 0;
}

bool FlashSkipsDeadSlot(FlashColour c) {
    return c == FlashColour::Blue || c == FlashColour::Aqua || c == FlashColour::Purple || c == FlashColour::Black ||
           c == FlashColour::Green;
}

std::string_view FlashColourName(FlashColour c) {
    switch (c) {
        case FlashColour::Red: return "red";
        case FlashColour::Yellow: return "yellow";
        case FlashColour::Blue: return "blue";
        case FlashColour::Aqua: return "aqua";
        case FlashColour::Lime: return "lime";
        case FlashColour::Purple: return "purple";
        case FlashColour::Black: return "black";
        case FlashColour::Green: return "green";
        case FlashColour::White: return "white";
        case FlashColour::Fuchsia: return "fuchsia";
    }
    return "";
}

}  // namespace kestra
