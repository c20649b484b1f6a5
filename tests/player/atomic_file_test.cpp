#include "player/atomic_file.h"

#include <gtest/gtest.h>

#include "support/temp_folder.h"

namespace kestra {
namespace {

// The whole file is replaced; a missing folder is reported, not created.
TEST(AtomicFile, ReplacesTheWholeFile) {
    test::TempFolder tmp;
    const auto target = tmp.path() / "my.dat";
    test::WriteBytes(target, "old old old old");
    EXPECT_TRUE(WriteFileAtomically(target, "new").ok);
    EXPECT_EQ(test::ReadBytes(target), "new");
    EXPECT_FALSE(std::filesystem::exists(tmp.path() / "my.dat.tmp"));
    const WriteResult r = WriteFileAtomically(tmp.path() / "nope" / "my.dat", "x");
    EXPECT_TRUE(!r.ok && !r.message.empty());
    EXPECT_FALSE(std::filesystem::exists(tmp.path() / "nope"));
}

// Any failure keeps the previous file byte for byte and leaves no temporary behind.
TEST(AtomicFile, InjectedFailuresKeepThePreviousFile) {
    struct Case { const char* name; WriteFaults faults; };
    const Case cases[] = {{"nothing written", {0, false, false}}, {"disk full halfway", {5, false, false}},
                          {"sync fails", {-1, true, false}},       {"rename fails", {-1, false, true}}};
    for (const Case& c : cases) {
        test::TempFolder tmp;
        const auto target = tmp.path() / "my.dat";
        const std::string before = "1\r\n2\r\n3\r\n";
        test::WriteBytes(target, before);
        const WriteResult r = WriteFileAtomically(target, "9\r\n9\r\n9\r\n9\r\n", c.faults);
        EXPECT_FALSE(r.ok) << c.name;
        EXPECT_NE(r.message.find("my.dat"), std::string::npos) << c.name;
        EXPECT_EQ(test::ReadBytes(target), before) << c.name;
        EXPECT_FALSE(std::filesystem::exists(tmp.path() / "my.dat.tmp")) << c.name;
    }
}

}  // namespace
}  // namespace kestra
