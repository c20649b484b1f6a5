#include "duel/opening.h"

#include <algorithm>
#include <array>

#include "catalogue/card_facts.h"
#include "duel/warrior_number.h"
#include "player/checksum.h"

namespace kestra {

namespace {

constexpr std::array<std::string_view, 10> kKindCaptions = {
    "KESTRA DUEL MODE",
    "KESTRA DUEL MODE -ICON DUEL-",
    "KESTRA DUEL MODE -EASY DUEL-",
    "KESTRA DUEL MODE -MIDDLE DUEL-",
    "KESTRA DUEL MODE -RARE DUEL-",
    "KESTRA DUEL MODE -MAX DUEL-",
    "KESTRA DUEL MODE -SUDDEN DEATH DUEL-",
    "KESTRA DUEL MODE -RANDOM DUEL-",
    "KESTRA DUEL MODE -GOODBYE DUEL-",
    "KESTRA DUEL MODE -DUEL-801-",
};

// Fill a fighting card from a deck slot with the player's level and technique for that card kind.
// The warrior number carries one digit per level, so a saved level of 10 fights as 9 (the save keeps
// its 10); the card's own identity is known from the draw on, so an abort returns what was drawn.
tchar FromDeckSlot(const DuelContext& ctx, int32_t card_no) {
    const bool known = card_no >= 0 && card_no < kPerCard;
    const int32_t level = known ? ctx.my.card_level[static_cast<size_t>(card_no)] : 0;
    const int32_t waza = known ? ctx.my.card_magic[static_cast<size_t>(card_no)] : 0;
    tchar c = MakeFightingCard(ctx.cat, card_no, std::clamp(level, 0, kTopFightingLevel), waza);
    c.orig_no = card_no;
    return c;
}

// A pasted warrior number that could not be read: the player is told what to paste instead of
// being left with a silent button.
void TellWarriorNumberRefused(DuelContext& ctx) {
    ctx.screen().PlaySe("no.wav", 0);
    ctx.msg.ShowMessage(kWarriorNumberRefused);
}

// Three distinct slots 0..9; a repeat redraws all three.
std::array<int32_t, 3> DrawThreeSlots(Rng& rng) {
    for (;;) {
        const std::array<int32_t, 3> s = {rng.Random(10), rng.Random(10), rng.Random(10)};
        if (s[0] != s[1] && s[0] != s[2] && s[1] != s[2]) return s;
    }
}

// Show the three pictures of this side's cards.
void ShowOwnPictures(DuelContext& ctx) {
    for (int32_t s = 1; s <= 3; ++s)
        ctx.screen().SetSlotPicture(s, CardPicturePath(ctx.d.chara[static_cast<size_t>(s)].card_no));
}

}  // namespace

std::string DuelCaption(int32_t duel_kind, int32_t duel_role) {
    std::string caption = "KESTRA DUEL MODE";
    if (duel_kind >= 0 && duel_kind < static_cast<int32_t>(kKindCaptions.size()))
        caption = std::string(kKindCaptions[static_cast<size_t>(duel_kind)]);
    return caption + (duel_role == kApplicant ? " (申込側)" : " (受け側)");
}

void ChargeMercenaryFee(tmy& my, const Catalogue& cat) {
    const std::string& mercenary = cat.card[219].name;
    ChangeSealed(my, [&](tmy& m) {
        for (const int32_t slot : m.deck) {
            if (slot < 0 || slot >= kCardRows || cat.card[static_cast<size_t>(slot)].name != mercenary) continue;
            m.money -= 15;
            if (m.money < 1) m.money = 0;
        }
    });
}

void ClearFightingCards(DuelRecord& d) {
    for (size_t s = 1; s <= 6; ++s) {
        tchar& c = d.chara[s];
        c.name.clear();
        c.card_no = c.orig_no = c.waza = c.status1 = c.status2 = c.hp = c.mp = c.lv = 0;
    }
    d.turn = 0;
}

void DrawFightingCards(DuelContext& ctx) {
    DuelRecord& d = ctx.d;
    for (size_t s = 1; s <= 6; ++s) d.chara[s].status1 = d.chara[s].status2 = 0;
    if (d.duel_kind == kSuddenDeath) {
        for (size_t k = 0; k < 10; ++k) {
            d.my_dekki[k] = FromDeckSlot(ctx, ctx.my.deck[k]);
        }
        for (size_t k = 0; k < 3; ++k) d.chara[1 + k] = d.my_dekki[k];
    } else {
        const auto slots = DrawThreeSlots(ctx.rng);
        for (size_t k = 0; k < 3; ++k) {
            int32_t& slot = ctx.my.deck[static_cast<size_t>(slots[k])];
            d.chara[1 + k] = FromDeckSlot(ctx, slot);
            slot = -1;
        }
    }
    d.my_icon1 = ctx.my.icon_slot1;
    d.my_icon2 = ctx.my.icon_slot2;
    ShowOwnPictures(ctx);
}

std::string OpenDuel(DuelContext& ctx) {
    DuelRecord& d = ctx.d;
    Presenter& screen = ctx.screen();
    ctx.session.streak_counted = false;
    d.look_mode = 0;
    d.my_label = "あなた";
    d.e_label = "相手";
    screen.SetHint("対戦相手から戦士ナンバーを教えてもらい、入力して下さい。");
    screen.SetTimeLabel("―――――――");
    ChargeMercenaryFee(ctx.my, ctx.cat);
    screen.SetCaption(DuelCaption(d.duel_kind, d.duel_role));
    ClearFightingCards(d);
    ctx.msg.ShowMessage("ドローされます");
    ctx.msg.WaitClick();
    DrawFightingCards(ctx);
    screen.SetHint("対戦相手に、あなたの戦士ナンバーを教えて下さい。");
    screen.PlaySe("card.wav", 0);
    ctx.msg.ShowMessage("対戦相手に、戦士ナンバーを教えて下さい。");
    ctx.msg.AddMessage("\n※NUMBERの欄に表示されている数字をチャット文字入力部にコピー＆ペーストして下さい");
    const std::string number = WarriorNumberText(d);
    screen.CopyToClipboard(number);
    screen.SetHint("対戦相手から相手の戦士ナンバーを教えてもらい、入力して下さい。");
    ctx.msg.AddMessage("\n※対戦相手から、戦士ナンバーを教えてもらい、それぞれを入力して下さい。");
    return number;
}

bool AcceptOpponentWarriorNumber(DuelContext& ctx, std::string_view text) {
    const auto side = DecodeWarriorNumber(text, ctx.d.duel_kind, ctx.cat);
    if (!side) {
        TellWarriorNumberRefused(ctx);
        return false;
    }
    PlaceOpponentSide(ctx.d, *side);
    for (int32_t s = 4; s <= 6; ++s)
        ctx.screen().SetSlotPicture(s, CardPicturePath(ctx.d.chara[static_cast<size_t>(s)].card_no));
    return true;
}

void OpenViewMode(DuelContext& ctx) {
    DuelRecord& d = ctx.d;
    d.duel_kind = 0;
    d.look_mode = 1;
    d.my_label = "申込側";
    d.e_label = "相手側";
    ClearFightingCards(d);
    ctx.screen().SetHint("申し込み側と、受け側を間違わないよう御注意下さい");
    ctx.screen().SetCaption("KESTRA DUEL MODE");
    ctx.msg.ShowMessage("※このモードは、現verのKESTRAでのプレーを閲覧するためのモードです。");
    ctx.msg.AddMessage("\n申し込み側、受け側、それぞれの戦士ナンバーをペーストして下さい。");
}

bool AcceptViewModeNumbers(DuelContext& ctx, std::string_view applicant, std::string_view receiver) {
    const auto own = DecodeWarriorNumber(applicant, ctx.d.duel_kind, ctx.cat);
    const auto other = DecodeWarriorNumber(receiver, ctx.d.duel_kind, ctx.cat);
    if (!own || !other) {
        TellWarriorNumberRefused(ctx);
        return false;
    }
    ctx.d.duel_role = kApplicant;
    PlaceOwnSide(ctx.d, *own);
    PlaceOpponentSide(ctx.d, *other);
    return true;
}

}  // namespace kestra
