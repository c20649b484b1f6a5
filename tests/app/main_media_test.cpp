// What the main window loads besides the save: the title pictures through libjpeg, and the
// chat page the build puts beside the program.
#include <gtest/gtest.h>

#include "app/title_pictures.h"
#include "support/temp_folder.h"

namespace kestra::test {
namespace {

// The three shipped frames decode at the title picture's size, each a picture of its own.
TEST(TitlePictures, ShippedFramesDecode) {
    const TitlePictures pictures = LoadTitlePictures(BuiltGame());
    for (const QImage& frame : pictures.frames) {
        ASSERT_FALSE(frame.isNull());
        EXPECT_EQ(frame.size(), QSize(344, 120));
    }
    EXPECT_NE(pictures.frames[0], pictures.frames[1]);
    EXPECT_NE(pictures.frames[1], pictures.frames[2]);
    EXPECT_EQ(pictures.frames[0], DecodeJpeg(BuiltGame().cg() / "t10.jpg"));
    EXPECT_EQ(&pictures.ForFrame(4), &pictures.frames[1]);
    EXPECT_EQ(&pictures.ForFrame(402), &pictures.frames[0]);
}

// A missing, empty, foreign or cut-off file gives a blank picture instead of ending the program.
TEST(TitlePictures, BrokenFilesStayBlank) {
    TempFolder tmp;
    const std::string jpeg = ReadBytes(BuiltGame().cg() / "t1.jpg");
    const struct { const char* name; std::string bytes; } cases[] = {
        {"empty.jpg", ""},
        {"text.jpg", "これは写真ではありません"},
        {"bitmap.jpg", ReadBytes(BuiltGame().cg() / "unit1.bmp")},
        {"cut.jpg", jpeg.substr(0, 300)},
    };
    for (const auto& c : cases) {
        WriteBytes(tmp.path() / c.name, c.bytes);
        EXPECT_TRUE(DecodeJpeg(tmp.path() / c.name).isNull()) << c.name;
    }
    EXPECT_TRUE(DecodeJpeg(tmp.path() / "missing.jpg").isNull());
    EXPECT_TRUE(LoadTitlePictures(GameFolder{tmp.path()}).frames[2].isNull());
}

// The build copies the chat page into the game folder, UTF-8, with the incantations it explains.
TEST(ChatPage, ShippedBesideTheProgram) {
    const std::string page = ReadBytes(BuiltGame().root / "chat.html");
    ASSERT_FALSE(page.empty());
    EXPECT_NE(page.find("charset=\"UTF-8\""), std::string::npos);
    for (const char* words : {"さぁ聞こう、知の囁き！ver6.2t", "星降る天よ、我を誘え。ver6.2t", "風はやんだ", "戦士ナンバー",
                              "検証ＩＤ", "BATTLE NUMBER", "セットID"})
        EXPECT_NE(page.find(words), std::string::npos) << words;
}

}  // namespace
}  // namespace kestra::test
