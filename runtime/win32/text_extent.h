#pragma once

#include <string_view>

#include "runtime/core/text_size.h"
#include "runtime/win32/win32_api.h"

namespace tessel::runtime::win32 {

// One line of text in that font as GDI draws it on the screen: its advance width and the
// font's line height, or why GDI could not measure it.
TextSize TextExtent(HFONT font, std::wstring_view text);

}  // namespace tessel::runtime::win32
