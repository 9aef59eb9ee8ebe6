#include "program/resources/rgb_image.h"

#include <algorithm>
#include <charconv>
#include <stdexcept>
#include <string>

namespace tessel::resources {
namespace {

std::string_view NextToken(std::string_view& text) {
  const auto start = text.find_first_not_of(" \t\n");
  if (start == std::string_view::npos) {
    text = {};
    return {};
  }
  text.remove_prefix(start);
  const auto end = std::min(text.find_first_of(" \t\n"), text.size());
  const std::string_view token = text.substr(0, end);
  text.remove_prefix(end);
  return token;
}

std::uint32_t ParseNumber(std::string_view token, int base) {
  std::uint32_t value = 0;
  const auto [end, error] = std::from_chars(token.data(), token.data() + token.size(), value, base);
  if (error != std::errc() || end != token.data() + token.size()) {
    throw std::invalid_argument("bad number '" + std::string(token) + "' in colour row");
  }
  return value;
}

Rgb ParseColour(std::string_view token) {
  if (token.size() != 6) {
    throw std::invalid_argument("expected six hex digits, got '" + std::string(token) + "'");
  }
  const std::uint32_t value = ParseNumber(token, 16);
  return {static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 8),
          static_cast<std::uint8_t>(value)};
}

}  // namespace

std::vector<Rgb> ParseColourRow(std::string_view text) {
  std::vector<Rgb> row;
  for (std::string_view token = NextToken(text); !token.empty(); token = NextToken(text)) {
    if (token.front() != 'x') {
      row.push_back(ParseColour(token));
      continue;
    }
    const std::uint32_t count = ParseNumber(token.substr(1), 10);
    if (row.empty() || count < 2) {
      throw std::invalid_argument("'" + std::string(token) + "' must follow a colour");
    }
    row.insert(row.end(), count - 1, row.back());
  }
  return row;
}

}  // namespace tessel::resources
