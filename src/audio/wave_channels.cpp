#include "audio/wave_channels.h"

#include <SDL_mixer.h>

#include <utility>

namespace kestra {

// Mix_FreeChunk itself stops any channel still reading the chunk.
void WaveChannels::ChunkFree::operator()(Mix_Chunk* c) const { Mix_FreeChunk(c); }

WaveChannels::WaveChannels(std::filesystem::path dat_folder, bool device_open)
    : dat_(std::move(dat_folder)), device_open_(device_open) {}

WaveChannels::Channel* WaveChannels::Slot(int32_t channel) {
    if (!device_open_ || channel < 0 || channel >= kWaveChannels) return nullptr;
    return &channels_[static_cast<size_t>(channel)];
}

const WaveChannels::Channel* WaveChannels::Slot(int32_t channel) const {
    if (!device_open_ || channel < 0 || channel >= kWaveChannels) return nullptr;
    return &channels_[static_cast<size_t>(channel)];
}

void WaveChannels::Load(std::string_view wave, int32_t channel) {
    Channel* slot = Slot(channel);
    if (slot == nullptr) return;
    // Halt first: the old chunk is freed only once the mixer no longer reads it.
    Mix_HaltChannel(channel);
    slot->chunk.reset();
    slot->name.clear();
    const std::string path = (dat_ / std::string(wave)).string();
    slot->chunk.reset(wave.empty() ? nullptr : Mix_LoadWAV(path.c_str()));
    if (slot->chunk) slot->name = std::string(wave);
}

void WaveChannels::Play(std::string_view wave, int32_t channel) {
    Load(wave, channel);
    const Channel* slot = Slot(channel);
    if (slot != nullptr && slot->chunk) Mix_PlayChannel(channel, slot->chunk.get(), 0);
}

bool WaveChannels::Playing(int32_t channel) const {
    const Channel* slot = Slot(channel);
    return slot != nullptr && slot->chunk && Mix_Playing(channel) != 0 && Mix_GetChunk(channel) == slot->chunk.get();
}

std::string WaveChannels::Loaded(int32_t channel) const {
    const Channel* slot = Slot(channel);
    return slot == nullptr ? std::string() : slot->name;
}

}  // namespace kestra
