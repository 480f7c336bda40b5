#pragma once

#include <cstdint>

namespace art {

// A tiny seeded generator of our own, so the art and the music come out the
// same on every machine (standard distributions differ between libraries).
class Rng {
public:
    explicit Rng(std::uint64_t seed) : state_(seed) {}

    std::uint64_t next();
    // Uniform in [0, 1).
    double uniform();
    // Uniform integer in [0, bound).
    int below(int bound);

private:
    std::uint64_t state_;
};

} // namespace art
