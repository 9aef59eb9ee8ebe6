#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>

namespace tessel::descriptions {

// A description that does not follow the byte format: where it went wrong and what would have
// been right there. what() reads "offset 93: expected block length 875, found 874".
class DescriptionError : public std::runtime_error {
 public:
  DescriptionError(std::size_t offset, std::string expected, std::string found);

  std::size_t offset() const { return offset_; }
  const std::string& expected() const { return expected_; }
  const std::string& found() const { return found_; }

 private:
  std::size_t offset_;
  std::string expected_;
  std::string found_;
};

}  // namespace tessel::descriptions
