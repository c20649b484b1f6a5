#include "audio/midi_player.h"

#include <SDL_mixer.h>

#include <system_error>
#include <utility>

namespace kestra {

// Freeing a piece that is sounding stops it first (SDL_mixer does so itself).
void MidiPlayer::MusicFree::operator()(_Mix_Music* m) const { Mix_FreeMusic(m); }

MidiPlayer::MidiPlayer(std::filesystem::path dat_folder, bool device_open)
    : dat_(std::move(dat_folder)), device_open_(device_open) {
    std::error_code ec;
    if (device_open_ && std::filesystem::exists(kSoundFont, ec)) Mix_SetSoundFonts(kSoundFont);
}

void MidiPlayer::Play(std::string_view piece) {
    if (!device_open_) return;
    Stop();
    if (piece.empty()) return;
    const std::string path = (dat_ / std::string(piece)).string();
    music_.reset(Mix_LoadMUS(path.c_str()));
    // -1 loops: the piece starts again from the beginning whenever it ends.
    if (music_ && Mix_PlayMusic(music_.get(), -1) != 0) music_.reset();
}

void MidiPlayer::Stop() { music_.reset(); }

bool MidiPlayer::Playing() const { return music_ != nullptr && Mix_PlayingMusic() != 0; }

}  // namespace kestra
