#include <gtest/gtest.h>

#include <cstdint>

#include "program/resources/pictures.h"
#include "tests/scenario/scenario.h"
#include "tests/support/print.h"

namespace tessel::testing {
namespace {

// Where the 340 x 164 window stands on each screen the suite runs on: Qt's offscreen screen,
// the X servers' and Wine's, the larger X server's.
struct CentredPlace {
  PixelRect screen;
  PixelRect frame;
};
constexpr CentredPlace kCentredPlaces[] = {
    {{0, 0, 800, 800}, {230, 318, 340, 164}},
    {{0, 0, 1024, 768}, {342, 302, 340, 164}},
    {{0, 0, 1280, 1024}, {470, 430, 340, 164}},
};

PixelRect CentredOn(const PixelRect& screen) {
  for (const CentredPlace& place : kCentredPlaces) {
    if (place.screen == screen) return place.frame;
  }
  ADD_FAILURE() << "no place known for a screen of " << screen;
  return {};
}

TEST(AboutWindow, OpensModallyInTheCentreOfTheScreenWhereverTheStartWindowStands) {
  Scenario s;
  PixelRect frame;
  bool start_enabled_while_open = true;
  s.Then([&] {
     s.surface().DragTitleBar(s.Handle("WStart"), -150, -200);
     s.Click("WStart", "InfoSelect");
   })
      .Then([&] {
        frame = s.Frame("InfoFR");
        start_enabled_while_open = s.surface().IsEnabled(s.Handle("WStart"));
        EXPECT_EQ(s.surface().WindowCaption(s.Handle("InfoFR")), "About ...");
        EXPECT_EQ(s.Focused("InfoFR"), "OK");
        s.Click("InfoFR", "OK");
      })
      .Then([&] {
        EXPECT_FALSE(s.Loaded("InfoFR"));
        EXPECT_TRUE(s.surface().IsEnabled(s.Handle("WStart")));
      });
  s.Run();
  EXPECT_EQ(frame, CentredOn(s.surface().ScreenSize()));
  EXPECT_FALSE(start_enabled_while_open);
}

TEST(AboutWindow, EnterRightAfterOpeningClosesIt) {
  Scenario s;
  s.Then([&] { s.Click("WStart", "InfoSelect"); })
      .Then([&] { s.Press("InfoFR", Key::kEnter); })
      .Then([&] { EXPECT_FALSE(s.Loaded("InfoFR")); });
  s.Run();
  EXPECT_TRUE(s.Referenced("InfoFR"));
}

TEST(AboutWindow, NothingElseTakesInputWhileItIsOpen) {
  Scenario s;
  std::string face_before, face_during;
  s.Then([&] { s.Click("WStart", "w6Select"); })
      .Then([&] {
        face_before = s.Caption("W6Form", "W6Print");
        s.Click("WStart", "InfoSelect");
      })
      .Then([&] {
        for (int i = 0; i < 20; ++i) s.Click("W6Form", "Click");  // twenty rolls would show
        s.Click("W6Form", "End");
        s.surface().PressCloseBox(s.Handle("W6Form"));
        for (const char* button : {"w6Select", "W20Select", "W20End", "InfoSelect"}) {
          s.Click("WStart", button);
        }
        s.surface().PressCloseBox(s.Handle("WStart"));
      })
      .Then([&] {
        face_during = s.Caption("W6Form", "W6Print");
        EXPECT_TRUE(s.Loaded("WStart") && s.Loaded("W6Form") && s.Loaded("InfoFR"));
        EXPECT_FALSE(s.Referenced("W20Form"));
        s.surface().PressCloseBox(s.Handle("InfoFR"));
      })
      .Then([&] {
        EXPECT_FALSE(s.Loaded("InfoFR"));
        s.Click("WStart", "W20Select");
        EXPECT_TRUE(s.Loaded("W20Form"));
      });
  s.Run();
  EXPECT_EQ(face_during, face_before);
}

// Shot while active both times: the title bar shows whether the window is.
TEST(AboutWindow, ReopensWithTheSamePixelsAtTheSamePlace) {
  Scenario s;
  Screenshot first, second;
  PixelRect first_frame, second_frame;
  s.Then([&] { s.Click("WStart", "InfoSelect"); })
      .ThenWaitForActive("InfoFR")
      .Then([&] {
        first = s.surface().Grab(s.Handle("InfoFR"));
        first_frame = s.Frame("InfoFR");
        s.Click("InfoFR", "OK");
      })
      .Then([&] { s.Click("WStart", "InfoSelect"); })
      .ThenWaitForActive("InfoFR")
      .Then([&] {
        second = s.surface().Grab(s.Handle("InfoFR"));
        second_frame = s.Frame("InfoFR");
        s.Click("InfoFR", "OK");
      });
  s.Run();
  EXPECT_EQ(first_frame, second_frame);
  ASSERT_EQ(first.width, 340);
  ASSERT_EQ(first.height, 164);
  EXPECT_TRUE(first.pixels == second.pixels);
}

// A pixel of a 24-bit bitmap file as 0xAARRGGBB, read straight from the file's rows.
std::uint32_t BitmapPixel(const std::vector<std::uint8_t>& file, int x, int y) {
  const int width = file[18] | file[19] << 8;
  const int height = file[22] | file[23] << 8;
  const int row_length = (width * 3 + 3) / 4 * 4;
  const size_t at = 54 + static_cast<size_t>((height - 1 - y) * row_length + x * 3);
  return 0xFF000000u | file[at + 2] << 16 | file[at + 1] << 8 | file[at];
}

TEST(AboutWindow, ShowsTheFigureClippedByTheClientAreaAndBehindThePanel) {
  Scenario s;
  s.Then([&] { s.Click("WStart", "InfoSelect"); }).Then([&] {
    const WindowHandle info = s.Handle("InfoFR");
    const Screenshot shot = s.surface().Grab(info);
    const PixelRect client = s.surface().ClientArea(info);
    const PixelRect frame = s.Frame("InfoFR");
    const PixelRect panel = s.ControlRect("InfoFR", "About");
    EXPECT_EQ(client.width, 334);
    EXPECT_EQ(client.height, 142);
    EXPECT_EQ(s.ControlRect("InfoFR", "Bild"), (PixelRect{228, -8, 110, 153}));
    const std::vector<std::uint8_t>& picture = resources::AboutPictureFile();
    int compared = 0, mismatches = 0;
    for (int cy = 0; cy < client.height; ++cy) {
      for (int cx = 228; cx < client.width; ++cx) {
        const bool under_panel =
            cx < panel.x + panel.width && cy >= panel.y && cy < panel.y + panel.height;
        if (under_panel) continue;
        ++compared;
        const std::uint32_t on_screen = shot.At(client.x - frame.x + cx, client.y - frame.y + cy);
        if (on_screen != BitmapPixel(picture, cx - 228, cy + 8)) ++mismatches;
      }
    }
    EXPECT_GT(compared, 100 * 100);
    EXPECT_EQ(mismatches, 0);
    s.Click("InfoFR", "OK");
  });
  s.Run();
}

TEST(AboutWindow, LabelsAreCentredOnThePanelOneLineHigh) {
  Scenario s;
  s.Then([&] { s.Click("WStart", "InfoSelect"); }).Then([&] {
    const PixelRect panel = s.ControlRect("InfoFR", "About");
    EXPECT_EQ(panel, (PixelRect{8, 8, 229, 98}));
    EXPECT_EQ(s.Caption("InfoFR", "lblAbout1"), "Kestro Productions");
    EXPECT_EQ(s.Caption("InfoFR", "lblAbout2"), "presents");
    EXPECT_EQ(s.Caption("InfoFR", "lblAbout3"), "Tessel 98");
    // The default window font's line is 13 pixels, which the stored layout needs.
    EXPECT_EQ(s.ControlRect("InfoFR", "lblAbout2").height, 13);
    // Centred on the panel's full width, half a pixel to the right where the centre falls on a
    // half pixel, whatever width this platform's fonts give the text.
    for (const char* label : {"lblAbout1", "lblAbout2", "lblAbout3"}) {
      const PixelRect r = s.ControlRect("InfoFR", label);
      const int half_pixel = (panel.width - r.width) % 2;
      EXPECT_EQ(2 * r.x + r.width, panel.width + half_pixel) << label << " " << r;
    }
    s.Click("InfoFR", "OK");
  });
  s.Run();
}

// The colour at a point of the client area, as the window shows it.
std::uint32_t ClientPixel(Scenario& s, const char* window, int cx, int cy) {
  const WindowHandle handle = s.Handle(window);
  const Screenshot shot = s.surface().Grab(handle);
  const PixelRect client = s.surface().ClientArea(handle);
  const PixelRect frame = s.Frame(window);
  return shot.At(client.x - frame.x + cx, client.y - frame.y + cy) & 0xFFFFFF;
}

TEST(AboutWindow, PanelFollowsTheWindowColourWhileTheRestStaysWhite) {
  Scenario s;
  constexpr std::uint32_t kCream = 0xFFF0C0;
  constexpr std::uint32_t kMint = 0xC0F0D0;
  const auto expect_scheme = [&](std::uint32_t window_colour) {
    EXPECT_EQ(ClientPixel(s, "InfoFR", 12, 100), window_colour);  // panel, below its labels
    EXPECT_EQ(ClientPixel(s, "InfoFR", 120, 40), window_colour);  // between its first lines
    EXPECT_EQ(ClientPixel(s, "InfoFR", 150, 122), 0xFFFFFFu);     // right of OK
    EXPECT_EQ(ClientPixel(s, "InfoFR", 3, 3), 0xFFFFFFu);         // left of the panel
  };
  s.Then([&] {
     s.surface().SetSystemColour(5, kCream);
     s.Click("WStart", "InfoSelect");
   })
      .Then([&] {
        expect_scheme(kCream);
        // A change of scheme while the window is open shows at once.
        s.surface().SetSystemColour(5, kMint);
      })
      .Then([&] {
        expect_scheme(kMint);
        s.surface().SetSystemColour(5, 0xFFFFFF);
        s.Click("InfoFR", "OK");
      });
  s.Run();
}

}  // namespace
}  // namespace tessel::testing
