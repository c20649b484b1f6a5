#include "effects/tagged_openings.h"

#include <algorithm>
#include <optional>
#include <stdexcept>
#include <string>

#include "base/int_text.h"
#include "base/tsv_table.h"
#include "catalogue/embedded_content.h"
#include "duel/flash.h"
#include "duel/side_rules.h"
#include "effects/effect_kit.h"
#include "effects/opening_steps.h"

namespace kestra::opening {

namespace {

// The card passes the tag's filter; k is its place (1..3) on its own side.
bool Matches(const IconTag& tag, const tchar& c, int32_t k) {
    switch (tag.filter) {
        case TagFilter::Any:
            return true;
        case TagFilter::Element:
            return c.element == tag.filter_value;
        case TagFilter::Class:
            return c.rarity == tag.filter_value;
        case TagFilter::Slot:
            return k == tag.filter_value;
    }
    return false;
}

// "+3" or "-2".
std::string Signed(int32_t n) { return (n > 0 ? "+" : "-") + std::to_string(n > 0 ? n : -n); }

// The change text of the line: "HP+3、MP+2", "<盾>状態になった", "HP+1、<盾>状態になった".
std::string ChangeText(const IconTag& tag) {
    std::string text;
    for (const TagChange& ch : tag.changes) {
        if (!text.empty()) text += "、";
        switch (ch.field) {
            case TagField::Hp:
                text += "HP" + Signed(ch.amount);
                break;
            case TagField::Mp:
                text += "MP" + Signed(ch.amount);
                break;
            case TagField::Lv:
                text += "LV" + Signed(ch.amount);
                break;
            case TagField::Status1:
                text += std::string(Status1Text(ch.amount)) + "状態になった";
                break;
            case TagField::Status2:
                text += std::string(Status2Text(ch.amount)) + "状態になった";
                break;
        }
    }
    return text;
}

// A loss or a bad status among the changes: red flash and "down.wav" instead of blue and "up.wav".
bool Hurts(const IconTag& tag) {
    for (const TagChange& ch : tag.changes)
        if (ch.field == TagField::Status1 || ((ch.field != TagField::Status2) && ch.amount < 0)) return true;
    return false;
}

// The changes on one card, in the order written; LV stops at 0 (HP and MP are clamped later).
void Change(tchar& c, const IconTag& tag) {
    for (const TagChange& ch : tag.changes) {
        switch (ch.field) {
            case TagField::Hp:
                c.hp = Plus(c.hp, ch.amount);
                break;
            case TagField::Mp:
                c.mp = Plus(c.mp, ch.amount);
                break;
            case TagField::Lv:
                c.lv = std::max(0, Plus(c.lv, ch.amount));
                break;
            case TagField::Status1:
                c.status1 = ch.amount;
                break;
            case TagField::Status2:
                c.status2 = ch.amount;
                break;
        }
    }
}

// The slots a tag of the wearer's side reaches, in order: ally, foe, or all six (the wearer's first).
std::vector<int32_t> Reached(bool local_side, TagSide side) {
    std::vector<int32_t> out;
    if (side != TagSide::Foe) out = SideSlots(local_side);
    if (side != TagSide::Ally)
        for (const int32_t s : SideSlots(!local_side)) out.push_back(s);
    return out;
}

}  // namespace

void ApplyOpeningTag(DuelContext& ctx, StartReport& report, bool local_side, int32_t icon, TagSide side) {
    if (icon < 0 || icon >= kIconRows) return;
    const std::optional<IconTag> tag = ParseIconTag(ctx.cat.icon[static_cast<size_t>(icon)].effect);
    if (!tag || tag->trigger != TagTrigger::Open || tag->side != side) return;
    report.Fired("icon" + std::to_string(icon));
    const bool hurts = Hurts(*tag);
    const std::string change = ChangeText(*tag);
    for (const int32_t s : Reached(local_side, side)) {
        tchar& c = Slot(ctx.d, s);
        if (!c.alive() || !Matches(*tag, c, s <= 3 ? s : s - 3)) continue;
        Flash(ctx, hurts ? FlashColour::Red : FlashColour::Blue, s);
        Change(c, *tag);
        ctx.screen().PlaySe(hurts ? "down.wav" : "up.wav", 3);
        effect_kit::Say(ctx, c.name + "は" + change);
    }
}

const std::vector<int32_t>& OpeningTagIcons() {
    static const std::vector<int32_t> icons = [] {
        const TsvParse parsed = ParseTsv(EmbeddedTable("icons.tsv"));
        if (!parsed.table) throw std::runtime_error("icons.tsv: " + parsed.error);
        const int no = parsed.table->Column("no"), effect = parsed.table->Column("effect");
        std::vector<int32_t> out;
        for (const std::vector<std::string>& row : parsed.table->rows) {
            const std::optional<IconTag> tag = ParseIconTag(row[static_cast<size_t>(effect)]);
            const std::optional<int32_t> n = ParseInt32(row[static_cast<size_t>(no)]);
            if (tag && n && tag->trigger == TagTrigger::Open) out.push_back(*n);
        }
        return out;
    }();
    return icons;
}

}  // namespace kestra::opening
