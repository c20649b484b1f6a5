#pragma once
// What the battle tests share: their common headers, the loaders' refusals,
// and the titled technique cases run on the six seated cards.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <climits>
#include <string>
#include <utility>
#include <vector>

#include "battle/technique.h"
#include "support/duel_fixture.h"
#include "support/technique_fixture.h"

namespace kestra::test {

// Every bad table refused with an error and nothing kept; the good one loads. load(text) returns
// a load with .error and the list named by the member pointer.
template <typename Load, typename List, typename Fn>
void ExpectRefused(Fn load, List Load::*kept, const std::string& head, const std::vector<std::string>& bad,
                   const std::string& good) {
    for (const std::string& rows : bad) {
        const Load l = load(head + rows);
        EXPECT_NE(l.error, "") << rows;
        EXPECT_TRUE((l.*kept).empty()) << rows;
    }
    EXPECT_EQ(load(head + good).error, "");
}

// A technique run on SeatSix after the setup: figures, cues and every line after the title, and,
// when given, the four icons (my_icon1, my_icon2, e_icon1, e_icon2) and the names of slots 1.. after.
struct TitledCase {
    const char* what;
    TechniqueFn run;
    void (*setup)(DuelRecord&);  // or nullptr
    std::vector<After> after;
    std::vector<std::string> cues, lines;
    std::vector<int32_t> icons{};
    std::vector<std::string> names{};
};

// Runs the cases one by one with the title, its click and every line with its click.
inline void RunTitledCases(const std::vector<TitledCase>& cases) {
    for (const TitledCase& c : cases) {
        SCOPED_TRACE(c.what);
        DuelSide s;
        SeatSix(s.d);
        if (c.setup) c.setup(s.d);
        c.run(s.ctx);
        ExpectTitledRun(s, c.after, c.cues, c.lines);
        if (::testing::Test::HasFatalFailure()) return;
        if (!c.icons.empty()) {
            EXPECT_EQ(c.icons, (std::vector<int32_t>{s.d.my_icon1, s.d.my_icon2, s.d.e_icon1, s.d.e_icon2}));
        }
        for (size_t i = 0; i < c.names.size(); ++i) EXPECT_EQ(s.d.chara[i + 1].name, c.names[i]) << "slot " << i + 1;
    }
}

}  // namespace kestra::test
