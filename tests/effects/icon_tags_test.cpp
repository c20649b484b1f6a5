#include "effects/icon_tags.h"

#include <gtest/gtest.h>

#include <tuple>

#include "duel/tchar.h"
#include "support/duel_fixture.h"

namespace kestra {
namespace {

TEST(IconTags, ParsesTheForms) {
    const auto t = ParseIconTag("open:ally:elem=3:hp=+6:lv=+1");
    ASSERT_TRUE(t);
    EXPECT_EQ(std::tuple(t->trigger, t->side, t->filter, t->filter_value),
              std::tuple(TagTrigger::Open, TagSide::Ally, TagFilter::Element, 3));
    ASSERT_EQ(t->changes.size(), 2u);
    EXPECT_EQ(std::tuple(t->changes[0].field, t->changes[0].amount, t->changes[1].amount), std::tuple(TagField::Hp, 6, 1));
    const auto u = ParseIconTag("turn:foe:slot=2:mp=-3:status1=7");
    ASSERT_TRUE(u);
    EXPECT_EQ(std::tuple(u->changes[0].amount, u->changes[1].field), std::tuple(-3, TagField::Status1));
}

TEST(IconTags, RefusesWhatTheGrammarForbids) {
    for (const char* bad : {"", "named", "summon", "open", "open:ally:any", "close:ally:any:hp=+1",
                            "open:self:any:hp=+1", "open:ally:elem=5:hp=+1", "open:ally:class=20:hp=+1",
                            "open:ally:slot=0:hp=+1", "open:ally:any:hp=1", "open:ally:any:hp=+0",
                            "open:ally:any:hp=+100", "open:ally:any:status1=21", "open:ally:any:status2=0",
                            "open:ally:any:hp=+1:hp=+2", "open:ally:any:hp=+1:", "open:ally:any:xp=+1"})
        EXPECT_FALSE(ParseIconTag(bad)) << bad;
}

// Every generic icon's tag parses, and its description states each change it makes
// (the few secret icons that have no description keep their secret).
TEST(IconTags, EveryCatalogueTagParsesAndIsDescribed) {
    const Catalogue& cat = test::GameCatalogue();
    int generic = 0;
    for (int32_t n = 0; n < kListedIcons; ++n) {
        const ticon& icon = cat.icon[static_cast<size_t>(n)];
        if (icon.effect.empty() || icon.effect == "named" || icon.effect == "summon") continue;
        ++generic;
        const auto tag = ParseIconTag(icon.effect);
        ASSERT_TRUE(tag) << n << " " << icon.effect;
        if (icon.description.empty()) continue;
        EXPECT_NE(icon.description.find(tag->trigger == TagTrigger::Open ? "戦闘開始時" : "自ターン開始時"),
                  std::string::npos)
            << n;
        for (const TagChange& c : tag->changes) {
            std::string words;
            switch (c.field) {
                case TagField::Hp: words = "HP"; break;
                case TagField::Mp: words = "MP"; break;
                case TagField::Lv: words = "LV"; break;
                case TagField::Status1: words = std::string(Status1Text(c.amount)); break;
                case TagField::Status2: words = std::string(Status2Text(c.amount)); break;
            }
            if (c.field == TagField::Hp || c.field == TagField::Mp || c.field == TagField::Lv)
                words += (c.amount > 0 ? "+" : "-") + std::to_string(c.amount > 0 ? c.amount : -c.amount);
            EXPECT_NE(icon.description.find(words), std::string::npos) << n << " " << icon.description << " lacks " << words;
        }
    }
    EXPECT_GE(generic, 80);
}

}  // namespace
}  // namespace kestra
