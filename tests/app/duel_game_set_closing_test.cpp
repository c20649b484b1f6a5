// Closing the duel window once the game set has begun: the results stand and are saved once. The
// drawn cards never come home a second time and there is no abort penalty, at whatever pause the
// window is closed: any pause of the game set, the set-ID exchange or the ENDING box.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "duel_players.h"
#include "player/checksum.h"

namespace kestra {
namespace {

using duel_test::AutoClicker;
using duel_test::Click;
using duel_test::Machine;

using duel_test::kDeckA;
using duel_test::kDeckB;

// One duel kind and the sides that close their window (the loser, and for one kind the winner too).
struct Stake {
    const char* what;
    int32_t kind;
    bool winner_too = false;
    uint64_t seed_a = 11, seed_b = 12;  // the players' chance; it decides the battle type
    int32_t battle_type = 0;            // the battle type these seeds draw
};

// The case's name in test listings.
void PrintTo(const Stake& s, std::ostream* os) { *os << s.what; }

// Both players wear two icons (an ICON duel takes one from the loser), sealed as a save would be.
void WearIcons(Machine& m, int32_t first) {
    tmy& my = m.session->my();
    my.icon_count[static_cast<size_t>(first)] = 1;
    my.icon_count[static_cast<size_t>(first + 1)] = 1;
    my.icon_slot1 = first;
    my.icon_slot2 = first + 1;
    my.checksum = ComputeChecksum(my);
}

// Where one side closes its window: the k-th pause of its game set counted from the announcement of
// the wipe-out (at = k >= 0), the set-ID exchange or the ENDING box.
constexpr int kSetIds = -1, kEnding = -2;
struct Closing {
    bool side_a;
    int at;
};

// What one played duel left behind: a's and b's my.dat, the game-set pauses each side saw (closing
// ends the count), the battle type the duel start drew, and who won.
struct Played {
    std::array<std::string, 2> files;
    std::array<int, 2> pauses{};
    int32_t battle_type = 0;
    bool a_won = false;
};

// The same two players play the same duel; without a closing nobody closes anything and both reach
// the set IDs with their results saved. A closed window holds no duel, went back once, fell silent
// and told no penalty.
Played Play(const Stake& stake, std::optional<Closing> plan) {
    Machine a(stake.seed_a, kDeckA), b(stake.seed_b, kDeckB);
    WearIcons(a, 3);
    WearIcons(b, 5);
    AutoClicker clicker({a.window, b.window});
    Played out;
    std::array<bool, 2> in_game_set{};
    bool closed = false;
    size_t heard_at_close = 0;
    Machine* closer = plan && !plan->side_a ? &b : &a;
    const auto close = [&] {
        closed = true;
        heard_at_close = closer->audio.played.size();
        closer->window->close();
    };
    clicker.before_click = [&](DuelWindow* w) {
        const size_t side = w == a.window ? 0 : 1;
        Machine& m = side == 0 ? a : b;
        in_game_set[side] =
            in_game_set[side] || m.Text("message_area").find("全滅しました") != std::string::npos;
        if (!in_game_set[side] || (closed && &m == closer)) return true;
        if (plan && &m == closer && plan->at == out.pauses[side]) {
            close();
            return false;
        }
        ++out.pauses[side];
        return true;
    };
    duel_test::Meet(a, b, stake.kind);
    out.battle_type = a.d().battle_type;
    for (int turn = 0; turn < 80 && !closed; ++turn) {
        if (a.d().input_phase == kPhaseSetIds && b.d().input_phase == kPhaseSetIds) break;
        Machine* mover = duel_test::Mover(a, b);
        if (!mover) break;
        duel_test::PlayTurn(*mover, mover == &a ? b : a);
    }
    if (plan && plan->at == kEnding) {
        Machine& other = closer == &a ? b : a;
        closer->Field("opponent_id")->setText(QString::fromStdString(other.Text("own_id")));
        Click(closer->Button("id_ok"));
        EXPECT_TRUE(closer->Widget("ending_box")->isVisible());
    }
    if (plan && plan->at < 0) close();
    if (plan) {
        EXPECT_FALSE(closer->window->DuelOpen());
        EXPECT_EQ(closer->host.returns, 1);
        EXPECT_EQ(closer->audio.played.size(), heard_at_close);
        for (const std::string& box : closer->dialogs.informed)
            EXPECT_EQ(box.find("ペナルティ"), std::string::npos) << box;
    }
    out.files = {test::ReadBytes(a.folder.my_dat()), test::ReadBytes(b.folder.my_dat())};
    out.a_won = a.Saved().wins > b.Saved().wins;
    return out;
}

class DuelGameSetClosing : public testing::TestWithParam<Stake> {};

// The results-only run is played once per stake and serves both closers.
TEST_P(DuelGameSetClosing, TheResultsStandAndAreSavedOnce) {
    const Stake& stake = GetParam();
    const Played results = Play(stake, std::nullopt);
    ASSERT_EQ(results.battle_type, stake.battle_type) << "the seeds no longer draw this battle type";
    for (const bool close_loser : {true, false}) {
        if (!close_loser && !stake.winner_too) continue;
        const bool side_a = close_loser != results.a_won;
        const size_t side = side_a ? 0 : 1;
        ASSERT_GT(results.pauses[side], 0);
        for (int at = kEnding; at < results.pauses[side]; ++at) {
            SCOPED_TRACE(std::string(close_loser ? "the loser closes at " : "the winner closes at ") +
                         (at >= 0         ? "pause " + std::to_string(at)
                          : at == kSetIds ? "set IDs"
                                          : "ENDING"));
            // The results, saved once, and no abort.
            EXPECT_EQ(Play(stake, Closing{side_a, at}).files[side], results.files[side]);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Stakes, DuelGameSetClosing,
                         testing::Values(Stake{"ordinary, either side closes", 0, true},
                                         Stake{"ICON duel, the loser closes", 1},
                                         Stake{"ヘル field, the loser closes", 14},
                                         Stake{"ダークバトル, the loser closes", 0, false, 18, 5018, 5}));

}  // namespace
}  // namespace kestra
