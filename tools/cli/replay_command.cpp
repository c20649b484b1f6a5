#include "replay_command.h"


#include "base/int_text.h"
#include "battle/battle_phase.h"
#include "battle/checked_phase.h"
#include "duel/check_code.h"
#include "duel/battle_number.h"
#include "duel/duel_start.h"
#include "effects/duel_start_effects.h"
#include "duel/opening.h"
#include "duel/saved_duel.h"
#include "duel_json.h"
#include "program.h"

namespace kestra::cli {

namespace {

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
    const std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    const SavedDuelRead read = ReadSavedDuel(text);
    if (!read.duel) {
        out << "replay: the file needs a duel kind 0..18 and two warrior numbers\n";
        out << "replay: " << (read.line > 0 ? "line " + std::to_string(read.line) + ": " : "") << read.message << "\n";
        return 1;
    }
    const SavedDuel& duel = *read.duel;
    const BattleContent content = LoadBattleContent(cat);
    Program p(cat, content, 1);
    OpenViewMode(p.ctx);
    p.d.duel_kind = duel.duel_kind;
    if (!AcceptViewModeNumbers(p.ctx, duel.applicant_number, duel.receiver_number)) {
        PrintTranscript(p.screen, out);
        out << "replay: a warrior number was refused\n";
        return 1;
    }
    ShowVerificationIds(p.ctx, "", "");
    StartDuel(p.ctx, {nullptr, [](DuelContext& ctx) { DuelStartEffects(ctx); }});
    PrintTranscript(p.screen, out);
    p.screen.transcript.clear();
    out << "check=" << CheckCode(p.d) << "\n";
    bool ended = false;
    for (size_t i = 0; i < duel.battle_numbers.size() && !ended; ++i) {
        const std::string& digits = duel.battle_numbers[i];
        const CheckedPhase phase = PressCheckedBattlePhase(p.ctx, digits, p.hooks);
        PrintTranscript(p.screen, out);
        p.screen.transcript.clear();
        if (phase.end == PhaseEnd::Refused) {
            out << "replay: line " << duel.source_lines[i + 3] << " was refused: " << digits << "\n";
            return 1;
        }
        out << "check=" << phase.check << "\n";
        ended = phase.end == PhaseEnd::GameSet;
    }
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
