#include <gtest/gtest.h>

#include <functional>

#include "program/resources/about_figure.h"
#include "program/resources/pictures.h"
#include "tests/support/qt_picture_reader.h"
#include "tools/pictures/bitmap_file.h"

namespace tessel::resources {
namespace {

using testing::ReadWithQt;

constexpr QRgb kWhite = 0xFFFFFFFFu;

TEST(AboutPicture, CommittedFileIsWhatTheGeneratorDraws) {
  const std::vector<std::uint8_t> drawn = EncodeBitmapFile(DrawAboutFigure());
  const auto& committed = AboutPictureFile();
  ASSERT_EQ(drawn.size(), committed.size());
  const auto [d, c] = std::mismatch(drawn.begin(), drawn.end(), committed.begin());
  EXPECT_TRUE(d == drawn.end())
      << "first difference at byte " << (d - drawn.begin())
      << "; rebuild target redraw_about_picture and commit resources/about_picture.bmp";
}

class AboutPictureRead : public ::testing::Test {
 protected:
  void SetUp() override {
    image_ = ReadWithQt(AboutPictureFile(), "BMP");
    ASSERT_EQ(image_.size(), QSize(110, 153));
  }

  // Counts the pixels of the given area that are not pure white; `check` sees each of them.
  int CountMarks(int left, int top, int right, int bottom,
                 const std::function<void(int, int, QRgb)>& check = {}) const {
    int marks = 0;
    for (int y = top; y <= bottom; ++y) {
      for (int x = left; x <= right; ++x) {
        const QRgb pixel = image_.pixel(x, y);
        if (pixel == kWhite) continue;
        ++marks;
        if (check) check(x, y, pixel);
      }
    }
    return marks;
  }

  static int Weakest(QRgb pixel) { return std::min({qRed(pixel), qGreen(pixel), qBlue(pixel)}); }

  // The area that pixels of one kind keep to: left, top, right, bottom, and their number.
  struct Extent {
    int left = 1000, top = 1000, right = -1, bottom = -1, count = 0;
  };
  Extent ExtentOf(const std::function<bool(QRgb)>& kind) const {
    Extent e;
    CountMarks(0, 0, 109, 152, [&](int x, int y, QRgb pixel) {
      if (!kind(pixel)) return;
      e.left = std::min(e.left, x), e.right = std::max(e.right, x);
      e.top = std::min(e.top, y), e.bottom = std::max(e.bottom, y);
      ++e.count;
    });
    return e;
  }

