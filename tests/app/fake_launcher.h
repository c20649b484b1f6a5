#pragma once
// A duel window stand-in for the main window's tests: it keeps what it was asked.
#include <cstdint>
#include <utility>
#include <vector>

#include "app/duel_hand_over.h"

namespace kestra::test {

struct FakeLauncher : DuelLauncher {
    int32_t resets = 0;
    std::vector<std::pair<int32_t, int32_t>> opened;  // (duel_kind, duel_role) per "スタート"
    int32_t view_modes = 0;

    void ResetForRequest() override { ++resets; }
    void OpenDuel(int32_t duel_kind, int32_t duel_role) override { opened.emplace_back(duel_kind, duel_role); }
    void OpenViewMode() override { ++view_modes; }
};

}  // namespace kestra::test
