#include "audio/mixer_device.h"

#include <SDL.h>
#include <SDL_mixer.h>

namespace kestra {

namespace {

constexpr int kFrequency = 44100;
constexpr int kStereo = 2;
constexpr int kChunkFrames = 1024;
constexpr int kMixingChannels = 15;  // the game itself uses 0..3

// How many holders have the mixer open now (SDL_mixer's own count), 0 when closed.
int MixerOpenCount() {
    int frequency = 0;
    Uint16 format = 0;
    int channels = 0;
    return Mix_QuerySpec(&frequency, &format, &channels);
}

}  // namespace

MixerDevice::MixerDevice() {
    // The window system owns the program's end: SDL must not swallow SIGINT and SIGTERM.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    sdl_open_ = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
    if (!sdl_open_) return;
    mixer_open_ = Mix_OpenAudio(kFrequency, MIX_DEFAULT_FORMAT, kStereo, kChunkFrames) == 0;
    if (!mixer_open_) return;
    Mix_AllocateChannels(kMixingChannels);
    // The music volume outlives a closed device; the first holder starts it loud again.
    if (MixerOpenCount() == 1) Mix_VolumeMusic(MIX_MAX_VOLUME);
}

MixerDevice::~MixerDevice() {
    if (mixer_open_) Mix_CloseAudio();
    if (sdl_open_) SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

}  // namespace kestra
