#pragma once
// The fixed game content every rule looks things up in: cards, techniques, icons, items, music.
#include <array>
#include <cstdint>
#include <string>

namespace kestra {

inline constexpr int kCardRows = 356;      // card numbers 0..355
inline constexpr int kListedCards = 327;   // every card list shows 0..326
inline constexpr int kMagicRows = 100;     // technique indexes 0..99
inline constexpr int kIconRows = 356;      // icon numbers 0..355
inline constexpr int kListedIcons = 281;   // icon lists show 0..280
inline constexpr int kItemRows = 302;      // item numbers 0..301
inline constexpr int kMusicRows = 100;     // the list has room for 100, pieces 0..45 are used
inline constexpr int kMusicPieces = 46;
inline constexpr int kMusicGroups = 9;

// A card kind.
struct tcard {
    std::string name;   // empty: unused row
    int32_t hp = 0;     // base HP before the level bonus
    int32_t mp = 0;     // base MP before the level bonus
    int32_t rarity = 0; // class code 0..19
    std::string text2;  // carried, never filled
    int32_t extra = 0;  // carried, never filled
};

// A technique of the technique shop.
struct tmagic {
    std::string name;         // one or two kanji, shown between 【 and 】
    std::string description;
    int32_t price = 0;        // in Ark
};

// An icon a side wears in battle.
struct ticon {
    std::string name;         // empty: unused row
    std::string description;
    int32_t dark = 0;         // 0 none, 1 carries a <闇> effect, 2 puts one on the card
    int32_t weight = 0;       // rarity weight; the larger, the rarer
    std::string effect;       // generic effect tag for icons whose rule is not coded by number or name
};

// An item usable in battle.
struct titem {
    std::string name;
    std::string description;
    int32_t code = 0;   // item effect 1..61
    int32_t param = 0;  // amount or variant
    int32_t price = 0;  // in 円
};

// A background-music piece.
struct tmusic {
    std::string title;
    int32_t group = 0;  // 0..8
};

// The whole catalogue, built once by the loader and never changed afterwards.
struct Catalogue {
    std::array<tcard, kCardRows> card{};
    std::array<tmagic, kMagicRows> magic{};
    std::array<ticon, kIconRows> icon{};
    std::array<titem, kItemRows> item{};
    std::array<tmusic, kMusicRows> music{};
    std::array<std::string, kMusicGroups> music_group{};
};

}  // namespace kestra
