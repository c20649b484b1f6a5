#pragma once
// The techniques a battle phase dispatches to, by technique key.
#include <cstdint>
#include <span>

#include "duel/duel_context.h"

namespace kestra {

// A technique runs on the record and presenter, then the phase goes on to the
// after-action processing.
using TechniqueFn = void (*)(DuelContext&);

// One row of a dispatch table: a technique key and what it runs.
struct TechniqueRow {
    int32_t key;
    TechniqueFn run;
};

// The rows of the blow family (swords, guns, martial arts, spears and the other
// strikes).
std::span<const TechniqueRow> AttackTechniqueRows();
// The rows of the status family (charms, poisons, bombs, songs, walls,
// contracts, status transfers).
std::span<const TechniqueRow> StatusTechniqueRows();
// The rows of the fate family (revival, self-sacrifice, copies and swaps,
// icon-breaking, heals).
std::span<const TechniqueRow> FateTechniqueRows();

// Every key of the technique table that has a caption, in key order: 78 is the item use, 57 the
// death art whose button is the single-word 死術; the rest each run their own procedure.
inline constexpr int32_t kTableKeys[] = {3,  4,  5,  6,  7,  8,  10, 11, 12, 13, 14, 15, 16, 17, 18, 20, 21,
                                         22, 23, 24, 25, 26, 27, 28, 30, 31, 32, 33, 34, 35, 36, 37, 38, 40,
                                         41, 42, 43, 44, 45, 46, 47, 48, 50, 51, 52, 53, 54, 55, 56, 57, 58,
                                         60, 61, 62, 63, 64, 65, 66, 67, 68, 70, 71, 73, 74, 76, 77, 78, 80,
                                         81, 82, 83, 84, 85, 86, 87, 88, 90, 91, 93, 94, 95, 96, 97};
inline constexpr int32_t kItemKey = 78;

// The technique for a key, or nullptr for keys that do nothing (9, 19, ... and
// those not built yet).
TechniqueFn FindTechnique(int32_t key);

// The shared tail of a missed attack: "Miss...." then the petrify trap of
// icon 83.
void MissTail(DuelContext& ctx);

// Every trap springs the same way: "time_wav.wav", a purple flash on the
// attacker, "<トラップ!!>".
void SpringTrap(DuelContext& ctx);

// The petrify trap of icon 83 on the attacked side: the attacker turns to
// stone, the target heals 5.
void PetrifyTrap(DuelContext& ctx);

}  // namespace kestra
