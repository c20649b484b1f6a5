#pragma once
// The check code (照合): four characters both programs show after the duel start and after every
// battle phase, so two players who drift apart see it at the phase where it happened.
#include <string>

#include "duel/duel_record.h"

namespace kestra {

// The 32 characters a check code is written with: no 0/O, no 1/l/I, nothing to misread aloud.
inline constexpr std::string_view kCheckAlphabet = "23456789ABCDEFGHJKLMNPQRSTUVWXYZ";

// The code of the shared state: the six cards and four icons read applicant first (the receiver
// mirrors its slots by 3), the turn and the battle type. Both programs and a viewer get the same.
std::string CheckCode(const DuelRecord& d);

// The label the OPTION box shows: "照合：" and the code.
std::string CheckCodeLabel(std::string_view code);

}  // namespace kestra
