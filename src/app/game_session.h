#pragma once
// One running program's state outside the windows: the folder, the player and catalogue, the
// memory-only session, chance, the clock, the speakers and the boxes. Both windows share it;
// two of them in one process are two players' machines.
#include <cstdint>

#include "app/dialogs.h"
#include "audio/audio.h"
#include "base/random.h"
#include "duel/duel_context.h"
#include "duel/duel_end.h"
#include "player/player_files.h"

namespace kestra {

// The wall clock and the calendar of this machine.
struct SystemClock : Clock {
    int64_t NowMs() const override;
    CalendarDate Today() const override;
    RecordTime LocalTime() const override;
};

struct GameSession {
    GameSession(GameFolder folder, LoadedGame game, Audio& audio, Clock& clock, Dialogs& dialogs, uint64_t seed)
        : folder(std::move(folder)), game(std::move(game)), rng(seed), audio(audio), clock(clock), dialogs(dialogs) {}
    GameSession(const GameSession&) = delete;
    GameSession& operator=(const GameSession&) = delete;

    GameFolder folder;
    LoadedGame game;         // the player record `my` and the catalogue
    PlayerSession session;   // streak counters kept in memory
    MenuReveal revealed;     // hidden start-menu buttons shown so far this run
    SaveGate gate;           // saves stay quiet while a viewed duel is on screen
    Rng rng;                 // local chance of this machine
    Audio& audio;
    Clock& clock;
    Dialogs& dialogs;

    tmy& my() { return game.my; }
    const Catalogue& cat() const { return game.catalogue; }
    // Save my.dat and 記録.txt; a failure is shown in a box and returned.
    SaveOutcome Save();
};

}  // namespace kestra
