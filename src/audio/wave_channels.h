#pragma once
// The game's four wave channels: each holds the wave it last loaded, and a new wave cuts the old.
#include <array>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

struct Mix_Chunk;

namespace kestra {

inline constexpr int32_t kWaveChannels = 4;

class WaveChannels {
public:
    // Waves are read from dat_folder; with device_open false every call does nothing.
    WaveChannels(std::filesystem::path dat_folder, bool device_open);

    // Load a wave onto a channel without playing it (the start-up's first step).
    void Load(std::string_view wave, int32_t channel);
    // Load a wave onto a channel and start it at once; a missing or bad file plays nothing.
    void Play(std::string_view wave, int32_t channel);
    // True while the channel's own wave is sounding.
    bool Playing(int32_t channel) const;
    // The wave the channel holds, "" when none.
    std::string Loaded(int32_t channel) const;

private:
    struct ChunkFree {
        void operator()(Mix_Chunk* c) const;
    };
    using ChunkPtr = std::unique_ptr<Mix_Chunk, ChunkFree>;
    struct Channel {
        ChunkPtr chunk;
        std::string name;
    };

    // The channel's slot, or nullptr for a channel outside 0..3 or a closed device.
    Channel* Slot(int32_t channel);
    const Channel* Slot(int32_t channel) const;

    std::filesystem::path dat_;
    bool device_open_;
    std::array<Channel, kWaveChannels> channels_{};
};

}  // namespace kestra
