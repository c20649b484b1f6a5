#pragma once
// The hand-over between the main window and the duel window, each seen from the other.
#include <cstdint>
#include <string_view>

#include "duel/duel_end.h"

namespace kestra {

// What the main window asks of the duel window.
struct DuelLauncher {
    // A request, an acceptance or view mode is being prepared: battle type 0, opponent icons -1.
    virtual void ResetForRequest() = 0;
    // "スタート": open a duel of this kind and role (3 applicant, 4 receiver) and show the window.
    virtual void OpenDuel(int32_t duel_kind, int32_t duel_role) = 0;
    // View mode after the Yes: show the window in view mode.
    virtual void OpenViewMode() = 0;
    virtual ~DuelLauncher() = default;
};

// What the duel window asks of the main window.
struct MainHost {
    // The duel is over (or closed): show the main window with the panel it left from, reveal the
    // start-menu buttons the duel end drew, clear the deck builder's selections.
    virtual void ReturnFromDuel(const MenuReveal& reveal) = 0;
    // The start menu's "直前のデュエルのセットID：" line, filled at the end of a duel.
    virtual void SetLastSetId(std::string_view set_id) = 0;
    virtual ~MainHost() = default;
};

}  // namespace kestra
