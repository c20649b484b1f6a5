#include "support/temp_folder.h"

#include <fstream>
#include <random>
#include <sstream>

namespace kestra::test {

TempFolder::TempFolder() {
    std::random_device rd;
    path_ = std::filesystem::temp_directory_path() / ("kestra-test-" + std::to_string(rd()) + std::to_string(rd()));
    std::filesystem::create_directories(path_);
}

TempFolder::~TempFolder() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

GameFolder TempFolder::Game() const {
    GameFolder g{path_};
    std::filesystem::create_directories(g.dat());
    for (const char* f : {"card.dat", "icon.dat", "name.dat"})
        std::filesystem::copy_file(BuiltGame().dat() / f, g.dat() / f,
                                   std::filesystem::copy_options::overwrite_existing);
    return g;
}

std::string ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

void WriteBytes(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

GameFolder BuiltGame() { return GameFolder{KESTRA_TEST_GAME_DIR}; }

}  // namespace kestra::test