  QImage image_;
};

TEST_F(AboutPictureRead, HoldsExactlyTheBarePaperItPromises) {
  EXPECT_EQ(16830 - CountMarks(0, 0, 109, 152), 8418);
}

TEST_F(AboutPictureRead, KeepsItsMarksInsideTheFrame) {
  EXPECT_EQ(CountMarks(0, 148, 109, 152), 0) << "rows 148 to 152";
  EXPECT_EQ(CountMarks(100, 0, 109, 152), 0) << "columns 100 to 109";
  EXPECT_EQ(CountMarks(0, 0, 6, 152), 0) << "columns 0 to 6";
}

TEST_F(AboutPictureRead, LosesOnlyPaleMarksWhereTheWindowClipsIt) {
  CountMarks(0, 0, 109, 9, [](int x, int y, QRgb pixel) {
    EXPECT_GE(Weakest(pixel), 0xDF) << "pixel " << x << ", " << y;
  });
  EXPECT_EQ(CountMarks(0, 0, 109, 7,
                       [](int x, int y, QRgb pixel) {
                         EXPECT_GE(Weakest(pixel), 0xEF) << "pixel " << x << ", " << y;
                       }),
            34);
  EXPECT_EQ(CountMarks(0, 0, 8, 152,
                       [](int x, int y, QRgb pixel) {
                         EXPECT_GE(Weakest(pixel), 0xF0) << "pixel " << x << ", " << y;
                       }),
            3);
}

TEST_F(AboutPictureRead, UsesOnlyPencilLevelsDownToTheDarkestGrey) {
  QRgb darkest = kWhite;
  CountMarks(0, 0, 109, 152, [&](int x, int y, QRgb pixel) {
    for (const int channel : {qRed(pixel), qGreen(pixel), qBlue(pixel)}) {
      EXPECT_TRUE(testing::OnPencilLevel(channel) && channel != 0) << "pixel " << x << ", " << y;
    }
    if (qRed(pixel) + qGreen(pixel) + qBlue(pixel) <
        qRed(darkest) + qGreen(darkest) + qBlue(darkest)) {
      darkest = pixel;
    }
  });
  EXPECT_EQ(darkest, 0xFF202020u);
}

// Each part of the figure by its colours, kept to where the figure's description puts it.
TEST_F(AboutPictureRead, DrawsEachPartWhereItBelongs) {
  const auto r = [](QRgb p) { return qRed(p); };
  const auto g = [](QRgb p) { return qGreen(p); };
  const auto b = [](QRgb p) { return qBlue(p); };
  const auto hair = [&](QRgb p) { return r(p) == g(p) && r(p) >= 0x8F && b(p) + 0x40 <= r(p); };
  struct Part {
    const char* name;
    std::function<bool(QRgb)> kind;
    int left, top, right, bottom, at_least;
  };
  const Part parts[] = {
      {"yellow-green hair", hair, 12, 10, 94, 77, 2000},
      {"dark eyes",
       [&](QRgb p) {
         return std::max({r(p), g(p), b(p)}) <= 0x40;
       },
       40, 60, 61, 70, 40},
      {"grey-lavender tunic",
       [&](QRgb p) { return r(p) == g(p) && b(p) > r(p) && r(p) >= 0xA0 && r(p) <= 0xCF; }, 25, 78,
       91, 108, 700},
      {"golden heart",
       [&](QRgb p) { return r(p) - g(p) >= 0x0F && r(p) - g(p) <= 0x10 && g(p) - b(p) >= 0x30; },
       50, 95, 60, 105, 50},
      {"light-blue legs", [&](QRgb p) { return b(p) > g(p) && g(p) > r(p) && b(p) >= 0xBF; }, 34,
       103, 79, 131, 450},
      {"pale grey ground shadow",
       [&](QRgb p) {
         return r(p) >= g(p) && g(p) >= b(p) && r(p) - b(p) >= 0x0F && r(p) >= 0xD0 &&
                r(p) <= 0xEF && b(p) >= 0xC0;
       },
       33, 114, 98, 141, 700},
      {"dark grey outline",
       [&](QRgb p) { return r(p) == g(p) && g(p) == b(p) && r(p) >= 0x5F && r(p) <= 0x6F; }, 10, 10,
       95, 131, 800},
  };
  for (const Part& part : parts) {
    SCOPED_TRACE(part.name);
    const Extent e = ExtentOf(part.kind);
    EXPECT_GE(e.count, part.at_least);
    EXPECT_GE(e.left, part.left);
    EXPECT_GE(e.top, part.top);
    EXPECT_LE(e.right, part.right);
    EXPECT_LE(e.bottom, part.bottom);
  }

  // The tuft: hair above row 27 that sweeps up to the right from the crown.
  int tuft = 0, reach = 0;
  CountMarks(0, 10, 109, 26, [&](int x, int, QRgb p) {
    if (hair(p)) ++tuft, reach = std::max(reach, x);
  });
  EXPECT_GE(tuft, 150);
  EXPECT_GE(reach, 80);
}

TEST_F(AboutPictureRead, LeavesTheFaceWhiteBetweenTheEyes) {
  CountMarks(44, 58, 55, 72, [&](int x, int y, QRgb pixel) {
    EXPECT_GE(Weakest(pixel), 0xF0) << "pixel " << x << ", " << y;
  });
  EXPECT_LT(CountMarks(44, 58, 55, 72), 12 * 15 / 4);
}

}  // namespace
}  // namespace tessel::resources
