#pragma once
// The narrow window through which the duel rules reach the screen and the speakers.
// The duel window implements it; tests use a recording one.
#include <cstdint>
#include <string_view>

namespace kestra {

// The ten flash colours; each says whether a dead slot is skipped.
enum class FlashColour { Red, Yellow, Blue, Aqua, Lime, Purple, Black, Green, White, Fuchsia };

// Colour value 0x00BBGGRR of a flash.
uint32_t FlashColourValue(FlashColour c);
// True for the variants that do nothing over a dead slot (blue, aqua, purple, black, green).
bool FlashSkipsDeadSlot(FlashColour c);
// Lower-case English name, for transcripts.
std::string_view FlashColourName(FlashColour c);

struct Presenter {
    // The message area shows text alone.
    virtual void ShowMessage(std::string_view text) = 0;
    // The message area adds a line break and text to what it shows.
    virtual void AddMessage(std::string_view text) = 0;
    // Pause until the player clicks the message area (a nested event loop in the window).
    virtual void WaitClick() = 0;
    // Whether the duel window is on screen; pauses only happen while it is.
    virtual bool Visible() const = 0;
    // Blink a coloured square over slot 1..6 (the caller has already applied the dead-slot rule).
    virtual void FlashSlot(FlashColour colour, int32_t slot) = 0;
    // The attacker frame and the target marker.
    virtual void ShowActionMarkers(int32_t attacker_slot, int32_t target_slot) = 0;
    virtual void HideActionMarkers() = 0;
    // A wave from dat/ on mixer channel 0..3.
    virtual void PlaySe(std::string_view wave, int32_t channel) = 0;
    // A looping MIDI piece from dat/; "not" stops the music.
    virtual void PlayBgm(std::string_view piece) = 0;
    // Slot 1..6 shows another picture (a path below the game folder, or "" for black).
    virtual void SetSlotPicture(int32_t slot, std::string_view picture) = 0;
    // The summon panel shows a summoned being's picture (a path below the game folder); "" hides it.
    virtual void ShowSummon(std::string_view picture) = 0;
    // The labels the rules write: the time label, the disaster label, the hint line, the caption.
    virtual void SetTimeLabel(std::string_view text) = 0;
    virtual void SetDisasterLabel(std::string_view text) = 0;
    virtual void SetHint(std::string_view text) = 0;
    virtual void SetCaption(std::string_view text) = 0;
    // A chat line the player pastes into the chat goes to the clipboard.
    virtual void CopyToClipboard(std::string_view text) = 0;

    virtual ~Presenter() = default;
};

}  // namespace kestra
