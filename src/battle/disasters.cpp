#include "battle/disasters.h"

#include "base/int_text.h"
#include "duel/side_rules.h"
#include "catalogue/card_facts.h"
#include "duel/flash.h"
#include "duel/icon_rules.h"

namespace kestra {

namespace {

constexpr std::array<std::array<int32_t, 6>, 10> kVisitOrder = {{
    {1, 2, 3, 1, 1, 3}, {4, 5, 4, 5, 4, 6}, {1, 4, 5, 6, 3, 2}, {1, 1, 6, 6, 3, 4}, {6, 5, 4, 5, 3, 1},
    {6, 5, 1, 2, 3, 1}, {3, 3, 3, 4, 5, 6}, {5, 5, 5, 3, 1, 2}, {2, 4, 1, 5, 3, 3}, {4, 4, 3, 5, 3, 6},
}};

// One disaster: its modulus, the duel kind and turns that force it, the interference turn, its lines.
struct Disaster {
    int32_t modulus;
    int32_t kind;
    std::array<int32_t, 2> kind_turns;  // -1: every turn
    int32_t interference_turn;
    const char* first_line;
    const char* second_line;
};

constexpr Disaster kThunder = {80, 16, {4, 8}, 4, "....！？....地響きが聞こえる....", "天地に雷鳴が轟いた！！！！！！！！！！！！"};
constexpr Disaster kMagma = {280, 13, {3, 7}, 3, "....！？....大地に亀裂が走る....", "マグマが雪崩となって襲いかかる！！！！！！！"};
constexpr Disaster kUpheaval = {170, 18, {-1, -1}, 5, "....！？....とんでもない轟音が聞こえる....",
                                "大異変が発生した！！！！！！！！！！"};
constexpr Disaster kDistortion = {800, 17, {3, 4}, 6, "....！？....空間が歪み彎曲する....",
                                  "極度の磁場が時空を混乱させた！！！！！！！"};
constexpr Disaster kTsunami = {240, 12, {4, 8}, 7, "....ゴゴゴゴゴゴゴ....", "巨大な津波が戦士達を飲みこんだ！！！！！！！！！"};

// The disaster fires: V divisible by its modulus, its field on its turns, or the interference turn.
bool Fires(const DuelContext& ctx, const Disaster& dis, bool interference) {
    const DuelRecord& d = ctx.d;
    if (DisasterValue(d) % dis.modulus == 0) return true;
    if (d.duel_kind == dis.kind && (dis.kind_turns[0] == -1 || d.turn == dis.kind_turns[0] || d.turn == dis.kind_turns[1]))
        return true;
    return interference && d.turn == dis.interference_turn;
}

// Show the disaster's two lines, each with a click.
void Announce(DuelContext& ctx, const Disaster& dis) {
    ctx.msg.ShowMessage(dis.first_line);
    ctx.msg.WaitClick();
    ctx.msg.AddMessage(dis.second_line);
    ctx.msg.WaitClick();
}

// A damage hit on one card: red flash, HP down (not below 0), the line, a click.
void Hit(DuelContext& ctx, int32_t slot, int32_t damage, const char* wave, int32_t channel) {
    tchar& c = Slot(ctx.d, slot);
    if (damage < 0) damage = 0;
    Flash(ctx, FlashColour::Red, slot);
    c.hp -= damage;
    if (c.hp < 0) c.hp = 0;
    ctx.screen().PlaySe(wave, channel);
    ctx.msg.AddMessage(c.name + "は " + std::to_string(damage) + "ダメージを受けた！");
    ctx.msg.WaitClick();
}

// A heal of 1 HP: blue flash, "kaifuku.wav", the line, a click.
void HealOne(DuelContext& ctx, int32_t slot) {
    tchar& c = Slot(ctx.d, slot);
    Flash(ctx, FlashColour::Blue, slot);
    c.hp += 1;
    ctx.screen().PlaySe("kaifuku.wav", 3);
    ctx.msg.AddMessage(c.name + "は 1回復した!");
    ctx.msg.WaitClick();
}

// A bad status from the heat: red flash, "ma2.wav", the line, a click.
void Burn(DuelContext& ctx, int32_t slot, int32_t status, const char* suffix) {
    tchar& c = Slot(ctx.d, slot);
    Flash(ctx, FlashColour::Red, slot);
    c.status1 = status;
    ctx.screen().PlaySe("ma2.wav", 3);
    ctx.msg.AddMessage(c.name + suffix);
    ctx.msg.WaitClick();
}

// Visit the slots of the table; returns whether any living slot was hit.
template <class F>
bool Visit(DuelContext& ctx, F&& hit) {
    bool any = false;
    for (const int32_t slot : DisasterVisitOrder(ctx.d.luck, ActingOwn(ctx.d))) {
        if (!Slot(ctx.d, slot).alive()) continue;
        hit(slot);
        any = true;
    }
    return any;
}

// "....かと思われたが何も起きなかった...." when a striking disaster found nobody.
void NothingHappened(DuelContext& ctx, bool any) {
    if (!any) ctx.msg.AddMessage("....かと思われたが何も起きなかった....");
}

// The big meteor makes the earth-shaking disasters stronger.
bool Meteor(const DuelContext& ctx) { return IconWorn(ctx.d, ctx.cat, "巨大隕石"); }

void Thunder(DuelContext& ctx) {
    const int32_t base = Meteor(ctx) ? 7 : 3;
    NothingHappened(ctx, Visit(ctx, [&](int32_t s) { Hit(ctx, s, base - (Slot(ctx.d, s).status2 == 4 ? 2 : 0), "baku.wav", 3); }));
}

void Magma(DuelContext& ctx) {
    NothingHappened(ctx, Visit(ctx, [&](int32_t s) {
        const int32_t e = Slot(ctx.d, s).element;
        if (e == 3) HealOne(ctx, s);
        else if (e == 4) Burn(ctx, s, 12, "は火傷を負った！→<時１>化!");
        else Burn(ctx, s, 9, "は大火傷を負った！→<爆弾>化!");
    }));
}

void Upheaval(DuelContext& ctx) {
    const int32_t base = Meteor(ctx) ? 9 : 4;
    NothingHappened(ctx, Visit(ctx, [&](int32_t s) { Hit(ctx, s, base - (Slot(ctx.d, s).status2 == 4 ? 3 : 0), "baku.wav", 3); }));
}

void Tsunami(DuelContext& ctx) {
    NothingHappened(ctx, Visit(ctx, [&](int32_t s) {
        const tchar& c = Slot(ctx.d, s);
        if (c.element == 4) {
            HealOne(ctx, s);
            return;
        }
        const int32_t damage = (c.element == 3 ? 2 : 1) - (c.status2 == 4 ? 2 : 0);
        Hit(ctx, s, damage, "lazer.wav", 3);
    }));
}

// Time distortion: the turn counter moves, or every living card returns to its catalogue figures.
void Distortion(DuelContext& ctx) {
    DuelRecord& d = ctx.d;
    ctx.screen().PlaySe("time_wav.wav", 1);
    static constexpr std::array<int32_t, 8> kChange = {1, 2, 3, 4, -1, -2, -3, -4};
    if (d.luck >= 0 && d.luck <= 7) {
        const int32_t change = kChange[static_cast<size_t>(d.luck)];
        d.turn += change;
        if (d.turn < 1) d.turn = 0;
        ctx.msg.AddMessage("ターン数が " + std::to_string(change) + "変化した！！");
        ctx.msg.WaitClick();
        return;
    }
    const bool hp = d.luck == 8;
    for (int32_t s = 1; s <= 6; ++s) {
        tchar& c = Slot(d, s);
        if (c.alive() && c.card_no >= 0 && c.card_no < kCardRows) {
            Flash(ctx, FlashColour::White, s);
            const tcard& row = ctx.cat.card[static_cast<size_t>(c.card_no)];
            (hp ? c.hp : c.mp) = hp ? row.hp : row.mp;
        }
        ctx.msg.AddMessage(hp ? "全員のHPが本来のHPに戻ってしまった！！" : "全員のMPが本来のMPに戻ってしまった！！");
        ctx.msg.WaitClick();
    }
}

}  // namespace

int32_t DisasterValue(const DuelRecord& d) {
    int32_t v = 0;
    for (size_t s = 1; s <= 6; ++s) v = WrapAdd(WrapAdd(v, d.chara[s].hp), d.chara[s].mp);
    return WrapAdd(WrapAdd(WrapAdd(v, d.my_id), d.aite_id), d.luck);
}

std::array<int32_t, 6> DisasterVisitOrder(int32_t luck, bool acting_own) {
    std::array<int32_t, 6> order = kVisitOrder[static_cast<size_t>(luck < 0 || luck > 9 ? 0 : luck)];
    if (!acting_own)
        for (int32_t& s : order) s = s <= 3 ? s + 3 : s - 3;
    return order;
}

void RunDisasters(DuelContext& ctx, bool interference) {
    const std::array<std::pair<const Disaster*, void (*)(DuelContext&)>, 5> kOrder = {{
        {&kThunder, Thunder}, {&kMagma, Magma}, {&kUpheaval, Upheaval}, {&kDistortion, Distortion}, {&kTsunami, Tsunami}}};
    for (const auto& [dis, run] : kOrder) {
        if (!Fires(ctx, *dis, interference)) continue;
        Announce(ctx, *dis);
        run(ctx);
    }
}

}  // namespace kestra
