// Closing the duel window mid-duel: the next duel speaks again, and a viewed duel closed in its last
// phase leaves the viewer's save alone.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>

#include <algorithm>
#include <numeric>

#include "duel_players.h"
#include "support/temp_folder.h"

namespace kestra {
namespace {

using duel_test::AutoClicker;
using duel_test::Click;
using duel_test::DeckCards;
using duel_test::Machine;

constexpr std::array<int32_t, 10> kDeckA = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
constexpr std::array<int32_t, 10> kDeckB = {10, 11, 12, 13, 14, 15, 16, 17, 18, 19};
constexpr std::array<int32_t, 10> kDeckViewer = {20, 21, 22, 23, 24, 25, 26, 27, 28, 29};

// Every card the player holds: the collection and the deck together.
int32_t CardsHeld(const tmy& my) {
    const int32_t owned = std::accumulate(my.card_count.begin(), my.card_count.end(), 0);
    return owned + static_cast<int32_t>(DeckCards(my).size());
}

// A duel closed mid-way silences the message area only for the rest of that duel: the next one
// tells its opening again and waits for the click, which sounds "1.wav" on channel 2 or 3.
TEST(DuelClosing, TheNextDuelTellsItsOpeningAgain) {
    Machine a(21, kDeckA), b(22, kDeckB);
    AutoClicker clicker({a.window, b.window});
    duel_test::Meet(a, b, 0);
    a.window->close();
    ASSERT_FALSE(a.window->DuelOpen());
    const size_t heard = a.audio.played.size();
    a.window->OpenDuel(0, kApplicant);
    ASSERT_TRUE(a.window->DuelOpen());
    EXPECT_EQ(a.Text("message_area").rfind("対戦相手に、戦士ナンバーを教えて下さい。", 0), 0u);
    const std::vector<RecordingAudio::Cue> cues(a.audio.played.begin() + static_cast<std::ptrdiff_t>(heard),
                                                a.audio.played.end());
    const auto click =
        std::find_if(cues.begin(), cues.end(), [](const RecordingAudio::Cue& c) { return c.name == "1.wav"; });
    ASSERT_NE(click, cues.end());  // the draw waited for the player's click
    EXPECT_TRUE(click->channel == 2 || click->channel == 3) << click->channel;
}

// View mode: closed during the last phase, the viewer's own save stays exactly as it was.
TEST(DuelClosing, AViewedDuelClosedInItsLastPhaseLeavesTheViewersSaveAlone) {
    Machine a(101, kDeckA), b(102, kDeckB);
    const duel_test::DuelLog log = duel_test::PlayLoggedDuel(a, b);
    ASSERT_EQ(a.d().input_phase, kPhaseSetIds);
    Machine v(103, kDeckViewer);
    const std::string saved = test::ReadBytes(v.folder.my_dat());
    const tmy before = v.session->my();
    AutoClicker clicker({v.window});
    duel_test::PasteViewNumbers(v, log);
    v.Field("view_receiver_id")->setText(QString::fromStdString(log.receiver_id));
    Click(v.Button("view_id_ok"));
    ASSERT_EQ(v.d().turn, 1);
    for (size_t k = 0; k + 1 < log.numbers.size(); ++k) {
        v.Field("bn_field")->setText(QString::fromStdString(log.numbers[k]));
        Click(v.Button("battle_phase"));
    }
    ASSERT_TRUE(v.window->DuelOpen());
    clicker.before_click = [](DuelWindow* w) {
        w->close();  // the first pause of the phase that wipes a side out
        return false;
    };
    QApplication::clipboard()->setText(QStringLiteral("viewer"));
    v.Field("bn_field")->setText(QString::fromStdString(log.numbers.back()));
    Click(v.Button("battle_phase"));
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(), "viewer");  // no set ID to send
    EXPECT_FALSE(v.window->DuelOpen());
    EXPECT_EQ(v.host.returns, 1);
    EXPECT_EQ(v.dialogs.informed, std::vector<std::string>{"中断します"});
    const tmy after = v.Saved();
    EXPECT_EQ(after.duels, before.duels);
    EXPECT_EQ(after.wins, before.wins);
    EXPECT_EQ(after.money, before.money);
    EXPECT_EQ(CardsHeld(after), CardsHeld(before));
    EXPECT_TRUE(test::ReadBytes(v.folder.my_dat()) == saved);  // byte for byte
    EXPECT_TRUE(v.session->my() == before);
}

}  // namespace
}  // namespace kestra
