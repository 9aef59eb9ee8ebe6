#include "runtime/core/program_icon.h"

#include <variant>

#include "runtime/descriptions/reader.h"

namespace tessel::runtime {

std::vector<std::uint8_t> ProgramIcon(const Project& project) {
  if (!project.startup) return {};
  try {
    const descriptions::Description startup =
        descriptions::ReadDescription(project.startup->description);
    const descriptions::Value* icon = startup.window.Find(descriptions::WindowProperty::kIcon);
    const auto* picture = icon ? std::get_if<descriptions::Picture>(icon) : nullptr;
    return picture ? picture->file : std::vector<std::uint8_t>{};
  } catch (const descriptions::DescriptionError&) {
    return {};
  }
}

}  // namespace tessel::runtime
