#pragma once
// `kestra-cli replay FILE` and `kestra-cli phase`: one program replaying or resolving.
#include <istream>
#include <ostream>
#include <string>

#include "catalogue/catalogue.h"
#include "duel/transcript_presenter.h"

namespace kestra::cli {

// Print a transcript, one event a line; a line break inside a message is written as backslash-n.
void PrintTranscript(const TranscriptPresenter& screen, std::ostream& out);

// Replay a duel in view mode from a replay file or a saved record (duel kind, the applicant's and
// the receiver's warrior numbers, one BATTLE NUMBER a line, '#' comments); print the transcript
// with "check=XXXX" after the duel start and after every phase and, last, "set_ids=A,B".
// 0 on success, 1 when a line does not read or is refused, or the duel does not end.
int Replay(const Catalogue& cat, std::istream& file, std::ostream& out);

// Resolve one battle phase on a JSON record: the own side's action from the digits as the sender
// wrote them (side own), or the opponent's pasted digits (side opponent). Prints the transcript,
// "--- record" and the resulting record. 0 on success, 1 when the digits are refused.
int Phase(const Catalogue& cat, const std::string& record_json, const std::string& digits, bool own_side,
          std::ostream& out, std::ostream& err);

}  // namespace kestra::cli
