#pragma once
// A scratch game folder per test, removed afterwards.
#include <filesystem>
#include <string>

#include "player/game_folder.h"

namespace kestra::test {

class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // A game folder here, with dat/ created and the shipped data files copied in.
    GameFolder Game() const;

private:
    std::filesystem::path path_;
};

// Whole file as bytes ("" when missing).
std::string ReadBytes(const std::filesystem::path& path);
// Replace a file's bytes.
void WriteBytes(const std::filesystem::path& path, const std::string& bytes);
// The game folder the build assembled.
GameFolder BuiltGame();

}  // namespace kestra::test
