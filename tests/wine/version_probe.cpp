// Asks Windows' own version API (Wine's, under test) what Tessel98.exe carries: the tests run
// in the folder of Tessel98.exe. The expected texts are the program's documented ones, written
// out here rather than taken from our builder.
// imagehlp.h needs the types of windows.h before it.
// clang-format off
#include <windows.h>
#include <imagehlp.h>
// clang-format on

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

const wchar_t kExe[] = L"Tessel98.exe";

std::vector<BYTE> VersionInfo() {
  DWORD handle = 0;
  const DWORD size = GetFileVersionInfoSizeW(kExe, &handle);
  EXPECT_GT(size, 0u) << "GetFileVersionInfoSizeW error " << GetLastError();
  std::vector<BYTE> info(size);
  if (size == 0 || !GetFileVersionInfoW(kExe, 0, size, info.data())) {
    ADD_FAILURE() << "GetFileVersionInfoW error " << GetLastError();
    info.clear();
  }
  return info;
}

// The value VerQueryValueW finds at path, and its length; nullptr when there is none.
template <typename T>
T* Query(std::vector<BYTE>& info, const std::wstring& path, UINT* length) {
  void* value = nullptr;
  return VerQueryValueW(info.data(), path.c_str(), &value, length) ? static_cast<T*>(value)
                                                                   : nullptr;
}

// The table key a lookup builds from the translation pair, as every reader of version blocks
// does: language and code page as 8 hex digits.
std::wstring TableFor(WORD language, WORD code_page) {
  wchar_t key[9];
  std::swprintf(key, 9, L"%04X%04X", language, code_page);
  return key;
}

TEST(VersionProbe, TranslationIsGermanWithUnicodeTable) {
  std::vector<BYTE> info = VersionInfo();
  ASSERT_FALSE(info.empty());
  UINT length = 0;
  const WORD* pair = Query<WORD>(info, L"\\VarFileInfo\\Translation", &length);
  ASSERT_NE(pair, nullptr);
  ASSERT_EQ(length, 4u);
  EXPECT_EQ(pair[0], 0x0407);
  EXPECT_EQ(pair[1], 0x04B0);
  EXPECT_EQ(TableFor(pair[0], pair[1]), L"040704B0");
}

TEST(VersionProbe, SevenStringsThroughTheTranslationPair) {
  struct Row {
    const wchar_t* key;
    const wchar_t* text;
  };
  const Row rows[] = {
      {L"Comments", L"'ne kleine Auswahl von Tesselsimulationen"},
      {L"CompanyName", L"Kestro Productions"},
      {L"ProductName", L"Tessel 98"},
      {L"FileVersion", L"1.00"},
      {L"ProductVersion", L"1.00"},
      {L"InternalName", L"Tessel98"},
      {L"OriginalFilename", L"Tessel98.exe"},
  };
  std::vector<BYTE> info = VersionInfo();
  ASSERT_FALSE(info.empty());
  UINT length = 0;
  const WORD* pair = Query<WORD>(info, L"\\VarFileInfo\\Translation", &length);
  ASSERT_NE(pair, nullptr);
  const std::wstring table = L"\\StringFileInfo\\" + TableFor(pair[0], pair[1]) + L"\\";
  for (const Row& row : rows) {
    const std::wstring path = table + row.key;
    const wchar_t* text = Query<wchar_t>(info, path, &length);
    ASSERT_NE(text, nullptr) << std::string(path.begin(), path.end());
    // Up to the zero character, whatever unit the length comes back in.
    const std::wstring got(text);
    std::printf("%ls = \"%ls\"\n", row.key, got.c_str());
    EXPECT_EQ(got, row.text) << std::string(path.begin(), path.end());
  }
}

TEST(VersionProbe, FixedInfoIsApplicationVersion1000) {
  std::vector<BYTE> info = VersionInfo();
  ASSERT_FALSE(info.empty());
  UINT length = 0;
  const VS_FIXEDFILEINFO* fixed = Query<VS_FIXEDFILEINFO>(info, L"\\", &length);
  ASSERT_NE(fixed, nullptr);
  ASSERT_EQ(length, sizeof(VS_FIXEDFILEINFO));
  EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
  EXPECT_EQ(fixed->dwStrucVersion, 0x00010000u);
  EXPECT_EQ(fixed->dwFileVersionMS, 0x00010000u);
  EXPECT_EQ(fixed->dwFileVersionLS, 0u);
  EXPECT_EQ(fixed->dwProductVersionMS, 0x00010000u);
  EXPECT_EQ(fixed->dwProductVersionLS, 0u);
  EXPECT_EQ(fixed->dwFileFlagsMask, 0u);
  EXPECT_EQ(fixed->dwFileFlags, 0u);
  EXPECT_EQ(fixed->dwFileOS, static_cast<DWORD>(VOS__WINDOWS32));
  EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));
  EXPECT_EQ(fixed->dwFileSubtype, 0u);
  EXPECT_EQ(fixed->dwFileDateMS, 0u);
  EXPECT_EQ(fixed->dwFileDateLS, 0u);
}

// imagehlp is a second, independent reader of the header checksum.
TEST(Tessel98Image, ImagehlpFindsTheChecksumValid) {
  DWORD stored = 0, computed = 0;
  ASSERT_EQ(MapFileAndCheckSumW(kExe, &stored, &computed), static_cast<DWORD>(CHECKSUM_SUCCESS));
  EXPECT_NE(stored, 0u);
  EXPECT_EQ(stored, computed);
}

// The shell shows the group icon: LoadImage through the executable's own resources must yield
// a 32 x 32 icon.
TEST(Tessel98Image, ShellCanLoadTheApplicationIcon) {
  HMODULE exe = LoadLibraryExW(kExe, nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(exe, nullptr) << GetLastError();
  auto icon = static_cast<HICON>(LoadImageW(exe, MAKEINTRESOURCEW(1), IMAGE_ICON, 32, 32, 0));
  ASSERT_NE(icon, nullptr) << GetLastError();
  ICONINFO info{};
  ASSERT_TRUE(GetIconInfo(icon, &info));
  BITMAP colour{};
  ASSERT_TRUE(GetObjectW(info.hbmColor, sizeof colour, &colour));
  EXPECT_EQ(colour.bmWidth, 32);
  EXPECT_EQ(colour.bmHeight, 32);
  DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);
  DestroyIcon(icon);
  FreeLibrary(exe);
}

}  // namespace
