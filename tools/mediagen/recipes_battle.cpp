// Sounds of blows, weapons, creatures and deaths in the duel.
#include "sound_recipes.h"

namespace mediagen::recipes {

namespace {
// A noise burst shaped by two filters: the raw material of hits and crashes.
Voice burst(double at, double len, double decay, double lowpass, double highpass, double gain) {
    return {.at = at, .len = len, .hz = 0, .wave = Wave::Noise, .gain = gain, .attack = 0.001,
            .decay = decay, .release = 0.02, .lowpass = lowpass, .highpass = highpass};
}
// A falling sine: the body of a thump.
Voice thump(double at, double len, double from, double to, double gain, double decay) {
    return {.at = at, .len = len, .hz = from, .to_hz = to, .gain = gain, .attack = 0.001,
            .decay = decay, .release = 0.02};
}
}  // namespace

// Attack announced: a fast rising swoosh through the air.
void attack_start(Synth& s) {
    s.play({.at = 0, .len = 0.28, .hz = 0, .wave = Wave::Noise, .gain = 0.7, .attack = 0.12,
            .release = 0.12, .lowpass = 700, .to_lowpass = 6000, .highpass = 400});
}

// Glass shatter: a sharp crack, then shards tinkling at scattered times and pitches.
void glass(Synth& s) {
    s.play(burst(0, 0.3, 14, 0, 2500, 0.8));
    const double shards[][2] = {{0.01, 3520}, {0.04, 4186}, {0.07, 2960}, {0.11, 5274},
                                {0.16, 3729}, {0.22, 4699}, {0.3, 3136},  {0.39, 5588},
                                {0.5, 3951},  {0.6, 4435}};
    for (const auto& sh : shards)
        s.play({.at = sh[0], .len = 0.18, .hz = sh[1], .gain = 0.22, .attack = 0.0005, .decay = 25,
                .fm_ratio = 1.73, .fm_index = 1.5});
}

// Explosion: a thundering noise mass falling in pitch over a deep punch.
void explosion(Synth& s) {
    s.play({.at = 0, .len = 1.2, .hz = 0, .wave = Wave::Noise, .gain = 1.0, .attack = 0.003,
            .decay = 3.2, .release = 0.2, .lowpass = 2500, .to_lowpass = 120});
    s.play(thump(0, 0.6, 90, 28, 1.0, 5));
    s.drive(2.5);
}

// Crumbling: dozens of tiny grains falling apart over a low rumble.
void crumble(Synth& s) {
    for (int i = 0; i < 28; ++i) {
        const double at = 0.025 * i + 0.011 * (i % 3);
        s.play(burst(at, 0.04, 60, 3500 - 90.0 * i, 300, 0.55 - 0.012 * i));
    }
    s.play({.at = 0, .len = 0.85, .hz = 0, .wave = Wave::Noise, .gain = 0.4, .decay = 2.5,
            .release = 0.2, .lowpass = 250});
}

// Battle phase: a drum boom under a short brass stab.
void battle(Synth& s) {
    s.play(thump(0, 0.5, 120, 45, 0.9, 6));
    s.play(burst(0, 0.25, 16, 400, 0, 0.5));
    for (double hz : {146.8, 220.0, 293.7})
        s.play({.at = 0.02, .len = 0.7, .hz = hz, .wave = Wave::Saw, .gain = 0.25, .attack = 0.02,
                .decay = 3, .release = 0.2, .lowpass = 2200, .to_lowpass = 700});
}

// Bleeding hit: a wet splat and a couple of drips.
void blood(Synth& s) {
    s.play(burst(0, 0.15, 25, 900, 0, 0.9));
    s.play(thump(0, 0.14, 220, 60, 0.7, 20));
    s.play({.at = 0.22, .len = 0.07, .hz = 900, .to_hz = 450, .gain = 0.3, .decay = 35});
    s.play({.at = 0.36, .len = 0.07, .hz = 820, .to_hz = 420, .gain = 0.22, .decay = 35});
}

// Cat cry: a nasal glide up and back down, "mi-aa-ow".
void cat(Synth& s) {
    s.play({.at = 0, .len = 0.24, .hz = 520, .to_hz = 860, .wave = Wave::Saw, .gain = 0.5,
            .attack = 0.03, .release = 0.01, .vibrato_hz = 7, .vibrato = 0.2, .lowpass = 2400});
    s.play({.at = 0.235, .len = 0.34, .hz = 860, .to_hz = 470, .wave = Wave::Saw, .gain = 0.5,
            .attack = 0.01, .release = 0.15, .vibrato_hz = 7, .vibrato = 0.3, .lowpass = 2400,
            .to_lowpass = 1200});
}

// Card dies: a long falling tone, a low toll and a breath of dust.
void death(Synth& s) {
    s.play({.at = 0, .len = 1.2, .hz = 220, .to_hz = 55, .wave = Wave::Saw, .gain = 0.45,
            .attack = 0.01, .decay = 1.2, .release = 0.3, .lowpass = 1600, .to_lowpass = 180});
    s.play({.at = 0.1, .len = 1.2, .hz = 110, .gain = 0.4, .attack = 0.002, .decay = 2.2,
            .release = 0.3, .fm_ratio = 2.4, .fm_index = 1.8});
    s.play({.at = 0.3, .len = 0.9, .hz = 0, .wave = Wave::Noise, .gain = 0.2, .attack = 0.3,
            .release = 0.5, .lowpass = 600});
}

// Heavy impact: a big dull boom.
void impact(Synth& s) {
    s.play(thump(0, 0.5, 95, 38, 1.0, 7));
    s.play(burst(0, 0.3, 18, 450, 0, 0.7));
    s.drive(1.8);
}

// Status lowered: three pulse notes stepping down.
void down(Synth& s) {
    const double notes[] = {784.0, 587.3, 392.0};
    for (int i = 0; i < 3; ++i)
        s.play({.at = 0.14 * i, .len = i == 2 ? 0.32 : 0.13, .hz = notes[i], .wave = Wave::Square,
                .gain = 0.35, .attack = 0.003, .decay = i == 2 ? 5.0 : 0.0, .release = 0.03,
                .duty = 0.25});
}

// Gunshot: a hard crack, a short thump and a room echo.
void gun(Synth& s) {
    s.play(burst(0, 0.15, 30, 0, 700, 1.0));
    s.play(thump(0, 0.12, 160, 50, 0.8, 25));
    s.echo(0.07, 0.3);
    s.drive(1.5);
}

// Rampage, theft: a harsh wailing shriek.
void scream(Synth& s) {
    s.play({.at = 0, .len = 0.22, .hz = 650, .to_hz = 1150, .wave = Wave::Saw, .gain = 0.5,
            .attack = 0.01, .release = 0.01, .vibrato_hz = 22, .vibrato = 0.6, .lowpass = 3500});
    s.play({.at = 0.215, .len = 0.37, .hz = 1150, .to_hz = 560, .wave = Wave::Saw, .gain = 0.5,
            .release = 0.15, .vibrato_hz = 22, .vibrato = 0.8, .lowpass = 3500});
    s.play(burst(0, 0.55, 4, 5000, 1500, 0.15));
}

// Sword: a quick swish and a ringing blade.
void sword(Synth& s) {
    s.play({.at = 0, .len = 0.12, .hz = 0, .wave = Wave::Noise, .gain = 0.6, .attack = 0.05,
            .release = 0.05, .lowpass = 1500, .to_lowpass = 8000, .highpass = 800});
    s.play({.at = 0.1, .len = 0.4, .hz = 2400, .gain = 0.4, .attack = 0.001, .decay = 7,
            .release = 0.08, .fm_ratio = 1.41, .fm_index = 2.5});
    s.play({.at = 0.1, .len = 0.3, .hz = 3611, .gain = 0.15, .attack = 0.001, .decay = 10});
}

// Laser: a fast falling zap with a wobble and its echo.
void laser(Synth& s) {
    s.play({.at = 0, .len = 0.35, .hz = 2600, .to_hz = 280, .wave = Wave::Square, .gain = 0.45,
            .attack = 0.002, .release = 0.05, .vibrato_hz = 40, .vibrato = 0.7});
    s.echo(0.09, 0.35);
}

// Punch: a short dry thud, body and knuckle, no room.
void punch(Synth& s) {
    s.play(thump(0, 0.2, 140, 45, 1.0, 25));
    s.play(burst(0, 0.08, 60, 600, 0, 0.8));
}

// Dragon roar: a growling low saw with rough noise, swelling then fading.
void dragon(Synth& s) {
    s.play({.at = 0, .len = 1.35, .hz = 80, .to_hz = 62, .wave = Wave::Saw, .gain = 0.7,
            .attack = 0.25, .release = 0.5, .vibrato_hz = 9, .vibrato = 1.2, .lowpass = 500,
            .to_lowpass = 1300});
    s.play({.at = 0.05, .len = 1.3, .hz = 120, .to_hz = 88, .wave = Wave::Saw, .gain = 0.4,
            .attack = 0.3, .release = 0.5, .vibrato_hz = 6.5, .vibrato = 0.8, .lowpass = 900});
    s.play({.at = 0, .len = 1.35, .hz = 0, .wave = Wave::Noise, .gain = 0.5, .attack = 0.2,
            .release = 0.6, .lowpass = 900});
    s.drive(2.2);
}

// Clock: tick-tock woodblocks, then a faint chime.
void clock(Synth& s) {
    for (int i = 0; i < 6; ++i)
        s.play({.at = 0.15 * i, .len = 0.05, .hz = i % 2 ? 1300.0 : 1750.0, .gain = 0.6,
                .attack = 0.0005, .decay = 80, .fm_ratio = 1.5, .fm_index = 1.0});
    s.play({.at = 0.9, .len = 0.3, .hz = 1568, .gain = 0.3, .decay = 8, .fm_ratio = 3.5,
            .fm_index = 1.5});
}

// Risen as a zombie: a slow wobbling groan.
void zombie(Synth& s) {
    s.play({.at = 0, .len = 0.95, .hz = 118, .to_hz = 86, .wave = Wave::Saw, .gain = 0.6,
            .attack = 0.15, .release = 0.3, .vibrato_hz = 3, .vibrato = 1.5, .lowpass = 650});
    s.play({.at = 0.05, .len = 0.9, .hz = 0, .wave = Wave::Noise, .gain = 0.2, .attack = 0.2,
            .release = 0.3, .lowpass = 800, .highpass = 200});
}

}  // namespace mediagen::recipes
