#pragma once
// The duel window (Tform2): both sides' cards, the message area, the numbers the players exchange,
// and every control of a duel, drawn from the duel record it owns.
#include <QWidget>

#include <memory>

#include "app/duel_hand_over.h"
#include "app/game_session.h"
#include "app/slot_cues.h"
#include "duel/duel_record.h"

class QTimer;

namespace kestra {

struct DuelParts;

class DuelWindow : public QWidget, public DuelLauncher {
public:
    explicit DuelWindow(GameSession& session, QWidget* parent = nullptr);
    ~DuelWindow() override;
    DuelWindow(const DuelWindow&) = delete;
    DuelWindow& operator=(const DuelWindow&) = delete;

    // The main window that gets the player back when the duel ends or is closed.
    void SetHost(MainHost* host);
    const DuelRecord& record() const;

    // DuelLauncher.
    void ResetForRequest() override;
    void OpenDuel(int32_t duel_kind, int32_t duel_role) override;
    void OpenViewMode() override;

    // A message pause waits for the player's click.
    bool Paused() const;
    // A duel is open (from "スタート" or view mode until it ends or is closed).
    bool DuelOpen() const;
    // The work of the 250 ms timer, also for tests that move their clock.
    void TimeTick();
    // The work of the 50 ms timer.
    void Refresh();
    // How a flash shows each frame (painted and held 10 ms in the game; counted in the widget tests).
    void SetFrameStep(SlotCues::FrameStep step);

protected:
    // Closing mid-duel aborts it (with the penalty when playing).
    void closeEvent(QCloseEvent* event) override;
    // A click on the window's background counts as a click on the message area.
    void mousePressEvent(QMouseEvent* event) override;
    // So does a click on the message area itself or on a box bound to it.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // A click on the message area, a box bound to it, or the background.
    void MessageAreaClicked();

    std::unique_ptr<DuelParts> parts_;
    QTimer* refresh_timer_ = nullptr;
    QTimer* time_timer_ = nullptr;
};

}  // namespace kestra
