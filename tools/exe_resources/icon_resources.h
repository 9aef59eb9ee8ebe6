#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace tessel::resources {

// The identifier under which the executable stores the application icon's image.
inline constexpr std::uint16_t kAppIconImageId = 30001;

// An icon file split the way an executable stores it: an RT_GROUP_ICON directory whose one
// entry names the RT_ICON resource that holds the image.
struct IconResources {
  std::vector<std::uint8_t> group;  // 6-byte header and one 14-byte entry
  std::vector<std::uint8_t> image;  // BITMAPINFOHEADER, palette, colour bitmap, mask
};

// Splits an icon file of exactly one image. The group entry takes width, height and colour count
// from the file's directory entry, but planes and bit count from the image's own header: icon
// files often leave those two at 0, and the shell matches the group entry against the display.
// Throws std::invalid_argument naming the offset and what was expected there.
IconResources SplitIconFile(std::span<const std::uint8_t> file, std::uint16_t image_id);

}  // namespace tessel::resources
