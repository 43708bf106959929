#pragma once

#include <cstdint>
#include <random>

namespace kairo {

// The one pseudo-random generator, seeded once with a fixed seed so every run poses the same
// sequence of problems for the same sequence of presses.
class Random {
 public:
  static constexpr std::uint32_t kSeed = 20261209u;
  explicit Random(std::uint32_t seed = kSeed) : engine_(seed) {}

  // Uniform in [0, 1), never 1.0: 53 random bits scaled by 2^-53.
  double next() {
    const std::uint64_t bits = (std::uint64_t{engine_()} << 32 | engine_()) >> 11;
    return static_cast<double>(bits) * 0x1.0p-53;
  }
  // Int(n × r + 1): 1 .. n, each equally likely.
  int pick(int n) { return static_cast<int>(n * next() + 1.0); }

 private:
  std::mt19937 engine_;
};

}  // namespace kairo
