#include "app/duel_records.h"

#include "duel/check_code.h"
#include "duel/saved_duel.h"
#include "duel/warrior_number.h"

namespace kestra {

using namespace duel_ui;

void StartDuelLog(DuelParts& p) {
    p.log = SavedDuel{};
    p.log.duel_kind = p.d.duel_kind;
    p.log_saved = false;
}

void LogWarriorNumber(DuelParts& p, std::string_view text, bool own) {
    const bool applicant_side = own == (p.d.duel_role != kReceiver);
    (applicant_side ? p.log.applicant_number : p.log.receiver_number) = std::string(PastedWarriorDigits(text));
}

void LogCheck(DuelParts& p, const std::string& check) {
    p.ui.check_label->setText(Utf8(CheckCodeLabel(check)));
    if (!p.d.look_mode) p.log.checks.push_back(check);
}

void LogPhase(DuelParts& p, std::string_view field, const std::string& check) {
    if (!p.d.look_mode) {
        if (const auto digits = BattleNumberDigits(field)) p.log.battle_numbers.push_back(*digits);
    }
    LogCheck(p, check);
}

void SaveDuelLog(DuelParts& p, bool aborted) {
    if (p.d.look_mode || p.log_saved || p.log.applicant_number.empty() || p.log.receiver_number.empty()) return;
    p.log_saved = true;
    p.log.aborted = aborted;
    if (!aborted) {
        const bool applicant = p.d.duel_role != kReceiver;
        p.log.applicant_set_id = applicant ? p.d.my_id : p.d.aite_id;
        p.log.receiver_set_id = applicant ? p.d.aite_id : p.d.my_id;
    }
    const RecordTime now = p.ctx.clock.LocalTime();
    p.log.stamp = RecordStamp(now);
    const RecordSaved saved = SaveRecord(p.session.folder.records(), now, WriteSavedDuel(p.log));
    if (!saved.result.ok) p.session.dialogs.Inform("対戦記録を保存できませんでした\n" + saved.result.message);
}

}  // namespace kestra
