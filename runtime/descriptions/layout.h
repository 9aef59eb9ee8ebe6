#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

// Fixed facts of the description format, shared by the reader and the writer.
namespace tessel::descriptions::layout {

inline constexpr std::array<std::uint8_t, 4> kSignature{0xFF, 0xCC, 0x31, 0x00};
inline constexpr std::size_t kControlCountAt = 4;
inline constexpr std::size_t kClassIdAt = 37;
inline constexpr std::size_t kReservedBytes = 36;  // zero, after the three identifiers
inline constexpr std::size_t kRestLengthAt = 89;
inline constexpr std::uint8_t kEndOfProperties = 0xFF;

// A picture value: u32 rest length, this tag ("lt"), u32 file length, the file.
inline constexpr std::array<std::uint8_t, 4> kPictureTag{0x6C, 0x74, 0x00, 0x00};
inline constexpr std::uint32_t kPictureFraming = 8;  // tag and file length

// Structure bytes between blocks.
inline constexpr std::uint8_t kChildrenFollow = 0x01;
inline constexpr std::uint8_t kListEnds = 0x02;
inline constexpr std::uint8_t kSiblingFollows = 0x03;
inline constexpr std::uint8_t kEnd = 0x04;

}  // namespace tessel::descriptions::layout
