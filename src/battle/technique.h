#pragma once
// The techniques a battle phase dispatches to, by technique key.
#include <cstdint>
#include <span>

#include "duel/duel_context.h"

namespace kestra {

// A technique runs on the record and presenter, then the phase goes on to the
// after-action processing.
using TechniqueFn = void (*)(DuelContext &);

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

// The technique for a key, or nullptr for keys that do nothing (9, 19, ... and
// those not built yet).
TechniqueFn FindTechnique(int32_t key);

// The shared tail of a missed attack: "Miss...." then the petrify trap of
// icon 83.
void MissTail(DuelContext &ctx);

// Every trap springs the same way: "time_wav.wav", a purple flash on the
// attacker, "<トラップ!!>".
void SpringTrap(DuelContext &ctx);

// The petrify trap of icon 83 on the attacked side: the attacker turns to
// stone, the target heals 5.
void PetrifyTrap(DuelContext &ctx);

}  // namespace kestra
