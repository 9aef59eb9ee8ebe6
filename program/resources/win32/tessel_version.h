#pragma once

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

namespace tessel::resources {

// German (Germany), and the string table's code page 1200: UTF-16.
inline constexpr std::uint16_t kVersionLanguage = 0x0407;
inline constexpr std::uint16_t kVersionCodePage = 0x04B0;

// VS_FIXEDFILEINFO, field by field in stored order.
struct FixedFileInfo {
  std::uint32_t signature = 0xFEEF04BD;
  std::uint32_t struc_version = 0x00010000;
  std::uint32_t file_version_ms = 0;
  std::uint32_t file_version_ls = 0;
  std::uint32_t product_version_ms = 0;
  std::uint32_t product_version_ls = 0;
  std::uint32_t file_flags_mask = 0;
  std::uint32_t file_flags = 0;
  std::uint32_t file_os = 0;
  std::uint32_t file_type = 0;
  std::uint32_t file_subtype = 0;
  std::uint32_t file_date_ms = 0;
  std::uint32_t file_date_ls = 0;
};

struct VersionString {
  std::u16string_view key;
  std::u16string_view text;
};

// Version 1.0.0.0 of an application for 32-bit Windows, no flags, no date.
inline constexpr FixedFileInfo kTesselFixedInfo{
    .file_version_ms = 0x00010000,
    .product_version_ms = 0x00010000,
    .file_os = 4,    // VOS__WINDOWS32
    .file_type = 1,  // VFT_APP
};

// The string table in stored order. The texts say "1.00" where the numbers say 1.0.0.0.
inline constexpr std::array<VersionString, 7> kTesselVersionStrings{{
    {u"Comments", u"'ne kleine Auswahl von Tesselsimulationen"},
    {u"CompanyName", u"Kestro Productions"},
    {u"ProductName", u"Tessel 98"},
    {u"FileVersion", u"1.00"},
    {u"ProductVersion", u"1.00"},
    {u"InternalName", u"Tessel98"},
    {u"OriginalFilename", u"Tessel98.exe"},
}};

// The 52 bytes of the fixed information.
std::vector<std::uint8_t> EncodeFixedFileInfo(const FixedFileInfo& info);

// The whole RT_VERSION resource of Tessel98.exe: the fixed information, then VarFileInfo with
// the translation pair, then StringFileInfo with the table "040704B0".
std::vector<std::uint8_t> TesselVersionBlock();

}  // namespace tessel::resources
