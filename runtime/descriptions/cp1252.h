#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tessel::descriptions {

// Stored texts are code page 1252; everything above the description format speaks UTF-8.

// What the bytes that code page 1252 assigns no character (0x81, 0x8D, 0x8F, 0x90, 0x9D) stand
// for: the replacement character.
inline constexpr char32_t kUnassigned = 0xFFFD;

// The character a byte stands for.
char32_t Cp1252CodePoint(std::uint8_t byte);

// Appends one character (below U+10000) as UTF-8.
void AppendUtf8(std::string& out, char32_t character);

// The whole text as UTF-8.
std::string Cp1252ToUtf8(std::string_view text);

}  // namespace tessel::descriptions
