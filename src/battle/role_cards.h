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
inline constexpr int32_t kGunsmith = 128;           // 鉄砲鍛冶: its shepherd's gun never misses
inline constexpr int32_t kFortuneTeller = 135;      // 露店の占い婆: reads the stars twice as well
inline constexpr int32_t kCrimsonSwordSaint = 233;  // 紅焔の剣聖: its red wind blows twice as hard
// 白鷺の射手, 百発の弓聖: their arrows never miss.
inline constexpr std::array<int32_t, 2> kArchers = {16, 160};
// 弱者, 敗者, 鬱: with 弱さは強さ their weakness strikes twice.
inline constexpr std::array<int32_t, 3> kWeaklings = {171, 101, 164};
// Dragon-kind cards: the only ones ドラゴンバスター harms, and the ones 龍言語魔法 speaks to.
inline constexpr std::array<int32_t, 13> kDragonKind = {38,  78,  103, 108, 153, 188, 204,
                                                        218, 238, 259, 279, 288, 323};
// Dark-kind cards: the only ones セイントダンス harms.
inline constexpr std::array<int32_t, 26> kDarkKind = {2,   17,  32,  77,  82,  87,  122, 187, 202,
                                                      217, 227, 232, 237, 242, 247, 252, 257, 262,
                                                      272, 277, 282, 287, 292, 297, 302, 322};

// ---- The status family's named cards (charms, poisons, bombs, songs, walls, contracts) ----




// ---- The fate family's named cards (revival, self-sacrifice, copies and swaps, icons, heals) ----

}  // namespace kestra::role
