#pragma once
// The one background piece: a MIDI file from dat/, looping until stopped.
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

struct _Mix_Music;

namespace kestra {

// The General MIDI sound font the synthesiser plays the pieces with, when the machine has it.
inline constexpr const char* kSoundFont = "/usr/share/sounds/sf2/TimGM6mb.sf2";

class MidiPlayer {
public:
    // Pieces are read from dat_folder; with device_open false every call does nothing.
    MidiPlayer(std::filesystem::path dat_folder, bool device_open);

    // Open and play a piece, looping on its normal end; a missing or bad file plays nothing.
    void Play(std::string_view piece);
    // Stop and close the piece.
    void Stop();
    // True while this player's piece is sounding.
    bool Playing() const;

private:
    struct MusicFree {
        void operator()(_Mix_Music* m) const;
    };

    std::filesystem::path dat_;
    bool device_open_;
    std::unique_ptr<_Mix_Music, MusicFree> music_;
};

}  // namespace kestra
