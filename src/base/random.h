#pragma once
// The game's own random generator: small, seeded, identical on every platform.
#include <cstdint>

namespace kestra {

// PCG32 (O'Neill's permuted congruential generator), owned by whoever draws.
class Rng {
public:
    explicit Rng(uint64_t seed = 0) { Seed(seed); }

    // Restart the sequence from a seed (the clock at start-up, a fixed seed in tests).
    void Seed(uint64_t seed);

    // Next raw 32-bit value.
    uint32_t Next();

    // Uniform draw 0..n-1, the game's Random(n); n <= 0 gives 0.
    int32_t Random(int32_t n);

private:
    uint64_t state_ = 0;
    uint64_t inc_ = 1;
};

}  // namespace kestra
