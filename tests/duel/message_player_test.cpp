#include "duel/message_player.h"

#include <gtest/gtest.h>

#include "duel/flash.h"
#include "support/duel_fixture.h"

namespace kestra {
namespace {

using test::DuelSide;

TEST(MessagePlayer, PauseStates) {
    DuelSide s;
    EXPECT_EQ(s.msg.pause(), MessagePlayer::kReleased);
    s.msg.ShowMessage("一");
    s.msg.WaitClick();
    EXPECT_EQ(s.screen.clicks, 1);
    EXPECT_EQ(s.msg.pause(), MessagePlayer::kReleased);
    s.msg.SwitchOff();
    s.msg.ShowMessage("二");
    s.msg.AddMessage("三");
    s.msg.WaitClick();
    EXPECT_EQ(s.screen.clicks, 1);
    EXPECT_EQ(s.screen.message, "一");
    s.msg.Click();
    s.msg.AddMessage("四");
    EXPECT_EQ(s.screen.message, "一\n四");
    DuelSide hidden;  // no pause while the window is hidden
    hidden.screen.visible = false;
    hidden.msg.WaitClick();
    EXPECT_EQ(hidden.screen.clicks, 0);
    EXPECT_EQ(hidden.msg.pause(), MessagePlayer::kReleased);
}

// The opponent's icon 67 blinds this side's message area, unless it wears icon 87.
TEST(MessagePlayer, BlindingIcon) {
    struct Case { int32_t e_icon, my_icon; const char* shown; };
    for (const Case c : {Case{67, -1, "????????"}, Case{67, 87, "攻撃"}, Case{-1, 67, "攻撃"}, Case{68, -1, "攻撃"}}) {
        DuelSide s;
        s.d.e_icon2 = c.e_icon;
        s.d.my_icon1 = c.my_icon;
        s.msg.ShowMessage("攻撃");
        EXPECT_EQ(s.screen.message, c.shown);
        s.msg.AddMessage("攻撃");
        EXPECT_EQ(s.screen.transcript.back(), std::string("add: ") + c.shown);
    }
}

TEST(Flash, DeadSlotsAndColours) {
    // The colour values are BGR as the window paints them; only some colours show on a dead slot.
    struct Case { FlashColour colour; uint32_t value; bool shows_on_dead; };
    const Case cases[] = {{FlashColour::Red, 0x0000FF, true},    {FlashColour::Yellow, 0x00FFFF, true},
                          {FlashColour::Blue, 0xFF0000, false},  {FlashColour::Aqua, 0xFFFF00, false},
                          {FlashColour::Lime, 0x00FF00, true},   {FlashColour::Purple, 0x800080, false},
                          {FlashColour::Black, 0x000000, false}, {FlashColour::Green, 0x008000, false},
                          {FlashColour::White, 0xFFFFFF, true},  {FlashColour::Fuchsia, 0xFF00FF, true}};
    for (const Case& c : cases) {
        EXPECT_EQ(FlashColourValue(c.colour), c.value);
        DuelSide s;
        s.d.chara[5].name = "死亡", s.d.chara[2].name = "生";
        for (const int32_t slot : {5, 2, 7}) Flash(s.ctx, c.colour, slot);  // 7: no such slot
        const std::string line = "flash " + std::string(FlashColourName(c.colour));
        const std::vector<std::string> alive{line + " 2"}, both{line + " 5", line + " 2"};
        EXPECT_EQ(s.screen.Lines("flash"), c.shows_on_dead ? both : alive);
    }
}

}  // namespace
}  // namespace kestra
