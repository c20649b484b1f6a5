// The summon beings of 召喚 (key 23, step 5): the table, each effect shape, the growth under
// 天才召喚士, and the order of rounds and beings.
#include "battle/summon_beings.h"

#include <filesystem>

#include "battle/fate_summon.h"
#include "player/cp932.h"
#include "support/battle_cases.h"
#include "support/temp_folder.h"

namespace kestra::test {
namespace {

// The compiled-in being that the icon of this name calls.
const SummonBeing& Being(const std::string& icon) {
    for (const SummonBeing& b : SummonBeings())
        if (b.icon == icon) return b;
    ADD_FAILURE() << icon;
    static const SummonBeing none;
    return none;
}

// The table loads whole: forty beings, each the being of a real summon icon, every summon icon of the
// catalogue listed, every picture drawn into the built game's cg/, every wave in its dat/.
TEST(SummonBeingsTable, EveryRowNamesARealIconAndItsMedia) {
    ASSERT_EQ(EmbeddedSummonBeings().error, "");
    ASSERT_EQ(SummonBeings().size(), 40u);
    const GameFolder game = BuiltGame();
    for (const SummonBeing& b : SummonBeings()) {
        SCOPED_TRACE(b.icon);
        const int32_t n = IconNamed(b.icon);
        ASSERT_GE(n, 0);
        EXPECT_EQ(GameCatalogue().icon[static_cast<size_t>(n)].effect, "summon");
        EXPECT_TRUE(std::filesystem::exists(game.File(b.picture))) << b.picture;
        EXPECT_GT(std::filesystem::file_size(game.dat() / b.sound), 44u) << b.sound;
        EXPECT_TRUE(Utf8ToCp932(b.being).has_value());
        EXPECT_NE(GameCatalogue().icon[static_cast<size_t>(n)].description.find(b.being), std::string::npos);
    }
    std::vector<std::string> tagged;
    for (const ticon& icon : GameCatalogue().icon)
        if (icon.effect == "summon") tagged.push_back(icon.name);
    EXPECT_EQ(tagged, SummonIconNames()) << "the list runs in icon-number order over every summon icon";
    const SummonBeing& last = SummonBeings().back();
    EXPECT_EQ(last.icon, "壁守りのノノ");
    EXPECT_EQ(last.lines, (std::vector<std::string>{"光の壁に包まれた！", "HPが {hp}回復した！"}));
}

// One bad row each: the loader names the line and keeps nothing.
TEST(SummonBeingsTable, MalformedRowsAreRefused) {
    const std::string head = "icon\tbeing\tpicture\tfigure\tshape\tamount\tgrown\tflash\tsound\tline\n";
    const std::string good = "ヤグモリ\tヤグモリ\tcg/a.bmp\tghost\tfoe:any\thp=-2\thp=-4\tred\tma2.wav\t{name}は{hp}\n";
    ASSERT_EQ(LoadSummonBeings(head + good).error, "");
    // clang-format off
    const std::pair<const char*, const char*> bads[] = {
        {"ヤ\tヤ\ta.bmp\tghost\tfoe:any\thp=-2\t-\tred\tma2.wav\tx", "picture must be cg/<name>.bmp"},
        {"ヤ\tヤ\tcg/b.bmp\tdragon\tfoe:any\thp=-2\t-\tred\tma2.wav\tx", "unknown figure"},
        {"ヤ\tヤ\tcg/b.bmp\tghost\tfriend:any\thp=-2\t-\tred\tma2.wav\tx", "unknown who \"friend\""},
        {"ヤ\tヤ\tcg/b.bmp\tghost\ttarget:elem=3\thp=-2\t-\tred\tma2.wav\tx", "self and target take the filter any"},
        {"ヤ\tヤ\tcg/b.bmp\tghost\tfoe:elem=5\thp=-2\t-\tred\tma2.wav\tx", "filter value out of range"},
        {"ヤ\tヤ\tcg/b.bmp\tghost\tfoe:any\thp=2\t-\tred\tma2.wav\tx", "amount: amount must be +1..+99 or -1..-99"},
        {"ヤ\tヤ\tcg/b.bmp\tghost\tfoe:any\tstatus1=21\t-\tred\tma2.wav\tx", "amount: status1 out of 1..20"},
        {"ヤ\tヤ\tcg/b.bmp\tghost\tfoe:any\thp=-2:hp=-1\t-\tred\tma2.wav\tx", "amount: field \"hp\" twice"},
        {"ヤ\tヤ\tcg/b.bmp\tghost\tfoe:any\thp=-2\tmp=-2\tred\tma2.wav\t{hp}", "line names {hp} that the being does not move"},
        {"ヤ\tヤ\tcg/b.bmp\tghost\tfoe:any\thp=-2\t-\tpink\tma2.wav\tx", "unknown flash \"pink\""},
        {"ヤ\tヤ\tcg/b.bmp\tghost\tfoe:any\thp=-2\t-\tred\tma2.mid\tx", "sound must be a .wav"},
        {"ヤ\tヤ\tcg/b.bmp\tghost\tfoe:any\thp=-2\t-\tred\tma2.wav\tx||y", "empty line"},
        {"ヤ\tヤ\tcg/b.bmp\tghost\tfoe:any\thp=-2\t-\tred\tma2.wav\t☃", "line not representable in CP932"},
        {"ヤグモリ\tヤ\tcg/b.bmp\tghost\tfoe:any\thp=-2\t-\tred\tma2.wav\tx", "icon or picture twice"},
    };
    // clang-format on
    for (const auto& [row, fault] : bads) {
        const SummonBeingLoad load = LoadSummonBeings(head + good + row + "\n");
        EXPECT_EQ(load.error, std::string("summon_beings.tsv line 3: ") + fault) << row;
        EXPECT_TRUE(load.beings.empty());
    }
}

// What one summon of one being shows and leaves.
struct ShapeCase {
    const char* what;
    const char* icon;
    void (*setup)(DuelRecord&);  // or nullptr
    std::vector<After> after;
    std::vector<std::string> cues;   // the summon sound, then the being's flashes and sounds
    std::vector<std::string> lines;  // every line after "召喚＞" + icon
};

// The attacker (slot 1) wears the icon and summons at slot 4; the title, the call, the picture shown
// and hidden, the figures, cues and lines are checked.
void RunShape(const ShapeCase& c) {
    SCOPED_TRACE(c.what);
    DuelSide s;
    SeatSix(s.d);
    s.d.my_icon1 = IconNamed(c.icon);
    if (c.setup) c.setup(s.d);
    Summon(s.ctx);
    const std::vector<std::string>& t = s.screen.transcript;
    ASSERT_GE(t.size(), 6u);
    EXPECT_EQ((std::vector<std::string>{t[0], t[2], t[3], t[4], t[5], t.back()}),
              (std::vector<std::string>{"show: ＞召喚", "se2: syoukan.wav", "show: 召喚＞" + std::string(c.icon),
                                        "summon: " + Being(c.icon).picture, "click", "summon hidden"}));
    ExpectAfter(s.d, c.after);
    EXPECT_EQ(s.screen.Cues(), c.cues);
    std::vector<std::string> lines = s.screen.Messages();
    lines.erase(lines.begin(), lines.begin() + 2);
    EXPECT_EQ(lines, c.lines);
    EXPECT_EQ(s.screen.clicks, static_cast<int>(c.lines.size()) + 2);
}

// clang-format off
TEST(SummonBeingShapes, EachShapeWithItsFiguresLinesAndCues) {
    const ShapeCase cases[] = {
        {"a blow to the target", "ガルメキ", nullptr, {{4, 1, 3, 0, 0, 0}}, {"se2: syoukan.wav", "flash red 4", "se3: do.wav"}, {"鍛冶場の親方に 4ダメージ与えた！"}},
        {"a blow stops at 0 HP", "ガルメキ", [](DuelRecord& d) { d.chara[4].hp = 3; }, {{4, 0, 3, 0, 0, 0}}, {"se2: syoukan.wav", "flash red 4", "se3: do.wav"}, {"鍛冶場の親方に 4ダメージ与えた！"}},
        {"a fallen target", "ガルメキ", [](DuelRecord& d) { Kill(d, 4); }, {}, {"se2: syoukan.wav"}, {"効果が無かった...."}},
        {"a side-wide heal skips the dead", "ポロンチ", [](DuelRecord& d) { Kill(d, 2); }, {{1, 7, 3, 0, 0, 0}, {3, 7, 3, 0, 0, 0}, {4, 5, 3, 0, 0, 0}},
         {"se2: syoukan.wav", "flash blue 1", "se3: kaifuku.wav", "flash blue 3", "se3: kaifuku.wav"}, {"旅の行商人は歌に癒され、HPが 2回復した！", "夜鳴き梟は歌に癒され、HPが 2回復した！"}},
        {"a status on the other side", "苔むし大蛇", nullptr, {{4, 5, 3, 0, 1, 0}, {5, 5, 3, 0, 1, 0}, {6, 5, 3, 0, 1, 0}, {1, 5, 3, 0, 0, 0}},
         {"se2: syoukan.wav", "flash green 4", "se3: down.wav", "flash green 5", "se3: down.wav", "flash green 6", "se3: down.wav"}, {"鍛冶場の親方は苔の毒を浴び、<毒>状態になった！", "雨乞いの巫女は苔の毒を浴び、<毒>状態になった！", "白鷺の射手は苔の毒を浴び、<毒>状態になった！"}},
        {"two figures at once", "ハサミ蟹", nullptr, {{4, 3, 1, 0, 0, 0}}, {"se2: syoukan.wav", "flash red 4", "se3: ken.wav"}, {"鍛冶場の親方は鋏に挟まれ、HPが 2、MPが 2減った！"}},
        {"LV down on the other side, not below 0", "重たい象亀", [](DuelRecord& d) { d.chara[5].lv = 3; }, {{4, 5, 3, 0, 0, 0}, {5, 5, 3, 2, 0, 0}},
         {"se2: syoukan.wav", "flash white 4", "se3: down.wav", "flash white 5", "se3: down.wav", "flash white 6", "se3: down.wav"}, {"鍛冶場の親方は甲羅に押され、LVが 1下がった！", "雨乞いの巫女は甲羅に押され、LVが 1下がった！", "白鷺の射手は甲羅に押され、LVが 1下がった！"}},
        {"one element of the other side", "潮吹き鯨", nullptr, {{4, 1, 3, 0, 0, 0}, {5, 5, 3, 0, 0, 0}}, {"se2: syoukan.wav", "flash aqua 4", "se3: awa.wav"}, {"鍛冶場の親方は潮を浴び、HPが 4減った！"}},
        {"no card of that element", "影喰らい", [](DuelRecord& d) { Kill(d, 6); }, {}, {"se2: syoukan.wav"}, {"何も起きなかった..."}},
        {"the other side's first card", "鉄の羽蟻", [](DuelRecord& d) { d.tgt_no = 6; }, {{4, 2, 3, 0, 0, 0}, {6, 5, 3, 0, 0, 0}}, {"se2: syoukan.wav", "flash red 4", "se3: ken.wav"}, {"鍛冶場の親方は羽蟻に噛まれ、HPが 3減った！"}},
        {"a shield: <盾> and 1 HP", "壁守りのノノ", nullptr, {{1, 6, 3, 0, 0, 3}}, {"se2: syoukan.wav", "flash white 1", "se3: baria.wav"}, {"光の壁に包まれた！", "HPが 1回復した！"}},
        {"a good status replaces the old one", "硝子の亀", [](DuelRecord& d) { d.chara[1].status2 = 2; }, {{1, 5, 3, 0, 0, 13}}, {"se2: syoukan.wav", "flash white 1", "se3: baria.wav"}, {"旅の行商人は硝子の甲羅に守られ、<ﾊﾞﾘｱ>状態になった！"}},
    };
    for (const ShapeCase& c : cases) RunShape(c);
}
// clang-format on

// 天才召喚士 worn by either side grows the beings that grow; the others stay as they are.
TEST(SummonBeingShapes, GeniusSummonerGrowsSomeBeings) {
    struct Row {
        const char* icon;
        int32_t genius_slot;  // 2 my_icon2, 3 e_icon1 (without it: the shapes test's rows)
        size_t slot;
        int32_t hp, mp;
        const char* line;
    };
    // clang-format off
    const Row rows[] = {
        {"ガルメキ", 2, 4, 0, 3, "鍛冶場の親方に 8ダメージ与えた！"}, {"ガルメキ", 3, 4, 0, 3, "鍛冶場の親方に 8ダメージ与えた！"},
        {"壁守りのノノ", 3, 1, 11, 3, "HPが 6回復した！"},
        {"泉のムジナ", 2, 1, 8, 6, "旅の行商人は泉の水を飲み、HPが 3、MPが 3回復した！"},
        {"アワユラ", 2, 1, 5, 7, "旅の行商人は泡に包まれ、MPが 4上がった！"},
    };
    // clang-format on
    const int32_t genius = IconNamed("天才召喚士");
    for (const Row& r : rows) {
        SCOPED_TRACE(std::string(r.icon) + " genius " + std::to_string(r.genius_slot));
        DuelSide s;
        SeatSix(s.d);
        s.d.my_icon1 = IconNamed(r.icon);
        if (r.genius_slot == 2) s.d.my_icon2 = genius;
        if (r.genius_slot == 3) s.d.e_icon1 = genius;
        Summon(s.ctx);
        EXPECT_EQ((std::array{s.d.chara[r.slot].hp, s.d.chara[r.slot].mp}), (std::array{r.hp, r.mp}));
        EXPECT_TRUE(s.screen.Has("add: " + std::string(r.line)));
    }
}

// Each round calls the worn beings in list order, whatever slot holds them; an icon worn twice comes
// once a round; the summoner girl's MP comes after the last round.
TEST(SummonBeingOrder, RoundsTimesBeingsInListOrder) {
    struct Row { std::array<const char*, 2> worn; int32_t waza; std::vector<std::string> calls; };
    const Row rows[] = {
        {{"ポロンチ", "ヤグモリ"}, 0, {"ヤグモリ", "ポロンチ"}},
        {{"ポロンチ", "ヤグモリ"}, 30, {"ヤグモリ", "ポロンチ", "ヤグモリ", "ポロンチ"}},
        {{"壁守りのノノ", "壁守りのノノ"}, 30, {"壁守りのノノ", "壁守りのノノ"}},
        {{"サマナー", "鉄の羽蟻"}, 30, {"鉄の羽蟻", "鉄の羽蟻", "鉄の羽蟻"}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(std::string(r.worn[0]) + "+" + r.worn[1] + " waza " + std::to_string(r.waza));
        DuelSide s;
        SeatSix(s.d);
        s.d.chara[1].waza = r.waza, s.d.my_icon1 = IconNamed(r.worn[0]), s.d.my_icon2 = IconNamed(r.worn[1]);
        Summon(s.ctx);
        std::vector<std::string> calls;
        for (const std::string& line : s.screen.Lines("show: 召喚＞")) calls.push_back(line.substr(15));
        EXPECT_EQ(calls, r.calls);
        EXPECT_EQ(s.screen.Lines("summon: ").size(), r.calls.size());
        EXPECT_EQ(s.screen.Lines("summon hidden").size(), r.calls.size());
        EXPECT_FALSE(s.screen.Has("add: 何も現れなかった...."));
    }
}

}  // namespace
}  // namespace kestra::test
