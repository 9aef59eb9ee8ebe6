#pragma once

#include <cstdint>
#include <span>

#include "runtime/core/window_spec.h"

namespace tessel::runtime {

enum class StartUpPosition { kManual = 0, kCentreOwner = 1, kCentreScreen = 2, kDefault = 3 };

struct BuiltWindow {
  WindowSpec spec;
  StartUpPosition start_up_position = StartUpPosition::kManual;
};

// Reads a window description and resolves its stored settings into what a backend builds.
// Throws descriptions::DescriptionError for bytes that do not read.
BuiltWindow BuildWindow(std::span<const std::uint8_t> description);

// The runtime's default window font, for windows and labels that set none.
FontRecord DefaultWindowFont();

}  // namespace tessel::runtime
