#pragma once
// The technique buttons m1..m88 of the duel window: the digits each sends, its caption, and which of
// them the acting card is offered (the six steps of "Which buttons are offered"). No widgets here:
// the duel window and the simulator both ask these rules.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "base/random.h"
#include "battle/technique_lists.h"
#include "catalogue/catalogue.h"
#include "duel/duel_record.h"

namespace kestra {

// One command button: its object name, the two digits of its technique key, and its caption.
struct TechniqueButton {
    std::string_view name;  // "m1" .. "m88", "m5a"
    int32_t waza_kind = 0;
    int32_t waza_arg1 = 0;
    std::string_view caption;  // "" for a button whose key has no technique
    int32_t key() const { return waza_kind * 10 + waza_arg1; }
};

// The button that opens the item box instead of sending digits itself.
inline constexpr std::string_view kItemButton = "m87";
// The two last-stand buttons.
inline constexpr std::string_view kHelpButton = "m56";
inline constexpr std::string_view kUltraFlickButton = "m86";
// The icon that fixes both last-stand draws at 0.
inline constexpr std::string_view kLastStandIcon = "ﾎﾞｰｲﾐｰﾂｶﾞｰﾙ3";
// The battle type that always offers "ヘルプ！！".
inline constexpr int32_t kHelpBattleType = 19;
// How many buttons the two technique panels show: waza_box2 and waza_box, four rows of two each.
inline constexpr int32_t kPanelRows = 4, kPanelColumns = 2;
inline constexpr int32_t kPanelCapacity = 2 * kPanelRows * kPanelColumns;
// The most buttons a card's list may name: the panels keep room for the single-word button, the
// two last-stand buttons, 青い風 and アイテム.
inline constexpr int32_t kMaxListButtons = kPanelCapacity - 5;

// Every button of the panel, in the order of the button table.
const std::vector<TechniqueButton>& TechniqueButtons();

// The button of that name, or nullptr.
const TechniqueButton* FindTechniqueButton(std::string_view name);

// A button offered to the acting card, with the caption it shows this time.
struct OfferedButton {
    std::string_view name;
    std::string caption;
    bool operator==(const OfferedButton&) const = default;
};

// The buttons for the local acting card (atk_no 1..3) once its target is chosen, in panel order:
// the card's list (by orig_no), its single-word button, the last-stand buttons, 青い風, アイテム;
// icons 227/228 relabel the flick; icon 80 leaves one of the 88 fixed buttons. Draws use rng, the
// acting program's own chance, in this order: ヘルプ！！ (0..3), ウルトラでこぴん (0..4), icon 80
// (0..87). Only buttons whose key the battle runs are offered.
std::vector<OfferedButton> OfferedButtons(const DuelRecord& d, const Catalogue& cat, Rng& rng);
// The same with a given table of lists (tests).
std::vector<OfferedButton> OfferedButtons(const DuelRecord& d, const Catalogue& cat,
                                          const TechniqueLists& lists, Rng& rng);

// The button of a transplanted technique 1..18 ("" for others): 1 m67 魔術 ... 18 m84 冥術.
std::string_view SingleWordButton(int32_t waza);

// The button icon 80 shows for a draw of 0..87: m(draw + 1), m5a in the place of the missing m57
// and the flick in the places of m26..m29, which run nothing.
std::string_view FixedButtonOfDraw(int32_t draw);

// True when the battle runs something for this key (the flick, the item use, the built techniques).
bool TechniqueBuilt(int32_t key);

// The key a button name sends, or -1 for a name that is no button.
int32_t KeyOfButton(std::string_view name);

}  // namespace kestra
