// Helpers shared by the media generator tests: scratch folders and byte readers.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "bytes.h"

namespace mediagen::testing {

// A fresh folder under the system temp directory, removed when the test ends.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

// Whole file as bytes (empty if missing).
Bytes read_file(const std::filesystem::path& path);

// Little-endian and big-endian readers at a byte offset.
std::uint32_t le16(const Bytes& b, std::size_t at);
std::uint32_t le32(const Bytes& b, std::size_t at);
std::uint32_t be16(const Bytes& b, std::size_t at);
std::uint32_t be32(const Bytes& b, std::size_t at);

}  // namespace mediagen::testing
