#include "battle/death_reactions.h"

#include <algorithm>

#include "base/int_text.h"
#include "base/tsv_table.h"
#include "battle/battle_content.h"
#include "catalogue/card_facts.h"
#include "catalogue/catalogue_names.h"
#include "catalogue/embedded_content.h"
#include "duel/flash.h"
#include "duel/side_rules.h"
#include "player/cp932.h"

namespace kestra {

namespace {

constexpr int32_t kLastPiece = kMusicPieces - 1;

// A listed card number with a name and a body that can stand (base HP above 0).
bool IsStandingCard(const Catalogue& cat, int32_t n) {
    if (n < 0 || n >= kListedCards) return false;
    const tcard& c = cat.card[static_cast<size_t>(n)];
    return !c.name.empty() && c.hp > 0;
}

// Read an integer column into v; false when it is not a number.
bool ReadInt(const TsvTable& t, size_t r, const char* column, int32_t& v) {
    const int c = t.Column(column);
    if (c < 0) return false;
    const auto parsed = ParseInt32(t.rows[r][static_cast<size_t>(c)]);
    if (parsed) v = *parsed;
    return parsed.has_value();
}

// A text column.
std::string Text(const TsvTable& t, size_t r, const char* column) {
    const int c = t.Column(column);
    return c < 0 ? std::string() : t.rows[r][static_cast<size_t>(c)];
}

// The fault of the row's numbers, or empty.
std::string RangeFault(const Catalogue& cat, const DeathReaction& x) {
    if (x.min_lv < 0 || x.min_lv > 9) return "min_lv out of 0..9";
    if (x.max_luck < 0 || x.max_luck > 9) return "max_luck out of 0..9";
    if (x.min_turn < 0 || x.mp_cost < 0) return "negative min_turn or mp_cost";
    if (x.music < -1 || x.music > kLastPiece) return "music out of range";
    if (x.kind == DeathReactionKind::Transform) {
        if (!IsStandingCard(cat, x.amount)) return "new card must be a listed card with HP";
        if (cat.card[static_cast<size_t>(x.amount)].name == x.name) return "a card cannot become itself";
        return {};
    }
    if (x.amount < 1) return "rescue HP must be at least 1";
    if (x.mp_cost == 0 && x.max_luck == 9) return "a rescue needs an MP cost or a chance";
    return {};
}

// Read one row, or return its fault.
std::string ReadRow(const TsvTable& t, size_t r, const Catalogue& cat, DeathReaction& x) {
    x.name = Text(t, r, "name");
    if (!IsCardName(cat, x.name)) return "unknown card name \"" + x.name + "\"";
    const std::string kind = Text(t, r, "kind");
    if (kind != "transform" && kind != "rescue") return "kind must be transform or rescue";
    x.kind = kind == "transform" ? DeathReactionKind::Transform : DeathReactionKind::Rescue;
    const std::string music = Text(t, r, "music");
    if (music.empty() || music == "-") x.music = -1;
    else if (!ReadInt(t, r, "music", x.music)) return "bad music";
    if (!ReadInt(t, r, "min_lv", x.min_lv) || !ReadInt(t, r, "max_luck", x.max_luck) ||
        !ReadInt(t, r, "min_turn", x.min_turn) || !ReadInt(t, r, "mp_cost", x.mp_cost) ||
        !ReadInt(t, r, "amount", x.amount))
        return "bad number";
    if (auto f = RangeFault(cat, x); !f.empty()) return f;
    x.line = Text(t, r, "line");
    if (x.line.empty()) return "empty line";
    if (!Utf8ToCp932(x.line)) return "line not representable in CP932";
    return {};
}

// True when following transformations from a name can come back to it.
bool LoopsBack(const Catalogue& cat, const std::vector<DeathReaction>& rows, const std::string& start) {
    std::vector<std::string> seen;
    std::vector<std::string> todo = {start};
    while (!todo.empty()) {
        const std::string name = todo.back();
        todo.pop_back();
        for (const DeathReaction& x : rows) {
            if (x.name != name || x.kind != DeathReactionKind::Transform) continue;
            const std::string& next = cat.card[static_cast<size_t>(x.amount)].name;
            if (next == start) return true;
            if (std::count(seen.begin(), seen.end(), next) > 0) continue;
            seen.push_back(next);
            todo.push_back(next);
        }
    }
    return false;
}

// Show a line after the card's name and wait.
void Say(DuelContext& ctx, const std::string& line) {
    ctx.msg.AddMessage(line);
    ctx.msg.WaitClick();
}

// The card becomes another: its line, the new card, its picture and music, the closing line.
void Transform(DuelContext& ctx, int32_t slot, const DeathReaction& r) {
    tchar& c = Slot(ctx.d, slot);
    const std::string old_name = c.name;
    Flash(ctx, FlashColour::White, slot);
    Say(ctx, old_name + r.line);
    c = TransformedCard(ctx.cat, c, r.amount);
    ctx.screen().SetSlotPicture(slot, CardPicturePath(r.amount));
    if (r.music >= 0) ctx.screen().PlayBgm(std::to_string(r.music) + ".mid");
    ctx.screen().PlaySe("fusion.wav", 2);
    Flash(ctx, FlashColour::Blue, slot);
    Say(ctx, old_name + "は" + c.name + "へと姿を変えた!!");
}

// The card stays: it spends its MP, keeps a little HP and sheds its bad status.
void Rescue(DuelContext& ctx, int32_t slot, const DeathReaction& r) {
    tchar& c = Slot(ctx.d, slot);
    c.mp -= r.mp_cost;
    c.hp = r.amount;
    c.status1 = 0;
    ctx.screen().PlaySe("live.wav", 2);
    Flash(ctx, FlashColour::Blue, slot);
    Say(ctx, c.name + r.line);
    Say(ctx, c.name + "はHP " + std::to_string(r.amount) + "で踏みとどまった!!");
}

}  // namespace

DeathReactionLoad LoadDeathReactions(std::string_view text, const Catalogue& cat) {
    DeathReactionLoad out;
    const auto read = [&cat](const TsvTable& t, size_t r, DeathReaction& x) { return ReadRow(t, r, cat, x); };
    out.error = ReadTsvRows(text, "death_reactions.tsv", out.reactions, read);
    if (!out.error.empty()) return out;
    for (const DeathReaction& x : out.reactions) {
        if (!LoopsBack(cat, out.reactions, x.name)) continue;
        out.error = "death_reactions.tsv: transformations of \"" + x.name + "\" come back to it";
        out.reactions.clear();
        return out;
    }
    return out;
}

DeathReactionLoad LoadEmbeddedDeathReactions(const Catalogue& cat) {
    return LoadDeathReactions(EmbeddedTable("death_reactions.tsv"), cat);
}

bool ReactionApplies(const DeathReaction& r, const DuelRecord& d, const tchar& c) {
    return c.name == r.name && c.lv >= r.min_lv && d.luck <= r.max_luck && d.turn >= r.min_turn && c.mp >= r.mp_cost;
}

const DeathReaction* FindDeathReaction(const std::vector<DeathReaction>& table, const DuelRecord& d, int32_t slot) {
    const tchar& c = Slot(d, slot);
    if (!c.alive()) return nullptr;
    for (const DeathReaction& r : table)
        if (ReactionApplies(r, d, c)) return &r;
    return nullptr;
}

tchar TransformedCard(const Catalogue& cat, const tchar& c, int32_t card_no) {
    tchar next = MakeFightingCard(cat, card_no, c.lv, c.waza);
    next.orig_no = c.orig_no;
    next.spare = c.spare;
    return next;
}

bool RunDeathReaction(DuelContext& ctx, int32_t slot, const std::vector<DeathReaction>& table) {
    if (slot < 1 || slot > 6) return false;
    const DeathReaction* r = FindDeathReaction(table, ctx.d, slot);
    if (r == nullptr) return false;
    if (r->kind == DeathReactionKind::Transform) Transform(ctx, slot, *r);
    else Rescue(ctx, slot, *r);
    return true;
}

bool RunDeathReaction(DuelContext& ctx, int32_t slot) {
    if (ctx.content) return RunDeathReaction(ctx, slot, ctx.content->reactions);
    return RunDeathReaction(ctx, slot, LoadEmbeddedDeathReactions(ctx.cat).reactions);
}

}  // namespace kestra
