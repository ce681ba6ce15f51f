#pragma once
#include <cstdint>

// The one process-wide random generator. The main window seeds it from the
// clock; tests seed it to replay a field.
void RandSeed(std::uint64_t seed);
void RandSeedFromClock();

// A uniform integer in 0..n-1 (0 when n <= 0).
int RandInt(int n);
