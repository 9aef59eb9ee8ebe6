#pragma once

#include <string>
#include <string_view>

#include "runtime/descriptions/byte_cursor.h"
#include "runtime/descriptions/codes.h"
#include "runtime/descriptions/model.h"

namespace tessel::descriptions {

// Reads a text: u16 length n, n bytes, one zero byte. A zero byte inside the n bytes is an
// error, since whoever shows the text would stop there. `what` names it in errors.
std::string ReadText(ByteCursor& cursor, std::string_view what);

// Reads the value of one property, laid out as its kind says.
Value ReadValue(ByteCursor& cursor, const PropertyInfo& property);

}  // namespace tessel::descriptions
