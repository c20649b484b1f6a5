#pragma once
// The end of a duel: experience and level-ups on the ENDING box's "OK", the date's greeting,
// the penalty for closing the duel window mid-duel, and the end of a viewed duel.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "duel/duel_context.h"
#include "duel/game_set.h"
#include "player/game_folder.h"

namespace kestra {

// One card that rose a level, as the ENDING box shows it.
struct LevelUp {
    int32_t card_no = 0;
    int32_t old_level = 0;
    std::string picture;   // "cg/unit<n>.bmp"
    std::string panel;     // "★name<el>", "HP:..", "MP:..", "所持：n枚" on four lines
    std::string headline;  // "【name】のカードがLvUpした！", a blank line, "LV:L →L+1"
};

// The parts of the windows the duel end reaches beyond the message area.
struct EndingScreen {
    // The ENDING box shows the card (the "NEW CARD!!!!!" label hidden) and waits for a click.
    virtual void ShowLevelUp(const LevelUp& up) = 0;
    // A modal message box over the main window.
    virtual void MessageBox(std::string_view text) = 0;
    // Hide the ENDING box and the duel window, show the main window with its start panel.
    virtual void ReturnToMain() = 0;
    virtual ~EndingScreen() = default;
};

// The closing greeting and the pocket money it brought (already added to the purse).
struct Greeting {
    std::string text;
    int32_t pocket_money = 0;
};

// Start-menu buttons this duel end reveals; once shown they stay for the run.
struct MenuReveal {
    bool shop = false;
    bool synthesis = false;
    bool technique_shop = false;
};

struct DuelEndResult {
    std::vector<LevelUp> level_ups;
    SaveOutcome save;
    Greeting greeting;  // the window shows it in a message box
    MenuReveal reveal;
};

// "OK" in the ENDING box: experience, level-ups, back to the main window, save, greeting.
// The window hides "OK" before and clears the main window's card selection after.
DuelEndResult FinishDuel(DuelContext& ctx, bool won, EndingScreen& ending, const SavePlayer& save);

// The card kinds that train: ordinary duels the second and third card, the first only on a win
// (current card_no, so a transformed card trains what it became); sudden death all ten deck cards.
std::vector<int32_t> TrainedCards(const DuelRecord& d, bool won);

// One experience mark for each card, in order (a kind listed twice gets two).
void GiveExperience(tmy& my, const std::vector<int32_t>& cards);

// A card whose experience reached 10 rises a level (at most 9) and restarts at 0 marks.
std::optional<LevelUp> LevelUpCard(const Catalogue& cat, tmy& my, int32_t card);

// The greeting for the month and day; on 12/24, 12/25 and 1/1 one in ten brings 1..15 円.
Greeting EndGreeting(CalendarDate date, Rng& rng);

// Which hidden start-menu buttons this duel end reveals.
MenuReveal DrawMenuReveal(Rng& rng);

struct AbortResult {
    int32_t lost_card = -1;  // the penalty card, -1 when nothing was taken
    SaveOutcome save;        // the first failed save, or the last one
};

// Closing the duel window: in view mode just stop; playing, the cards and icons go home and
// a collection of 10 or more card kinds loses one random card.
AbortResult AbortDuel(DuelContext& ctx, EndingScreen& ending, const SavePlayer& save);

// The drawn cards back into the deck, each into the highest empty slot, when exactly three are empty.
bool ReturnDrawnCards(const DuelRecord& d, tmy& my);

// This side's worn icons back into the player's equipment; both worn slots become -1.
void StoreIconsBack(DuelRecord& d, tmy& my);

// Card kinds 0..355 of which the player owns a copy.
int32_t CardKindsOwned(const tmy& my);

// The penalty card: a kind 0..354 the player owns, drawn uniformly; -1 when none is owned.
int32_t DrawPenaltyCard(const tmy& my, Rng& rng);

// The end of a viewed duel: clear the record, reload the player's own data from the folder.
// False (and told in a box) when the save file could not be read back.
bool EndViewedDuel(DuelContext& ctx, EndingScreen& ending, const GameFolder& folder);

// Icons and card numbers -1, input phase, battle type and view mode back to 0.
void ClearViewedDuel(DuelRecord& d);

}  // namespace kestra
