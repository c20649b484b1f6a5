#include "synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace mediagen {

namespace {
constexpr double kTau = 2.0 * std::numbers::pi;

// Band-limiting correction for a hard edge at phase 0 (polyBLEP), keeps square/saw clean.
double poly_blep(double t, double dt) {
    if (t < dt) {
        t /= dt;
        return t + t - t * t - 1.0;
    }
    if (t > 1.0 - dt) {
        t = (t - 1.0) / dt;
        return t * t + t + t + 1.0;
    }
    return 0.0;
}

// One-pole filter coefficient for a cutoff frequency.
double pole(double cutoff, int rate) { return 1.0 - std::exp(-kTau * cutoff / rate); }
}  // namespace

// MIDI note 69 is A 440 Hz.
double note_hz(double midi_note) { return 440.0 * std::pow(2.0, (midi_note - 69.0) / 12.0); }

// A silent buffer of the requested length.
Synth::Synth(double seconds, std::uint64_t seed, int sample_rate)
    : rate_(sample_rate), mix_(static_cast<std::size_t>(seconds * sample_rate), 0.0), rng_(seed) {}

// Wave shapes; noise draws from the synth's own seeded stream.
double Synth::oscillate(const Voice& v, double phase, double phase_step) {
    const double t = phase - std::floor(phase);
    switch (v.wave) {
        case Wave::Sine: return std::sin(kTau * phase);
        case Wave::Triangle: return 4.0 * std::abs(t - 0.5) - 1.0;
        case Wave::Saw: return 2.0 * t - 1.0 - poly_blep(t, phase_step);
        case Wave::Square: {
            double s = t < v.duty ? 1.0 : -1.0;
            s += poly_blep(t, phase_step);
            const double u = t - v.duty + (t < v.duty ? 1.0 : 0.0);
            return s - poly_blep(u - std::floor(u), phase_step);
        }
        case Wave::Noise: return rng_.real(-1.0, 1.0);
    }
    return 0.0;
}

// Renders the voice sample by sample: pitch glide, vibrato, FM, envelope, filters.
void Synth::play(const Voice& v) {
    const int start = static_cast<int>(v.at * rate_);
    const int count = static_cast<int>(v.len * rate_);
    double phase = 0.0, mod_phase = 0.0, held = 0.0, hold_phase = 1.0;
    double low = 0.0, low2 = 0.0, high_state = 0.0;
    for (int i = 0; i < count; ++i) {
        const int at = start + i;
        if (at < 0) continue;
        if (at >= static_cast<int>(mix_.size())) break;
        const double t = static_cast<double>(i) / rate_, progress = static_cast<double>(i) / count;
        double hz = v.to_hz > 0 ? v.hz * std::pow(v.to_hz / v.hz, progress) : v.hz;
        if (v.vibrato > 0) hz *= std::pow(2.0, v.vibrato * std::sin(kTau * v.vibrato_hz * t) / 12.0);
        double env = v.attack > 0 ? std::min(1.0, t / v.attack) : 1.0;
        if (v.decay > 0 && t > v.attack) env *= std::exp(-v.decay * (t - v.attack));
        const double remaining = v.len - t;
        if (v.release > 0 && remaining < v.release) env *= std::max(0.0, remaining / v.release);

        double s;
        if (v.wave == Wave::Noise) {
            hold_phase += hz / rate_;
            if (hz <= 0 || hold_phase >= 1.0) {
                held = oscillate(v, 0, 0);
                hold_phase -= std::floor(hold_phase);
            }
            s = held;
        } else {
            double p = phase;
            if (v.fm_ratio > 0) {
                p += v.fm_index * env * std::sin(kTau * mod_phase) / kTau;
                mod_phase += hz * v.fm_ratio / rate_;
            }
            s = oscillate(v, p, hz / rate_);
            phase += hz / rate_;
        }
        if (v.lowpass > 0) {
            const double cut = v.to_lowpass > 0 ? v.lowpass * std::pow(v.to_lowpass / v.lowpass, progress)
                                                : v.lowpass;
            const double a = pole(std::min(cut, rate_ * 0.45), rate_);
            low += a * (s - low);
            low2 += a * (low - low2);
            s = low2;
        }
        if (v.highpass > 0) {
            high_state += pole(v.highpass, rate_) * (s - high_state);
            s -= high_state;
        }
        mix_[static_cast<std::size_t>(at)] += v.gain * env * s;
    }
}

// Echo-like repetitions, e.g. a chime struck several times.
void Synth::repeat(Voice v, int count, double step, double fall) {
    for (int i = 0; i < count; ++i) {
        play(v);
        v.at += step;
        v.gain *= fall;
    }
}

// Feeds the mix back into itself after `delay` seconds.
void Synth::echo(double delay, double feedback) {
    const std::size_t d = static_cast<std::size_t>(delay * rate_);
    if (d == 0) return;
    for (std::size_t i = d; i < mix_.size(); ++i) mix_[i] += feedback * mix_[i - d];
}

// tanh saturation: thickens noise bursts without hard clipping.
void Synth::drive(double amount) {
    for (double& s : mix_) s = std::tanh(s * amount);
}

// Peak normalisation plus a short fade so no effect ends in a click.
std::vector<std::int16_t> Synth::finish(double peak) const {
    double top = 1e-9;
    for (double s : mix_) top = std::max(top, std::abs(s));
    const double scale = peak * 32767.0 / top;
    const std::size_t fade = std::min<std::size_t>(mix_.size(), static_cast<std::size_t>(rate_ / 200));
    std::vector<std::int16_t> out(mix_.size());
    for (std::size_t i = 0; i < mix_.size(); ++i) {
        double s = mix_[i] * scale;
        const std::size_t left = mix_.size() - i;
        if (left < fade) s *= static_cast<double>(left) / static_cast<double>(fade);
        out[i] = static_cast<std::int16_t>(std::lround(std::clamp(s, -32767.0, 32767.0)));
    }
    return out;
}

}  // namespace mediagen
