#pragma once
// Sound effects and music as the windows use them: four wave channels and one looping MIDI piece.
// The program plays through SDL2_mixer; tests record what was played.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kestra {

struct Audio {
    // A wave from dat/ on mixer channel 0..3; a new sound on a busy channel cuts the old one.
    virtual void PlaySe(std::string_view wave, int32_t channel) = 0;
    // A MIDI piece from dat/, looping on its normal end; "not" stops and closes the music;
    // an empty name, or music switched off, plays nothing.
    virtual void PlayBgm(std::string_view piece) = 0;
    // Music allowed (the player's switch); switching off does not stop what plays.
    virtual void SetMusicOn(bool on) = 0;
    virtual bool MusicOn() const = 0;
    // Every sound and the music silenced, while the developer panel is shown.
    virtual void SetMuted(bool muted) = 0;
    virtual ~Audio() = default;
};

// The main window's names for the four channels.
inline void PlaySe(Audio& a, std::string_view wave) { a.PlaySe(wave, 0); }
inline void PlaySe2(Audio& a, std::string_view wave) { a.PlaySe(wave, 1); }
inline void PlaySe3(Audio& a, std::string_view wave) { a.PlaySe(wave, 2); }
inline void PlaySe4(Audio& a, std::string_view wave) { a.PlaySe(wave, 3); }

// Plays nothing; keeps what it was asked, for the tests and for machines without sound.
class RecordingAudio : public Audio {
public:
    struct Cue {
        std::string name;     // the wave or piece
        int32_t channel = 0;  // 0..3 for waves, -1 for music
        bool operator==(const Cue&) const = default;
    };
    void PlaySe(std::string_view wave, int32_t channel) override;
    void PlayBgm(std::string_view piece) override;
    void SetMusicOn(bool on) override { music_on_ = on; }
    bool MusicOn() const override { return music_on_; }
    void SetMuted(bool muted) override { muted_ = muted; }
    bool Muted() const { return muted_; }

    std::vector<Cue> played;  // in order; muted cues are not recorded
    std::string music;        // the piece now playing, "" when stopped
    // The wave names played, in order (any channel).
    std::vector<std::string> Waves() const;

private:
    bool music_on_ = true;
    bool muted_ = false;
};

}  // namespace kestra
