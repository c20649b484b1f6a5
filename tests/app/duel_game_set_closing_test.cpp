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
constexpr uint64_t kSeedA = 11, kSeedB = 12;

// Where the window is closed: the k-th pause of the game set, or a later step.
enum class CloseAt { kGameSetPause, kSetIds, kEnding };

// One duel kind and the sides that close their window (the loser, and for one kind the winner too).
struct Stake {
    const char* what;
    int32_t kind;
    bool winner_too = false;
    uint64_t seed_a = kSeedA, seed_b = kSeedB;  // the players' chance; it decides the battle type
    int32_t battle_type = 0;                    // the battle type these seeds draw
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

// The side that tells a wipe-out in its message area has begun its game set.
bool TellsWipeOut(const Machine& m) {
    return m.Text("message_area").find("全滅しました") != std::string::npos;
}

// Where one side's window is closed: which side, and when (k counts its game set's pauses from the
// announcement of the wipe-out).
struct ClosePlan {
    bool side_a;
    CloseAt at;
    int k = 0;
};

// What one played duel left behind for each side.
struct Played {
    std::array<tmy, 2> saved;          // a, b as on disk at the end
    std::array<int, 2> pauses{};       // game-set pauses each side saw (closing ends the count)
    int returns = 0;                   // the closer's returns to the main window
    bool open = false;                 // the closer's window still holds a duel
    size_t sounds_after_close = 0;     // what the closer's speakers played after the close
    std::vector<std::string> boxes;    // the closer's message boxes
    std::array<std::string, 2> files;  // a's and b's my.dat
    int32_t battle_type = 0;           // as the duel start drew it
};

// The same two players play the same duel; without a plan nobody closes anything and both reach the
// set IDs with their results saved.
Played Play(const Stake& stake, std::optional<ClosePlan> plan) {
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
        in_game_set[side] = in_game_set[side] || TellsWipeOut(m);
        if (!in_game_set[side] || (closed && &m == closer)) return true;
        if (plan && &m == closer && plan->at == CloseAt::kGameSetPause && out.pauses[side] == plan->k) {
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
    if (plan && plan->at == CloseAt::kEnding) {
        Machine& other = closer == &a ? b : a;
        closer->Field("opponent_id")->setText(QString::fromStdString(other.Text("own_id")));
        Click(closer->Button("id_ok"));
        EXPECT_TRUE(closer->Widget("ending_box")->isVisible());
    }
    if (plan && plan->at != CloseAt::kGameSetPause) close();
    out.saved = {a.Saved(), b.Saved()};
    out.files = {test::ReadBytes(a.folder.my_dat()), test::ReadBytes(b.folder.my_dat())};
    out.returns = closer->host.returns;
    out.open = closer->window->DuelOpen();
    out.sounds_after_close = closed ? closer->audio.played.size() - heard_at_close : 0;
    out.boxes = closer->dialogs.informed;
    return out;
}

class DuelGameSetClosing : public testing::TestWithParam<Stake> {};

// The results-only run is played once per stake and serves both closers.
TEST_P(DuelGameSetClosing, TheResultsStandAndAreSavedOnce) {
    const Stake& stake = GetParam();
    // The results only: the same duel played to the set IDs with nobody closing anything.
    const Played results = Play(stake, std::nullopt);
    ASSERT_EQ(results.battle_type, stake.battle_type) << "the seeds no longer draw this battle type";
    const bool a_won = results.saved[0].wins > results.saved[1].wins;
    for (const bool close_loser : {true, false}) {
        if (!close_loser && !stake.winner_too) continue;
        const bool side_a = close_loser != a_won;
        const size_t side = side_a ? 0 : 1;
        ASSERT_GT(results.pauses[side], 0);
        std::vector<ClosePlan> plans;
        for (int k = 0; k < results.pauses[side]; ++k) plans.push_back({side_a, CloseAt::kGameSetPause, k});
        plans.push_back({side_a, CloseAt::kSetIds});
        plans.push_back({side_a, CloseAt::kEnding});
        for (const ClosePlan& plan : plans) {
            SCOPED_TRACE(std::string(close_loser ? "the loser closes at " : "the winner closes at ") +
                         (plan.at == CloseAt::kGameSetPause ? "pause " + std::to_string(plan.k)
                          : plan.at == CloseAt::kSetIds     ? "set IDs"
                                                            : "ENDING"));
            const Played closed = Play(stake, plan);
            EXPECT_EQ(closed.files[side], results.files[side]);  // the results, saved once, no abort
            EXPECT_FALSE(closed.open);
            EXPECT_EQ(closed.returns, 1);
            EXPECT_EQ(closed.sounds_after_close, 0u);
            EXPECT_TRUE(std::none_of(closed.boxes.begin(), closed.boxes.end(), [](const std::string& s) {
                return s.find("ペナルティ") != std::string::npos;
            }));
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
