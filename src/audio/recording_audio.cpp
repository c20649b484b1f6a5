#include "audio/audio.h"

namespace kestra {

void RecordingAudio::PlaySe(std::string_view wave, int32_t channel) {
    if (!muted_) played.push_back(Cue{std::string(wave), channel});
}

void RecordingAudio::PlayBgm(std::string_view piece) {
    if (piece == "not") {
        music.clear();
        return;
    }
    if (piece.empty() || !music_on_) return;
    music = std::string(piece);
    if (!muted_) played.push_back(Cue{music, -1});
}

std::vector<std::string> RecordingAudio::Waves() const {
    std::vector<std::string> out;
    for (const Cue& c : played)
        if (c.channel >= 0) out.push_back(c.name);
    return out;
}

}  // namespace kestra
