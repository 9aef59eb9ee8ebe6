#pragma once

#include <string>
#include <string_view>

namespace tessel::descriptions {

// A code page 1252 text as a double-quoted UTF-8 string for people to read: quotes and
// backslashes escaped, CR, LF and tab as \r \n \t, and every byte that would print as nothing or
// could be mistaken for a plain blank (controls, no-break space, unassigned bytes) as \xNN.
std::string QuoteText(std::string_view cp1252);

}  // namespace tessel::descriptions
