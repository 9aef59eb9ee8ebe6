#pragma once

#include <cstdint>
#include <span>

namespace tessel::app {

// The four windows' descriptions as the program stores them. tools/write_descriptions writes
// them on the build machine from the builder beside each window's handlers, and the build
// embeds them byte for byte: the program only reads them.
extern const std::span<const std::uint8_t> kWStartDescription;
extern const std::span<const std::uint8_t> kW6FormDescription;
extern const std::span<const std::uint8_t> kW20FormDescription;
extern const std::span<const std::uint8_t> kInfoFRDescription;

}  // namespace tessel::app
