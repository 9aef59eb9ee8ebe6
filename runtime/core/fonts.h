#pragma once

#include <string_view>

#include "runtime/core/face_substitutes.h"
#include "runtime/core/window_spec.h"
#include "runtime/descriptions/model.h"

namespace tessel::runtime {

// A stored font record as the window system is asked for it: the face decoded, the size in
// pixels at 96 dots per inch, bold from weight 700 on, the attribute bits as styles.
ResolvedFont ResolveFont(const descriptions::FontRecord& record);

// The runtime's default window font, 8.25 pt regular, for windows and labels that set none.
ResolvedFont DefaultWindowFont();

// The caption in a fixed frame's small title bar.
ResolvedFont TitleBarFont();

}  // namespace tessel::runtime
