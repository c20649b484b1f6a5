#pragma once
// The sound device as one object holds it: SDL's audio subsystem and SDL_mixer's device,
// opened at construction and closed at destruction. SDL and SDL_mixer count the opens, so two
// holders in one process share one device and the last one out closes it.
namespace kestra {

class MixerDevice {
public:
    MixerDevice();
    ~MixerDevice();
    MixerDevice(const MixerDevice&) = delete;
    MixerDevice& operator=(const MixerDevice&) = delete;

    // True when the device opened; every sound call is a no-op otherwise.
    bool Open() const { return mixer_open_; }

private:
    bool sdl_open_ = false;
    bool mixer_open_ = false;
};

}  // namespace kestra
