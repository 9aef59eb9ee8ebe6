#include "runtime/descriptions/model.h"

namespace tessel::descriptions {

const Value* Block::Find(std::uint8_t code) const {
  for (const Property& property : properties) {
    if (property.code == code) return &property.value;
  }
  return nullptr;
}

int CountControls(const Block& window) {
  int count = 0;
  for (const Block& child : window.children) count += 1 + CountControls(child);
  return count;
}

}  // namespace tessel::descriptions
