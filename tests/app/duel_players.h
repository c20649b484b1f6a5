#pragma once
// Two players' machines in one test process: each its own game folder, player, speakers, clock,
// boxes, session and duel window. The script clicks the real widgets and copies the texts from one
// window into the other, as the players do through their chat.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/dialogs.h"
#include "app/duel_hand_over.h"
#include "app/duel_window.h"
#include "app/game_program.h"
#include "app/game_session.h"
#include "app/main_window.h"
#include "audio/audio.h"
#include "duel_script/duel_script.h"
#include "player/player_files.h"
#include "scripted_dialogs.h"
#include "support/duel_fixture.h"
#include "support/temp_folder.h"

namespace kestra::duel_test {

using script::AfterArrow;
using script::AutoClicker;
using script::LastEight;
using test::FakeClock;
using test::ScriptedDialogs;

// Two decks of ten different starter cards.
constexpr std::array<int32_t, 10> kDeckA = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
constexpr std::array<int32_t, 10> kDeckB = {10, 11, 12, 13, 14, 15, 16, 17, 18, 19};

// The main window as the duel window sees it: counts the returns. (The set ID it is handed shows on
// the start menu: TwoPrograms.DuelsAskedForInTheMainWindowsEndBackThereWithMirroredSaves.)
struct FakeHost : MainHost {
    int returns = 0;
    void ReturnFromDuel(const MenuReveal&) override { ++returns; }
    void SetLastSetId(std::string_view) override {}
};

// One player's machine: a duel window with a stand-in host, or (whole_program) the whole
// program with its main window as the host.
struct Machine {
    // `edit` changes the saved player before the program starts.
    Machine(uint64_t seed, const std::array<int32_t, 10>& deck, bool whole_program = false,
            const std::function<void(tmy&)>& edit = {});
    Machine(const Machine&) = delete;
    Machine& operator=(const Machine&) = delete;

    test::TempFolder tmp;
    GameFolder folder;
    RecordingAudio audio;
    FakeClock clock;
    ScriptedDialogs dialogs;
    FakeHost host;
    std::unique_ptr<GameSession> own_session;
    std::unique_ptr<DuelWindow> own_window;
    std::unique_ptr<GameProgram> program;  // whole_program only
    GameSession* session = nullptr;
    DuelWindow* window = nullptr;
    // The flash frames the window showed, and how many of them showed the flash square.
    int frames = 0, lit_frames = 0;

    const DuelRecord& d() const { return window->record(); }
    QWidget* Widget(const char* name) const;
    QLineEdit* Field(const char* name) const { return qobject_cast<QLineEdit*>(Widget(name)); }
    QPushButton* Button(const char* name) const { return qobject_cast<QPushButton*>(Widget(name)); }
    std::string Text(const char* name) const;
    // The player's save as it is on disk.
    tmy Saved() const { return ReadMyDat(folder.my_dat()); }
};

// A left click in the middle of a widget; a missing widget fails the test.
inline void Click(QWidget* widget) {
    ASSERT_NE(widget, nullptr);
    script::Click(widget);
}

// The texts of one played duel that a viewer needs.
struct DuelLog {
    std::string applicant_number, receiver_number;
    std::string receiver_id;           // as the receiver's ID field showed it
    std::vector<std::string> numbers;  // every BATTLE NUMBER's digits, in play order
};

// From the opened duel windows (or from "スタート" with Meet) to the first turn: warrior numbers
// (one through the clipboard and "PASTE", one typed), verification IDs, "OK" on both.
void MeetOpened(Machine& a, Machine& b, DuelLog* log = nullptr);
inline void Meet(Machine& a, Machine& b, int32_t kind, DuelLog* log = nullptr) {
    a.window->OpenDuel(kind, kApplicant);
    b.window->OpenDuel(kind, kReceiver);
    MeetOpened(a, b, log);
}

// The machine whose player chooses now, or nullptr.
inline Machine* Mover(Machine& a, Machine& b) {
    DuelWindow* w = script::Mover(*a.window, *b.window);
    return w == nullptr ? nullptr : (w == a.window ? &a : &b);
}

// The mover's "BATTLE PHASE" and the other's with the digits pasted.
inline void SendAndResolve(Machine& mover, Machine& other, DuelLog* log = nullptr) {
    const std::string digits = script::SendAndResolve(*mover.window, *other.window);
    if (log) log->numbers.push_back(digits);
}

// One ordinary turn: the mover's first willing card flicks the first living target (or passes);
// the digits go to the other window; both press "BATTLE PHASE".
inline void PlayTurn(Machine& mover, Machine& other, DuelLog* log = nullptr) {
    script::ChooseFlickOrPass(*mover.window);
    SendAndResolve(mover, other, log);
}

// Turns until both windows wait for the set IDs; false when that never happened.
bool PlayToGameSet(Machine& a, Machine& b, DuelLog* log = nullptr, int max_turns = 60);

// An ordinary duel between a and b played to the game set, with every text a viewer needs.
DuelLog PlayLoggedDuel(Machine& a, Machine& b);

// The set IDs exchanged and "OK" on both, then "OK" in both ENDING boxes.
void FinishBoth(Machine& a, Machine& b);

// Cards in deck slots that hold one (-1 skipped).
std::vector<int32_t> DeckCards(const tmy& my);

}  // namespace kestra::duel_test
