// Worn icons by name, per side: icon 0 is a real icon, -1 and numbers past the table are none.
#include "duel/side_rules.h"

#include <gtest/gtest.h>

#include "support/technique_fixture.h"

namespace kestra {
namespace {

TEST(SideRules, WornIconsCountedByName) {
    const Catalogue& cat = test::GameCatalogue();
    const std::string first = cat.icon[0].name, other = cat.icon[1].name;
    struct Case { const char* what; std::array<int32_t, 4> icons; int32_t slot; std::string name; int32_t count; };
    const Case cases[] = {
        {"icon 0 once", {0, -1, -1, -1}, 1, first, 1},
        {"icon 0 twice", {0, 0, -1, -1}, 3, first, 2},
        {"the other side's icons", {0, 0, 1, -1}, 4, other, 1},
        {"not this side's", {-1, -1, 0, 0}, 2, first, 0},
        {"past the table", {kIconRows, -1, -1, -1}, 1, "", 0},
        {"an empty name matches nothing", {-1, -1, -1, -1}, 1, "", 0},
    };
    for (const Case& c : cases) {
        DuelRecord d;
        test::Wear(d, c.icons);
        EXPECT_EQ(SideWearsNamedCount(d, cat, c.slot, c.name), c.count) << c.what;
        EXPECT_EQ(SideWearsNamed(d, cat, c.slot, c.name), c.count > 0) << c.what;
    }
}

}  // namespace
}  // namespace kestra
