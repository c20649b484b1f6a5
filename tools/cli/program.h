#pragma once
// One whole program without a window: a player, a duel record, a transcript, its own chance.
// The simulator runs two of them side by side; replay and phase run one.
#include <cstdint>
#include <string>

#include "battle/battle_content.h"
#include "battle/battle_phase.h"
#include "catalogue/catalogue.h"
#include "duel/duel_context.h"
#include "duel/transcript_presenter.h"

namespace kestra::cli {

// A clock that moves only when told.
struct ManualClock : Clock {
    int64_t now_ms = 0;
    CalendarDate date{6, 15};
    int64_t NowMs() const override { return now_ms; }
    CalendarDate Today() const override { return date; }
};

// Every question answered Yes (the player has sent its ID).
struct AlwaysYes : Questions {
    bool AskYesNo(std::string_view) override { return true; }
};

struct Program {
    Program(const Catalogue& cat, const BattleContent& content, uint64_t seed);
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    tmy my;
    PlayerSession session;
    DuelRecord d;
    TranscriptPresenter screen;
    MessagePlayer msg{screen, d};
    Rng rng;
    ManualClock clock;
    AlwaysYes ask;
    DuelContext ctx;
    BattleHooks hooks;
};

// A named catalogue card drawn uniformly from 0..limit-1, and a named icon from the listed ones.
int32_t NamedCard(const Catalogue& cat, Rng& rng, int32_t limit);
int32_t NamedIcon(const Catalogue& cat, Rng& rng);

// A random collection for a simulated player: a full deck, levels 0..9, some transplanted
// techniques, two icons or none, a few items.
void GiveRandomPlayer(tmy& my, const Catalogue& cat, Rng& rng);

// The part of a shown warrior number a player pastes: everything after "＞".
std::string PastedPart(const std::string& shown);

// The eight digits at the end of a BATTLE NUMBER text.
std::string BattleDigits(const std::string& text);

}  // namespace kestra::cli
