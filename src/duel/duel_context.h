#pragma once
// What the duel rules work with: the record, the catalogue, the player, and the injected world.
#include <array>
#include <cstdint>
#include <string_view>

#include "base/random.h"
#include "catalogue/catalogue.h"
#include "duel/duel_record.h"
#include "duel/message_player.h"
#include "player/record_folder.h"
#include "player/tmy.h"

namespace kestra {

// The calendar date, for the seasonal greetings.
struct CalendarDate {
    int32_t month = 1;
    int32_t day = 1;
};

// The clock, injected so every test is repeatable.
struct Clock {
    virtual int64_t NowMs() const = 0;
    virtual CalendarDate Today() const = 0;
    // Date and time of day for naming saved records; a clock that keeps no wall time composes
    // one from Today() and its milliseconds, so tests name their records the same every run.
    virtual RecordTime LocalTime() const {
        const CalendarDate date = Today();
        const int64_t seconds = NowMs() / 1000;
        return {2026, date.month, date.day, static_cast<int32_t>(seconds / 3600 % 24), static_cast<int32_t>(seconds / 60 % 60),
                static_cast<int32_t>(seconds % 60)};
    }
    virtual ~Clock() = default;
};

// Yes/No questions, injected for the same reason.
struct Questions {
    virtual bool AskYesNo(std::string_view question) = 0;
    virtual ~Questions() = default;
};

// What lives in memory for a whole run of the program and is never saved.
struct PlayerSession {
    int32_t loss_counter = 0;                  // losses in a row, for the gift cards
    std::array<int32_t, 19> kind_streak{};     // per duel kind: + wins in a row, - losses in a row
    bool streak_counted = false;               // once per duel
};

// The battle's authored tables (pair events, death reactions), parsed once by whoever owns the
// program; without them the battle parses its tables where it needs them.
struct BattleContent;

struct DuelContext {
    DuelRecord& d;
    const Catalogue& cat;
    tmy& my;
    PlayerSession& session;
    MessagePlayer& msg;
    Rng& rng;  // local chance only: never for anything both programs must agree on
    const Clock& clock;
    Questions& ask;
    const BattleContent* content = nullptr;

    Presenter& screen() { return msg.screen(); }
};

}  // namespace kestra
