#pragma once

#include <cstdint>

// The program's one source of uniform values in [0, 1).
double Rnd();

// Reseeds from a high-resolution clock, so two puzzles made in the same second differ.
void Randomize();

// A fixed seed, for tests and the puzzle tool.
void SeedRandom(uint64_t seed);

// While held, Randomize() leaves the sequence alone (tests and the puzzle tool need
// repeatable runs through code that reseeds).
void HoldSeed(bool held);

// Nearest integer, ties to even (2.5 -> 2, 3.5 -> 4).
int32_t RoundHalfEven(double value);
int32_t RoundHalfEven(float value);
