#include "runtime/core/services.h"

#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <random>
#include <string_view>

#if defined(__EMSCRIPTEN__)
#include <unistd.h>
#endif

#include "runtime/core/pcg32.h"

namespace tessel::runtime {
namespace {

Pcg32& Generator() {
  static Pcg32 generator;
  return generator;
}

#if defined(__EMSCRIPTEN__)
// The browser's entropy (crypto.getRandomValues), which getentropy reads: a page without it
// aborts at the first read, as std::random_device's would. That class only adds its failure
// reports and their texts, three kilobytes of the page. A roll is never seeded from nothing.
std::uint64_t EntropyWord() {
  std::uint64_t word = 0;
  if (getentropy(&word, sizeof word) != 0) std::abort();
  return word;
}
#else
// The operating system's entropy, opened once: re-seeding happens before every roll.
std::random_device& Entropy() {
#if defined(__linux__)
  static std::random_device device("/dev/urandom");
#else
  static std::random_device device;
#endif
  return device;
}

std::uint64_t EntropyWord() {
  std::random_device& entropy = Entropy();
  return (std::uint64_t{entropy()} << 32) | entropy();
}
#endif

std::optional<float>& FixedValue() {
  static std::optional<float> value;
  return value;
}

}  // namespace

void Randomize() { Generator().Seed(EntropyWord(), EntropyWord()); }

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
  if (whole) {
    const auto result = std::to_chars(text, text + sizeof text, static_cast<long>(value));
    return std::string(text, result.ptr);
  }
  // Seven significant digits, as much as a single holds. printf writes the locale's decimal
  // point, so it is put back to a full stop here: the text must not change with the locale.
  std::snprintf(text, sizeof text, "%.7g", static_cast<double>(value));
  const std::string_view point = std::localeconv()->decimal_point;
  const std::string_view written = text;
  const size_t at = written.find(point);
  if (point == "." || at == std::string_view::npos) return std::string(written);
  return std::string(written.substr(0, at)) + "." + std::string(written.substr(at + point.size()));
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
