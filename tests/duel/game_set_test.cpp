#include "duel/game_set.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <map>

#include "support/duel_fixture.h"
#include "support/temp_folder.h"

namespace kestra {
namespace {

using namespace stake_rules;
using test::DuelSide;

// A card as it stands at the game set: played from catalogue number c, with technique t.
tchar Played(int32_t c, int32_t t = 0) {
    tchar card = test::Card(c, 0, t);
    card.orig_no = c;
    return card;
}

std::string Name(int32_t c) { return test::GameCatalogue().card[static_cast<size_t>(c)].name; }
std::string IconNamed(int32_t i) { return test::GameCatalogue().icon[static_cast<size_t>(i)].name; }

// A seed whose first two Random(9) draws (the icon-break draws) are zero or not, as asked.
uint64_t BreakSeed(bool first, bool second) {
    for (uint64_t s = 1;; ++s) {
        Rng r(s);
        const bool a = r.Random(9) == 0, b = r.Random(9) == 0;
        if (a == first && b == second) return s;
    }
}

// This side drew deck slots 2, 5 and 7 and fights 71, 73, 234 against 279, 311, 315.
void Fight(DuelSide& s) {
    s.my.deck = {0, 1, -1, 3, 4, -1, 6, -1, 8, 9};
    s.d.chara = {tchar{}, Played(71, 11), Played(73, 12), Played(234), Played(279, 12), Played(311), Played(315)};
    s.my.card_magic[71] = 11, s.my.card_magic[73] = 12;
    s.d.my_icon1 = s.my.icon_slot1 = 1;
    s.d.my_icon2 = s.my.icon_slot2 = 10;
    s.d.e_icon1 = 20, s.d.e_icon2 = 30;
}

// A side that has fought that duel, its chance drawn from the seed.
struct Fought : DuelSide {
    explicit Fought(uint64_t seed = BreakSeed(false, false)) : DuelSide(seed) { Fight(*this); }
};

// Position of a transcript line, or the transcript's size when it is missing.
size_t At(const DuelSide& s, const std::string& line) {
    const auto& t = s.screen.transcript;
    return static_cast<size_t>(std::find(t.begin(), t.end(), line) - t.begin());
}

const SavePlayer kNoSave = [](tmy&) { return SaveOutcome{}; };

TEST(GameSetAnnouncement, PlayingAndViewModeThenTheGameSet) {
    struct Case { bool view, beaten; std::vector<std::string> opening; };
    const Case cases[] = {
        {false, true, {"show: あなたは全滅しました！！！", "click"}},
        {false, false, {"show: 対戦相手は全滅しました！！！", "click"}},
        {true, true, {"show: 申込側は全滅しました！！！", "add: 受け側が勝ちました！！！", "click"}},
        {true, false, {"show: 受け側は全滅しました！！！", "add: 申し込み側が勝ちました！！！", "click"}},
    };
    for (const Case& c : cases) {
        Fought s(1);
        s.d.look_mode = c.view;
        const tmy before = s.my;
        int saves = 0;
        const auto result = RunGameSet(s.ctx, {c.beaten, false}, [&](tmy&) { ++saves; return SaveOutcome{}; });
        const auto& t = s.screen.transcript;
        EXPECT_EQ(std::vector<std::string>(t.begin(), t.begin() + static_cast<long>(c.opening.size())), c.opening);
        EXPECT_EQ(std::vector<std::string>(t.end() - 4, t.end()),
                  (std::vector<std::string>{"se0: turn2.wav", "show: ―――――――", "add: ＜＜＜ゲームセット！＞＞＞", "click"}));
        EXPECT_EQ(result.won, !c.beaten);
        EXPECT_EQ(saves, c.view ? 0 : 1);
        EXPECT_EQ(s.my.duels, before.duels + (c.view ? 0 : 1));
        EXPECT_EQ(s.my == before, c.view);
    }
}

TEST(GameSetLoss, PurseStreaksMeritAndKindStreak) {
    struct Case { bool both, counted; int32_t money, merit, kind, want_money, want_merit, want_counter, want_kind, want_losses; };
    const Case cases[] = {
        {false, false, 5, 10, 3, 4, 11, 1, -1, 1},
        {false, false, 0, 10, -2, 0, 11, 1, -3, 1},  // money 0 stays 0
        {true, false, 5, 10, 3, 4, 10, 0, 3, 1},     // double wipe-out: only purse and streak
        {false, true, 5, 9999, 0, 4, 9999, 1, -1, 0},  // merit capped; streak counted earlier
    };
    for (const Case& c : cases) {
        Fought s;
        s.my.money = c.money, s.my.merit = c.merit, s.my.win_streak = 4;
        s.session.kind_streak[0] = c.kind, s.session.streak_counted = c.counted;
        ApplyLoss(s.ctx, c.both);
        EXPECT_EQ((std::array{s.my.money, s.my.merit, s.session.loss_counter, s.session.kind_streak[0], s.my.loss_streak,
                              s.my.win_streak}),
                  (std::array{c.want_money, c.want_merit, c.want_counter, c.want_kind, c.want_losses, c.counted ? 4 : 0}));
    }
}

TEST(GameSetLoss, SuddenDeathLosesTheSlotsTheChanceDigitNames) {
    struct Case { int32_t luck, a, b; };
    // Slot 0 holds card 0, which is lost like any other card, with its technique.
    const auto card_at = [](int32_t k) { return k == 0 ? 0 : 240 + k; };
    for (const Case& c : {Case{0, 5, 0}, Case{4, 9, 4}, Case{5, 5, 0}, Case{9, 9, 4}}) {
        EXPECT_EQ(SuddenDeathSlots(c.luck), (std::array<int32_t, 2>{c.a, c.b}));
        Fought s;
        s.d.duel_kind = kSuddenDeath, s.d.luck = c.luck;
        for (int32_t k = 0; k < 10; ++k) s.my.deck[static_cast<size_t>(k)] = card_at(k);
        s.my.card_magic[static_cast<size_t>(card_at(c.a))] = 5;
        s.my.card_magic[static_cast<size_t>(card_at(c.b))] = 6;
        ApplyLoss(s.ctx, false);
        for (int32_t k = 0; k < 10; ++k) EXPECT_EQ(s.my.deck[static_cast<size_t>(k)], k == c.a || k == c.b ? -1 : card_at(k)) << c.luck;
        EXPECT_EQ(s.my.card_magic[static_cast<size_t>(card_at(c.a))], 0);
        EXPECT_EQ(s.my.card_magic[static_cast<size_t>(card_at(c.b))], 0);
        EXPECT_TRUE(s.screen.Has("show: 【" + Name(card_at(c.b)) + "】のカードが奪われてしまった！"));
        for (const int32_t t : {5, 6})
            EXPECT_TRUE(s.screen.Has("show: カードに付いていた術【" + test::GameCatalogue().magic[static_cast<size_t>(t)].name + "】が共に奪われた！"));
    }
}

// Card 0 and the last rows are real; -1 and the first number past a table are not.
TEST(GameSetWin, TechniquesAndNamesAtTheTableEdges) {
    struct Case { const char* what; int32_t card, waza, carried, want_carried, want_stock; };
    for (const Case& c : {Case{"card 0 takes it", 0, 5, 0, 5, 0}, Case{"card 0 already carries one", 0, 5, 3, 3, 1},
                          Case{"the last technique", 1, kMagicCounts - 1, 0, kMagicCounts - 1, 0},
                          Case{"technique 0 is none", 1, 0, 0, 0, 0}, Case{"past the techniques", 1, kMagicCounts, 0, 0, 0},
                          Case{"past the cards", kPerCard, 5, 0, 0, 0}}) {
        tmy my;
        const size_t card = static_cast<size_t>(std::min(c.card, kPerCard - 1));
        my.card_magic[card] = c.carried;
        GainTechnique(my, c.card, c.waza);
        EXPECT_EQ(my.card_magic[card], c.want_carried) << c.what;
        EXPECT_EQ(my.magic_count[5], c.want_stock) << c.what;
    }
    const Catalogue& cat = test::GameCatalogue();
    EXPECT_EQ((std::array{IconNameOf(cat, 0), IconNameOf(cat, -1), IconNameOf(cat, kIconRows)}),
              (std::array<std::string, 3>{IconNamed(0), "", ""}));
    EXPECT_FALSE(IconNamed(0).empty());
}

// A card is owned when counted, in the deck or fighting on this side; the opponent's cards are not.
TEST(GameSetWin, OwnsACardCountedDeckedOrFightingHere) {
    struct Case { const char* what; void (*place)(tmy&, DuelRecord&); bool owned; };
    const Case cases[] = {
        {"held nowhere", [](tmy&, DuelRecord&) {}, false},
        {"counted", [](tmy& my, DuelRecord&) { my.card_count[77] = 1; }, true},
        {"in the deck", [](tmy& my, DuelRecord&) { my.deck[9] = 77; }, true},
        {"fighting third", [](tmy&, DuelRecord& d) { d.chara[3].orig_no = 77; }, true},
        {"the opponent's", [](tmy&, DuelRecord& d) { d.chara[4].orig_no = 77; }, false},
    };
    for (const Case& c : cases) {
        tmy my;
        my.deck.fill(-1);
        DuelRecord d;
        c.place(my, d);
        EXPECT_EQ(OwnsCard(my, d, 77), c.owned) << c.what;
    }
    EXPECT_FALSE(OwnsCard(tmy{}, DuelRecord{}, -1));
}

TEST(GameSetLoss, IconDuelGivesUpTheIconTheParityNames) {
    struct Case { int32_t my1, my2, e1, want1, want2, taken; };
    const Case cases[] = {{5, 20, 9, -1, 20, 5}, {5, 20, 8, 5, -1, 20}, {5, -1, 9, 5, -1, -1}};
    for (const Case& c : cases) {
        Fought s;
        s.d.duel_kind = kIconDuel;
        s.d.my_icon1 = s.my.icon_slot1 = c.my1;
        s.d.my_icon2 = s.my.icon_slot2 = c.my2;
        s.d.e_icon1 = c.e1;
        ApplyLoss(s.ctx, false);
        EXPECT_EQ((std::array{s.d.my_icon1, s.d.my_icon2, s.my.icon_slot1, s.my.icon_slot2}),
                  (std::array{c.want1, c.want2, c.want1, c.want2}));
        EXPECT_EQ(s.screen.Lines("show: ICON【"), c.taken == -1 ? std::vector<std::string>{}
                  : std::vector<std::string>{"show: ICON【" + IconNamed(c.taken) + "】を奪われてしまった!!"});
    }
}

TEST(GameSetLoss, IconsBreakByChanceUnlessGuardedAndAlwaysInLostBattle) {
    struct Case { int32_t icon1, icon2, card3, type; bool zero1, zero2; int32_t want1, want2; };
    // Icon 146 never breaks by chance, nor does any icon with card 167 on the field.
    const Case cases[] = {{1, 10, 234, 0, true, true, -1, -1},  {146, 10, 234, 0, true, true, 146, 10},
                          {1, 10, 167, 0, true, true, 1, 10},   {146, 10, 234, kLostBattle, false, false, -1, -1},
                          {1, 10, 234, 0, false, true, 1, -1},  {-1, 10, 234, 0, true, false, -1, 10}};
    for (const Case& c : cases) {
        Fought s(BreakSeed(c.zero1, c.zero2));
        s.d.chara[3] = Played(c.card3);
        s.d.battle_type = c.type;
        s.d.my_icon1 = s.my.icon_slot1 = c.icon1;
        s.d.my_icon2 = s.my.icon_slot2 = c.icon2;
        ApplyLoss(s.ctx, false);
        EXPECT_EQ((std::array{s.d.my_icon1, s.d.my_icon2, s.my.icon_slot2}), (std::array{c.want1, c.want2, c.want2}));
        const size_t cards_back = At(s, "show: 残りのカードがデッキへ舞い戻った。");
        for (const int32_t icon : {c.icon1, c.icon2}) {
            if (icon == -1) continue;
            const bool broke = icon != c.want1 && icon != c.want2;
            const size_t line = At(s, "show: アイコン【" + IconNamed(icon) + "】が砕け散った!!");
            EXPECT_EQ(line < s.screen.transcript.size(), broke) << icon;
            EXPECT_TRUE(!broke || line > cards_back) << icon;
        }
    }
}

TEST(GameSetLoss, CardsByKindAndBattleType) {
    using Deck = std::array<int32_t, 10>;
    const Deck back = {0, 1, -1, 3, 4, 234, 6, 73, 8, 9}, kept = {0, 1, -1, 3, 4, -1, 6, -1, 8, 9};
    struct Case { int32_t kind, type; bool both; Deck deck; int32_t copies73, magic73; std::string line; };
    const std::string lost = "show: 【" + Name(234) + "】のカードが奪われてしまった！";
    const Case cases[] = {
        {0, 0, false, back, 0, 12, "show: 残りのカードがデッキへ舞い戻った。"},
        {0, kPlasmBattle, false, back, 1, 12, "show: 残りのカードが、２枚ずつに増えて、デッキへ舞い戻った。"},
        {0, kHellBattle, false, kept, 0, 12, lost},
        {0, kHellBattle, true, back, 0, 12, "show: 残りのカードがデッキへ舞い戻った。"},
        {kHellField, 0, true, kept, 0, 12, lost},
        {0, kDarkBattle, false, kept, 0, 12, "show: 【" + Name(73) + "】のカードが青い炎と共に消え去った！"},
    };
    for (const Case& c : cases) {
        Fought s;
        s.d.duel_kind = c.kind, s.d.battle_type = c.type;
        ApplyLoss(s.ctx, c.both);
        EXPECT_EQ(s.my.deck, c.deck) << c.kind << " " << c.type;
        EXPECT_EQ((std::array{s.my.card_count[73], s.my.card_magic[71], s.my.card_magic[73]}),
                  (std::array{c.copies73, 0, c.magic73}));
        EXPECT_TRUE(s.screen.Has("show: 【" + Name(71) + "】のカードが奪われてしまった！"));
        EXPECT_TRUE(s.screen.Has(c.line)) << c.line;
    }
}

// Items and icons a run of losses brings, summed.
std::pair<int32_t, int32_t> Finds(int32_t kind, int32_t type, int runs) {
    DuelSide s(7);
    int32_t items = 0, icons = 0;
    for (int i = 0; i < runs; ++i) {
        s.my = tmy{};
        Fight(s);
        s.d.duel_kind = kind, s.d.battle_type = type;
        for (int32_t k = 0; k < 10 && kind == kSuddenDeath; ++k) s.my.deck[static_cast<size_t>(k)] = k;
        ApplyLoss(s.ctx, false);
        for (const int32_t n : s.my.item_count) items += n;
        for (const int32_t n : s.my.icon_count) icons += n;
    }
    return {items, icons};
}

TEST(GameSetLoss, ConsolationIconsAndItemsByTheirChances) {
    EXPECT_EQ(Finds(0, kLuckyBattle, 30).second, 30);
    EXPECT_EQ(Finds(0, kTreasureBattle, 30).first, 30);
    EXPECT_NEAR(Finds(0, 0, 2000).first, 100, 40);               // one in twenty
    EXPECT_NEAR(Finds(kSuddenDeath, 0, 2000).first, 1000, 100);  // one in two
}

// A found icon is kept with odds 1 in (weight × 3 div 2 + 1): a twin generator replays the draws (that
// a plain loss offers one, the seeded duels' game sets show).
TEST(GameSetLoss, AFoundIconIsKeptByItsWeight) {
    const Catalogue& cat = test::GameCatalogue();
    int kept = 0;
    for (uint64_t seed = 1; seed <= 400; ++seed) {
        DuelSide s(seed);
        Rng twin(seed);
        int32_t icon = 0;
        do icon = twin.Random(kListedIcons);
        while (cat.icon[static_cast<size_t>(icon)].name.empty());
        const bool keep = twin.Random(cat.icon[static_cast<size_t>(icon)].weight * 3 / 2 + 1) == 0;
        RewardIcon(s.ctx, false);
        EXPECT_EQ(s.my.icon_count[static_cast<size_t>(icon)], keep ? 1 : 0) << "seed " << seed;
        kept += keep ? 1 : 0;
    }
    EXPECT_GT(kept, 10);
}

TEST(GameSetLoss, LoserAndExtraBattlePrizes) {
    Fought s, x;
    s.my.money = 100, s.d.battle_type = kLoserBattle;
    ApplyLoss(s.ctx, false);
    EXPECT_NEAR(s.my.money, 99 + 49.5, 4.5);
    x.d.battle_type = kExtraBattle;
    ApplyLoss(x.ctx, false);
    EXPECT_EQ(x.screen.Lines("se0: syoukan.wav").size(), 2u);
}

TEST(GameSetLoss, GiftCardsAndSympathyMoney) {
    struct Case { int32_t merit, counter, card, copies; bool both; int32_t want_copies, want_counter, lo, hi; };
    // Rows 2..4: the gift never takes a copy away; merit does not move on a double wipe-out, nor does a merit of
    // 100 reached before bring it again. Sympathy money: Random(2 × 2) + 6, Random(3 × 4) + 7.
    const Case cases[] = {{99, 0, 101, 0, false, 1, 1, 0, 0}, {99, 0, 101, 3, false, 3, 1, 0, 0},
                          {99, 0, 101, 0, true, 0, 0, 0, 0},  {100, 0, 101, 0, true, 0, 0, 0, 0},
                          {10, 4, 164, 0, false, 1, 6, 0, 0}, {10, 4, 164, 1, false, 2, 6, 6, 9},
                          {10, 9, 171, 2, false, 3, 11, 7, 18}};
    for (const Case& c : cases) {
        int32_t least = INT32_MAX, most = INT32_MIN;  // the sympathy money over many draws spans lo..hi exactly
        for (uint64_t seed = 1; seed <= (c.hi ? 200u : 1u); ++seed) {
            Fought s(seed);
            s.my.money = 100, s.my.merit = c.merit, s.session.loss_counter = c.counter;
            s.my.card_count[static_cast<size_t>(c.card)] = c.copies;
            ApplyLoss(s.ctx, c.both);
            EXPECT_EQ((std::array{s.my.card_count[static_cast<size_t>(c.card)], s.session.loss_counter}),
                      (std::array{c.want_copies, c.want_counter})) << c.card;
            EXPECT_EQ(s.screen.Lines("show: 同情金 ").size(), c.hi ? 1u : 0u);
            least = std::min(least, s.my.money - 99), most = std::max(most, s.my.money - 99);
        }
        EXPECT_EQ((std::array{least, most}), (std::array{c.lo, c.hi})) << c.card;
    }
}

TEST(GameSetLoss, LossRecordsArkAndRankFall) {
    struct Case { int32_t streak, rank, want_ark, want_rank; std::vector<std::string> lines; };
    const Case cases[] = {
        {2, 10, 4, 9, {"show: 負け記録が3に達しました！", "show: 段位p.が 1下がりました.... > 9p.", "add: あなたの段位：≪下っ端≫"}},
        {4, 0, 6, 0, {"show: 負け記録が5に達しました！", "show: Ａｒｋを 6入手した（所持：6）"}},
        {0, 5, 1, 4, {"show: Ａｒｋを 1入手した（所持：1）", "add: あなたの段位：≪素人≫"}},
    };
    for (const Case& c : cases) {
        Fought s;
        s.my.loss_streak = c.streak, s.my.rank_points = c.rank;
        ApplyLoss(s.ctx, false);
        EXPECT_EQ((std::array{s.my.ark, s.my.rank_points}), (std::array{c.want_ark, c.want_rank}));
        for (const auto& line : c.lines) EXPECT_TRUE(s.screen.Has(line)) << line;
        EXPECT_EQ(s.screen.Lines("show: 段位p.").empty(), c.rank == 0);
    }
}

TEST(GameSetWin, RecordsAndStreaks) {
    struct Case { bool both; int32_t wins, kind, want_wins, want_kind, want_counter; };
    for (const Case& c : {Case{false, 5, -3, 6, 1, 0}, Case{false, 9999, 2, 9999, 3, 0}, Case{true, 5, -3, 5, -3, 4}}) {
        Fought s(1);
        s.my.wins = c.wins, s.my.loss_streak = 3, s.session.kind_streak[0] = c.kind, s.session.loss_counter = 4;
        ApplyWin(s.ctx, c.both);
        EXPECT_EQ((std::array{s.my.wins, s.session.kind_streak[0], s.session.loss_counter, s.my.loss_streak, s.my.win_streak}),
                  (std::array{c.want_wins, c.want_kind, c.want_counter, 0, 1}));
    }
}

TEST(GameSetWin, TakesTheStakeAndSendsItsOwnCardsHome) {
    using Deck = std::array<int32_t, 10>;
    struct Case { int32_t kind, type, own_magic; Deck deck; std::array<int32_t, 3> gained; int32_t want_magic, stocked; std::string line; };
    const Deck home = {0, 1, 234, 3, 4, 73, 6, 71, 8, 9};
    const Case cases[] = {
        {0, 0, 0, home, {1, 0, 0}, 12, 0, "show: 場の３枚のカードがデッキへ舞い戻った。"},
        {0, 0, 5, home, {1, 0, 0}, 5, 1, "show: 術【" + test::GameCatalogue().magic[12].name + "】を共に手に入れた！"},
        {0, kHellBattle, 0, home, {1, 1, 1}, 12, 0, "show: 【" + Name(311) + "】を相手から奪った！！"},
        {0, kDarkBattle, 0, {0, 1, -1, 3, 4, 234, 6, 71, 8, 9}, {1, 0, 0}, 12, 0,
         "show: 【" + Name(311) + "】のカードは青い炎と共に消え去った！"},
    };
    for (const Case& c : cases) {
        Fought s(1);
        s.d.battle_type = c.type;
        s.d.chara[2].name = "死亡";  // burns in ダークバトル
        s.my.card_magic[279] = c.own_magic;
        ApplyWin(s.ctx, false);
        EXPECT_EQ(s.my.deck, c.deck) << c.type;
        EXPECT_EQ((std::array<int32_t, 3>{s.my.card_count[279], s.my.card_count[311], s.my.card_count[315]}), c.gained);
        EXPECT_EQ((std::array{s.my.card_magic[279], s.my.magic_count[12]}), (std::array{c.want_magic, c.stocked}));
        EXPECT_TRUE(s.screen.Has(c.line)) << c.line;
    }
}

// The ICON duel's winner takes the icon in the slot the parity names, icon 0 as well.
TEST(GameSetWin, TheIconDuelTakesTheNamedSlotIconZeroToo) {
    for (const int32_t icon : {0, 6}) {
        Fought s(1);
        s.d.duel_kind = kIconDuel;
        s.d.my_icon1 = 2, s.d.e_icon1 = icon, s.d.e_icon2 = 30;  // an even sum names slot 1
        ApplyWin(s.ctx, false);
        EXPECT_EQ((std::array{s.d.e_icon1, s.d.e_icon2, s.my.icon_count[static_cast<size_t>(icon)]}), (std::array{-1, 30, 1}));
        EXPECT_TRUE(s.screen.Has("show: 対戦相手のICON【" + IconNamed(icon) + "】を奪った!!")) << icon;
    }
}

// A found item never lifts its count past 99.
TEST(GameSetWin, AFoundItemStopsAtNinetyNine) {
    Fought s;
    s.my.item_count.fill(kMostCopies);
    RewardItem(s.ctx);
    EXPECT_EQ(std::count(s.my.item_count.begin(), s.my.item_count.end(), kMostCopies),
              static_cast<std::ptrdiff_t>(s.my.item_count.size()));
    EXPECT_TRUE(s.screen.Has("add: 所持：99個"));
}

TEST(GameSetWin, PrizeGoldenBattleAndRareBattle) {
    int32_t gained[2] = {};
    for (const int32_t type : {0, kGoldenBattle}) {
        Fought s(11);
        s.d.battle_type = type;
        ApplyWin(s.ctx, false);
        gained[type == kGoldenBattle] = s.my.money;
        EXPECT_EQ((std::array{s.my.ark, s.my.rank_points}), (std::array{5, 3}));
        EXPECT_TRUE(s.screen.Has("show: 段位p.が 3上がりました！ > 3p."));
    }
    EXPECT_NEAR(gained[0], 11.5, 3.5);
    EXPECT_EQ(gained[1], 2 * gained[0]);
    Fought r(1);
    r.d.battle_type = kRareBattle, r.d.chara[1] = Played(9);  // class 2: the prize is a class-3 card
    ApplyWin(r.ctx, false);
    const auto& cat = test::GameCatalogue();
    int32_t class3 = 0;
    for (int32_t c = 0; c < kListedCards; ++c) class3 += cat.card[static_cast<size_t>(c)].rarity == 3 ? r.my.card_count[static_cast<size_t>(c)] : 0;
    EXPECT_EQ(class3, 1);
}

// Two programs of one duel: each sees itself in slots 1..3 and its opponent in 4..6.
void MirrorDuel(DuelSide& a, DuelSide& b, int32_t kind, int32_t type) {
    a.my.deck = {71, 73, 234, 240, 241, 243, 244, 245, 246, 247};
    b.my.deck = {279, 311, 315, 250, 251, 252, 253, 254, 255, 256};
    a.my.card_magic[71] = 11, a.my.card_magic[240] = 12, b.my.card_magic[279] = 13, b.my.card_magic[250] = 14;
    for (DuelSide* s : {&a, &b}) {
        const tmy& other = s == &a ? b.my : a.my;
        for (size_t k = 0; k < 10; ++k) {
            s->d.my_dekki[k] = Played(s->my.deck[k], s->my.card_magic[static_cast<size_t>(s->my.deck[k])]);
            s->d.e_dekki[k] = Played(other.deck[k], other.card_magic[static_cast<size_t>(other.deck[k])]);
        }
        s->d.duel_kind = kind, s->d.battle_type = type, s->d.luck = 3;
        s->d.my_icon1 = s->my.icon_slot1 = s == &a ? 5 : 9;
        s->d.my_icon2 = s->my.icon_slot2 = s == &a ? 20 : 30;
    }
    for (DuelSide* s : {&a, &b}) {
        const DuelSide& other = s == &a ? b : a;
        s->d.e_icon1 = other.d.my_icon1, s->d.e_icon2 = other.d.my_icon2;
        for (size_t i = 0; i < 3; ++i) s->d.chara[1 + i] = s->d.my_dekki[i], s->d.chara[4 + i] = s->d.e_dekki[i];
    }
    // The draw took the three fighting cards out of the deck (sudden death leaves it whole).
    for (DuelSide* s : {&a, &b})
        for (size_t i = 0; i < 3 && kind != kSuddenDeath; ++i) s->my.deck[i] = -1;
}

// Copies of each card kind held: collection, deck and, before the game set, the field.
std::map<int32_t, int32_t> Holdings(const DuelSide& s, bool field) {
    std::map<int32_t, int32_t> h;
    for (size_t c = 0; c < kPerCard; ++c)  // reward cards (classes 0..6) are not at stake
        if (s.ctx.cat.card[c].rarity >= 7 && s.my.card_count[c] != 0) h[static_cast<int32_t>(c)] += s.my.card_count[c];
    for (const int32_t c : s.my.deck)
        if (c >= 0) h[c] += 1;
    for (size_t i = 1; i <= 3 && field && s.d.duel_kind != kSuddenDeath; ++i) h[s.d.chara[i].orig_no] += 1;
    return h;
}

// The kinds held fewer times in `to` than in `from`, and by how many.
std::map<int32_t, int32_t> Fewer(const std::map<int32_t, int32_t>& from, const std::map<int32_t, int32_t>& to) {
    std::map<int32_t, int32_t> d;
    for (const auto& [k, v] : from) {
        const int32_t now = to.count(k) ? to.at(k) : 0;
        if (now < v) d[k] = v - now;
    }
    return d;
}

TEST(GameSetMirror, TheLoserGivesUpExactlyWhatTheWinnerTakes) {
    struct Case { int32_t kind, type; bool both; };
    const Case cases[] = {{0, 0, false}, {kIconDuel, 0, false}, {0, kHellBattle, false}, {0, kHellBattle, true},
                          {kHellField, 0, true}, {kSuddenDeath, 0, false}, {0, kPlasmBattle, false}};
    for (const Case& c : cases) {
        DuelSide a(BreakSeed(false, false)), b(5);
        MirrorDuel(a, b, c.kind, c.type);
        const auto a_before = Holdings(a, true), b_before = Holdings(b, true);
        const tmy a_was = a.my, b_was = b.my;
        RunGameSet(a.ctx, {true, c.both}, kNoSave);
        RunGameSet(b.ctx, {false, c.both}, kNoSave);
        const auto lost = Fewer(a_before, Holdings(a, false)), gained = Fewer(Holdings(b, false), b_before);
        EXPECT_EQ(lost, gained) << c.kind << " " << c.type;
        EXPECT_FALSE(gained.empty());
        std::map<int32_t, int32_t> magic_lost, magic_won, icons_lost, icons_won;
        for (size_t k = 0; k < kPerCard; ++k) {
            if (a.my.card_magic[k] != a_was.card_magic[k]) magic_lost[static_cast<int32_t>(k)] = a_was.card_magic[k];
            if (b.my.card_magic[k] != b_was.card_magic[k]) magic_won[static_cast<int32_t>(k)] = b.my.card_magic[k];
            if (b.my.icon_count[k] != b_was.icon_count[k]) icons_won[static_cast<int32_t>(k)] = b.my.icon_count[k] - b_was.icon_count[k];
        }
        if (a.my.icon_slot1 != a_was.icon_slot1) icons_lost[a_was.icon_slot1] = 1;
        if (a.my.icon_slot2 != a_was.icon_slot2) icons_lost[a_was.icon_slot2] = 1;
        EXPECT_EQ(magic_lost, magic_won) << c.kind << " " << c.type;
        EXPECT_FALSE(magic_won.empty());
        EXPECT_EQ(icons_lost, icons_won);
        EXPECT_EQ(icons_won.empty(), c.kind != kIconDuel);
    }
}

TEST(GameSetSave, FailuresAreToldAndFilesWritten) {
    Fought s;
    const auto failed = RunGameSet(s.ctx, {true, false}, [](tmy&) { return SaveOutcome{false, false, "ディスクがいっぱいです"}; });
    EXPECT_FALSE(failed.save.ok);
    EXPECT_EQ(std::vector<std::string>(s.screen.transcript.end() - 3, s.screen.transcript.end()),
              (std::vector<std::string>{"se0: no.wav", "show: ディスクがいっぱいです", "click"}));
    test::TempFolder tmp;
    Fought w(1);
    const auto saved = RunGameSet(w.ctx, {false, false}, SaverFor(tmp.Game(), SaveGate{}));
    EXPECT_TRUE(saved.save.ok);
    const tmy back = ReadMyDat(tmp.Game().my_dat());
    EXPECT_EQ(back.deck, w.my.deck);
    EXPECT_EQ((std::array{back.card_count[279], back.duels}), (std::array{1, 1}));
}

}  // namespace
}  // namespace kestra
