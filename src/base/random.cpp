#include "base/random.h"

namespace kestra {

void Rng::Seed(uint64_t seed) {
    state_ = 0;
    inc_ = (seed << 1u) | 1u;
    Next();
    state_ += seed;
    Next();
}

uint32_t Rng::Next() {
    const uint64_t old = state_;
    state_ = old * 6364136223846793005ULL + inc_;
    const auto xorshifted = static_cast<uint32_t>(((old >> 18u) ^ old) >> 27u);
    const auto rot = static_cast<uint32_t>(old >> 59u);
    return (xorshifted >> rot) | (xorshifted << ((32u - rot) & 31u));
}

int32_t Rng::Random(int32_t n) {
    if (n <= 0) return 0;
    const auto bound = static_cast<uint32_t>(n);
    // Rejection keeps every outcome equally likely (no modulo bias).
    const uint32_t threshold = (0u - bound) % bound;
    for (;;) {
        const uint32_t r = Next();
        if (r >= threshold) return static_cast<int32_t>(r % bound);
    }
}

}  // namespace kestra
