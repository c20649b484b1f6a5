// The sound module's one entry: the program opens it by name once its first window has painted.
#include "audio/sdl_audio.h"

// Make the SDL2_mixer sound on the wave files and pieces of dat_folder; the caller owns it.
extern "C" kestra::Audio* kestra_make_sound(const char* dat_folder) { return new kestra::SdlAudio(dat_folder); }
