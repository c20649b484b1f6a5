// Sounds of statuses, spells and summons.
#include "sound_recipes.h"

namespace mediagen::recipes {

namespace {
// A glassy chime, the common voice of healing and light magic.
Voice chime(double at, double hz, double len, double gain) {
    return {.at = at, .len = len, .hz = hz, .gain = gain, .attack = 0.002, .decay = 5,
            .release = 0.1, .fm_ratio = 3.0, .fm_index = 1.2};
}
// A soft sustained tone with slow attack, for pads under spells.
Voice pad(double at, double len, double hz, Wave wave, double gain) {
    return {.at = at, .len = len, .hz = hz, .wave = wave, .gain = gain, .attack = len * 0.3,
            .release = len * 0.5, .vibrato_hz = 4.5, .vibrato = 0.06, .lowpass = 2200};
}
}  // namespace

// Bubbles: quick upward-gliding pops at uneven times.
void bubbles(Synth& s) {
    const double pops[][2] = {{0.0, 420}, {0.09, 610}, {0.15, 380}, {0.27, 700},
                              {0.35, 520}, {0.46, 820}, {0.55, 460}, {0.68, 650}};
    for (const auto& p : pops)
        s.play({.at = p[0], .len = 0.07, .hz = p[1], .to_hz = p[1] * 2.6, .gain = 0.5,
                .attack = 0.002, .release = 0.02});
    s.echo(0.05, 0.2);
}

// Barrier: a humming field that brightens as it closes.
void barrier(Synth& s) {
    for (double hz : {220.0, 330.0, 440.0})
        s.play({.at = 0, .len = 0.88, .hz = hz, .wave = Wave::Saw, .gain = 0.25, .attack = 0.15,
                .release = 0.3, .vibrato_hz = 11, .vibrato = 0.08, .lowpass = 300,
                .to_lowpass = 3200});
    s.play(chime(0.3, 1760, 0.55, 0.25));
}

// Frozen: icy crackles and a cold descending whistle.
void freeze(Synth& s) {
    s.play({.at = 0, .len = 0.7, .hz = 3000, .to_hz = 1400, .gain = 0.3, .attack = 0.01,
            .release = 0.3, .vibrato_hz = 25, .vibrato = 0.15});
    const double cracks[] = {0.0, 0.05, 0.13, 0.2, 0.31, 0.42};
    for (double at : cracks)
        s.play({.at = at, .len = 0.05, .hz = 0, .wave = Wave::Noise, .gain = 0.5, .attack = 0.0005,
                .decay = 80, .highpass = 5000});
    s.play(chime(0.05, 4186, 0.6, 0.2));
}

// Fusion: two tones slide from far apart into unison, then a bright chord blooms.
void fusion(Synth& s) {
    s.play({.at = 0, .len = 0.75, .hz = 300, .to_hz = 660, .wave = Wave::Triangle, .gain = 0.4,
            .attack = 0.05, .release = 0.05});
    s.play({.at = 0, .len = 0.75, .hz = 1400, .to_hz = 660, .wave = Wave::Triangle, .gain = 0.4,
            .attack = 0.05, .release = 0.05});
    for (double hz : {660.0, 990.0, 1320.0, 1650.0}) s.play(chime(0.72, hz, 0.65, 0.3));
    s.play(pad(0.7, 0.7, 330, Wave::Saw, 0.2));
}

// Soft heal: a gentle swelling major chord with one high glint.
void soft_heal(Synth& s) {
    for (double hz : {523.3, 659.3, 784.0}) s.play(pad(0, 0.98, hz, Wave::Sine, 0.35));
    s.play(chime(0.35, 2093.0, 0.6, 0.12));
}

// Heal: chimes rising step by step, left ringing.
void heal(Synth& s) {
    const double notes[] = {784.0, 987.8, 1174.7, 1568.0, 1975.5};
    for (int i = 0; i < 5; ++i) s.play(chime(0.12 * i, notes[i], 0.6, 0.35));
    s.echo(0.11, 0.25);
}

// Release: a lock clicks open and a sparkle falls away.
void release(Synth& s) {
    s.play({.at = 0, .len = 0.03, .hz = 0, .wave = Wave::Noise, .gain = 0.6, .attack = 0.0005,
            .decay = 100, .highpass = 1500});
    const double notes[] = {2637.0, 2349.3, 1975.5, 1568.0, 1318.5};
    for (int i = 0; i < 5; ++i) s.play(chime(0.05 + 0.07 * i, notes[i], 0.35, 0.25));
    s.play({.at = 0.05, .len = 0.45, .hz = 0, .wave = Wave::Noise, .gain = 0.2, .attack = 0.2,
            .release = 0.2, .lowpass = 800, .to_lowpass = 6000, .highpass = 500});
}

// Magic: a rising shimmering sweep.
void magic_cast(Synth& s) {
    s.play({.at = 0, .len = 0.55, .hz = 400, .to_hz = 1600, .gain = 0.45, .attack = 0.05,
            .release = 0.2, .vibrato_hz = 12, .vibrato = 0.3, .fm_ratio = 2.0, .fm_index = 0.8});
    s.play(chime(0.3, 3136.0, 0.3, 0.2));
}

// Dark magic: a falling hollow tone in a hiss.
void magic_dark(Synth& s) {
    s.play({.at = 0, .len = 0.65, .hz = 800, .to_hz = 180, .wave = Wave::Triangle, .gain = 0.5,
            .attack = 0.02, .release = 0.2, .vibrato_hz = 7, .vibrato = 0.4});
    s.play({.at = 0, .len = 0.6, .hz = 0, .wave = Wave::Noise, .gain = 0.3, .attack = 0.2,
            .release = 0.3, .lowpass = 3000, .to_lowpass = 400, .highpass = 300});
}

// Magic power up: a quick triangle arpeggio over a brightening pad.
void magic_up(Synth& s) {
    const double notes[] = {440.0, 554.4, 659.3, 880.0, 1108.7, 1318.5};
    for (int i = 0; i < 6; ++i)
        s.play({.at = 0.06 * i, .len = 0.2, .hz = notes[i], .wave = Wave::Triangle, .gain = 0.35,
                .decay = 8});
    s.play(pad(0.1, 0.7, 440, Wave::Saw, 0.2));
}

// Magic circle: a pad swells while sparkles circle above it.
void magic_circle(Synth& s) {
    for (double hz : {293.7, 440.0, 587.3}) s.play(pad(0, 0.88, hz, Wave::Triangle, 0.3));
    const double sparks[] = {2349.3, 2960.0, 2637.0, 3520.0, 3136.0};
    for (int i = 0; i < 5; ++i) s.play(chime(0.1 + 0.12 * i, sparks[i], 0.3, 0.15));
}

// Curse: beating low tones against a tritone, with a whisper of noise.
void curse(Synth& s) {
    for (double hz : {98.0, 103.8, 138.6})
        s.play({.at = 0, .len = 1.15, .hz = hz, .wave = Wave::Saw, .gain = 0.35, .attack = 0.2,
                .release = 0.4, .vibrato_hz = 2.5, .vibrato = 0.3, .lowpass = 520});
    s.play({.at = 0.1, .len = 1.0, .hz = 0, .wave = Wave::Noise, .gain = 0.15, .attack = 0.3,
            .release = 0.4, .lowpass = 2500, .highpass = 1200});
}

// Sleep: a slow soft lullaby fall and a breath.
void sleep(Synth& s) {
    const double notes[] = {880.0, 659.3, 523.3};
    for (int i = 0; i < 3; ++i)
        s.play({.at = 0.25 * i, .len = 0.35, .hz = notes[i], .gain = 0.4, .attack = 0.05,
                .release = 0.2, .vibrato_hz = 5, .vibrato = 0.1});
    s.play({.at = 0.55, .len = 0.4, .hz = 0, .wave = Wave::Noise, .gain = 0.12, .attack = 0.2,
            .release = 0.2, .lowpass = 1200, .highpass = 300});
}

// Mermaid song: a short flute-like phrase with vibrato.
void song(Synth& s) {
    const double notes[] = {659.3, 784.0, 880.0, 784.0, 659.3, 587.3, 659.3};
    const double lens[] = {0.18, 0.18, 0.3, 0.15, 0.15, 0.15, 0.29};
    double at = 0;
    for (int i = 0; i < 7; ++i) {
        s.play({.at = at, .len = lens[i], .hz = notes[i], .wave = Wave::Triangle, .gain = 0.45,
                .attack = 0.03, .release = 0.06, .vibrato_hz = 5.5, .vibrato = 0.15});
        at += lens[i];
    }
    s.echo(0.13, 0.25);
}

// Summon: a rising storm of noise and bass, bursting into a bright chord.
void summon(Synth& s) {
    s.play({.at = 0, .len = 0.9, .hz = 0, .wave = Wave::Noise, .gain = 0.4, .attack = 0.8,
            .release = 0.05, .lowpass = 300, .to_lowpass = 6000});
    s.play({.at = 0, .len = 0.9, .hz = 55, .to_hz = 110, .wave = Wave::Saw, .gain = 0.4,
            .attack = 0.7, .release = 0.05, .lowpass = 600});
    for (double hz : {523.3, 659.3, 784.0, 1046.5}) s.play(chime(0.88, hz, 0.5, 0.3));
    s.play({.at = 0.88, .len = 0.5, .hz = 130.8, .wave = Wave::Saw, .gain = 0.35, .decay = 4,
            .release = 0.2, .lowpass = 1500});
}

// Life turned to power: a surging upward saw, straining.
void sacrifice(Synth& s) {
    s.play({.at = 0, .len = 0.95, .hz = 110, .to_hz = 880, .wave = Wave::Saw, .gain = 0.5,
            .attack = 0.05, .release = 0.2, .vibrato_hz = 9, .vibrato = 0.3, .lowpass = 400,
            .to_lowpass = 5000});
    s.play({.at = 0, .len = 0.95, .hz = 0, .wave = Wave::Noise, .gain = 0.25, .attack = 0.5,
            .release = 0.2, .lowpass = 4000, .highpass = 1000});
    s.drive(1.6);
}

// Status raised: bright steps upward.
void up(Synth& s) {
    const double notes[] = {392.0, 587.3, 784.0, 1174.7};
    for (int i = 0; i < 4; ++i)
        s.play({.at = 0.1 * i, .len = i == 3 ? 0.3 : 0.11, .hz = notes[i], .wave = Wave::Triangle,
                .gain = 0.45, .decay = i == 3 ? 6.0 : 0.0, .release = 0.03});
}

// Promise: two warm bells in a fifth, struck twice.
void promise(Synth& s) {
    for (double at : {0.0, 0.4})
        for (double hz : {523.3, 784.0})
            s.play({.at = at, .len = 0.6, .hz = hz, .gain = 0.35, .attack = 0.004, .decay = 4,
                    .release = 0.15, .fm_ratio = 2.0, .fm_index = 1.0});
}

// Revived: a long rising glissando over an opening chord.
void revive(Synth& s) {
    s.play({.at = 0, .len = 0.8, .hz = 300, .to_hz = 1200, .gain = 0.4, .attack = 0.05,
            .release = 0.2, .vibrato_hz = 6, .vibrato = 0.15});
    for (double hz : {392.0, 493.9, 587.3}) s.play(pad(0.2, 0.78, hz, Wave::Saw, 0.18));
    s.play(chime(0.6, 2349.3, 0.38, 0.2));
}

}  // namespace mediagen::recipes
