#include "engine/Random.h"

#include <chrono>
#include <cmath>
#include <random>

namespace {

std::mt19937_64& Source() {
    static std::mt19937_64 source{5489u};
    return source;
}

bool& Held() {
    static bool held = false;
    return held;
}

template <typename Real> int32_t RoundTiesToEven(Real value) {
    const Real below = std::floor(value);
    const Real fraction = value - below;
    auto result = static_cast<int32_t>(below);
    if (fraction > Real(0.5) || (fraction == Real(0.5) && result % 2 != 0)) ++result;
    return result;
}

} // namespace

double Rnd() {
    // The top 53 bits give every double in [0, 1) on an even grid, never 1.0.
    return static_cast<double>(Source()() >> 11) * 0x1.0p-53;
}

void Randomize() {
    if (Held()) return;
    // The call count keeps two reseeds apart even on a coarse clock.
    static uint64_t calls = 0;
    const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    Source().seed(static_cast<uint64_t>(ticks) ^ (++calls * 0x9E3779B97F4A7C15ull));
}

void SeedRandom(uint64_t seed) { Source().seed(seed); }

void HoldSeed(bool held) { Held() = held; }

int32_t RoundHalfEven(double value) { return RoundTiesToEven(value); }

int32_t RoundHalfEven(float value) { return RoundTiesToEven(value); }
