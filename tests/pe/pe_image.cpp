#include "tests/pe/pe_image.h"

#include <utility>

namespace tessel::pe {
namespace {

std::string Hex(std::uint32_t n) {
  static const char kDigits[] = "0123456789ABCDEF";
  std::string s;
  do {
    s.insert(s.begin(), kDigits[n % 16]);
    n /= 16;
  } while (n != 0);
  return "0x" + s;
}

// Little-endian reads that name the field and its offset when the file ends first.
class Reader {
 public:
  explicit Reader(std::span<const std::uint8_t> file) : file_(file) {}

  void Require(std::size_t at, std::size_t n, const char* what) const {
    if (at > file_.size() || n > file_.size() - at) {
      throw PeError(at, std::string(what) + " (" + std::to_string(n) + " bytes)",
                    "end of file at " + std::to_string(file_.size()));
    }
  }
  std::uint8_t U8(std::size_t at, const char* what) const {
    Require(at, 1, what);
    return file_[at];
  }
  std::uint16_t U16(std::size_t at, const char* what) const {
    Require(at, 2, what);
    return static_cast<std::uint16_t>(file_[at] | file_[at + 1] << 8);
  }
  std::uint32_t U32(std::size_t at, const char* what) const {
    return U16(at, what) | static_cast<std::uint32_t>(U16(at + 2, what)) << 16;
  }
  std::string Text(std::size_t at, std::size_t max, const char* what) const {
    std::string s;
    for (std::size_t i = 0;; ++i) {
      const std::uint8_t c = U8(at + i, what);
      if (c == 0) return s;
      if (i == max) {
        throw PeError(at, std::string(what) + " of at most " + std::to_string(max) + " bytes",
                      "a longer text");
      }
      s += static_cast<char>(c);
    }
  }

