// Sounds of the menus, deck builder, shop and duel results.
#include "sound_recipes.h"

#include <utility>

namespace mediagen::recipes {

namespace {
// A struck bell partial: sine with inharmonic FM that fades with the strike.
Voice bell(double at, double hz, double len, double gain, double decay = 7.0) {
    return {.at = at, .len = len, .hz = hz, .gain = gain, .attack = 0.002, .decay = decay,
            .release = 0.05, .fm_ratio = 3.51, .fm_index = 2.2};
}
// A short soft blip for menu feedback.
Voice blip(double at, double hz, double len, Wave wave, double gain = 0.5) {
    return {.at = at, .len = len, .hz = hz, .wave = wave, .gain = gain, .attack = 0.002,
            .decay = 18.0, .release = 0.02, .duty = 0.25};
}
// A brush of filtered noise sweeping between two cutoffs.
Voice swish(double at, double len, double from, double to, double gain = 0.5) {
    return {.at = at, .len = len, .hz = 0, .wave = Wave::Noise, .gain = gain, .attack = len * 0.3,
            .release = len * 0.6, .lowpass = from, .to_lowpass = to, .highpass = 300};
}
}  // namespace

// Back/confirm: two quick descending triangle pips.
void back(Synth& s) {
    s.play(blip(0.0, 1318.5, 0.06, Wave::Triangle));
    s.play(blip(0.055, 987.8, 0.08, Wave::Triangle));
}

// Dialog opened: a small rising bell pair.
void dialog(Synth& s) {
    s.play(bell(0.0, 784.0, 0.2, 0.5, 12));
    s.play(bell(0.09, 1174.7, 0.23, 0.5, 10));
}

// Back with save: a three-note settling figure ending low, "put away".
void back_save(Synth& s) {
    s.play(blip(0.0, 1046.5, 0.1, Wave::Triangle));
    s.play(blip(0.08, 784.0, 0.1, Wave::Triangle));
    s.play({.at = 0.16, .len = 0.26, .hz = 523.3, .wave = Wave::Triangle, .gain = 0.55, .decay = 9});
}

// Panel opened: an airy upward swish with a light rising tone.
void panel(Synth& s) {
    s.play(swish(0.0, 0.22, 700, 5000, 0.4));
    s.play({.at = 0.02, .len = 0.18, .hz = 520, .to_hz = 980, .gain = 0.35, .decay = 8});
}

// Card into the deck: a crisp slap on the table with a soft body.
void card_in(Synth& s) {
    s.play({.at = 0, .len = 0.06, .hz = 0, .wave = Wave::Noise, .gain = 0.7, .attack = 0.001,
            .decay = 60, .highpass = 1800});
    s.play({.at = 0, .len = 0.12, .hz = 190, .to_hz = 95, .gain = 0.6, .attack = 0.001, .decay = 30});
}

// Card out of the deck: the slide the other way, rising and thinning.
void card_out(Synth& s) {
    s.play(swish(0.0, 0.16, 4500, 900, 0.6));
    s.play({.at = 0.0, .len = 0.12, .hz = 300, .to_hz = 520, .gain = 0.3, .decay = 20});
}

// Card drawn: two quick paper flicks.
void card(Synth& s) {
    for (double at : {0.0, 0.07})
        s.play({.at = at, .len = 0.07, .hz = 0, .wave = Wave::Noise, .gain = 0.6, .attack = 0.001,
                .decay = 45, .lowpass = 6000, .highpass = 1200});
}

// Coin clink: two bright metallic strikes, the second a touch higher.
void coin(Synth& s) {
    for (auto [at, hz] : {std::pair{0.0, 2093.0}, std::pair{0.085, 2637.0}}) {
        s.play({.at = at, .len = 0.5, .hz = hz, .gain = 0.45, .attack = 0.001, .decay = 9,
                .release = 0.05, .fm_ratio = 2.76, .fm_index = 1.6});
        s.play({.at = at, .len = 0.4, .hz = hz * 2.41, .gain = 0.2, .attack = 0.001, .decay = 14});
    }
}

// Duel start: a brass chord that opens up over a cymbal wash.
void duel_start(Synth& s) {
    for (double hz : {146.8, 220.0, 293.7, 370.0})
        s.play({.at = 0, .len = 1.15, .hz = hz, .wave = Wave::Saw, .gain = 0.22, .attack = 0.04,
                .decay = 1.6, .release = 0.3, .vibrato_hz = 5, .vibrato = 0.05, .lowpass = 500,
                .to_lowpass = 3500});
    s.play({.at = 0, .len = 1.2, .hz = 0, .wave = Wave::Noise, .gain = 0.35, .attack = 0.002,
            .decay = 2.8, .release = 0.3, .highpass = 4000});
    s.play({.at = 0, .len = 0.4, .hz = 110, .to_hz = 55, .gain = 0.6, .attack = 0.002, .decay = 8});
}

// Icon: a four-note sparkle running upward.
void icon(Synth& s) {
    const double notes[] = {1568.0, 1975.5, 2349.3, 3136.0};
    for (int i = 0; i < 4; ++i) s.play(bell(0.07 * i, notes[i], 0.22, 0.35, 14));
}

// Transplant: a warbling upward sweep, like something flowing in.
void transplant(Synth& s) {
    s.play({.at = 0, .len = 0.55, .hz = 280, .to_hz = 1200, .wave = Wave::Triangle, .gain = 0.5,
            .attack = 0.03, .release = 0.15, .vibrato_hz = 14, .vibrato = 0.6});
    s.play(swish(0.05, 0.45, 400, 3000, 0.25));
}

// Item panel: a little bag-opening pair of pulse notes.
void item(Synth& s) {
    s.play(blip(0.0, 659.3, 0.1, Wave::Square, 0.4));
    s.play(blip(0.08, 880.0, 0.16, Wave::Square, 0.4));
}

// Item won: a short major jingle with a held top note.
void item_get(Synth& s) {
    const double notes[] = {523.3, 659.3, 784.0};
    for (int i = 0; i < 3; ++i) s.play(blip(0.07 * i, notes[i], 0.09, Wave::Square, 0.35));
    s.play({.at = 0.21, .len = 0.48, .hz = 1046.5, .wave = Wave::Square, .gain = 0.35, .decay = 4,
            .release = 0.1, .duty = 0.25, .vibrato_hz = 6, .vibrato = 0.1});
}

// Item used: a pop followed by a fizz.
void item_use(Synth& s) {
    s.play({.at = 0, .len = 0.1, .hz = 500, .to_hz = 1300, .gain = 0.6, .attack = 0.001, .decay = 20});
    s.play({.at = 0.06, .len = 0.32, .hz = 0, .wave = Wave::Noise, .gain = 0.3, .decay = 9,
            .release = 0.1, .highpass = 3500});
}

// Purchase: a wooden "ka" then a register bell "tan".
void purchase(Synth& s) {
    s.play({.at = 0, .len = 0.04, .hz = 0, .wave = Wave::Noise, .gain = 0.7, .attack = 0.001,
            .decay = 70, .lowpass = 2500, .highpass = 700});
    s.play({.at = 0, .len = 0.06, .hz = 880, .gain = 0.4, .attack = 0.001, .decay = 60});
    s.play(bell(0.07, 1568.0, 0.28, 0.5, 9));
}

// List select: a tiny tick.
void key(Synth& s) { s.play(blip(0.0, 2093.0, 0.05, Wave::Square, 0.4)); }

// List select, second list: a slightly rounder tick.
void key2(Synth& s) { s.play(blip(0.0, 1568.0, 0.06, Wave::Triangle, 0.5)); }

// List select, item list: a double tick.
void key3(Synth& s) {
    s.play(blip(0.0, 1760.0, 0.035, Wave::Square, 0.35));
    s.play(blip(0.04, 2349.3, 0.045, Wave::Square, 0.35));
}

// Money or registration: a cascade of coins settling.
void money_get(Synth& s) {
    const double notes[] = {2349.3, 2637.0, 2093.0, 2793.8, 2489.0};
    for (int i = 0; i < 5; ++i) s.play(bell(0.06 * i + 0.01 * (i % 2), notes[i], 0.5, 0.3, 10));
}

// Refusal: a low buzz in two short pulses, two close pitches beating.
void refuse(Synth& s) {
    for (double at : {0.0, 0.17})
        for (double hz : {110.0, 116.5})
            s.play({.at = at, .len = 0.15, .hz = hz, .wave = Wave::Square, .gain = 0.35,
                    .attack = 0.005, .release = 0.03, .lowpass = 900});
}

// Accepted: an upward fifth, bright and short.
void ok(Synth& s) {
    s.play(blip(0.0, 659.3, 0.1, Wave::Triangle, 0.5));
    s.play({.at = 0.08, .len = 0.22, .hz = 987.8, .wave = Wave::Triangle, .gain = 0.5, .decay = 9});
}

// Beep: a clean sine.
void pi(Synth& s) { s.play({.at = 0, .len = 0.1, .hz = 1760, .gain = 0.5, .release = 0.02}); }

// Rule button: a mechanical click and a short note.
void push(Synth& s) {
    s.play({.at = 0, .len = 0.02, .hz = 0, .wave = Wave::Noise, .gain = 0.6, .attack = 0.0005,
            .decay = 120, .highpass = 2000});
    s.play(blip(0.01, 440.0, 0.08, Wave::Square, 0.35));
}

// Set: a latch click that rings into a fifth.
void set(Synth& s) {
    s.play({.at = 0, .len = 0.03, .hz = 0, .wave = Wave::Noise, .gain = 0.6, .attack = 0.0005,
            .decay = 90, .highpass = 1500});
    for (double hz : {523.3, 784.0})
        s.play({.at = 0.02, .len = 0.27, .hz = hz, .wave = Wave::Triangle, .gain = 0.4, .decay = 10});
}

// Equip: a metallic "shing" of a buckle or blade sliding home.
void equip(Synth& s) {
    s.play({.at = 0, .len = 0.42, .hz = 1250, .gain = 0.5, .attack = 0.001, .decay = 8,
            .release = 0.08, .fm_ratio = 3.5, .fm_index = 3.0});
    s.play({.at = 0, .len = 0.12, .hz = 0, .wave = Wave::Noise, .gain = 0.4, .decay = 30,
            .highpass = 4500});
}

// Speech: three syllable blips of a murmuring voice.
void talk(Synth& s) {
    const double notes[] = {330.0, 392.0, 349.2};
    for (int i = 0; i < 3; ++i)
        s.play({.at = 0.09 * i, .len = 0.07, .hz = notes[i], .to_hz = notes[i] * 0.92,
                .wave = Wave::Square, .gain = 0.4, .attack = 0.005, .release = 0.02, .duty = 0.3,
                .lowpass = 1800});
}

// Our turn: a whoosh landing on a high chime.
void turn(Synth& s) {
    s.play(swish(0.0, 0.18, 800, 4000, 0.35));
    s.play(bell(0.12, 987.8, 0.28, 0.5, 8));
}

// Their turn: the same gesture, lower and darker.
void turn2(Synth& s) {
    s.play(swish(0.0, 0.18, 3000, 600, 0.35));
    s.play(bell(0.12, 587.3, 0.28, 0.5, 8));
}

// ID verified: a run of data chirps, then a clear high tone.
void verify(Synth& s) {
    const double notes[] = {1200, 1600, 900, 1800, 1400, 2000};
    for (int i = 0; i < 6; ++i) s.play(blip(0.045 * i, notes[i], 0.04, Wave::Square, 0.3));
    s.play({.at = 0.3, .len = 0.3, .hz = 2400, .wave = Wave::Square, .gain = 0.3, .decay = 6,
            .duty = 0.5});
}

// Experience: an ascending arpeggio that lands with sparkle.
void experience(Synth& s) {
    const double notes[] = {523.3, 659.3, 784.0, 1046.5, 1318.5};
    for (int i = 0; i < 5; ++i) s.play(blip(0.08 * i, notes[i], 0.12, Wave::Square, 0.35));
    s.play(bell(0.4, 2093.0, 0.5, 0.35, 6));
    s.play(bell(0.46, 2637.0, 0.44, 0.25, 6));
}

// Duel won: a brass-like call, three short notes and a long chord.
void win(Synth& s) {
    const double notes[] = {392.0, 392.0, 392.0};
    for (int i = 0; i < 3; ++i)
        s.play({.at = 0.12 * i, .len = 0.1, .hz = notes[i], .wave = Wave::Saw, .gain = 0.4,
                .attack = 0.01, .release = 0.03, .lowpass = 2500});
    for (double hz : {523.3, 659.3, 784.0, 1046.5})
        s.play({.at = 0.36, .len = 1.1, .hz = hz, .wave = Wave::Saw, .gain = 0.25, .attack = 0.02,
                .decay = 1.2, .release = 0.3, .vibrato_hz = 5.5, .vibrato = 0.08, .lowpass = 3000});
}

// Duel lost: a slow falling line in minor, the last note sagging.
void over(Synth& s) {
    const double notes[] = {392.0, 370.0, 349.2, 311.1};
    for (int i = 0; i < 4; ++i) {
        const bool last = i == 3;
        s.play({.at = 0.28 * i, .len = last ? 0.66 : 0.3, .hz = notes[i],
                .to_hz = last ? notes[i] * 0.94 : 0.0, .wave = Wave::Triangle, .gain = 0.5,
                .attack = 0.02, .release = last ? 0.4 : 0.05, .vibrato_hz = 5, .vibrato = 0.15});
    }
}

}  // namespace mediagen::recipes
