#pragma once
// SDL's disk driver as a sound device the tests can listen to: every mixed sample lands in a
// raw file (16-bit stereo), written in real time while a device is open.
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>

namespace kestra::test {

// The game folder's dat/ the build assembled.
std::filesystem::path GameDat();

// A scratch folder with a disk-driver output file; sets the driver for the next device.
class DiskDevice {
public:
    DiskDevice();
    ~DiskDevice();
    DiskDevice(const DiskDevice&) = delete;
    DiskDevice& operator=(const DiskDevice&) = delete;

    const std::filesystem::path& folder() const { return folder_; }
    // Bytes the device has written so far.
    uintmax_t BytesWritten() const;
    // Samples in the output that are not silence; read after the device has closed.
    int64_t LoudSamples() const;
    // All samples in the output.
    int64_t Samples() const;

private:
    std::filesystem::path folder_;
    std::filesystem::path output_;
};

// Waits (a bounded poll, never a timed assertion) until done() holds; false if it never did.
bool WaitFor(const std::function<bool()>& done);

}  // namespace kestra::test
