#pragma once
// The hidden developer panel: reset to a new player and a few diagnostics. Reached by a key
// combination only; every sound is muted while it is on screen.
#include <QGroupBox>

class QLabel;

namespace kestra {

struct GameSession;

class DeveloperPanel : public QGroupBox {
    Q_OBJECT
public:
    DeveloperPanel(GameSession& session, QWidget* parent);

    // The diagnostics as they stand now: save checksum, card table, folder.
    void RefreshDiagnostics();

signals:
    void backClicked();
    void playerReset();

protected:
    // Shown: mute every sound and read the diagnostics afresh.
    void showEvent(QShowEvent* event) override;
    // Hidden: sound comes back.
    void hideEvent(QHideEvent* event) override;

private:
    // "初期化": after a Yes, a new player, saved, and "初期化されました".
    void ResetPlayer();

    GameSession& s_;
    QLabel* diagnostics_ = nullptr;
};

}  // namespace kestra
