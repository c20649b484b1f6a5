#include "test_support.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace mediagen::testing {

// mkdtemp gives a unique, private folder even when tests run in parallel.
TempDir::TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "mediagen-test-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
}

// Removes the folder and everything the test wrote.
TempDir::~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

// Reads the file in binary.
Bytes read_file(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Two bytes, low first (BMP and WAV headers).
std::uint32_t le16(const Bytes& b, std::size_t at) { return b.at(at) | (b.at(at + 1) << 8); }

// Four bytes, low first.
std::uint32_t le32(const Bytes& b, std::size_t at) { return le16(b, at) | (le16(b, at + 2) << 16); }

// Two bytes, high first (MIDI headers).
std::uint32_t be16(const Bytes& b, std::size_t at) { return (b.at(at) << 8) | b.at(at + 1); }

// Four bytes, high first.
std::uint32_t be32(const Bytes& b, std::size_t at) { return (be16(b, at) << 16) | be16(b, at + 2); }

}  // namespace mediagen::testing
