#include "duel/duel_end.h"

#include <algorithm>
#include <exception>

#include "base/int_text.h"
#include "catalogue/card_facts.h"
#include "duel/economy.h"
#include "player/checksum.h"

namespace kestra {

namespace {

constexpr int32_t kLevelCap = 9;
constexpr int32_t kMarksPerLevel = 10;
constexpr int32_t kPenaltyKinds = 10;  // collections this varied pay for an abort
constexpr int32_t kPenaltyRange = 355; // the penalty draws kinds 0..354: card 355 is never taken
constexpr std::string_view kBaseGreeting = "おつかれさまでした、デュエル終了です★";

// A card number the per-card tables cover.
bool KnownCard(int32_t card) { return card >= 0 && card < kPerCard; }

// Save and, when it fails, say so in a box; the outcome is returned either way.
SaveOutcome SaveAndReport(tmy& my, EndingScreen& ending, const SavePlayer& save) {
    SaveOutcome out = save ? save(my) : SaveOutcome{false, false, "セーブできませんでした。"};
    if (!out.ok) ending.MessageBox(out.message);
    return out;
}

// Keep the first failure of several saves.
void KeepWorst(SaveOutcome& kept, const SaveOutcome& next) {
    if (kept.ok) kept = next;
}

// The panel beside a levelled card: name and element, base figures, copies owned.
std::string LevelUpPanel(const Catalogue& cat, const tmy& my, int32_t card) {
    const tcard& row = cat.card[static_cast<size_t>(card)];
    return "★" + row.name + std::string(ElementText(ElementOf(card))) + "\nHP:" + std::to_string(row.hp) +
           "\nMP:" + std::to_string(row.mp) + "\n所持：" + std::to_string(my.card_count[static_cast<size_t>(card)]) +
           "枚";
}

// The 1-in-10 pocket money of a holiday: 1..15 円 and its line, or nothing.
void MaybePocketMoney(Greeting& g, Rng& rng, std::string_view giver) {
    if (rng.Random(10) != 0) return;
    g.pocket_money = rng.Random(15) + 1;
    g.text += "\n\n" + std::string(giver) + std::to_string(g.pocket_money) + "円モラッチャッタよ☆";
}

// View mode: stop replaying without touching anything of the player's.
void AbortViewing(DuelContext& ctx, EndingScreen& ending) {
    ctx.msg.Click();
    ctx.d.look_mode = 0;
    ctx.screen().PlaySe("no.wav", 0);
    ctx.screen().PlayBgm("not");
    ending.MessageBox("中断します");
    ctx.screen().PlaySe("1.wav", 0);
}

// The abort penalty: one random owned card is lost, saved and told; returns the card.
int32_t TakePenaltyCard(DuelContext& ctx, EndingScreen& ending, const SavePlayer& save, SaveOutcome& saved) {
    ctx.screen().PlaySe("no.wav", 0);
    const int32_t card = DrawPenaltyCard(ctx.my, ctx.rng);
    if (card < 0) return -1;
    int32_t& count = ctx.my.card_count[static_cast<size_t>(card)];
    count -= 1;
    KeepWorst(saved, SaveAndReport(ctx.my, ending, save));
    ending.MessageBox("デュエル中断によりペナルティとしてカードを１枚ランダムに失います");
    ctx.screen().PlaySe("over.wav", 0);
    ending.MessageBox("【" + ctx.cat.card[static_cast<size_t>(card)].name + "】のカードを１枚失いました！\n残り所持：" +
                      std::to_string(count) + "枚");
    ctx.screen().PlaySe("1.wav", 0);
    return card;
}

}  // namespace

std::vector<int32_t> TrainedCards(const DuelRecord& d, bool won) {
    std::vector<int32_t> cards;
    if (d.duel_kind == kSuddenDeath) {
        for (size_t k = 0; k < kDeckSize; ++k) cards.push_back(d.my_dekki[k].card_no);
        return cards;
    }
    if (won) cards.push_back(d.chara[1].card_no);
    cards.push_back(d.chara[2].card_no);
    cards.push_back(d.chara[3].card_no);
    return cards;
}

void GiveExperience(tmy& my, const std::vector<int32_t>& cards) {
    for (const int32_t card : cards)
        if (KnownCard(card)) my.card_exp[static_cast<size_t>(card)] += 1;
}

std::optional<LevelUp> LevelUpCard(const Catalogue& cat, tmy& my, int32_t card) {
    if (!KnownCard(card) || my.card_exp[static_cast<size_t>(card)] < kMarksPerLevel) return std::nullopt;
    int32_t& level = my.card_level[static_cast<size_t>(card)];
    LevelUp up;
    up.card_no = card;
    up.old_level = level;
    up.picture = CardPicturePath(card);
    up.panel = LevelUpPanel(cat, my, card);
    up.headline = "【" + cat.card[static_cast<size_t>(card)].name + "】のカードがLvUpした！\n\nLV:" +
                  std::to_string(level) + " →" + std::to_string(level + 1);
    my.card_exp[static_cast<size_t>(card)] = 0;
    level = std::min(level + 1, kLevelCap);
    return up;
}

Greeting EndGreeting(CalendarDate date, Rng& rng) {
    Greeting g{std::string(kBaseGreeting), 0};
    const int32_t m = date.month, day = date.day;
    if (m == 12 && (day == 24 || day == 25)) {
        g.text += "\nＭｅｒｒｙ Ｘ’ｍａｓ♪";
        MaybePocketMoney(g, rng, "サンタさんからお小遣い");
    } else if (m == 1 && day == 1) {
        g.text += "\nあけましておめでとお♪";
        MaybePocketMoney(g, rng, "おとしだま");
    } else if (m == 9 && day == 9) {
        g.text += "\nきょおはろあっこのお誕生日♪";
    } else if (m == 12 && day == 31) {
        g.text += "\nよいお年を♪";
    }
    return g;
}

MenuReveal DrawMenuReveal(Rng& rng) {
    const int32_t odds = kEconomy.menu_reveal_chance;
    MenuReveal r;
    r.shop = rng.Random(odds) == 0;
    r.synthesis = rng.Random(odds) == 0;
    r.technique_shop = rng.Random(odds) == 0;
    return r;
}

DuelEndResult FinishDuel(DuelContext& ctx, bool won, EndingScreen& ending, const SavePlayer& save) {
    DuelEndResult result;
    const std::vector<int32_t> cards = TrainedCards(ctx.d, won);
    GiveExperience(ctx.my, cards);
    for (const int32_t card : cards) {
        std::optional<LevelUp> up = LevelUpCard(ctx.cat, ctx.my, card);
        if (!up) continue;
        ctx.screen().PlaySe("ep.wav", 0);
        ending.ShowLevelUp(*up);
        result.level_ups.push_back(std::move(*up));
    }
    ending.ReturnToMain();
    ctx.screen().PlaySe("3.wav", 0);
    result.save = SaveAndReport(ctx.my, ending, save);
    // The pocket money comes after the save and reaches the disk with the next one; the seal
    // follows it, so the next duel request does not take the purse for a hand-edited one.
    result.greeting = EndGreeting(ctx.clock.Today(), ctx.rng);
    ChangeSealed(ctx.my, [&result](tmy& m) { m.money = WrapAdd(m.money, result.greeting.pocket_money); });
    result.reveal = DrawMenuReveal(ctx.rng);
    return result;
}

bool ReturnDrawnCards(const DuelRecord& d, tmy& my) {
    if (std::count(my.deck.begin(), my.deck.end(), -1) != 3) return false;
    // orig_no: a card transformed in battle still goes home as the card that was drawn.
    for (size_t s = 1; s <= 3; ++s) ReturnToDeck(my, d.chara[s].orig_no);
    return true;
}

void StoreIconsBack(DuelRecord& d, tmy& my) {
    if (d.my_icon1 != -1) my.icon_slot1 = d.my_icon1;
    if (d.my_icon2 != -1) my.icon_slot2 = d.my_icon2;
    d.my_icon1 = d.my_icon2 = -1;
}

int32_t CardKindsOwned(const tmy& my) {
    return static_cast<int32_t>(std::count_if(my.card_count.begin(), my.card_count.end(), [](int32_t c) { return c >= 1; }));
}

int32_t DrawPenaltyCard(const tmy& my, Rng& rng) {
    const auto first = my.card_count.begin();
    if (std::none_of(first, first + kPenaltyRange, [](int32_t c) { return c >= 1; })) return -1;
    for (;;) {
        const int32_t card = rng.Random(kPenaltyRange);
        if (my.card_count[static_cast<size_t>(card)] >= 1) return card;
    }
}

AbortResult AbortDuel(DuelContext& ctx, EndingScreen& ending, const SavePlayer& save) {
    AbortResult result;
    if (ctx.d.look_mode) {
        AbortViewing(ctx, ending);
        result.save = {true, true, {}};
    } else {
        ReturnDrawnCards(ctx.d, ctx.my);
        StoreIconsBack(ctx.d, ctx.my);
        const int32_t kinds = CardKindsOwned(ctx.my);
        result.save = SaveAndReport(ctx.my, ending, save);
        if (kinds >= kPenaltyKinds) result.lost_card = TakePenaltyCard(ctx, ending, save, result.save);
        ctx.msg.SwitchOff();
    }
    ending.ReturnToMain();
    return result;
}

void ClearViewedDuel(DuelRecord& d) {
    d.my_icon1 = d.my_icon2 = d.e_icon1 = d.e_icon2 = -1;
    for (tchar& c : d.chara) c.card_no = -1;
    for (tchar& c : d.my_dekki) c.card_no = -1;
    d.input_phase = kPhaseIdle;
    d.battle_type = 0;
    d.look_mode = 0;
}

bool EndViewedDuel(DuelContext& ctx, EndingScreen& ending, const GameFolder& folder) {
    ctx.screen().PlaySe("3.wav", 0);
    ClearViewedDuel(ctx.d);
    bool reloaded = true;
    try {
        ctx.my = ReadMyDat(folder.my_dat());
    } catch (const std::exception& e) {
        ending.MessageBox(std::string("セーブデータを読み直せませんでした。") + e.what());
        reloaded = false;
    }
    ending.ReturnToMain();
    return reloaded;
}

}  // namespace kestra