 private:
  std::span<const std::uint8_t> file_;
};

constexpr std::uint16_t kPe32Magic = 0x10B;
constexpr std::size_t kSectionHeaderSize = 40;
constexpr std::uint32_t kSubdirectoryBit = 0x80000000;

// Header fields at their offsets from the start of the PE32 optional header.
void ReadOptionalHeader(const Reader& r, std::size_t at, std::uint16_t size, Headers& h) {
  h.magic = r.U16(at, "optional header magic");
  if (h.magic != kPe32Magic) throw PeError(at, "PE32 magic 0x10B", Hex(h.magic));
  if (size < 96)
    throw PeError(at - 4, "optional header of at least 96 bytes", std::to_string(size));
  h.major_os_version = r.U16(at + 40, "MajorOperatingSystemVersion");
  h.minor_os_version = r.U16(at + 42, "MinorOperatingSystemVersion");
  h.major_image_version = r.U16(at + 44, "MajorImageVersion");
  h.minor_image_version = r.U16(at + 46, "MinorImageVersion");
  h.major_subsystem_version = r.U16(at + 48, "MajorSubsystemVersion");
  h.minor_subsystem_version = r.U16(at + 50, "MinorSubsystemVersion");
  h.checksum_offset = at + 64;
  h.checksum = r.U32(at + 64, "CheckSum");
  h.subsystem = r.U16(at + 68, "Subsystem");
  const std::uint32_t count = r.U32(at + 92, "NumberOfRvaAndSizes");
  if (count > (size - 96u) / 8u) {
    throw PeError(at + 92, "data directories within the optional header", std::to_string(count));
  }
  for (std::uint32_t i = 0; i < count; ++i) {
    h.directories.push_back({r.U32(at + 96 + 8 * i, "data directory RVA"),
                             r.U32(at + 100 + 8 * i, "data directory size")});
  }
}

Section ReadSection(const Reader& r, std::size_t at) {
  r.Require(at, kSectionHeaderSize, "section header");
  Section s;
  for (std::size_t i = 0; i < 8; ++i) {
    const char c = static_cast<char>(r.U8(at + i, "section name"));
    if (c == 0) break;
    s.name += c;
  }
  s.virtual_size = r.U32(at + 8, "VirtualSize");
  s.virtual_address = r.U32(at + 12, "VirtualAddress");
  s.raw_size = r.U32(at + 16, "SizeOfRawData");
  s.raw_offset = r.U32(at + 20, "PointerToRawData");
  r.Require(s.raw_offset, s.raw_size, "section data inside the file");
  return s;
}

}  // namespace

PeError::PeError(std::size_t offset, const std::string& expected, const std::string& found)
    : std::runtime_error("offset " + std::to_string(offset) + ": expected " + expected +
                         ", found " + found) {}

PeImage::PeImage(std::vector<std::uint8_t> file) : file_(std::move(file)) {
  const Reader r(file_);
  const std::uint16_t mz = r.U16(0, "MZ signature");
  if (mz != 0x5A4D) throw PeError(0, "MZ signature 0x5A4D", Hex(mz));
  const std::uint32_t pe = r.U32(0x3C, "e_lfanew");
  const std::uint32_t signature = r.U32(pe, "PE signature");
  if (signature != 0x00004550) throw PeError(pe, "PE signature 0x4550", Hex(signature));
  const std::size_t coff = pe + 4;
  headers_.machine = r.U16(coff, "Machine");
  const std::uint16_t sections = r.U16(coff + 2, "NumberOfSections");
  headers_.symbol_table_offset = r.U32(coff + 8, "PointerToSymbolTable");
  headers_.symbol_count = r.U32(coff + 12, "NumberOfSymbols");
  const std::uint16_t optional_size = r.U16(coff + 16, "SizeOfOptionalHeader");
  headers_.characteristics = r.U16(coff + 18, "Characteristics");
  ReadOptionalHeader(r, coff + 20, optional_size, headers_);
  const std::size_t table = coff + 20 + optional_size;
  for (std::size_t i = 0; i < sections; ++i) {
    headers_.sections.push_back(ReadSection(r, table + kSectionHeaderSize * i));
  }
  for (Section& s : headers_.sections) {
    if (s.name.starts_with('/')) s.name = LongSectionName(s.name);
  }
}

// "/4": the name starts 4 bytes into the string table, which follows the 18-byte symbols.
std::string PeImage::LongSectionName(const std::string& reference) const {
  std::uint32_t offset = 0;
  for (const char c : reference.substr(1)) {
    if (c < '0' || c > '9' || offset > 9999999) {
      throw PeError(0, "a long section name /<decimal offset>", reference);
    }
    offset = offset * 10 + static_cast<std::uint32_t>(c - '0');
  }
  const std::size_t table =
      std::size_t{headers_.symbol_table_offset} + std::size_t{headers_.symbol_count} * 18;
  return Reader(file_).Text(table + offset, 255, "long section name");
}

std::span<const std::uint8_t> PeImage::SectionData(const Section& section) const {
  const std::uint32_t used = section.virtual_size != 0 && section.virtual_size < section.raw_size
                                 ? section.virtual_size
                                 : section.raw_size;
  return std::span<const std::uint8_t>(file_).subspan(section.raw_offset, used);
}

std::size_t PeImage::FileOffsetOf(std::uint32_t rva, std::uint32_t size, const char* what) const {
  for (const Section& s : headers_.sections) {
    if (rva < s.virtual_address || rva - s.virtual_address >= s.raw_size) continue;
    const std::uint32_t into = rva - s.virtual_address;
    if (size > s.raw_size - into) {
      throw PeError(s.raw_offset + into, std::string(what) + " inside section " + s.name,
                    std::to_string(size) + " bytes");
    }
    return s.raw_offset + into;
  }
  throw PeError(0, std::string(what) + " at an RVA stored in a section", Hex(rva));
}

template <typename Each>
void PeImage::ForEachImportDescriptor(Each each) const {
  if (headers_.directories.size() <= kImportDirectory) return;
  const DataDirectory dir = headers_.directories[kImportDirectory];
  if (dir.rva == 0) return;
  const Reader r(file_);
  // Descriptors of 20 bytes each, closed by one that is all zero. Sections may map the same
  // bytes at many addresses, so the walk stops where a real file would have run out of bytes.
  const std::size_t most = file_.size() / 20;
  std::size_t count = 0;
  for (std::uint32_t rva = dir.rva;; rva += 20) {
    const std::size_t at = FileOffsetOf(rva, 20, "import descriptor");
    if (++count > most) {
      throw PeError(at, "at most " + std::to_string(most) + " import descriptors in the file",
                    "more");
    }
    const std::uint32_t name = r.U32(at + 12, "import descriptor Name");
    if (name == 0 && r.U32(at + 16, "import descriptor FirstThunk") == 0) return;
    each(at, r.Text(FileOffsetOf(name, 1, "imported DLL name"), 260, "DLL name"));
  }
}

std::vector<std::string> PeImage::ImportedDlls() const {
  std::vector<std::string> dlls;
  ForEachImportDescriptor([&](std::size_t, std::string dll) { dlls.push_back(std::move(dll)); });
  return dlls;
}

// The lookup table (or, when a linker left it out, the address table) holds one 32-bit entry
// per function up to a zero: an ordinal when the top bit is set, else the RVA of a 2-byte hint
// and the name.
std::vector<Import> PeImage::Imports() const {
  const Reader r(file_);
  std::vector<Import> imports;
  // Each DLL's table has entries of its own, so all of them together fit in the file.
  const std::size_t most = file_.size() / 4;
  std::size_t count = 0;
  ForEachImportDescriptor([&](std::size_t at, const std::string& dll) {
    std::uint32_t table = r.U32(at, "import descriptor OriginalFirstThunk");
    if (table == 0) table = r.U32(at + 16, "import descriptor FirstThunk");
    for (std::uint32_t rva = table;; rva += 4) {
      const std::size_t entry_at = FileOffsetOf(rva, 4, "import lookup entry");
      if (++count > most) {
        throw PeError(entry_at, "at most " + std::to_string(most) + " import lookup entries",
                      "more");
      }
      const std::uint32_t entry = r.U32(entry_at, "import lookup entry");
      if (entry == 0) break;
      if (entry & 0x80000000) {
        imports.push_back({dll, "#" + std::to_string(entry & 0xFFFF)});
        continue;
      }
      const std::size_t hint = FileOffsetOf(entry, 3, "import hint and name");
      imports.push_back({dll, r.Text(hint + 2, 255, "imported function name")});
    }
  });
  return imports;
}

std::vector<Resource> PeImage::Resources() const {
  std::vector<Resource> out;
  if (headers_.directories.size() <= kResourceDirectory) return out;
  const DataDirectory dir = headers_.directories[kResourceDirectory];
  if (dir.rva == 0) return out;
  const auto base = static_cast<std::uint32_t>(FileOffsetOf(dir.rva, 16, "resources"));
  ResourceBudget budget{file_.size() / 8, file_.size()};
  ReadResourceLevel(base, 0, 0, Resource{}, budget, out);
  return out;
}

// Levels: 0 type, 1 name, 2 language; below the language sits the data entry. Offsets of
// directories and data entries count from the start of the resource section.
// Directories that share subdirectories would make a tree of a few kilobytes name millions of
// leaves, so the walk counts entries and data against what the file can hold.
void PeImage::ReadResourceLevel(std::uint32_t base, std::uint32_t offset, int level, Resource path,
                                ResourceBudget& budget, std::vector<Resource>& out) const {
  const Reader r(file_);
  const std::size_t at = std::size_t{base} + offset;
  const std::size_t entries =
      std::size_t{r.U16(at + 12, "NumberOfNamedEntries")} + r.U16(at + 14, "NumberOfIdEntries");
  if (entries > budget.entries) {
    throw PeError(at + 12, "resource entries that fit in the file once each",
                  std::to_string(entries) + " more");
  }
  budget.entries -= entries;
  for (std::size_t i = 0; i < entries; ++i) {
    const std::size_t entry = at + 16 + 8 * i;
    const std::uint32_t name = r.U32(entry, "resource entry name");
    const std::uint32_t target = r.U32(entry + 4, "resource entry offset");
    const bool named = (name & kSubdirectoryBit) != 0;
    const std::uint32_t number = named ? 0 : name;
    (level == 0 ? path.type : level == 1 ? path.id : path.language) = number;
    path.named = path.named || named;
    const bool subdirectory = (target & kSubdirectoryBit) != 0;
    if (subdirectory != (level < 2)) {
      throw PeError(entry + 4, level < 2 ? "a subdirectory" : "a data entry", Hex(target));
    }
    if (subdirectory) {
      ReadResourceLevel(base, target & ~kSubdirectoryBit, level + 1, path, budget, out);
      continue;
    }
    const std::size_t leaf = std::size_t{base} + target;
    const std::uint32_t rva = r.U32(leaf, "resource data RVA");
    const std::uint32_t size = r.U32(leaf + 4, "resource data size");
    const std::size_t data = FileOffsetOf(rva, size, "resource data");
    if (size > budget.data_bytes) {
      throw PeError(leaf + 4, "resource data that fits in the file once",
                    std::to_string(size) + " more bytes");
    }
    budget.data_bytes -= size;
    Resource found = path;
    found.data.assign(file_.begin() + static_cast<std::ptrdiff_t>(data),
                      file_.begin() + static_cast<std::ptrdiff_t>(data + size));
    out.push_back(std::move(found));
  }
}

std::uint32_t ImageChecksum(std::span<const std::uint8_t> file, std::size_t checksum_offset) {
  std::uint64_t sum = 0;
  for (std::size_t i = 0; i < file.size(); i += 2) {
    std::uint32_t word = file[i];
    if (i + 1 < file.size()) word |= std::uint32_t{file[i + 1]} << 8;
    if (i >= checksum_offset && i < checksum_offset + 4) word = 0;
    sum += word;
    sum = (sum & 0xFFFF) + (sum >> 16);
  }
  sum = (sum & 0xFFFF) + (sum >> 16);
  return static_cast<std::uint32_t>(sum + file.size());
}

}  // namespace tessel::pe
