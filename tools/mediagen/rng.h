// The generator's own random source: identical sequences on every platform and run.
#pragma once

#include <cstdint>
#include <string_view>

namespace mediagen {

// SplitMix64 stream; std:: distributions differ between libraries, so we roll our own.
class Rng {
public:
    explicit Rng(std::uint64_t seed) : state_(seed * 0x9E3779B97F4A7C15ULL + 0x632BE59BD9B4E019ULL) {}

    // Next raw 64-bit value.
    std::uint64_t next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }

    // Uniform integer in [0, n); n must be positive.
    int below(int n) { return static_cast<int>(next() % static_cast<std::uint64_t>(n)); }

    // Uniform integer in [lo, hi].
    int range(int lo, int hi) { return lo + below(hi - lo + 1); }

    // Uniform real in [0, 1).
    double unit() { return static_cast<double>(next() >> 11) * (1.0 / 9007199254740992.0); }

    // Uniform real in [lo, hi).
    double real(double lo, double hi) { return lo + (hi - lo) * unit(); }

    // True with probability p.
    bool chance(double p) { return unit() < p; }

private:
    std::uint64_t state_;
};

// Stable 64-bit hash of a name, so a sound's noise depends only on its name (FNV-1a).
inline std::uint64_t hash_name(std::string_view text) {
    std::uint64_t h = 1469598103934665603ULL;
    for (char c : text) h = (h ^ static_cast<unsigned char>(c)) * 1099511628211ULL;
    return h;
}

}  // namespace mediagen
