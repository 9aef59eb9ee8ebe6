#include "app/runtime/services.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <optional>
#include <random>

#include "app/runtime/pcg32.h"

namespace tessel::runtime {
namespace {

Pcg32& Generator() {
  static Pcg32 generator;
  return generator;
}

// The operating system's entropy, opened once: re-seeding happens before every roll.
std::random_device& Entropy() {
#if defined(__linux__)
  static std::random_device device("/dev/urandom");
#else
  static std::random_device device;
#endif
  return device;
}

std::uint64_t EntropyWord(std::random_device& entropy) {
  return (std::uint64_t{entropy()} << 32) | entropy();
}

std::optional<float>& FixedValue() {
  static std::optional<float> value;
  return value;
}

}  // namespace

void Randomize() {
  std::random_device& entropy = Entropy();
  Generator().Seed(EntropyWord(entropy), EntropyWord(entropy));
}

float NextRandomValue() {
  if (FixedValue()) return *FixedValue();
  // The top 24 bits give every single-precision multiple of 2^-24 in [0, 1) exactly once.
  const std::uint32_t bits = Generator().Next() >> 8;
  return static_cast<float>(bits) * 0x1p-24f;
}

double IntegerPart(double value) { return std::floor(value); }

std::string ValueToText(float value) {
  char text[32];
  const bool whole = std::isfinite(value) && value == std::trunc(value) && std::fabs(value) < 1e9f;
  const auto result = whole ? std::to_chars(text, text + sizeof text, static_cast<long>(value))
                            : std::to_chars(text, text + sizeof text, value);
  return std::string(text, result.ptr);
}

ScopedRandomValue::ScopedRandomValue(float r)
    : had_previous_(FixedValue().has_value()), previous_(FixedValue().value_or(0.0f)) {
  FixedValue() = r;
}

ScopedRandomValue::~ScopedRandomValue() {
  if (had_previous_) {
    FixedValue() = previous_;
  } else {
    FixedValue().reset();
  }
}

}  // namespace tessel::runtime
