#pragma once
// The particular cards the battle rules single out, by catalogue number.
// Rules match them by name (a card transformed into one of them counts as it).
#include <array>
#include <cstdint>

namespace kestra::role {

inline constexpr int32_t kFixedFlick33 = 33;  // its flick always strikes for 33
inline constexpr int32_t kFixedFlick99 = 99;  // its flick always strikes for 99 (0 against a shield)
inline constexpr std::array<int32_t, 4> kFlickImmune = {77, 96, 177, 185};
inline constexpr int32_t kDrainingFlicker = 232;  // heals 1 HP with every flick
inline constexpr int32_t kNoCounter = 91;         // takes no counter-attack
inline constexpr int32_t kDoubleCounter = 64;     // strikes back twice as hard
inline constexpr int32_t kStealGuard = 50;        // while alive, its side cannot be robbed
inline constexpr std::array<int32_t, 2> kPoisonEaters = {47, 54};
inline constexpr std::array<int32_t, 2> kBombProof = {53, 58};
inline constexpr int32_t kSelfCalming = 61;    // recovers from confusion after its fit
inline constexpr int32_t kWildRampager = 207;  // its rampage hits twice as hard
inline constexpr int32_t kGhost = 187;         // may rise again by level and chance
inline constexpr int32_t kUndead = 181;        // rises with the promise of revival again
inline constexpr int32_t kSuicideCard = 57;    // its suicide takes all of a non-light card's HP

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
// The "大防御" holders (万年亀の将, 光盾の守護天使, 溶岩の盾兵): no rampage, no freeze, no いたずら.
inline constexpr std::array<int32_t, 3> kGreatDefence = {165, 176, 198};
inline constexpr int32_t kTownDoctor = 40;                                   // 町医者 never falls ill
inline constexpr std::array<int32_t, 4> kContractProof = {31, 45, 71, 229};  // 契約 does not bind them

// ---- The fate family's named cards (revival, self-sacrifice, copies and swaps, icons, heals) ----
// 丁半の博徒: its 自爆 is all-or-nothing.
inline constexpr int32_t kGambler = 60;
// 紋章学の魔導士: while it stands, its side shrugs off 波動.
inline constexpr std::array<int32_t, 1> kIconMasters = {100};
// 朝焼けの踊り子 and 月夜の踊り子: the light dance heals its side, the dark one confuses the other.
inline constexpr std::array<int32_t, 1> kLightDancers = {51};
inline constexpr std::array<int32_t, 1> kDarkDancers = {67};
// 月夜の吸血卿: its 吸血 may make the target a vampire (a card of its name).
inline constexpr int32_t kVampire = 232;
// 星詠みの召喚士 summons one more round; さすらい召喚士 too, at LV 9.
inline constexpr int32_t kSummonRounds = 106;
inline constexpr int32_t kSummonRoundsAtLv9 = 255;
// 精霊呼びの娘: gains 10 MP after a summon.
inline constexpr int32_t kSummonMpCard = 56;
// さかさま人形: its いたずら flips the target's own HP and MP.
inline constexpr int32_t kUpsideDownDoll = 80;
// 暁の不死鳥: its 転生 needs no LV and leaves it 5 HP above its LV.
inline constexpr int32_t kPhoenix = 181;
// 曙の女神: her own ヘルプ！！ comes twice as strong.
inline constexpr int32_t kBattleGoddess = 201;
// 宿なし犬 and 蔵の番犬: their 食べる barks from a lower chance digit.
inline constexpr std::array<int32_t, 2> kBarkers = {25, 50};

}  // namespace kestra::role
