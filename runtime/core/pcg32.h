#pragma once

#include <cstdint>

namespace tessel::runtime {

// The PCG32 generator (O'Neill's XSH RR variant): small state, cheap to re-seed, which
// matters because every roll re-seeds before it draws.
class Pcg32 {
 public:
  void Seed(std::uint64_t state, std::uint64_t stream) {
    increment_ = (stream << 1u) | 1u;
    state_ = 0;
    Next();
    state_ += state;
    Next();
  }

  std::uint32_t Next() {
    const std::uint64_t old = state_;
    state_ = old * 6364136223846793005ULL + increment_;
    const auto xorshifted = static_cast<std::uint32_t>(((old >> 18u) ^ old) >> 27u);
    const auto rotation = static_cast<std::uint32_t>(old >> 59u);
    return (xorshifted >> rotation) | (xorshifted << ((32u - rotation) & 31u));
  }

 private:
  std::uint64_t state_ = 0x853C49E6748FEA9BULL;
  std::uint64_t increment_ = 0xDA3E39CB94B95BDBULL;
};

}  // namespace tessel::runtime
