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

}  // namespace tessel::descriptions
