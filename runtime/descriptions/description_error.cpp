#include "runtime/descriptions/description_error.h"

#include <utility>

namespace tessel::descriptions {

namespace {

std::string Compose(std::size_t offset, const std::string& expected, const std::string& found) {
  return "offset " + std::to_string(offset) + ": expected " + expected + ", found " + found;
}

}  // namespace

DescriptionError::DescriptionError(std::size_t offset, std::string expected, std::string found)
    : std::runtime_error(Compose(offset, expected, found)),
      offset_(offset),
      expected_(std::move(expected)),
      found_(std::move(found)) {}

}  // namespace tessel::descriptions
