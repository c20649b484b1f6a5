#pragma once
// Everything the duel window holds, in one place for the small files that each run one part of it:
// the widgets, the cues, the record with its message player and rule context, and where the duel is.
#include <QWidget>

#include <optional>

#include "app/duel_hand_over.h"
#include "app/duel_layout.h"
#include "app/duel_screen.h"
#include "app/game_session.h"
#include "app/slot_cues.h"
#include "app/view_mode_box.h"
#include "battle/battle_content.h"
#include "duel/duel_context.h"
#include "duel/saved_duel.h"

namespace kestra {

// Which step of a duel the window is at; kIdle when no duel is open (or it was closed).
enum class DuelStage {
    kIdle,
    kOpening,         // the draw
    kWarriorNumbers,  // waiting for the opponent's warrior number
    kVerification,    // the verification-ID exchange
    kViewSetup,       // view mode: rules and both warrior numbers
    kViewIds,         // view mode: the receiver's verification ID
    kBattle,          // the turns
    kSetIds,          // the set-ID exchange
    kEnding,          // the ENDING box waits for "OK"
};

struct DuelParts {
    DuelParts(GameSession& s, QWidget* w);
    DuelParts(const DuelParts&) = delete;
    DuelParts& operator=(const DuelParts&) = delete;

    GameSession& session;
    QWidget* window;
    DuelLayout ui;
    ViewModeBox view;
    SlotCues cues;
    DuelRecord d;
    DuelScreen screen;
    MessagePlayer msg;
    BattleContent content;
    DuelContext ctx;
    MainHost* host = nullptr;

    DuelStage stage = DuelStage::kIdle;
    bool busy = false;         // a rule call is running, its pauses included: other input waits
    bool number_sent = false;  // this side's BATTLE NUMBER of this turn is built
    bool won = false;          // the game set's verdict, for the experience on "OK"
    bool game_set_begun = false;   // the results have started: closing leaves them standing
    bool closed_in_game_set = false;  // the window was closed while the game set was still told
    bool new_card = false;     // the card won was one the player did not own before
    std::optional<int32_t> item_row;
    SavedDuel log;             // the duel as records/ keeps it, gathered as it is played
    bool log_saved = false;    // written once: at the set IDs or at the abort
    int32_t music_piece = -1;  // -1 until the duel start chose one
    int32_t bingo_ticks = 0;
    int32_t bingo_group_ticks = 0;
    // The click sound's channel (2 or 3) is drawn from a generator of its own: how many pauses a
    // player clicks through must not steer the rewards, which draw from the game's chance.
    Rng click_rng{0x636c69636bu};
};

// Marks a rule call in progress for as long as it lives.
class BusyScope {
public:
    explicit BusyScope(DuelParts& p) : p_(p), was_(p.busy) { p_.busy = true; }
    ~BusyScope() { p_.busy = was_; }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    DuelParts& p_;
    bool was_;
};

// The saver the results, the duel end and the abort write the player with.
SavePlayer DuelSaver(const DuelParts& p);

}  // namespace kestra
