// The check code: the same on the applicant's, the receiver's and a viewer's program, and moved by
// any one change of the shared state.
#include "duel/check_code.h"

#include <gtest/gtest.h>

#include <functional>

#include "support/duel_fixture.h"

namespace kestra {
namespace {

// A mid-duel record as the applicant's program holds it.
DuelRecord ApplicantRecord() {
    DuelRecord d;
    for (size_t s = 1; s <= 6; ++s) {
        d.chara[s] = test::Card(static_cast<int32_t>(10 * s + 3), static_cast<int32_t>(s % 4), 0);
        d.chara[s].status1 = s == 2 ? 3 : 0;
    }
    d.my_icon1 = 5, d.my_icon2 = -1, d.e_icon1 = 24, d.e_icon2 = 9;
    d.turn = 7;
    d.battle_type = 12;
    d.duel_role = kApplicant;
    return d;
}

// The same duel seen by the receiver: its own cards in 1..3, the icons swapped with them.
DuelRecord ReceiverRecord(const DuelRecord& a) {
    DuelRecord b = a;
    for (size_t s = 1; s <= 3; ++s) std::swap(b.chara[s], b.chara[s + 3]);
    b.my_icon1 = a.e_icon1, b.my_icon2 = a.e_icon2, b.e_icon1 = a.my_icon1, b.e_icon2 = a.my_icon2;
    b.duel_role = kReceiver;
    return b;
}

TEST(CheckCode, BothProgramsAndAViewerReadTheSameFourCharacters) {
    const DuelRecord a = ApplicantRecord();
    DuelRecord viewer = a;
    viewer.look_mode = 1;
    viewer.duel_role = kApplicant;
    const std::string code = CheckCode(a);
    ASSERT_EQ(code.size(), 4u);
    for (const char c : code) EXPECT_NE(kCheckAlphabet.find(c), std::string_view::npos) << code;
    EXPECT_EQ((std::array{CheckCode(ReceiverRecord(a)), CheckCode(viewer), CheckCode(a)}), (std::array{code, code, code}));
    EXPECT_EQ(code, "8PT4");  // pinned: both programs of every build must keep computing it alike
    EXPECT_EQ(CheckCodeLabel(code), "照合：8PT4");
}

TEST(CheckCode, EveryOneStepChangeOfTheSharedStateMovesIt) {
    struct Case { const char* name; std::function<void(DuelRecord&)> change; };
    const Case cases[] = {
        {"one HP more on the applicant's first card", [](DuelRecord& d) { ++d.chara[1].hp; }},
        {"one HP less on the receiver's third card", [](DuelRecord& d) { --d.chara[6].hp; }},
        {"one MP more", [](DuelRecord& d) { ++d.chara[4].mp; }},
        {"a status", [](DuelRecord& d) { d.chara[5].status2 = 1; }},
        {"a death", [](DuelRecord& d) { d.chara[3].name = std::string(kDeadName); }},
        {"an element", [](DuelRecord& d) { d.chara[2].element = (d.chara[2].element + 1) % 5; }},
        {"a level", [](DuelRecord& d) { ++d.chara[2].lv; }},
        {"an icon", [](DuelRecord& d) { d.e_icon2 = -1; }},
        {"the turn", [](DuelRecord& d) { ++d.turn; }},
        {"the battle type", [](DuelRecord& d) { d.battle_type = 0; }},
        {"two cards swapped", [](DuelRecord& d) { std::swap(d.chara[1], d.chara[2]); }},
        {"the sides swapped", [](DuelRecord& d) { d = ReceiverRecord(d), d.duel_role = kApplicant; }},
    };
    const std::string before = CheckCode(ApplicantRecord());
    for (const Case& c : cases) {
        DuelRecord d = ApplicantRecord();
        c.change(d);
        EXPECT_NE(CheckCode(d), before) << c.name;
    }
}

}  // namespace
}  // namespace kestra
