#pragma once
// The duel window as the rules see it: the message area, pauses, cues, sounds, pictures, labels,
// the clipboard (Presenter), and the ENDING box with the boxes over the main window (EndingScreen).
#include <QEventLoop>
#include <QWidget>

#include "app/duel_layout.h"
#include "app/game_session.h"
#include "app/slot_cues.h"
#include "duel/duel_end.h"
#include "duel/message_player.h"
#include "duel/presenter.h"

namespace kestra {

class DuelScreen : public Presenter, public EndingScreen {
public:
    DuelScreen(QWidget* window, DuelLayout& ui, SlotCues& cues, GameSession& session);

    // The message player whose pause state the waits follow (it is built after the screen).
    void Bind(MessagePlayer* msg) { msg_ = msg; }
    // A closed duel makes no more sound until the next one opens.
    void SetSilenced(bool silenced) { silenced_ = silenced; }
    // Wake a pending wait so it can see that its pause ended (a click or the window closed).
    void ReleaseWait();
    bool Waiting() const { return loop_ != nullptr; }

    // Presenter.
    void ShowMessage(std::string_view text) override;
    void AddMessage(std::string_view text) override;
    void WaitClick() override;
    bool Visible() const override;
    void FlashSlot(FlashColour colour, int32_t slot) override;
    void ShowActionMarkers(int32_t attacker_slot, int32_t target_slot) override;
    void HideActionMarkers() override;
    void PlaySe(std::string_view wave, int32_t channel) override;
    void PlayBgm(std::string_view piece) override;
    void SetSlotPicture(int32_t slot, std::string_view picture) override;
    void ShowSummon(std::string_view picture) override;
    void SetTimeLabel(std::string_view text) override;
    void SetDisasterLabel(std::string_view text) override;
    void SetHint(std::string_view text) override;
    void SetCaption(std::string_view text) override;
    void CopyToClipboard(std::string_view text) override;

    // EndingScreen.
    void ShowLevelUp(const LevelUp& up) override;
    void MessageBox(std::string_view text) override;
    void ReturnToMain() override;

    // A card picture from the game folder ("" gives the black square of a hidden card).
    QPixmap Picture(std::string_view path) const;

private:
    QWidget* window_;
    DuelLayout& ui_;
    SlotCues& cues_;
    GameSession& session_;
    MessagePlayer* msg_ = nullptr;
    QEventLoop* loop_ = nullptr;
    bool silenced_ = false;
};

}  // namespace kestra
