#pragma once
// The duel's music and the music quiz: the first step of the duel start.
// The piece comes from the six cards' figures, so both programs play the same one.
#include <cstdint>
#include <string>

#include "duel/duel_context.h"

namespace kestra {

// How many 250 ms ticks a quiz label blinks after a hit.
inline constexpr int32_t kBingoTicks = 30;

// The piece of this duel: the sum of HP and MP of the six slots mod 46 (a negative sum, which no
// shipped card gives, is folded back into 0..45 so that a piece always exists).
int32_t DuelMusicPiece(const DuelRecord& d);

// The file of a piece: "<piece>.mid".
std::string DuelMusicFile(int32_t piece);

// What the quiz pays for a guess against the piece that plays.
struct QuizPayout {
    bool piece_hit = false;  // the guess is the piece: 100 円
    bool group_hit = false;  // the guess's group is the piece's: g Ark and 2g 円, g = 50 div c
    int32_t money = 0;
    int32_t ark = 0;
};

// The payout alone, without paying it. A guess outside the music list wins nothing.
QuizPayout MusicQuizPayout(const Catalogue& cat, int32_t guess, int32_t piece);

// What the duel start's music step did, for the window's labels.
struct DuelMusicStart {
    int32_t piece = 0;
    QuizPayout payout;
    int32_t bingo_ticks = 0;        // "BINGO!!" blinks this many ticks
    int32_t bingo_group_ticks = 0;  // "BINGO GROUP!!" likewise
};

// Play the piece when music is on; outside view mode pay the quiz into the player's purse with
// "coin.wav" on channel 0 for each hit.
DuelMusicStart StartDuelMusic(DuelContext& ctx, bool music_on);

}  // namespace kestra
