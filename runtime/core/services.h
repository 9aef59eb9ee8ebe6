#pragma once

#include <string>

namespace tessel::runtime {

// Re-seeds the generator with a fresh seed of the runtime's choosing, from the operating
// system's entropy.
void Randomize();

// The next value of the generator: single precision, uniform, 0 <= r < 1.
float NextRandomValue();

// The largest whole number not above value.
double IntegerPart(double value);

// The text of a single-precision value, independent of the locale: whole numbers as plain
// digits ("20"), others in the shortest form that reads back to the same value ("0.5").
std::string ValueToText(float value);

// Lets a test fix what NextRandomValue returns, for the lifetime of the object.
class ScopedRandomValue {
 public:
  explicit ScopedRandomValue(float r);
  ~ScopedRandomValue();
  ScopedRandomValue(const ScopedRandomValue&) = delete;
  ScopedRandomValue& operator=(const ScopedRandomValue&) = delete;

 private:
  bool had_previous_;
  float previous_;
};

}  // namespace tessel::runtime
