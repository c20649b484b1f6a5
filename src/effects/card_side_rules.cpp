// Step 4 of the duel start, first half: cards that bless their own side or curse the other side's cards.
#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "base/int_text.h"
#include "duel/flash.h"
#include "duel/side_rules.h"
#include "effects/card_rules_parts.h"
#include "effects/data_roles.h"
#include "effects/effect_kit.h"
#include "effects/statuses.h"

namespace kestra {

namespace {

using effect_kit::CardName;
using effect_kit::FirstSlot;
using effect_kit::SideHasCard;

// What a rule does to one card it touches.
using CardChange = std::function<void(tchar&)>;

// The slot holds one of the listed cards (by name).
bool HoldsAny(const DuelContext& ctx, int32_t slot, const std::vector<int32_t>& cards) {
    for (const int32_t n : cards)
        if (n >= 0 && IsCard(ctx.d, ctx.cat, slot, n)) return true;
    return false;
}

// How one blessing of a card's own side looks.
struct Blessing {
    int32_t card;
    std::string_view rule;
    std::string_view tail;  // after the card's name
    bool white_flash;
    CardChange change;
};

// A side holding the card: each of its cards in slot order gets the flash, the change, "up.wav" and the
// line (the opponent's lines open with e_label and "の"), then the click.
void BlessOwnSide(DuelContext& ctx, StartReport& report, const Blessing& b, bool local_side) {
    if (!SideHasCard(ctx, local_side, b.card)) return;
    const std::string line =
        effect_kit::OwnerPrefix(ctx.d, local_side) + CardName(ctx, b.card) + std::string(b.tail);
    for (int32_t s = FirstSlot(local_side); s < FirstSlot(local_side) + 3; ++s) {
        if (b.white_flash) Flash(ctx, FlashColour::White, s);
        b.change(Slot(ctx.d, s));
        ctx.screen().PlaySe("up.wav", 3);
        effect_kit::Say(ctx, line);
        report.Fired(b.rule);
    }
}

// How one curse on the other side's cards looks.
struct Curse {
    std::function<bool(const DuelContext&, bool local_side)> holds;  // the side holds the cursing card
    std::function<bool(const DuelContext&, int32_t slot)> spared;    // this card is passed by
    std::string_view rule;
    std::optional<FlashColour> flash;
    int32_t bad_status;
    std::string_view wave;
    bool added_line;                                   // AddMessage rather than ShowMessage
    std::function<std::string(bool local_side)> line;  // the line, by the cursing side
};

// A side holding the cursing card: each card of the other side in slot order that is not spared gets
// the flash, the bad status, the sound on channel 3 and the line, then the click.
void CurseOtherSide(DuelContext& ctx, StartReport& report, const Curse& c, bool local_side) {
    if (!c.holds(ctx, local_side)) return;
    const std::string line = c.line(local_side);
    for (int32_t s = FirstSlot(!local_side); s < FirstSlot(!local_side) + 3; ++s) {
        if (c.spared(ctx, s)) continue;
        if (c.flash) Flash(ctx, *c.flash, s);
        Slot(ctx.d, s).status1 = c.bad_status;
        ctx.screen().PlaySe(c.wave, 3);
        if (c.added_line)
            effect_kit::Line(ctx, line);
        else
            effect_kit::Say(ctx, line);
        report.Fired(c.rule);
    }
}

// A curse by one named card, sparing the listed cards, with a plain line.
Curse CardCurse(int32_t card, std::initializer_list<int32_t> spared, std::string_view rule,
                std::optional<FlashColour> flash, int32_t bad, std::string_view wave,
                std::function<std::string(bool)> line) {
    return Curse{[card](const DuelContext& c, bool side) { return SideHasCard(c, side, card); },
                 [spare = std::vector<int32_t>(spared)](const DuelContext& c, int32_t slot) {
                     return HoldsAny(c, slot, spare);
                 },
                 rule,
                 flash,
                 bad,
                 wave,
                 false,
                 std::move(line)};
}

// A fixed line whoever curses.
std::function<std::string(bool)> Fixed(std::string text) {
    return [text = std::move(text)](bool) { return text; };
}

// Cards 305 and 315 set their own statuses wherever they stand.
void SelfStatuses(DuelContext& ctx, StartReport& report) {
    for (int32_t s = 1; s <= 6; ++s) {
        if (IsCard(ctx.d, ctx.cat, s, 305)) {
            Slot(ctx.d, s).status2 = status::kGoodRelease;
            report.Fired("card305");
        }
        if (IsCard(ctx.d, ctx.cat, s, 315)) {
            Slot(ctx.d, s).status2 = status::kGoodRampage;
            Slot(ctx.d, s).status1 = status::kBadBetrayal;
            report.Fired("card315");
        }
    }
}

// The virus card or card 258 infects the other side once, sparing the virus, the doctor, 211, 258, 260.
Curse VirusCurse(DuelContext& ctx) {
    const DataRoles& roles = EmbeddedDataRoles();
    const int32_t virus = roles.virus, doctor = roles.doctor;
    return Curse{[virus](const DuelContext& c, bool side) {
                     return SideHasCard(c, side, virus) || SideHasCard(c, side, 258);
                 },
                 [spare = std::vector<int32_t>{virus, doctor, 211, 258, 260}](
                     const DuelContext& c, int32_t slot) { return HoldsAny(c, slot, spare); },
                 "virus",
                 FlashColour::Green,
                 status::kBadSickness,
                 "awa.wav",
                 true,
                 Fixed(CardName(ctx, virus) + "に感染した")};
}

}  // namespace

void SideCardRules(DuelContext& ctx, StartReport& report) {
    const Blessing blessings[] = {
        {166, "card166", "の力によって、魔道の光に包まれた！", true,
         [](tchar& c) { c.status2 = status::kGoodMagicPath; }},
        {250, "card250", "の力によって、LV +5", false, [](tchar& c) { c.lv = WrapAdd(c.lv, 5); }},
        {230, "card230", "の力によって、悟りの光に包まれた！", false,
         [](tchar& c) { c.status2 = status::kGoodRelease; }},
    };
    for (const Blessing& b : blessings)
        for (const bool local_side : {true, false}) BlessOwnSide(ctx, report, b, local_side);
    SelfStatuses(ctx, report);
    const DataRoles& roles = EmbeddedDataRoles();
    const std::string& clam = CardName(ctx, 249);
    const Curse curses[] = {
        VirusCurse(ctx),
        CardCurse(228, {228, 229, 71, roles.contract_spared[0], roles.contract_spared[1]}, "card228",
                  std::nullopt, status::kBadContract, "gya.wav",
                  Fixed(CardName(ctx, 228) + "と契約を結ばされた")),
        CardCurse(197, {197, 150, 122}, "card197", std::nullopt, status::kBadTime3, "down.wav",
                  Fixed("死のカウントダウンが始まった!!")),
        CardCurse(216, {216, 123, 157}, "card216", std::nullopt, status::kBadStone, "sleep.wav",
                  Fixed("石化した!!")),
        // Card 249's own line (ours): the giant clam breathes out a mirage that confuses.
        CardCurse(249, {249}, "card249", FlashColour::Black, status::kBadConfusion, "down.wav",
                  [&ctx, clam](bool local_side) {
                      return effect_kit::OwnerPrefix(ctx.d, local_side) + clam + "の吐く幻に惑わされた!!";
                  }),
    };
    for (const Curse& c : curses)
        for (const bool local_side : {true, false}) CurseOtherSide(ctx, report, c, local_side);
}

}  // namespace kestra
