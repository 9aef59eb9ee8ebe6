#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace tessel::descriptions {

enum class PictureKind : std::uint8_t { kIcon, kCursor, kBitmap };

// The kind a picture file announces in its first bytes: 00 00 01 00 icon, 00 00 02 00 cursor,
// "BM" bitmap. Only the signature is looked at; nullopt when none matches.
std::optional<PictureKind> KindOfPictureFile(std::span<const std::uint8_t> file);

std::string_view PictureKindName(PictureKind kind);

struct PictureSize {
  std::int64_t width = 0;
  std::int64_t height = 0;
};

// The size in pixels that a picture file of that kind gives in its header: an icon's or cursor's
// first directory entry, a bitmap's info header (or the older core header). Only the header is
// looked at; nullopt when it is cut short.
std::optional<PictureSize> SizeOfPictureFile(std::span<const std::uint8_t> file, PictureKind kind);

}  // namespace tessel::descriptions
