#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <set>
#include <sstream>

#include "audio/sound_names.h"
#include "support/temp_folder.h"

namespace kestra {
namespace {

namespace fs = std::filesystem;

// Where a medium named in the code lives in the game folder.
fs::path Locate(const GameFolder& game, const std::string& name) {
    const std::string ext = name.substr(name.rfind('.') + 1);
    std::string rel = name;
    for (char& c : rel)
        if (c == '\\') c = '/';
    if (rel.find('/') != std::string::npos) return game.File(rel);
    return (ext == "wav" || ext == "mid") ? game.dat() / rel : game.cg() / rel;
}

// Every medium name written as a literal anywhere in the game's code.
std::set<std::string> NamesInCode() {
    const std::regex literal(R"re("((?:[\\/]?(?:cg|dat)[\\/])?[A-Za-z0-9_\-]+\.(?:wav|mid|bmp|jpg))")re");
    std::set<std::string> names;
    for (const char* dir : {"src", "tools/cli"}) {
        for (const auto& entry : fs::recursive_directory_iterator(fs::path(KESTRA_TEST_SOURCE_DIR) / dir)) {
            if (!entry.is_regular_file()) continue;
            std::ifstream in(entry.path());
            std::stringstream ss;
            ss << in.rdbuf();
            const std::string text = ss.str();
            for (std::sregex_iterator it(text.begin(), text.end(), literal), end; it != end; ++it)
                names.insert((*it)[1].str());
        }
    }
    return names;
}

TEST(Media, EveryNameInTheCodeExistsInTheGameFolder) {
    const GameFolder game = test::BuiltGame();
    const auto names = NamesInCode();
    EXPECT_GE(names.size(), 69u);
    for (const auto& name : names) EXPECT_TRUE(fs::exists(Locate(game, name))) << name;
}

TEST(Media, EveryCardPictureWaveAndPieceExists) {
    const GameFolder game = test::BuiltGame();
    for (int n = 0; n <= 326; ++n) EXPECT_TRUE(fs::exists(game.cg() / ("unit" + std::to_string(n) + ".bmp"))) << n;
    for (int k = 0; k < 46; ++k) EXPECT_TRUE(fs::exists(game.dat() / (std::to_string(k) + ".mid"))) << k;
    EXPECT_TRUE(fs::exists(game.dat() / std::string(kOpeningMusic)));
    for (const auto name : kWaveNames) EXPECT_GT(fs::file_size(game.dat() / std::string(name)), 44u) << name;
    for (const auto pic : kFixedPictures) EXPECT_TRUE(fs::exists(game.File(pic))) << pic;
}

}  // namespace
}  // namespace kestra
