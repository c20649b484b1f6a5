#include "battle/pair_events.h"

#include <algorithm>
#include <array>

#include "base/int_text.h"
#include "base/tsv_table.h"
#include "battle/battle_content.h"
#include "catalogue/catalogue_names.h"
#include "catalogue/embedded_content.h"
#include "duel/flash.h"
#include "duel/side_rules.h"
#include "effects/statuses.h"
#include "player/cp932.h"

namespace kestra {

namespace {

// A table tag with its effect.
struct EffectTag {
    std::string_view tag;
    PairEffect effect;
};
constexpr std::array<EffectTag, 8> kEffectTags = {{{"double", PairEffect::DoubleHpMp},
                                                   {"plus5", PairEffect::PlusFive},
                                                   {"halve", PairEffect::HalveHp},
                                                   {"damage3", PairEffect::Damage3},
                                                   {"damage5", PairEffect::Damage5},
                                                   {"hp2_good", PairEffect::HpUpGood},
                                                   {"mp3_good", PairEffect::MpUpGood},
                                                   {"bad", PairEffect::BadStatus}}};

// How an effect shows on a card: flash colour, sound and the line after the name.
struct EffectLook {
    FlashColour colour;
    std::string_view wave;
    std::string suffix;
};

// Split a group field on "|".
std::vector<std::string> SplitNames(std::string_view field) {
    std::vector<std::string> names;
    size_t start = 0;
    for (;;) {
        const size_t bar = field.find('|', start);
        names.emplace_back(field.substr(start, bar == std::string_view::npos ? std::string_view::npos : bar - start));
        if (bar == std::string_view::npos) return names;
        start = bar + 1;
    }
}

// True when the two groups share a name.
bool Overlap(const std::vector<std::string>& a, const std::vector<std::string>& b) {
    return std::any_of(a.begin(), a.end(), [&](const std::string& n) { return std::count(b.begin(), b.end(), n) > 0; });
}

// The fault of a group: an unknown name, or empty when all are card names.
std::string GroupFault(const Catalogue& cat, const std::vector<std::string>& group) {
    for (const std::string& n : group)
        if (!IsCardName(cat, n)) return "unknown card name \"" + n + "\"";
    return {};
}

// The fault of an effect's parameter, or empty.
std::string ParamFault(PairEffect e, int32_t param) {
    const bool good = e == PairEffect::HpUpGood || e == PairEffect::MpUpGood;
    if (good) return param >= 1 && param <= status::kGoodLast ? "" : "good status out of range";
    if (e == PairEffect::BadStatus) return param >= 1 && param <= status::kBadLast ? "" : "bad status out of range";
    return param == 0 ? "" : "parameter must be 0";
}

// Read one row into a pair, or return its fault.
std::string ReadRow(const TsvTable& t, size_t r, const Catalogue& cat, PairEvent& out) {
    auto field = [&](const char* column) -> std::string {
        const int c = t.Column(column);
        return c < 0 ? std::string() : t.rows[r][static_cast<size_t>(c)];
    };
    out.first = SplitNames(field("first"));
    out.second = SplitNames(field("second"));
    if (auto f = GroupFault(cat, out.first); !f.empty()) return f;
    if (auto f = GroupFault(cat, out.second); !f.empty()) return f;
    if (Overlap(out.first, out.second)) return "a name stands in both groups";
    const auto effect = PairEffectFromTag(field("effect"));
    if (!effect) return "unknown effect \"" + field("effect") + "\"";
    out.effect = *effect;
    const auto param = ParseInt32(field("param"));
    const auto applies = ParseInt32(field("applies_to"));
    if (!param) return "bad param";
    out.param = *param;
    if (auto f = ParamFault(out.effect, out.param); !f.empty()) return f;
    if (!applies || (*applies != 1 && *applies != 2)) return "applies_to must be 1 or 2";
    out.applies_to = *applies;
    out.line = field("line");
    if (out.line.empty()) return "empty line";
    if (!Utf8ToCp932(out.line)) return "line not representable in CP932";
    return {};
}

// The look of an effect with its parameter.
EffectLook LookOf(PairEffect e, int32_t param) {
    switch (e) {
        case PairEffect::DoubleHpMp: return {FlashColour::Blue, "kaifuku.wav", "はHPとMPが2倍になった!!"};
        case PairEffect::PlusFive: return {FlashColour::Blue, "kaifuku.wav", "はHPとMPが 5上がった!!"};
        case PairEffect::HalveHp: return {FlashColour::Black, "noroi.wav", "はHPが半減した...."};
        case PairEffect::Damage3: return {FlashColour::Red, "punch.wav", "は 3ダメージを受けた！"};
        case PairEffect::Damage5: return {FlashColour::Red, "punch.wav", "は 5ダメージを受けた！"};
        case PairEffect::HpUpGood:
            return {FlashColour::Blue, "up.wav", "はHP+2、" + std::string(Status2Text(param)) + "化した！"};
        case PairEffect::MpUpGood:
            return {FlashColour::Blue, "up.wav", "はMP+3、" + std::string(Status2Text(param)) + "化した！"};
        case PairEffect::BadStatus:
            return {FlashColour::White, "down.wav", "は" + std::string(Status1Text(param)) + "化した！"};
    }
    return {FlashColour::White, "", ""};
}

// HP falls by n, not below 0.
void Hurt(tchar& c, int32_t n) { c.hp = c.hp > n ? c.hp - n : 0; }

// Doubled with the 32-bit wrap both machines share.
int32_t Doubled(int32_t v) { return static_cast<int32_t>(static_cast<uint32_t>(v) * 2u); }

// Apply the pair's effect to one card and show it.
void AffectCard(DuelContext& ctx, int32_t slot, const PairEvent& pair) {
    tchar& c = Slot(ctx.d, slot);
    ApplyPairEffect(c, pair.effect, pair.param);
    const EffectLook look = LookOf(pair.effect, pair.param);
    ctx.screen().PlaySe(look.wave, 3);
    Flash(ctx, look.colour, slot);
    ctx.msg.AddMessage(c.name + look.suffix);
    ctx.msg.WaitClick();
}

}  // namespace

std::optional<PairEffect> PairEffectFromTag(std::string_view tag) {
    for (const EffectTag& e : kEffectTags)
        if (e.tag == tag) return e.effect;
    return std::nullopt;
}

PairEventLoad LoadPairEvents(std::string_view text, const Catalogue& cat) {
    PairEventLoad out;
    const auto read = [&cat](const TsvTable& t, size_t r, PairEvent& e) { return ReadRow(t, r, cat, e); };
    out.error = ReadTsvRows(text, "pair_events.tsv", out.pairs, read);
    return out;
}

PairEventLoad LoadEmbeddedPairEvents(const Catalogue& cat) { return LoadPairEvents(EmbeddedTable("pair_events.tsv"), cat); }

void ApplyPairEffect(tchar& c, PairEffect effect, int32_t param) {
    switch (effect) {
        case PairEffect::DoubleHpMp:
            c.hp = Doubled(c.hp);
            c.mp = Doubled(c.mp);
            break;
        case PairEffect::PlusFive:
            c.hp = WrapAdd(c.hp, 5);
            c.mp = WrapAdd(c.mp, 5);
            break;
        case PairEffect::HalveHp: c.hp /= 2; break;
        case PairEffect::Damage3: Hurt(c, 3); break;
        case PairEffect::Damage5: Hurt(c, 5); break;
        case PairEffect::HpUpGood:
            c.hp = WrapAdd(c.hp, 2);
            c.status2 = param;
            break;
        case PairEffect::MpUpGood:
            c.mp = WrapAdd(c.mp, 3);
            c.status2 = param;
            break;
        case PairEffect::BadStatus: c.status1 = param; break;
    }
}

std::vector<int32_t> GroupSlots(const DuelRecord& d, const std::vector<std::string>& group) {
    const int32_t first = d.atk_no >= 1 && d.atk_no <= 6 ? FirstSlotOf(d.atk_no) : 1;
    std::vector<int32_t> slots;
    for (int32_t k = 0; k < 6; ++k) {
        const int32_t slot = (first - 1 + k) % 6 + 1;
        const tchar& c = Slot(d, slot);
        if (c.alive() && std::count(group.begin(), group.end(), c.name) > 0) slots.push_back(slot);
    }
    return slots;
}

bool RunPairEvent(DuelContext& ctx, const PairEvent& pair) {
    const std::vector<int32_t> first = GroupSlots(ctx.d, pair.first);
    const std::vector<int32_t> second = GroupSlots(ctx.d, pair.second);
    if (first.empty() || second.empty()) return false;
    for (const int32_t slot : first) Flash(ctx, FlashColour::White, slot);
    ctx.msg.ShowMessage(pair.line);
    ctx.msg.WaitClick();
    for (const int32_t slot : pair.applies_to == 1 ? first : second) AffectCard(ctx, slot, pair);
    return true;
}

int32_t RunPairEvents(DuelContext& ctx, const std::vector<PairEvent>& pairs) {
    if (ctx.d.turn != 4) return 0;
    int32_t played = 0;
    for (const PairEvent& pair : pairs) played += RunPairEvent(ctx, pair) ? 1 : 0;
    return played;
}

int32_t RunPairEvents(DuelContext& ctx) {
    if (ctx.d.turn != 4) return 0;
    if (ctx.content) return RunPairEvents(ctx, ctx.content->pairs);
    return RunPairEvents(ctx, LoadEmbeddedPairEvents(ctx.cat).pairs);
}

}  // namespace kestra
