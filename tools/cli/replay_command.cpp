#include "replay_command.h"

#include <vector>

#include "base/int_text.h"
#include "battle/battle_phase.h"
#include "duel/battle_number.h"
#include "duel/duel_start.h"
#include "effects/duel_start_effects.h"
#include "duel/opening.h"
#include "duel_json.h"
#include "program.h"

namespace kestra::cli {

namespace {

// The meaningful lines of a replay file: no comments, no blank lines, no CR.
std::vector<std::string> ReplayLines(std::istream& file) {
    std::vector<std::string> lines;
    std::string line;
    while (std::getline(file, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line[0] == '#') continue;
        lines.push_back(line);
    }
    return lines;
}


}  // namespace

// Print a transcript, one event a line; a line break inside a message is written as backslash-n.
void PrintTranscript(const TranscriptPresenter& screen, std::ostream& out) {
    for (const auto& line : screen.transcript) {
        for (const char c : line) {
            if (c == '\n') out << "\\n";
            else out << c;
        }
        out << "\n";
    }
}

int Replay(const Catalogue& cat, std::istream& file, std::ostream& out) {
    const auto lines = ReplayLines(file);
    const auto kind = lines.empty() ? std::nullopt : ParseInt32(lines[0]);
    if (lines.size() < 3 || !kind || *kind < 0 || *kind > 18) {
        out << "replay: the file needs a duel kind 0..18 and two warrior numbers\n";
        return 1;
    }
    const BattleContent content = LoadBattleContent(cat);
    Program p(cat, content, 1);
    OpenViewMode(p.ctx);
    p.d.duel_kind = *kind;
    if (!AcceptViewModeNumbers(p.ctx, lines[1], lines[2])) {
        PrintTranscript(p.screen, out);
        out << "replay: a warrior number was refused\n";
        return 1;
    }
    ShowVerificationIds(p.ctx, "", "");
    StartDuel(p.ctx, {nullptr, [](DuelContext& ctx) { DuelStartEffects(ctx); }});
    bool ended = false;
    for (size_t i = 3; i < lines.size() && !ended; ++i) {
        const PhaseEnd end = PressBattlePhase(p.ctx, lines[i], p.hooks);
        if (end == PhaseEnd::Refused) {
            PrintTranscript(p.screen, out);
            out << "replay: line " << i + 1 << " was refused: " << lines[i] << "\n";
            return 1;
        }
        ended = end == PhaseEnd::GameSet;
    }
    PrintTranscript(p.screen, out);
    if (!ended) {
        out << "replay: the duel did not end\n";
        return 1;
    }
    out << "set_ids=" << p.d.my_id << "," << p.d.aite_id << "\n";
    return 0;
}

int Phase(const Catalogue& cat, const std::string& record_json, const std::string& digits, bool own_side,
          std::ostream& out, std::ostream& err) {
    std::string error;
    const auto record = DuelFromJson(record_json, &error);
    if (!record) {
        err << "phase: " << error << "\n";
        return 2;
    }
    const BattleContent content = LoadBattleContent(cat);
    Program p(cat, content, 1);
    p.d = *record;
    if (own_side) {
        // The sender's own digits: its acting card and target stand as written.
        const BattleNumberRead read = ReadBattleNumberDigits(p.d, digits, false);
        if (read.error != BattleNumberError::None) {
            err << "phase: the digits are refused\n";
            return 1;
        }
        p.d.atk_no = read.fields.atk_no;
        p.d.tgt_no = read.fields.tgt_no;
        p.d.waza_kind = read.fields.waza_kind;
        p.d.luck = read.fields.luck;
        p.d.waza_arg1 = read.fields.waza_arg1;
        p.d.waza_arg2 = read.fields.waza_arg2;
        p.d.input_phase = kPhaseCommandSent;
        p.d.own_turn = true;
    } else {
        p.d.input_phase = kPhaseAwaitOpponent;
        p.d.own_turn = false;
    }
    const PhaseEnd end = PressBattlePhase(p.ctx, own_side ? "" : digits, p.hooks);
    PrintTranscript(p.screen, out);
    if (end == PhaseEnd::Refused) {
        err << "phase: the digits are refused\n";
        return 1;
    }
    out << "--- record\n" << DuelToJson(p.d) << "\n";
    return 0;
}

}  // namespace kestra::cli
