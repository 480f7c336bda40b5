#include "Rng.h"

namespace art {

std::uint64_t Rng::next() {
    // splitmix64: small, fast and well mixed.
    state_ += 0x9e3779b97f4a7c15ULL;
    std::uint64_t z = state_;
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

double Rng::uniform() { return static_cast<double>(next() >> 11) * 0x1.0p-53; }

int Rng::below(int bound) { return static_cast<int>(uniform() * bound); }

} // namespace art
