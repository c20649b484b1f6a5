// The whole run: every listed file is written, and two runs give identical bytes.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <set>

#include "media_set.h"
#include "test_support.h"

namespace mediagen {
namespace {
using testing::read_file;
using testing::TempDir;

// The names the game opens are checked on the built game folder by the rules library's media tests.
TEST(FileList, HasEveryMediumOnceAndNothingElse) {
    const std::vector<std::string> list = media_file_list();
    const std::set<std::string> unique(list.begin(), list.end());
    EXPECT_EQ(unique.size(), list.size());
    EXPECT_EQ(list.size(), 327u + 4u + 3u + 69u + 47u + 1u);
    for (const std::string& p : list) EXPECT_TRUE(p.rfind("cg/", 0) == 0 || p.rfind("dat/", 0) == 0) << p;
}

// Every regular file below `root`, as relative paths with '/'.
std::set<std::string> files_under(const std::filesystem::path& root) {
    std::set<std::string> found;
    for (const auto& e : std::filesystem::recursive_directory_iterator(root))
        if (e.is_regular_file()) found.insert(std::filesystem::relative(e.path(), root).generic_string());
    return found;
}

TEST(WriteMedia, WritesExactlyTheListedFilesIdenticallyTwice) {
    TempDir first, second;
    const WriteReport a = write_media(first.path() / "game", default_tables());
    const WriteReport b = write_media(second.path() / "game", default_tables());
    const std::vector<std::string> list = media_file_list();
    EXPECT_EQ(a.files, static_cast<int>(list.size()));
    EXPECT_EQ(a.bytes, b.bytes);
    EXPECT_EQ(files_under(first.path() / "game"), std::set<std::string>(list.begin(), list.end()));
    for (const std::string& p : list) {
        const Bytes x = read_file(first.path() / "game" / p);
        EXPECT_FALSE(x.empty()) << p;
        EXPECT_EQ(x, read_file(second.path() / "game" / p)) << p << " differs between runs";
    }
}

TEST(WriteMedia, TablesReachThePictures) {
    TempDir plain, classed;
    ContentTables t = default_tables();
    t.card_class[3] = 17;
    write_media(plain.path(), default_tables());
    write_media(classed.path(), t);
    EXPECT_NE(read_file(plain.path() / "cg/unit3.bmp"), read_file(classed.path() / "cg/unit3.bmp"));
    EXPECT_EQ(read_file(plain.path() / "cg/unit4.bmp"), read_file(classed.path() / "cg/unit4.bmp"));
}

TEST(WriteMedia, FailsLoudlyWhenTheFolderCannotBeMade) {
    TempDir dir;
    std::ofstream(dir.path() / "blocker") << "a file, not a folder";
    EXPECT_ANY_THROW(write_media(dir.path() / "blocker", default_tables()));
}

}  // namespace
}  // namespace mediagen
