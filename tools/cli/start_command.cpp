#include "start_command.h"

#include "duel_json.h"
#include "effects/duel_start_effects.h"
#include "program.h"
#include "replay_command.h"

namespace kestra::cli {

int Start(const Catalogue& cat, const std::string& record_json, std::ostream& out, std::ostream& err) {
    std::string error;
    const auto record = DuelFromJson(record_json, &error);
    if (!record) {
        err << "start: " << error << "\n";
        return 2;
    }
    const BattleContent content = LoadBattleContent(cat);
    Program p(cat, content, 1);
    p.d = *record;
    // A fresh save record: only a viewed duel's lifted icons are written into it.
    const int32_t saved1 = p.my.icon_slot1, saved2 = p.my.icon_slot2;
    DuelStartEffects(p.ctx);
    PrintTranscript(p.screen, out);
    if (p.my.icon_slot1 != saved1 || p.my.icon_slot2 != saved2)
        out << "save_icons=" << p.my.icon_slot1 << "," << p.my.icon_slot2 << "\n";
    out << "--- record\n" << DuelToJson(p.d) << "\n";
    return 0;
}

}  // namespace kestra::cli
