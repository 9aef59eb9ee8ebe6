#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

// A reader of 32-bit PE files, just deep enough to check what we ship: the headers, the
// imported DLLs and the resource tree. It trusts no offset it has not checked against the file.
namespace tessel::pe {

// A file that does not hold what the PE format puts there. what() reads
// "offset 60: expected PE header inside the file, found offset 9000".
class PeError : public std::runtime_error {
 public:
  PeError(std::size_t offset, const std::string& expected, const std::string& found);
};

struct Section {
  std::string name;  // a long name ("/4" in the header) read from the string table
  std::uint32_t virtual_address = 0;
  std::uint32_t virtual_size = 0;
  std::uint32_t raw_offset = 0;
  std::uint32_t raw_size = 0;
};

struct DataDirectory {
  std::uint32_t rva = 0;
  std::uint32_t size = 0;
};

struct Headers {
  std::uint16_t machine = 0;
  std::uint16_t characteristics = 0;
  std::uint16_t magic = 0;
  std::uint16_t major_os_version = 0, minor_os_version = 0;
  std::uint16_t major_image_version = 0, minor_image_version = 0;
  std::uint16_t major_subsystem_version = 0, minor_subsystem_version = 0;
  std::uint32_t checksum = 0;
  std::size_t checksum_offset = 0;  // of the field in the file
  std::uint16_t subsystem = 0;
  std::uint32_t symbol_table_offset = 0;  // also where the string table of long names begins
  std::uint32_t symbol_count = 0;
  std::vector<DataDirectory> directories;
  std::vector<Section> sections;
};

inline constexpr std::size_t kImportDirectory = 1;
inline constexpr std::size_t kResourceDirectory = 2;
inline constexpr std::size_t kDelayImportDirectory = 13;

// One imported function: by name, or "#7" for ordinal 7.
struct Import {
  std::string dll;
  std::string function;
};

// One leaf of the resource tree. A level named by a string instead of a number has
// `named` set and its number left 0.
struct Resource {
  std::uint32_t type = 0, id = 0, language = 0;
  bool named = false;
  std::vector<std::uint8_t> data;
};

class PeImage {
 public:
  explicit PeImage(std::vector<std::uint8_t> file);  // reads and checks the headers

  const Headers& headers() const { return headers_; }
  const std::vector<std::uint8_t>& file() const { return file_; }

  // The DLL names of the import directory, in stored order.
  std::vector<std::string> ImportedDlls() const;
  // Every imported function, DLL by DLL, in stored order.
  std::vector<Import> Imports() const;
  // A section's bytes in the file, as many as it uses of its stored size.
  std::span<const std::uint8_t> SectionData(const Section& section) const;
  // Every leaf of the resource tree (type, name, language), in stored order.
  std::vector<Resource> Resources() const;

 private:
  std::size_t FileOffsetOf(std::uint32_t rva, std::uint32_t size, const char* what) const;
  std::string LongSectionName(const std::string& reference) const;
  // Calls `each(descriptor offset, DLL name)` for every import descriptor.
  template <typename Each>
  void ForEachImportDescriptor(Each each) const;
  // What a resource tree may still hold: directories may point at each other in any way, but
  // in a real file no entry and no byte of data is counted twice.
  struct ResourceBudget {
    std::size_t entries = 0;
    std::size_t data_bytes = 0;
  };
  void ReadResourceLevel(std::uint32_t base, std::uint32_t offset, int level, Resource path,
                         ResourceBudget& budget, std::vector<Resource>& out) const;

  std::vector<std::uint8_t> file_;
  Headers headers_;
};

// The standard image checksum: the file's 16-bit words summed with the carry folded back in,
// the checksum field itself counted as zero, plus the file length.
std::uint32_t ImageChecksum(std::span<const std::uint8_t> file, std::size_t checksum_offset);

}  // namespace tessel::pe
