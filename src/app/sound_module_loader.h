#pragma once
// Opens the sound module that sits beside the program (kestra_sound) and makes the real sound.
#include <filesystem>
#include <memory>

#include "audio/audio.h"

namespace kestra {

// The SDL2_mixer sound on dat_folder from the module in program_folder; nothing when the module
// cannot be opened (the game then runs silent, as it does without a sound device).
std::unique_ptr<Audio> LoadSoundModule(const std::filesystem::path& program_folder, const std::filesystem::path& dat_folder);

}  // namespace kestra
