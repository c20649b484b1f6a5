#include "duel/display_rules.h"

#include <cassert>

#include "catalogue/card_facts.h"
#include "duel/battle_types.h"
#include "duel/icon_rules.h"
#include "duel/tchar.h"

namespace kestra {

namespace {

constexpr int32_t kStealthBattle = 11;   // ≪ステルスバトル≫ hides everything
constexpr int32_t kCurtainIcon = 67;     // hides its wearer's card figures
constexpr int32_t kMaskIcon = 68;        // hides its wearer's icon names
constexpr int32_t kSeerIcon = 87;        // lets its wearer see through every hiding
constexpr int32_t kInkIcon = 200;        // blots out every card name
constexpr int32_t kCloakIcon = 243;      // hides its wearer's figures and icons
constexpr int32_t kSmokeCard = 168;      // a card of this name hides its side's figures and icons
constexpr int32_t kDarkHidesIcons = 1;   // dark mark that hides the side's icon names
constexpr int32_t kDarkHidesCards = 2;   // dark mark that hides the side's card figures
constexpr int32_t kSecretTechnique = 33; // a card carrying it keeps its own figures secret

constexpr std::string_view kHiddenLabel = "??????";
constexpr std::string_view kHiddenIconPart = "<???\?>";
constexpr std::string_view kInkedName = "????";
constexpr std::string_view kHiddenFigures = "Lv? ?/? <?\?><?\?>";

// One side's view for the rules that treat both sides alike.
struct Side {
    int32_t icon1;
    int32_t icon2;
    int32_t first_slot;  // 1 for this side, 4 for the opponent
};

// This side as the shared rules see it.
Side Mine(const DuelRecord& d) { return {d.my_icon1, d.my_icon2, 1}; }

// The opponent as the shared rules see it.
Side Theirs(const DuelRecord& d) { return {d.e_icon1, d.e_icon2, 4}; }

// The catalogue row of a worn icon, or nullptr for none or out of range.
const ticon* IconRow(const Catalogue& cat, int32_t icon) {
    if (icon < 0 || icon >= kIconRows) return nullptr;
    return &cat.icon[static_cast<size_t>(icon)];
}

// The side wears this icon number in either slot.
bool Wears(const Side& s, int32_t icon) { return s.icon1 == icon || s.icon2 == icon; }

// One of the side's icons carries this dark mark.
bool HasDarkMark(const Catalogue& cat, const Side& s, int32_t mark) {
    for (const int32_t icon : {s.icon1, s.icon2}) {
        const ticon* row = IconRow(cat, icon);
        if (row != nullptr && row->dark == mark) return true;
    }
    return false;
}

// Hiding common to a side's figures and icons: stealth battle, the cloak, the smoke card.
bool Shrouded(const DuelRecord& d, const Catalogue& cat, const Side& s) {
    return d.battle_type == kStealthBattle || Wears(s, kCloakIcon) ||
           SideHasCardNamed(d, cat, s.first_slot, kSmokeCard);
}

// A side's card figures are hidden from this screen (opponent panels, both situation lines).
bool CardsHidden(const DuelRecord& d, const Catalogue& cat, const Side& s) {
    if (SeesThrough(d)) return false;
    return Shrouded(d, cat, s) || Wears(s, kCurtainIcon) || HasDarkMark(cat, s, kDarkHidesCards);
}

// A side's icon names are hidden from this screen (opponent labels, both situation lines).
bool IconsHidden(const DuelRecord& d, const Catalogue& cat, const Side& s) {
    if (SeesThrough(d)) return false;
    return Shrouded(d, cat, s) || Wears(s, kMaskIcon) || HasDarkMark(cat, s, kDarkHidesIcons);
}

// Icons whose names stay secret even when nothing else hides them: the traps and masks.
bool SecretIcon(int32_t icon) { return (icon >= 69 && icon <= 76) || (icon >= 83 && icon <= 87); }

// One icon's label: empty for none, "??????" for a secret icon, else its catalogue name.
std::string SingleIconLabel(const DuelRecord& d, const Catalogue& cat, int32_t icon) {
    if (icon == -1) return {};
    if (SecretIcon(icon) && !SeesThrough(d)) return std::string(kHiddenLabel);
    const ticon* row = IconRow(cat, icon);
    return row != nullptr ? row->name : std::string();
}

// Short name of a technique number, empty outside the table.
std::string_view TechniqueName(const Catalogue& cat, int32_t waza) {
    if (waza < 0 || waza >= kMagicRows) return {};
    return cat.magic[static_cast<size_t>(waza)].name;
}

// The two status texts side by side; empty when the card has none.
std::string StatusTexts(const tchar& c) {
    return std::string(Status1Text(c.status1)) + std::string(Status2Text(c.status2));
}

// A panel whose figures are all shown.
PanelLines VisiblePanel(const Catalogue& cat, const tchar& c) {
    std::string level = "LV:" + std::to_string(c.lv);
    if (c.waza != 0) level += "  【" + std::string(TechniqueName(cat, c.waza)) + "】";
    return {"★" + c.name + " ", std::string(ElementText(c.element)), level,
            "HP:" + std::to_string(c.hp) + "  MP:" + std::to_string(c.mp), StatusTexts(c)};
}

// A panel whose figures are masked; the technique mark only when the side is hidden.
PanelLines HiddenPanel(const tchar& c, bool technique_mark) {
    return {"★" + c.name + " ", "<?\?>", technique_mark ? "LV:????【??】" : "LV:????",
            "HP:????  MP:????", "<?\?><?\?>"};
}

// The name the situation text gives a card: "????" while anyone wears the ink icon.
std::string SituationName(const DuelRecord& d, const tchar& c) {
    return AnyWears(d, kInkIcon) ? std::string(kInkedName) : c.name;
}

// A card's situation part when its figures are hidden (technique 33 or a hidden side).
std::string HiddenCardPart(const std::string& name) { return "[??]" + name + std::string(kHiddenFigures); }

// A card's situation part, "[剣]名前Lv3 5/4 <毒>".
std::string CardPart(const DuelRecord& d, const Catalogue& cat, const tchar& c) {
    const std::string name = SituationName(d, c);
    if (c.waza == kSecretTechnique) return HiddenCardPart(name);
    std::string part;
    if (c.waza != 0) part += "[" + std::string(TechniqueName(cat, c.waza)) + "]";
    part += name + "Lv" + std::to_string(c.lv) + " " + std::to_string(c.hp) + "/" + std::to_string(c.mp);
    // The statuses sit after a space, as in the hidden form, and only when the card has one.
    const std::string statuses = StatusTexts(c);
    if (!statuses.empty()) part += " " + statuses;
    return part;
}

// The three cards of a side joined by single spaces, each hidden when the side is.
std::string SideCards(const DuelRecord& d, const Catalogue& cat, const Side& s, bool hidden) {
    std::string text;
    for (int32_t slot = s.first_slot; slot < s.first_slot + 3; ++slot) {
        const tchar& c = d.chara[static_cast<size_t>(slot)];
        if (!text.empty()) text += " ";
        text += hidden ? HiddenCardPart(SituationName(d, c)) : CardPart(d, cat, c);
    }
    return text;
}

// A side's icons in the situation text: "<name>" per non-empty label, "<????>" each when hidden.
std::string SideIcons(const std::string& label1, const std::string& label2, bool hidden) {
    if (hidden) return std::string(kHiddenIconPart) + std::string(kHiddenIconPart);
    std::string text;
    for (const std::string* label : {&label1, &label2})
        if (!label->empty()) text += "<" + *label + ">";
    return text;
}

// One whole situation line: the cards, a space, the icons (the space stays even with no icons).
std::string SituationLine(const DuelRecord& d, const Catalogue& cat, const Side& s, const std::string& label1,
                          const std::string& label2) {
    return SideCards(d, cat, s, CardsHidden(d, cat, s)) + " " +
           SideIcons(label1, label2, IconsHidden(d, cat, s));
}

}  // namespace

std::string BattleTypeCaption(int32_t battle_type) {
    const BattleTypeInfo* info = BattleType(battle_type);
    if (info == nullptr) return {};
    return "＜" + std::string(info->name) + "＞";
}

std::string TurnLabel(const DuelRecord& d) { return "＜ターン" + std::to_string(d.turn) + "＞"; }

bool SeesThrough(const DuelRecord& d) { return IWear(d, kSeerIcon); }

bool MyPanelsHidden(const DuelRecord& d) {
    if (SeesThrough(d)) return false;
    return d.battle_type == kStealthBattle || IWear(d, kCurtainIcon);
}

bool OpponentPanelsHidden(const DuelRecord& d, const Catalogue& cat) { return CardsHidden(d, cat, Theirs(d)); }

bool MyIconLabelsHidden(const DuelRecord& d) {
    if (SeesThrough(d)) return false;
    return d.battle_type == kStealthBattle || IWear(d, kMaskIcon);
}

bool OpponentIconLabelsHidden(const DuelRecord& d, const Catalogue& cat) { return IconsHidden(d, cat, Theirs(d)); }

IconLabelTexts IconLabels(const DuelRecord& d, const Catalogue& cat) {
    // A hidden side reads "??????" on both labels, even an empty slot: a player cannot tell how many are worn.
    const std::string hidden(kHiddenLabel);
    IconLabelTexts t;
    if (MyIconLabelsHidden(d)) {
        t.mine1 = t.mine2 = hidden;
    } else {
        t.mine1 = SingleIconLabel(d, cat, d.my_icon1);
        t.mine2 = SingleIconLabel(d, cat, d.my_icon2);
    }
    if (OpponentIconLabelsHidden(d, cat)) {
        t.theirs1 = t.theirs2 = hidden;
    } else {
        t.theirs1 = SingleIconLabel(d, cat, d.e_icon1);
        t.theirs2 = SingleIconLabel(d, cat, d.e_icon2);
    }
    return t;
}

PanelLines CardPanel(const DuelRecord& d, const Catalogue& cat, int32_t slot) {
    assert(slot >= 1 && slot <= 6);
    const tchar& c = d.chara[static_cast<size_t>(slot)];
    const bool side_hidden = slot <= 3 ? MyPanelsHidden(d) : OpponentPanelsHidden(d, cat);
    if (side_hidden) return HiddenPanel(c, true);
    if (c.waza == kSecretTechnique) return HiddenPanel(c, false);
    return VisiblePanel(cat, c);
}

SituationLines SituationText(const DuelRecord& d, const Catalogue& cat) {
    // The icon parts use each icon's own label; side-wide hiding is decided per side below.
    const std::string mine1 = SingleIconLabel(d, cat, d.my_icon1);
    const std::string mine2 = SingleIconLabel(d, cat, d.my_icon2);
    const std::string theirs1 = SingleIconLabel(d, cat, d.e_icon1);
    const std::string theirs2 = SingleIconLabel(d, cat, d.e_icon2);
    return {SituationLine(d, cat, Mine(d), mine1, mine2), SituationLine(d, cat, Theirs(d), theirs1, theirs2)};
}

}  // namespace kestra
