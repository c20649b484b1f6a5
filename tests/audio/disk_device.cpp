#include "audio/disk_device.h"

#include <stdlib.h>

#include <chrono>
#include <fstream>
#include <random>
#include <thread>
#include <vector>

namespace kestra::test {

namespace {

constexpr int kPollLimit = 400;                           // 400 polls of 5 ms: two seconds at most
constexpr std::chrono::milliseconds kPollStep{5};

// The output file's samples as signed 16-bit values.
std::vector<int16_t> ReadSamples(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::vector<int16_t> samples(bytes.size() / 2);
    for (size_t i = 0; i < samples.size(); ++i)
        samples[i] = static_cast<int16_t>(static_cast<uint8_t>(bytes[2 * i]) |
                                          (static_cast<uint16_t>(static_cast<uint8_t>(bytes[2 * i + 1])) << 8));
    return samples;
}

}  // namespace

std::filesystem::path GameDat() { return std::filesystem::path(KESTRA_TEST_GAME_DIR) / "dat"; }

DiskDevice::DiskDevice() {
    std::random_device rd;
    folder_ = std::filesystem::temp_directory_path() / ("kestra-sound-" + std::to_string(rd()) + std::to_string(rd()));
    std::filesystem::create_directories(folder_);
    output_ = folder_ / "mixed.raw";
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", output_.c_str(), 1);
}

DiskDevice::~DiskDevice() {
    std::error_code ec;
    std::filesystem::remove_all(folder_, ec);
}

uintmax_t DiskDevice::BytesWritten() const {
    std::error_code ec;
    const uintmax_t size = std::filesystem::file_size(output_, ec);
    return ec ? 0 : size;
}

int64_t DiskDevice::LoudSamples() const {
    int64_t loud = 0;
    for (const int16_t s : ReadSamples(output_)) loud += s != 0 ? 1 : 0;
    return loud;
}

int64_t DiskDevice::Samples() const { return static_cast<int64_t>(ReadSamples(output_).size()); }

bool WaitFor(const std::function<bool()>& done) {
    for (int i = 0; i < kPollLimit; ++i) {
        if (done()) return true;
        std::this_thread::sleep_for(kPollStep);
    }
    return done();
}

}  // namespace kestra::test
