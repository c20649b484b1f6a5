// A small additive synthesiser for sound effects: oscillators, noise, envelopes, filters.
#pragma once

#include <cstdint>
#include <vector>

#include "rng.h"

namespace mediagen {

enum class Wave { Sine, Triangle, Square, Saw, Noise };

// One voice of an effect. Fields are meant to be filled with designated initialisers.
struct Voice {
    double at = 0.0;        // start, seconds
    double len = 0.1;       // length, seconds
    double hz = 440.0;      // pitch at the start (noise: sample-and-hold rate, 0 = white)
    double to_hz = 0.0;     // pitch at the end, exponential glide (0 = steady)
    Wave wave = Wave::Sine;
    double gain = 0.5;
    double attack = 0.004;  // linear rise, seconds
    double decay = 0.0;     // exponential fall per second after the attack (0 = sustained)
    double release = 0.01;  // linear fade at the very end, seconds
    double duty = 0.5;      // pulse width of the square wave
    double vibrato_hz = 0.0;
    double vibrato = 0.0;   // vibrato depth in semitones
    double fm_ratio = 0.0;  // frequency modulator ratio (bells, metal); 0 = off
    double fm_index = 0.0;  // modulation depth, decays with the voice's envelope
    double lowpass = 0.0;   // one-pole low-pass cutoff in Hz (0 = off)
    double to_lowpass = 0.0;  // cutoff at the end (0 = steady)
    double highpass = 0.0;  // one-pole high-pass cutoff in Hz (0 = off)
};

// Mixes voices into a buffer of fixed length and turns it into 16-bit samples.
class Synth {
public:
    Synth(double seconds, std::uint64_t seed, int sample_rate);

    // Adds one voice to the mix.
    void play(const Voice& v);
    // Adds `count` copies of a voice, each `step` seconds later and `fall` times quieter.
    void repeat(Voice v, int count, double step, double fall);
    // Feedback echo over the whole mix (rooms, bubbles, magic tails).
    void echo(double delay, double feedback);
    // Soft saturation of the mix (explosions, crunch).
    void drive(double amount);
    // Normalises to `peak` (0..1), fades the last few milliseconds, converts to PCM.
    std::vector<std::int16_t> finish(double peak) const;

    double seconds() const { return static_cast<double>(mix_.size()) / rate_; }

private:
    // One sample of the oscillator for a phase in cycles.
    double oscillate(const Voice& v, double phase, double phase_step);

    int rate_;
    std::vector<double> mix_;
    Rng rng_;
};

// Frequency of a MIDI note number, handy for musical effects.
double note_hz(double midi_note);

}  // namespace mediagen
