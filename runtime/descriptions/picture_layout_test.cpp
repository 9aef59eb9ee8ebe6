#include "runtime/descriptions/picture_layout.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "program/resources/pictures.h"
#include "runtime/core/picture_spec.h"
#include "runtime/descriptions/description_error.h"

namespace tessel::descriptions {
namespace {

using Bytes = std::vector<std::uint8_t>;

void Put32(Bytes& b, size_t at, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) b[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

TEST(PictureLayout, ReadsTheNaturalSizeOfEveryStoredPicture) {
  struct Case {
    const char* name;
    const Bytes& file;
    PictureKind kind;
    int width;
    int height;
  } const cases[] = {
      {"StartIcon", resources::StartIconFile(), PictureKind::kIcon, 32, 32},
      {"BallCursor", resources::BallCursorFile(), PictureKind::kCursor, 32, 32},
      {"ShortStrip", resources::ShortStripFile(), PictureKind::kBitmap, 44, 7},
      {"LongStrip", resources::LongStripFile(), PictureKind::kBitmap, 99, 7},
      {"AboutPicture", resources::AboutPictureFile(), PictureKind::kBitmap, 110, 153},
  };
  for (const Case& c : cases) {
    const PictureLayout layout = ReadPictureLayout(c.file, c.kind);
    EXPECT_EQ(layout.width, c.width) << c.name;
    EXPECT_EQ(layout.height, c.height) << c.name;
  }
}

// Each case breaks one field of a good file; the error must name where the reader stopped.
TEST(PictureLayout, RefusesBrokenFilesNamingTheOffset) {
  struct Case {
    const char* what;
    const Bytes& base;
    std::function<void(Bytes&)> break_it;
    const char* offset;
  } const cases[] = {
      {"bitmap cut inside its headers", resources::ShortStripFile(), [](Bytes& b) { b.resize(30); },
       "offset 0:"},
      {"bitmap with a core header", resources::ShortStripFile(), [](Bytes& b) { Put32(b, 14, 12); },
       "offset 14:"},
      {"bitmap zero pixels wide", resources::ShortStripFile(), [](Bytes& b) { Put32(b, 18, 0); },
       "offset 18:"},
      {"bitmap of two planes", resources::ShortStripFile(), [](Bytes& b) { b[26] = 2; },
       "offset 26:"},
      {"bitmap of 7 bits a pixel", resources::ShortStripFile(), [](Bytes& b) { b[28] = 7; },
       "offset 28:"},
      {"run-length bitmap", resources::ShortStripFile(), [](Bytes& b) { Put32(b, 30, 1); },
       "offset 30:"},
      {"bitmap with 300 palette colours", resources::ShortStripFile(),
       [](Bytes& b) { Put32(b, 46, 300); }, "offset 46:"},
      {"bitmap one byte short of its rows", resources::ShortStripFile(),
       [](Bytes& b) { b.pop_back(); }, "offset 10:"},
      {"bitmap rows placed past the end", resources::LongStripFile(),
       [](Bytes& b) { Put32(b, 10, 0x7FFFFFF0); }, "offset 10:"},
      {"icon cut inside its directory", resources::StartIconFile(), [](Bytes& b) { b.resize(21); },
       "offset 0:"},
      {"directory of type 3", resources::StartIconFile(), [](Bytes& b) { b[2] = 3; }, "offset 0:"},
      {"directory of no images", resources::StartIconFile(), [](Bytes& b) { b[4] = 0; },
       "offset 4:"},
      {"icon image past the end", resources::StartIconFile(),
       [](Bytes& b) { Put32(b, 18, 0xFFFFFFF0); }, "offset 14:"},
      {"cursor holding a PNG image", resources::BallCursorFile(),
       [](Bytes& b) { Put32(b, 22, 0x474E5089); }, "offset 22:"},
      {"icon that is a cursor", resources::StartIconFile(), [](Bytes& b) { b[2] = 2; },
       "offset 0:"},
      {"bitmap without its signature", resources::ShortStripFile(), [](Bytes& b) { b[0] = 'G'; },
       "offset 0:"},
  };
  for (const Case& c : cases) {
    // Of the kind its good file announces: a broken signature does not send it elsewhere.
    const PictureKind kind = *descriptions::KindOfPictureFile(c.base);
    Bytes file = c.base;
    c.break_it(file);
    std::string error;
    try {
      ReadPictureLayout(file, kind);
    } catch (const DescriptionError& e) {
      error = e.what();
    }
    EXPECT_EQ(error.rfind(c.offset, 0), 0u) << c.what << ": \"" << error << '"';
    // Nor does a window get it as a picture of its own kind.
    if (KindOfPictureFile(file) == kind) {
      EXPECT_THROW(runtime::ReadPicture(file), DescriptionError) << c.what;
    }
  }
}

}  // namespace
}  // namespace tessel::descriptions
