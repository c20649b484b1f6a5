#pragma once
// The particular cards the battle rules single out, by catalogue number.
// Rules match them by name (a card transformed into one of them counts as it).
#include <array>
#include <cstdint>

namespace kestra::role {

inline constexpr int32_t kFixedFlick33 = 33;      // its flick always strikes for 33
inline constexpr int32_t kFixedFlick99 = 99;      // its flick always strikes for 99 (0 against a shield)
inline constexpr std::array<int32_t, 4> kFlickImmune = {77, 96, 177, 185};
inline constexpr int32_t kDrainingFlicker = 232;  // heals 1 HP with every flick
inline constexpr int32_t kNoCounter = 91;         // takes no counter-attack
inline constexpr int32_t kDoubleCounter = 64;     // strikes back twice as hard
inline constexpr int32_t kStealGuard = 50;        // while alive, its side cannot be robbed
inline constexpr std::array<int32_t, 2> kPoisonEaters = {47, 54};
inline constexpr std::array<int32_t, 2> kBombProof = {53, 58};
inline constexpr int32_t kSelfCalming = 61;       // recovers from confusion after its fit
inline constexpr int32_t kWildRampager = 207;     // its rampage hits twice as hard
inline constexpr int32_t kGhost = 187;            // may rise again by level and chance
inline constexpr int32_t kUndead = 181;           // rises with the promise of revival again
inline constexpr int32_t kSuicideCard = 57;       // its suicide takes all of a non-light card's HP

// ---- The blow family's named cards (swords, guns, martial arts, spears, other strikes) ----




// ---- The status family's named cards (charms, poisons, bombs, songs, walls, contracts) ----
inline constexpr std::array<int32_t, 3> kGreatDefence = {165, 176, 198};      // "大防御": no rampage, no freeze
inline constexpr int32_t kTownDoctor = 40;                                     // 町医者 never falls ill
inline constexpr std::array<int32_t, 4> kContractProof = {31, 45, 71, 229};    // 契約 does not bind them




// ---- The fate family's named cards (revival, self-sacrifice, copies and swaps, icons, heals) ----

}  // namespace kestra::role
