#include "audio/sdl_audio.h"

#include <SDL_mixer.h>

namespace kestra {

namespace {

constexpr std::string_view kStopMusic = "not";
constexpr std::string_view kStartWave = "1.wav";

}  // namespace

SdlAudio::SdlAudio(std::filesystem::path dat_folder)
    : waves_(dat_folder, device_.Open()), music_(dat_folder, device_.Open()) {
    try {
        for (int32_t ch = 0; ch < kWaveChannels; ++ch) waves_.Load(kStartWave, ch);
    } catch (...) {
        // Sound never stops the program: a failed load leaves the channel empty.
    }
}

void SdlAudio::PlaySe(std::string_view wave, int32_t channel) {
    try {
        waves_.Play(wave, channel);
    } catch (...) {
        // A wave that cannot play is passed over in silence.
    }
}

void SdlAudio::PlayBgm(std::string_view piece) {
    try {
        if (piece == kStopMusic)
            music_.Stop();
        else if (!piece.empty() && music_on_)
            music_.Play(piece);
    } catch (...) {
        // A piece that cannot play is passed over in silence.
    }
}

void SdlAudio::SetMuted(bool muted) {
    muted_ = muted;
    if (!device_.Open()) return;
    const int volume = muted_ ? 0 : MIX_MAX_VOLUME;
    Mix_Volume(-1, volume);
    Mix_VolumeMusic(volume);
}

}  // namespace kestra
