#pragma once
// One program's duel in a test: record, player, session, presenter, message player, chance, clock.
#include <memory>
#include <ostream>

#include "catalogue/catalogue.h"
#include "duel/duel_context.h"
#include "support/recording_presenter.h"

namespace kestra::test {

// A clock that only moves when the test moves it.
struct FakeClock : Clock {
    int64_t now_ms = 1'000'000;
    CalendarDate date{6, 15};
    int64_t NowMs() const override { return now_ms; }
    CalendarDate Today() const override { return date; }
};

// Answers every question with a fixed answer and remembers the questions.
struct FixedAnswers : Questions {
    bool answer = true;
    std::vector<std::string> asked;
    bool AskYesNo(std::string_view q) override {
        asked.emplace_back(q);
        return answer;
    }
};

// The catalogue as the shipped game builds it (loaded once per test binary).
const Catalogue& GameCatalogue();

// The first listed, named card of a rarity class in that catalogue, or -1.
int32_t FirstOfClass(int32_t rarity);

// One side of a duel, self-contained.
struct DuelSide {
    DuelRecord d;
    tmy my;
    PlayerSession session;
    RecordingPresenter screen;
    MessagePlayer msg{screen, d};
    Rng rng;
    FakeClock clock;
    FixedAnswers ask;
    DuelContext ctx{d, GameCatalogue(), my, session, msg, rng, clock, ask};

    explicit DuelSide(uint64_t seed = 1) : rng(seed) {}
    DuelSide(const DuelSide&) = delete;
    DuelSide& operator=(const DuelSide&) = delete;
};

// A card as the duel fills it from catalogue number c at level lv with technique t.
tchar Card(int32_t c, int32_t lv = 0, int32_t t = 0);

}  // namespace kestra::test

namespace kestra {
// Readable fighting cards in test failures.
void PrintTo(const tchar& c, std::ostream* os);
}  // namespace kestra
