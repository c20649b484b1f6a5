#pragma once
// The duel record: everything one program knows about the duel in progress.
// Two programs hold two records, each seeing its own side as slots 1..3.
#include <array>
#include <cstdint>
#include <string>

#include "duel/tchar.h"

namespace kestra {

inline constexpr int32_t kApplicant = 3;  // duel_role: this player applied (申込側)
inline constexpr int32_t kReceiver = 4;   // duel_role: this player received (受け側)
inline constexpr int32_t kSuddenDeath = 6;

// Where input is awaited.
enum InputPhase : int32_t {
    kPhaseIdle = 0,
    kPhaseChooseAttacker = 1,
    kPhaseChooseTarget = 2,
    kPhaseCommandSent = 3,
    kPhaseAwaitOpponent = 4,
    kPhaseSetIds = 99,
};

struct DuelRecord {
    std::array<tchar, 8> chara{};      // 1..3 this side, 4..6 the opponent; 0 and 7 unused
    std::array<tchar, 11> my_dekki{};  // sudden death: this side's whole deck in slot order
    std::array<tchar, 11> e_dekki{};   // sudden death: the opponent's whole deck
    int32_t my_icon1 = -1, my_icon2 = -1;
    int32_t e_icon1 = -1, e_icon2 = -1;
    int32_t duel_kind = 0;
    int32_t duel_role = kApplicant;
    uint8_t look_mode = 0;
    int32_t turn = 0;
    int32_t turn_base = 0;
    int32_t battle_type = 0;
    int32_t input_phase = kPhaseIdle;
    int32_t atk_no = 0, tgt_no = 0;
    int32_t waza_kind = 0, waza_arg1 = 0, waza_arg2 = 0;
    int32_t luck = 0;
    int32_t my_id = 0, aite_id = 0;
    std::string my_label = "あなた";
    std::string e_label = "相手";
    int64_t deadline = 0;  // milliseconds on the injected clock; 0 = not armed
    bool own_turn = false; // whose turn it is: slots 1..3 move (in view mode: the applicant)
    bool timer_on = false; // the time-limit timer runs

    bool operator==(const DuelRecord&) const = default;
};

// The other role: 4 for 3, 3 otherwise.
inline int32_t OtherRole(int32_t role) { return role == kApplicant ? kReceiver : kApplicant; }

// True for slots 1..6 whose card is alive.
bool SlotAlive(const DuelRecord& d, int32_t slot);

// The technique key the battle phase dispatches on.
inline int32_t TechniqueKey(const DuelRecord& d) { return d.waza_kind * 10 + d.waza_arg1; }

}  // namespace kestra

#include "catalogue/catalogue.h"

namespace kestra {

// The highest level a card fights at: the warrior number has one digit for it.
inline constexpr int32_t kTopFightingLevel = 9;

// A fighting card from catalogue number c at level L with technique t: figures + L div 3,
// statuses 0, element c mod 5, rarity from the catalogue. orig_no is set at duel start.
tchar MakeFightingCard(const Catalogue& cat, int32_t c, int32_t level, int32_t technique);

}  // namespace kestra
