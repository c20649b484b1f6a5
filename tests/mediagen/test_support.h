// Helpers shared by the media generator tests: scratch folders and byte readers.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>

#include "bytes.h"

namespace mediagen::testing {

// A fresh folder under the system temp directory (mkdtemp: unique even when tests run in parallel),
// removed with everything the test wrote when the test ends.
class TempDir {
  public:
    TempDir() {
        std::string pattern = (std::filesystem::temp_directory_path() / "mediagen-test-XXXXXX").string();
        if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
        path_ = pattern;
    }
    ~TempDir() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& path() const { return path_; }

  private:
    std::filesystem::path path_;
};

// Whole file as bytes (empty if missing).
inline Bytes read_file(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Little-endian readers at a byte offset (BMP and WAV headers) and big-endian ones (MIDI and PNG).
inline std::uint32_t le16(const Bytes& b, std::size_t at) { return b.at(at) | (b.at(at + 1) << 8); }
inline std::uint32_t le32(const Bytes& b, std::size_t at) { return le16(b, at) | (le16(b, at + 2) << 16); }
inline std::uint32_t be16(const Bytes& b, std::size_t at) { return (b.at(at) << 8) | b.at(at + 1); }
inline std::uint32_t be32(const Bytes& b, std::size_t at) { return (be16(b, at) << 16) | be16(b, at + 2); }

}  // namespace mediagen::testing
