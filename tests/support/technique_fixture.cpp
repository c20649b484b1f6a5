#include "support/technique_fixture.h"

#include <gtest/gtest.h>

#include <string_view>
#include <utility>

#include "duel/mirror_check.h"

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

tchar BusyCard(const BusyRow& r, int32_t waza) {
    tchar c = Card(r.card, r.lv, waza);
    c.hp = r.hp;
    c.mp = r.mp;
    c.status1 = r.status1;
    c.status2 = r.status2;
    return c;
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

DuelRecord Mirrored(const DuelRecord& d) {
    DuelRecord m = d;
    for (size_t i = 1; i <= 3; ++i) std::swap(m.chara[i], m.chara[i + 3]);
    std::swap(m.my_icon1, m.e_icon1);
    std::swap(m.my_icon2, m.e_icon2);
    m.atk_no = MirrorSlot(d.atk_no);
    m.tgt_no = MirrorSlot(d.tgt_no);
    return m;
}

BothTold RunOnBothPrograms(const DuelRecord& d, const std::function<void(DuelContext&)>& step) {
    DuelSide one, other;
    one.d = d;
    other.d = Mirrored(d);
    step(one.ctx);
    step(other.ctx);
    EXPECT_EQ(MirrorMismatch(one.d, other.d), "");
    return {one.screen.transcript, other.screen.transcript};
}

std::vector<std::string> MirroredFlashes(std::vector<std::string> transcript) {
    for (std::string& line : transcript)
        if (line.rfind("flash ", 0) == 0)
            line.back() = static_cast<char>('0' + MirrorSlot(line.back() - '0'));
    return transcript;
}

}  // namespace kestra::test
