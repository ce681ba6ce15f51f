#include "board/Random.h"

#include <chrono>

namespace {

// xoshiro256**: fast, small and of good statistical quality; its state is
// filled from the seed with splitmix64 as its authors recommend.
class TGenerator {
 public:
  constexpr explicit TGenerator(std::uint64_t seed) { Seed(seed); }

  constexpr void Seed(std::uint64_t seed) {
    for (auto& word : State) {
      seed += 0x9E3779B97F4A7C15ull;
      std::uint64_t z = seed;
      z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
      z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
      word = z ^ (z >> 31);
    }
  }

  std::uint64_t Next() {
    const std::uint64_t result = RotateLeft(State[1] * 5, 7) * 9;
    const std::uint64_t t = State[1] << 17;
    State[2] ^= State[0];
    State[3] ^= State[1];
    State[1] ^= State[2];
    State[0] ^= State[3];
    State[2] ^= t;
    State[3] = RotateLeft(State[3], 45);
    return result;
  }

 private:
  static constexpr std::uint64_t RotateLeft(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }
  std::uint64_t State[4]{};
};

// The one process-wide generator: every random choice of the game draws
// from it, so a seeded test replays a whole field. It is ready at compile
// time, so no call can find it unseeded.
constinit TGenerator Generator{0x5EEDu};

}  // namespace

void RandSeed(std::uint64_t seed) { Generator.Seed(seed); }

void RandSeedFromClock() {
  const auto now = std::chrono::high_resolution_clock::now().time_since_epoch();
  RandSeed(std::uint64_t(now.count()));
}

// Exactly uniform: the high half of a 32 x 32-bit product, with the few
// biased low results rejected (Lemire's method).
int RandInt(int n) {
  if (n <= 0) return 0;
  const auto range = std::uint32_t(n);
  std::uint64_t product = (Generator.Next() >> 32) * range;
  auto low = std::uint32_t(product);
  if (low < range) {
    const std::uint32_t threshold = std::uint32_t(-range) % range;
    while (low < threshold) {
      product = (Generator.Next() >> 32) * range;
      low = std::uint32_t(product);
    }
  }
  return int(product >> 32);
}
