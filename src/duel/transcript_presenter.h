#pragma once
// A presenter that keeps the transcript of lines, sounds, flashes and labels in order:
// kestra-cli prints it, the simulator hashes it, the tests read it.
#include <functional>
#include <string>
#include <vector>

#include "duel/presenter.h"

namespace kestra {

class TranscriptPresenter : public Presenter {
public:
    // Every event as one line: "show: text", "add: text", "click", "se0: no.wav", "flash white 4",
    // "summon: cg/x.bmp", "summon hidden", ...
    std::vector<std::string> transcript;
    std::string message;       // what the message area shows now
    std::string clipboard;
    std::string caption, hint, time_label, disaster_label;
    bool visible = true;
    int clicks = 0;
    // Runs at every pause, after it is recorded: a test closes the window there, for instance.
    std::function<void()> on_click;

    void ShowMessage(std::string_view text) override;
    void AddMessage(std::string_view text) override;
    void WaitClick() override;
    bool Visible() const override { return visible; }
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

    // True when some transcript line equals the given one.
    bool Has(const std::string& line) const;
    // Lines that start with the prefix, in order.
    std::vector<std::string> Lines(const std::string& prefix) const;
    // Every shown or added message text, in order.
    std::vector<std::string> Messages() const;
    // The sounds and flashes, in order.
    std::vector<std::string> Cues() const;
};

}  // namespace kestra
