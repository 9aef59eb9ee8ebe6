#include "program/resources/win32/tessel_version.h"

#include <cstdio>
#include <iterator>
#include <string>

#include "tools/exe_resources/version_block.h"
#include "tools/pictures/little_endian.h"

namespace tessel::resources {
namespace {

// The table's key is the translation pair written out: language, then code page, as 8 hex
// digits in capitals.
std::u16string StringTableKey(std::uint16_t language, std::uint16_t code_page) {
  char digits[9];
  std::snprintf(digits, sizeof digits, "%04X%04X", language, code_page);
  return std::u16string(digits, digits + 8);
}

VersionNode VarFileInfo() {
  std::vector<std::uint8_t> translation;
  PutU16(translation, kVersionLanguage);
  PutU16(translation, kVersionCodePage);
  return GroupNode(u"VarFileInfo", VersionValueType::kBinary,
                   {BinaryNode(u"Translation", std::move(translation))});
}

VersionNode StringFileInfo() {
  std::vector<VersionNode> strings;
  strings.reserve(std::size(kTesselVersionStrings));
  for (const VersionString& s : kTesselVersionStrings) {
    strings.push_back(TextNode(std::u16string(s.key), s.text));
  }
  return GroupNode(u"StringFileInfo", VersionValueType::kText,
                   {GroupNode(StringTableKey(kVersionLanguage, kVersionCodePage),
                              VersionValueType::kText, std::move(strings))});
}

}  // namespace

std::vector<std::uint8_t> EncodeFixedFileInfo(const FixedFileInfo& info) {
  std::vector<std::uint8_t> out;
  for (const std::uint32_t field :
       {info.signature, info.struc_version, info.file_version_ms, info.file_version_ls,
        info.product_version_ms, info.product_version_ls, info.file_flags_mask, info.file_flags,
        info.file_os, info.file_type, info.file_subtype, info.file_date_ms, info.file_date_ls}) {
    PutU32(out, field);
  }
  return out;
}

std::vector<std::uint8_t> TesselVersionBlock() {
  // VarFileInfo ahead of StringFileInfo, as the program has always carried them.
  return EncodeVersionNode(BinaryNode(u"VS_VERSION_INFO", EncodeFixedFileInfo(kTesselFixedInfo),
                                      {VarFileInfo(), StringFileInfo()}));
}

}  // namespace tessel::resources
