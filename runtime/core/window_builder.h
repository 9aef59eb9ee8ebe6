#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <span>
#include <string_view>

#include "runtime/core/label_fitting.h"
#include "runtime/core/text_size.h"
#include "runtime/core/window_spec.h"

namespace tessel::runtime {

enum class StartUpPosition { kManual = 0, kCentreOwner = 1, kCentreScreen = 2, kDefault = 3 };

// A text in a font as the backend that shows the window will draw it.
using TextMeasure = std::function<TextSize(const ResolvedFont& font, std::string_view utf8)>;

struct BuiltWindow {
  WindowSpec spec;
  StartUpPosition start_up_position = StartUpPosition::kManual;
  // Every auto-size label's fitting by control id, for the captions it is given later.
  std::map<int, LabelFitting> fittings;
};

// Reads a window description and settles what a backend builds: every stored setting resolved
// (texts decoded, fonts resolved, pictures located), every rectangle in pixels, auto-size labels
// fitted to their text as `measure` finds it, where button captions wrap, the default button,
// each control's edge, the orders of tab, stacking and reading, and the self-drawn title bar's
// parts. Throws descriptions::DescriptionError for bytes that do not read.
BuiltWindow BuildWindow(std::span<const std::uint8_t> description, const TextMeasure& measure);

// A button's caption breaks into lines where it is wider than this, as the backend measures it
// when it draws it: the button less its 3-D edges and the focus rectangle's margins.
int ButtonWrapWidth(int button_width);

}  // namespace tessel::runtime
