#pragma once
// The OPTION box: the music label and "ＢＧＭ　on/off", "状況文字化", the quiz's "BINGO!!" labels.
#include "app/duel_parts.h"
#include "effects/duel_music.h"

namespace kestra {

// Connect "ＢＧＭ" and "状況文字化".
void WireOptions(DuelParts& p);

// A fresh duel: no piece yet, no blinking, the music button says what pressing it would do.
void ResetDuelOptions(DuelParts& p);

// The duel start chose its piece and paid the quiz: the label, and the blinks to come.
void ShowDuelMusic(DuelParts& p, const DuelMusicStart& music);

// One 250 ms tick of the quiz labels: each blinks (shown every other tick) while its count lasts.
void BlinkBingo(DuelParts& p);

}  // namespace kestra
