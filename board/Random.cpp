#include "board/Random.h"

#include <chrono>
#include <random>

namespace {

// The one process-wide generator; every random choice of the game draws
// from it so that a seeded test replays a whole field.
std::mt19937_64& Generator() {
  static std::mt19937_64 generator{0x5eed};
  return generator;
}

}  // namespace

void RandSeed(std::uint64_t seed) { Generator().seed(seed); }

void RandSeedFromClock() {
  const auto now = std::chrono::high_resolution_clock::now().time_since_epoch();
  RandSeed(std::uint64_t(now.count()));
}

int RandInt(int n) {
  if (n <= 0) return 0;
  return int(std::uniform_int_distribution<int>(0, n - 1)(Generator()));
}
