#pragma once
// The sound system and the soundfont load after the first window has painted, so the player sees
// the game at once; the music asked for meanwhile starts as soon as the sound is ready.
#include <QWidget>

#include <filesystem>
#include <functional>
#include <memory>

#include "audio/deferred_audio.h"

namespace kestra {

// Once `window` has painted for the first time, make the real sound with `make` on the next turn
// of the event loop and hand it to `audio`; when `make` gives nothing the game stays silent.
void LoadSoundAfterFirstPaint(QWidget& window, DeferredAudio& audio, std::function<std::unique_ptr<Audio>()> make);

}  // namespace kestra
