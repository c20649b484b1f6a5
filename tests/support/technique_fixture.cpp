#include "support/technique_fixture.h"

#include <gtest/gtest.h>

#include <string_view>

namespace kestra::test {

int32_t IconNamed(const std::string& name) {
    for (int32_t n = 0; n < kListedIcons; ++n)
        if (GameCatalogue().icon[static_cast<size_t>(n)].name == name) return n;
    ADD_FAILURE() << name;
    return -1;
}

void SeatSix(DuelRecord& d) {
    const std::array<int32_t, 6> cards = {10, 11, 12, 13, 14, 16};
    for (size_t i = 1; i <= 6; ++i) {
        d.chara[i] = Card(cards[i - 1]);
        d.chara[i].hp = 5;
        d.chara[i].mp = 3;
    }
    d.atk_no = 1;
    d.tgt_no = 4;
    d.turn = 7;
}

void Kill(DuelRecord& d, size_t slot) { d.chara[slot].name = std::string(kDeadName); }

void Wear(DuelRecord& d, const std::array<int32_t, 4>& icons) {
    d.my_icon1 = icons[0];
    d.my_icon2 = icons[1];
    d.e_icon1 = icons[2];
    d.e_icon2 = icons[3];
}

void ExpectAfter(const DuelRecord& d, const std::vector<After>& after) {
    for (const After& a : after) {
        const tchar& card = d.chara[a.slot];
        EXPECT_EQ((After{a.slot, card.hp, card.mp, card.lv, card.status1, card.status2}), a)
            << "slot " << a.slot;
    }
}

void ExpectTitledRun(const DuelSide& s, const std::vector<After>& after, const std::vector<std::string>& cues,
                     const std::vector<std::string>& lines) {
    ASSERT_GE(s.screen.transcript.size(), 2u);
    EXPECT_EQ(s.screen.transcript[0].rfind("show: ＞", 0), 0u);
    EXPECT_EQ(s.screen.transcript[1], "click");
    ExpectAfter(s.d, after);
    EXPECT_EQ(s.screen.Cues(), cues);
    EXPECT_EQ(LinesAfterTitle(s.screen), lines);
    EXPECT_EQ(s.screen.clicks, static_cast<int>(lines.size()) + 1);
}

std::vector<std::string> LinesAfterTitle(const RecordingPresenter& screen) {
    std::vector<std::string> out = screen.Messages();
    if (!out.empty()) out.erase(out.begin());
    return out;
}

std::vector<std::string> Exchange(int32_t d, int32_t c) {
    return {std::to_string(d) + "ダメージ与えた！", "反撃＞ " + std::to_string(c) + "ダメージ食らった！"};
}

int32_t MirrorSlot(int32_t slot) { return slot <= 3 ? slot + 3 : slot - 3; }


}  // namespace kestra::test
