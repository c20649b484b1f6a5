#include "battle/signature_moves.h"

#include <algorithm>
#include <array>

#include "audio/sound_names.h"
#include "base/int_text.h"
#include "base/tsv_table.h"
#include "battle/battle_content.h"
#include "battle/flick.h"
#include "battle/technique_kit.h"
#include "catalogue/catalogue_names.h"
#include "catalogue/embedded_content.h"
#include "effects/statuses.h"
#include "player/cp932.h"

namespace kestra {

namespace {

using namespace kit;

// A table tag with its shape and how many amounts it reads.
struct ShapeTag {
    std::string_view tag;
    MoveShape shape;
    int amounts;
};
constexpr std::array<ShapeTag, 8> kShapeTags = {{{"blow", MoveShape::Blow, 1},
                                                 {"multiply", MoveShape::Multiply, 1},
                                                 {"drain", MoveShape::Drain, 1},
                                                 {"heal_side", MoveShape::HealSide, 2},
                                                 {"status", MoveShape::Status, 1},
                                                 {"buff", MoveShape::Buff, 2},
                                                 {"mp_strike", MoveShape::MpStrike, 1},
                                                 {"side_blow", MoveShape::SideBlow, 1}}};

constexpr std::array<FlashColour, 10> kColours = {
    FlashColour::Red,    FlashColour::Yellow, FlashColour::Blue,  FlashColour::Aqua,  FlashColour::Lime,
    FlashColour::Purple, FlashColour::Black,  FlashColour::Green, FlashColour::White, FlashColour::Fuchsia};

// The steps of a fixed blow: the flick's modifiers, then absorb, shatter and the traps; no counter.
constexpr uint32_t kFixedBlowSteps = kFlickModifiers | kAbsorb | kShatter | kTraps;
// The steps of a multiplied flick: the flick's without critical and miss (the move has its digits).
constexpr uint32_t kMultipliedSteps = kFlickModifiers | kFlickAftermath | kCounter;

// The number of amounts a shape reads.
int AmountsOf(MoveShape shape) {
    for (const ShapeTag& s : kShapeTags)
        if (s.shape == shape) return s.amounts;
    return 1;
}

// The flash colour of a transcript name ("red", "blue", ...), if it is one.
std::optional<FlashColour> ColourFromName(std::string_view name) {
    for (const FlashColour c : kColours)
        if (FlashColourName(c) == name) return c;
    return std::nullopt;
}

// Chance digits: one or more of 0..9, strictly ascending.
bool GoodDigits(std::string_view luck) {
    if (luck.empty()) return false;
    for (size_t i = 0; i < luck.size(); ++i) {
        if (luck[i] < '0' || luck[i] > '9') return false;
        if (i > 0 && luck[i] <= luck[i - 1]) return false;
    }
    return true;
}

// The fault of the row's amounts for its shape, or empty.
std::string AmountFault(const SignatureMove& m) {
    const auto in = [](int32_t v, int32_t lo, int32_t hi) { return v >= lo && v <= hi; };
    switch (m.shape) {
        case MoveShape::Multiply:
            return in(m.amount, 2, 9) ? "" : "multiply needs 2..9";
        case MoveShape::Status:
            return in(m.amount, 1, status::kBadLast) ? "" : "bad status out of range";
        case MoveShape::Buff:
            if (!in(m.amount, 1, status::kGoodLast)) return "good status out of range";
            return in(m.amount2, 0, 99) ? "" : "HP gain out of 0..99";
        case MoveShape::HealSide:
            if (!in(m.amount, 0, 99) || !in(m.amount2, 0, 99)) return "heal out of 0..99";
            return m.amount + m.amount2 > 0 ? "" : "a heal must heal something";
        default:
            return in(m.amount, 1, 99) ? "" : "amount out of 1..99";
    }
}

// Read the amounts field ("N" or "N|M", as the shape wants) into the move.
std::string ReadAmounts(std::string_view field, SignatureMove& m) {
    const std::vector<std::string_view> parts = SplitOn(field, '|');
    if (static_cast<int>(parts.size()) != AmountsOf(m.shape)) return "wrong number of amounts for the shape";
    const auto first = ParseInt32(parts[0]);
    if (!first) return "bad amount";
    m.amount = *first;
    if (parts.size() == 2) {
        const auto second = ParseInt32(parts[1]);
        if (!second) return "bad amount";
        m.amount2 = *second;
    }
    return AmountFault(m);
}

// Read one row into a move, or return its fault.
std::string ReadRow(const TsvTable& t, size_t r, const Catalogue& cat, SignatureMove& m) {
    auto field = [&](const char* column) -> std::string {
        const int c = t.Column(column);
        return c < 0 ? std::string() : t.rows[r][static_cast<size_t>(c)];
    };
    m.card = field("card");
    if (!IsCardName(cat, m.card)) return "unknown card name \"" + m.card + "\"";
    m.name = field("move");
    if (m.name.empty() || !Utf8ToCp932(m.name)) return "move name empty or not CP932";
    const auto shape = MoveShapeFromTag(field("shape"));
    if (!shape) return "unknown shape \"" + field("shape") + "\"";
    m.shape = *shape;
    if (auto f = ReadAmounts(field("amounts"), m); !f.empty()) return f;
    m.luck = field("luck");
    if (!GoodDigits(m.luck)) return "luck must be ascending digits 0..9";
    m.line = field("line");
    if (m.line.empty() || !Utf8ToCp932(m.line)) return "line empty or not CP932";
    const auto colour = ColourFromName(field("flash"));
    if (!colour) return "unknown flash colour \"" + field("flash") + "\"";
    m.flash = *colour;
    m.sound = field("sound");
    if (std::count(kWaveNames.begin(), kWaveNames.end(), m.sound) == 0)
        return "unknown sound \"" + m.sound + "\"";
    return {};
}

// The number as the result lines write it.
std::string Num(int32_t n) { return std::to_string(n); }

// A blow of the move: its flash on the target, its sound, the damage and the aftermath the steps pick;
// a counter-attack strikes with the target's HP before the blow.
void MoveStrike(DuelContext& ctx, const SignatureMove& m, uint32_t steps, int32_t base) {
    BlowRules rules;
    rules.steps = steps;
    rules.wave = m.sound;
    rules.channel = kSe;
    Flash(ctx, m.flash, ctx.d.tgt_no);
    const int32_t hp_before = Target(ctx).hp;
    ctx.screen().PlaySe(m.sound, kSe);
    const int32_t damage = BlowDamage(ctx, rules, base);
    BlowAftermath(ctx, rules, damage, hp_before);
}

// The target loses up to N HP; the attacker gains what was taken.
void DrainMove(DuelContext& ctx, const SignatureMove& m) {
    tchar& t = Target(ctx);
    Flash(ctx, m.flash, ctx.d.tgt_no);
    ctx.screen().PlaySe(m.sound, kSe);
    const int32_t before = t.hp;
    t.hp = LoseDownToZero(t.hp, m.amount);
    const int32_t taken = std::max(0, WrapSub(before, t.hp));
    Line(ctx, t.name + "からHPを " + Num(taken) + "吸い取った！");
    tchar& a = Attacker(ctx);
    Flash(ctx, FlashColour::Blue, ctx.d.atk_no);
    a.hp = WrapAdd(a.hp, taken);
    Line(ctx, a.name + "のHPが " + Num(taken) + "回復した！");
}

// Each living card of the attacker's side gains N HP and M MP, one flash each, then one line.
void HealSideMove(DuelContext& ctx, const SignatureMove& m) {
    ctx.screen().PlaySe(m.sound, kSe);
    const SlotRange side = OwnSide(ctx.d);
    for (int32_t s = side.first; s <= side.last; ++s) {
        tchar& c = Slot(ctx.d, s);
        if (!c.alive()) continue;
        Flash(ctx, m.flash, s);
        c.hp = WrapAdd(c.hp, m.amount);
        c.mp = WrapAdd(c.mp, m.amount2);
    }
    if (m.amount2 == 0)
        Line(ctx, "味方全員のHPが " + Num(m.amount) + "回復した！");
    else if (m.amount == 0)
        Line(ctx, "味方全員のMPが " + Num(m.amount2) + "回復した！");
    else
        Line(ctx, "味方全員のHPが " + Num(m.amount) + "、MPが " + Num(m.amount2) + "回復した！");
}

// The target's bad status becomes N.
void StatusMove(DuelContext& ctx, const SignatureMove& m) {
    tchar& t = Target(ctx);
    Flash(ctx, m.flash, ctx.d.tgt_no);
    ctx.screen().PlaySe(m.sound, kSe);
    t.status1 = m.amount;
    Line(ctx, t.name + "は" + std::string(Status1Text(m.amount)) + "化した！");
}

// The attacker's good status becomes N and it gains M HP.
void BuffMove(DuelContext& ctx, const SignatureMove& m) {
    tchar& a = Attacker(ctx);
    Flash(ctx, m.flash, ctx.d.atk_no);
    ctx.screen().PlaySe(m.sound, kSe);
    a.status2 = m.amount;
    a.hp = WrapAdd(a.hp, m.amount2);
    const std::string gain = m.amount2 > 0 ? "HP+" + Num(m.amount2) + "、" : "";
    Line(ctx, a.name + "は" + gain + std::string(Status2Text(m.amount)) + "化した！");
}

// The target loses up to N MP.
void MpStrikeMove(DuelContext& ctx, const SignatureMove& m) {
    tchar& t = Target(ctx);
    Flash(ctx, m.flash, ctx.d.tgt_no);
    ctx.screen().PlaySe(m.sound, kSe);
    const int32_t before = t.mp;
    t.mp = LoseDownToZero(t.mp, m.amount);
    Line(ctx, t.name + "のMPを " + Num(std::max(0, WrapSub(before, t.mp))) + "削った！");
}

// Each living card of the other side loses up to N HP, one flash each, then one line.
void SideBlowMove(DuelContext& ctx, const SignatureMove& m) {
    ctx.screen().PlaySe(m.sound, kSe);
    const SlotRange side = OtherSide(ctx.d);
    for (int32_t s = side.first; s <= side.last; ++s) {
        tchar& c = Slot(ctx.d, s);
        if (!c.alive()) continue;
        Flash(ctx, m.flash, s);
        c.hp = LoseDownToZero(c.hp, m.amount);
    }
    Line(ctx, "敵全員に " + Num(m.amount) + "ダメージ与えた！");
}

// The move's effect after its title and line.
void RunShape(DuelContext& ctx, const SignatureMove& m) {
    switch (m.shape) {
        case MoveShape::Blow:
            MoveStrike(ctx, m, kFixedBlowSteps, m.amount);
            break;
        case MoveShape::Multiply:
            MoveStrike(ctx, m, kMultipliedSteps, WrapMul(Attacker(ctx).hp, m.amount));
            break;
        case MoveShape::Drain:
            DrainMove(ctx, m);
            break;
        case MoveShape::HealSide:
            HealSideMove(ctx, m);
            break;
        case MoveShape::Status:
            StatusMove(ctx, m);
            break;
        case MoveShape::Buff:
            BuffMove(ctx, m);
            break;
        case MoveShape::MpStrike:
            MpStrikeMove(ctx, m);
            break;
        case MoveShape::SideBlow:
            SideBlowMove(ctx, m);
            break;
    }
}

// A slot of the field.
bool OnField(int32_t slot) { return slot >= 1 && slot <= 6; }

}  // namespace

std::optional<MoveShape> MoveShapeFromTag(std::string_view tag) {
    for (const ShapeTag& s : kShapeTags)
        if (s.tag == tag) return s.shape;
    return std::nullopt;
}

SignatureMoveLoad LoadSignatureMoves(std::string_view text, const Catalogue& cat) {
    SignatureMoveLoad out;
    const auto read = [&](const TsvTable& t, size_t r, SignatureMove& m) {
        std::string fault = ReadRow(t, r, cat, m);
        const auto same_card = [&](const SignatureMove& x) { return x.card == m.card; };
        if (fault.empty() && std::any_of(out.moves.begin(), out.moves.end(), same_card))
            fault = "card \"" + m.card + "\" has a move already";
        return fault;
    };
    out.error = ReadTsvRows(text, "signature_moves.tsv", out.moves, read);
    return out;
}

SignatureMoveLoad LoadEmbeddedSignatureMoves(const Catalogue& cat) {
    return LoadSignatureMoves(EmbeddedTable("signature_moves.tsv"), cat);
}

std::vector<std::string> SignatureMoveNames(const BattleContent& content) {
    std::vector<std::string> names;
    for (const SignatureMove& m : content.moves) names.push_back(m.name);
    return names;
}

const SignatureMove* FindSignatureMove(const std::vector<SignatureMove>& table, const DuelRecord& d) {
    if (!OnField(d.atk_no) || !OnField(d.tgt_no) || d.luck < 0 || d.luck > 9) return nullptr;
    const std::string& name = Slot(d, d.atk_no).name;
    const char digit = static_cast<char>('0' + d.luck);
    for (const SignatureMove& m : table)
        if (m.card == name) return m.luck.find(digit) != std::string::npos ? &m : nullptr;
    return nullptr;
}

bool RunSignatureMove(DuelContext& ctx, const std::vector<SignatureMove>& table) {
    const SignatureMove* m = FindSignatureMove(table, ctx.d);
    if (m == nullptr) return false;
    Title(ctx, m->name);
    Line(ctx, m->line);
    RunShape(ctx, *m);
    return true;
}

bool RunSignatureMove(DuelContext& ctx) {
    if (ctx.content) return RunSignatureMove(ctx, ctx.content->moves);
    return RunSignatureMove(ctx, LoadEmbeddedSignatureMoves(ctx.cat).moves);
}

}  // namespace kestra
