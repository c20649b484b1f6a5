#pragma once
// The program's sound while the sound system starts later than the first window: until the real
// device is handed over, effects are dropped and the music asked for is remembered; once it is
// there, the switches are passed on and the remembered piece starts.
#include <memory>
#include <string>

#include "audio/audio.h"

namespace kestra {

class DeferredAudio : public Audio {
public:
    // The real sound, ready now: what was asked before it is played or set on it.
    void Attach(std::unique_ptr<Audio> real);
    bool Ready() const { return real_ != nullptr; }

    void PlaySe(std::string_view wave, int32_t channel) override;
    void PlayBgm(std::string_view piece) override;
    void SetMusicOn(bool on) override;
    bool MusicOn() const override { return music_on_; }
    void SetMuted(bool muted) override;

private:
    std::unique_ptr<Audio> real_;
    std::string pending_piece_;  // the last piece asked for before the sound was ready ("not": none)
    bool music_on_ = true;
    bool muted_ = false;
};

}  // namespace kestra
