#include "battle/summon_beings.h"

#include <algorithm>
#include <array>
#include <cstdlib>

#include "base/int_text.h"
#include "base/tsv_table.h"
#include "battle/technique_kit.h"
#include "catalogue/embedded_content.h"
#include "player/cp932.h"

namespace kestra {

using namespace kit;

namespace {

constexpr std::array<std::string_view, 10> kFigures = {"sigil",   "rune",   "beast", "ghost",   "fish",
                                                       "serpent", "person", "tower", "crystal", "flame"};
constexpr std::array<FlashColour, 10> kFlashes = {
    FlashColour::Red,    FlashColour::Yellow, FlashColour::Blue,  FlashColour::Aqua,  FlashColour::Lime,
    FlashColour::Purple, FlashColour::Black,  FlashColour::Green, FlashColour::White, FlashColour::Fuchsia};

// The placeholder of each counted field, and the field's name in the table.
constexpr std::array<std::string_view, 5> kFieldNames = {"hp", "mp", "lv", "status1", "status2"};
constexpr std::array<std::string_view, 3> kPlaceholders = {"{hp}", "{mp}", "{lv}"};

// A text column of the row.
std::string Text(const TsvTable& t, size_t r, const char* column) {
    const int c = t.Column(column);
    return c < 0 ? std::string() : t.rows[r][static_cast<size_t>(c)];
}

// The text ends with the suffix.
bool EndsWith(std::string_view text, std::string_view suffix) {
    return text.size() >= suffix.size() && text.substr(text.size() - suffix.size()) == suffix;
}

// "self", "target", "ally" or "foe", then ":" and the filter.
std::string ReadShape(std::string_view shape, SummonBeing& b) {
    const auto parts = SplitOn(shape, ':');
    if (parts.size() != 2) return "shape must be who:filter";
    const std::string_view who = parts[0], filter = parts[1];
    if (who == "self")
        b.who = SummonWho::Self;
    else if (who == "target")
        b.who = SummonWho::Target;
    else if (who == "ally")
        b.who = SummonWho::Ally;
    else if (who == "foe")
        b.who = SummonWho::Foe;
    else
        return "unknown who \"" + std::string(who) + "\"";
    if (filter == "any") return {};
    if (b.who == SummonWho::Self || b.who == SummonWho::Target) return "self and target take the filter any";
    const bool element = filter.rfind("elem=", 0) == 0, slot = filter.rfind("slot=", 0) == 0;
    if (!element && !slot) return "unknown filter \"" + std::string(filter) + "\"";
    const auto value = ParseInt32(filter.substr(5));
    if (!value || *value < (element ? 0 : 1) || *value > (element ? 4 : 3))
        return "filter value out of range";
    b.filter = element ? SummonFilter::Element : SummonFilter::SlotOfSide;
    b.filter_value = *value;
    return {};
}

// "hp=+2:mp=-1:status1=4": each field at most once, amounts 1..99 with a sign, statuses in range.
std::string ReadChanges(std::string_view text, std::vector<SummonChange>& changes) {
    changes.clear();
    for (const std::string_view part : SplitOn(text, ':')) {
        const size_t eq = part.find('=');
        if (eq == std::string_view::npos) return "change without '='";
        const std::string_view name = part.substr(0, eq), value = part.substr(eq + 1);
        size_t field = 0;
        while (field < kFieldNames.size() && kFieldNames[field] != name) ++field;
        if (field == kFieldNames.size()) return "unknown field \"" + std::string(name) + "\"";
        SummonChange c{static_cast<SummonField>(field), 0};
        for (const SummonChange& seen : changes)
            if (seen.field == c.field) return "field \"" + std::string(name) + "\" twice";
        const auto n = ParseInt32(value.empty() || value[0] != '+' ? value : value.substr(1));
        if (!n) return "bad amount \"" + std::string(value) + "\"";
        c.value = *n;
        if (field < 3 && ((value[0] != '+' && value[0] != '-') || c.value == 0 || std::abs(c.value) > 99))
            return "amount must be +1..+99 or -1..-99";
        if (c.field == SummonField::Status1 && (c.value < 1 || c.value > 20)) return "status1 out of 1..20";
        if (c.field == SummonField::Status2 && (c.value < 1 || c.value > 13)) return "status2 out of 1..13";
        changes.push_back(c);
    }
    return changes.empty() ? "no change" : std::string();
}

// The amount a change moves, as the line shows it.
int32_t Moved(const std::vector<SummonChange>& changes, size_t field) {
    for (const SummonChange& c : changes)
        if (static_cast<size_t>(c.field) == field) return std::abs(c.value);
    return -1;
}

// Each line is present, CP932 and names only amounts that both change lists move.
std::string CheckLines(const SummonBeing& b) {
    if (b.lines.empty()) return "no line";
    for (const std::string& line : b.lines) {
        if (line.empty()) return "empty line";
        if (!Utf8ToCp932(line)) return "line not representable in CP932";
        for (size_t f = 0; f < kPlaceholders.size(); ++f)
            if (line.find(kPlaceholders[f]) != std::string::npos &&
                (Moved(b.amount, f) < 0 || Moved(b.grown, f) < 0))
                return "line names " + std::string(kPlaceholders[f]) + " that the being does not move";
    }
    return {};
}

// Read one row, or return its fault.
std::string ReadRow(const TsvTable& t, size_t r, SummonBeing& b) {
    b.icon = Text(t, r, "icon");
    b.being = Text(t, r, "being");
    if (b.icon.empty() || b.being.empty()) return "empty icon or being";
    if (!Utf8ToCp932(b.icon) || !Utf8ToCp932(b.being)) return "name not representable in CP932";
    b.picture = Text(t, r, "picture");
    if (b.picture.rfind("cg/", 0) != 0 || !EndsWith(b.picture, ".bmp") || b.picture.size() <= 7)
        return "picture must be cg/<name>.bmp";
    b.figure = Text(t, r, "figure");
    if (std::find(kFigures.begin(), kFigures.end(), b.figure) == kFigures.end()) return "unknown figure";
    if (auto f = ReadShape(Text(t, r, "shape"), b); !f.empty()) return f;
    if (auto f = ReadChanges(Text(t, r, "amount"), b.amount); !f.empty()) return "amount: " + f;
    const std::string grown = Text(t, r, "grown");
    if (grown == "-")
        b.grown = b.amount;
    else if (auto f = ReadChanges(grown, b.grown); !f.empty())
        return "grown: " + f;
    const std::string flash = Text(t, r, "flash");
    const auto colour = std::find_if(kFlashes.begin(), kFlashes.end(),
                                     [&](FlashColour c) { return FlashColourName(c) == flash; });
    if (colour == kFlashes.end()) return "unknown flash \"" + flash + "\"";
    b.flash = *colour;
    b.sound = Text(t, r, "sound");
    if (!EndsWith(b.sound, ".wav") || b.sound.size() <= 4) return "sound must be a .wav";
    b.lines.clear();
    const std::string lines = Text(t, r, "line");
    for (const std::string_view line : SplitOn(lines, '|')) b.lines.emplace_back(line);
    return CheckLines(b);
}

// The card's figure after one change.
void Apply(tchar& c, const SummonChange& change) {
    switch (change.field) {
        case SummonField::Hp:
            c.hp = change.value > 0 ? WrapAdd(c.hp, change.value) : LoseDownToZero(c.hp, -change.value);
            break;
        case SummonField::Mp:
            c.mp = change.value > 0 ? WrapAdd(c.mp, change.value) : LoseDownToZero(c.mp, -change.value);
            break;
        case SummonField::Lv:
            c.lv = change.value > 0 ? WrapAdd(c.lv, change.value) : LoseDownToZero(c.lv, -change.value);
            break;
        case SummonField::Status1:
            c.status1 = change.value;
            break;
        case SummonField::Status2:
            c.status2 = change.value;
            break;
    }
}

// The card in the slot is one the being's filter picks.
bool Picks(const DuelRecord& d, const SummonBeing& b, int32_t slot, int32_t first) {
    const tchar& c = Slot(d, slot);
    if (!c.alive()) return false;
    if (b.filter == SummonFilter::Element) return c.element == b.filter_value;
    if (b.filter == SummonFilter::SlotOfSide) return slot == first + b.filter_value - 1;
    return true;
}

}  // namespace

SummonBeingLoad LoadSummonBeings(std::string_view text) {
    SummonBeingLoad out;
    const auto read = [&](const TsvTable& t, size_t r, SummonBeing& b) {
        std::string fault = ReadRow(t, r, b);
        const auto same = [&](const SummonBeing& x) { return x.icon == b.icon || x.picture == b.picture; };
        if (fault.empty() && std::any_of(out.beings.begin(), out.beings.end(), same))
            fault = "icon or picture twice";
        return fault;
    };
    out.error = ReadTsvRows(text, "summon_beings.tsv", out.beings, read);
    return out;
}

const SummonBeingLoad& EmbeddedSummonBeings() {
    static const SummonBeingLoad load = LoadSummonBeings(EmbeddedTable("summon_beings.tsv"));
    return load;
}

const std::vector<SummonBeing>& SummonBeings() { return EmbeddedSummonBeings().beings; }

std::vector<std::string> SummonIconNames() {
    std::vector<std::string> names;
    for (const SummonBeing& b : SummonBeings()) names.push_back(b.icon);
    return names;
}

std::vector<int32_t> SummonedSlots(const DuelRecord& d, const SummonBeing& being) {
    std::vector<int32_t> slots;
    switch (being.who) {
        case SummonWho::Self:
            if (Slot(d, d.atk_no).alive()) slots.push_back(d.atk_no);
            break;
        case SummonWho::Target:
            if (Slot(d, d.tgt_no).alive()) slots.push_back(d.tgt_no);
            break;
        case SummonWho::Ally:
        case SummonWho::Foe: {
            const int32_t first =
                being.who == SummonWho::Ally ? FirstSlotOf(d.atk_no) : OtherFirstSlot(d.atk_no);
            for (int32_t s = first; s < first + 3; ++s)
                if (Picks(d, being, s, first)) slots.push_back(s);
            break;
        }
    }
    return slots;
}

const std::vector<SummonChange>& SummonChanges(const DuelContext& ctx, const SummonBeing& being) {
    return EitherWearsNamed(ctx, "天才召喚士") ? being.grown : being.amount;
}

std::string SummonLine(std::string_view line, const std::string& name,
                       const std::vector<SummonChange>& changes) {
    std::string out(line);
    const auto fill = [&out](std::string_view key, const std::string& value) {
        for (size_t at = out.find(key); at != std::string::npos; at = out.find(key, at + value.size()))
            out.replace(at, key.size(), value);
    };
    fill("{name}", name);
    for (size_t f = 0; f < kPlaceholders.size(); ++f)
        fill(kPlaceholders[f], std::to_string(Moved(changes, f)));
    return out;
}

void ActSummonBeing(DuelContext& ctx, const SummonBeing& being) {
    const std::vector<int32_t> slots = SummonedSlots(ctx.d, being);
    if (slots.empty())
        return Line(ctx, being.who == SummonWho::Target ? "効果が無かった...." : "何も起きなかった...");
    const std::vector<SummonChange>& changes = SummonChanges(ctx, being);
    for (const int32_t s : slots) {
        Flash(ctx, being.flash, s);
        ctx.screen().PlaySe(being.sound, kSe);
        tchar& c = Slot(ctx.d, s);
        for (const SummonChange& change : changes) Apply(c, change);
        for (const std::string& line : being.lines) Line(ctx, SummonLine(line, c.name, changes));
    }
}

}  // namespace kestra
