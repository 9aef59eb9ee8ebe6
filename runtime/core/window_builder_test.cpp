#include "runtime/core/window_builder.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "runtime/core/message_box.h"
#include "runtime/descriptions/description_error.h"
#include "runtime/descriptions/make.h"
#include "runtime/descriptions/writer.h"
#include "tests/support/description_samples.h"
#include "tests/support/print.h"

namespace tessel::runtime {
namespace {

using descriptions::Block;
using descriptions::ClassCode;
using descriptions::Geometry;
using descriptions::Prop;
using B = descriptions::CommandButtonProperty;
using L = descriptions::LabelProperty;
using P = descriptions::PictureBoxProperty;

Block AutoSizeLabel(std::uint8_t id, std::string name, std::string caption, Geometry geometry,
                    std::uint8_t alignment) {
  return Block{id,
               std::move(name),
               ClassCode::kLabel,
               {Prop(L::kCaption, descriptions::Text(std::move(caption))),
                Prop(L::kGeometry, geometry), Prop(L::kAlignment, descriptions::Byte(alignment)),
                Prop(L::kAutoSize, descriptions::Byte(0xFF))},
               {}};
}

// The stored bytes of a window of 300 x 200 pixels in the fixed frame, holding these controls.
std::vector<std::uint8_t> WindowOf(std::string name, std::vector<Block> controls) {
  descriptions::Description d;
  d.class_id = descriptions::kWindowClassId;
  d.window = Block{0,
                   std::move(name),
                   ClassCode::kWindow,
                   {Prop(descriptions::WindowProperty::kClientRect,
                         descriptions::ClientRect{45, 285, 4500, 3000})},
                   std::move(controls)};
  return descriptions::WriteDescription(d);
}

// A window of 300 x 200 pixels: a panel 229 pixels wide, without an edge, holding a centred
// auto-size label stored centred on it, and on the window a left-aligned auto-size label in a
// font of its own.
std::vector<std::uint8_t> SampleWindow() {
  Block panel{1,
              "Panel",
              ClassCode::kPictureBox,
              {Prop(P::kGeometry, Geometry{120, 120, 3435, 1470}),
               Prop(P::kBorderStyle, descriptions::Byte(0))},
              {AutoSizeLabel(2, "Centred",
                             "W\xFC"
                             "rfel",
                             {525, 60, 2400, 435}, 2)}};
  Block left = AutoSizeLabel(3, "Left", "Links", {1725, 2160, 1485, 210}, 0);
  left.properties.push_back(Prop(L::kFont, descriptions::Font("Arial", 82500, 400)));
  return WindowOf("WSample", {panel, left});
}

struct Measured {
  std::string face;
  std::string text;
};

// The panel's label gets 158 pixels: (229 - 158) / 2 leaves an odd spare pixel.
TEST(WindowBuilder, FitsAutoSizeLabelsToTheTextAsTheBackendMeasuresIt) {
  std::vector<Measured> measured;
  const BuiltWindow built =
      BuildWindow(SampleWindow(), [&](const ResolvedFont& font, std::string_view text) {
        measured.push_back({font.face, std::string(text)});
        return TextSize{text == "Links" ? 31 : 158, font.face == "Arial" ? 14 : 13};
      });
  const std::vector<ControlSpec>& controls = built.spec.controls;
  ASSERT_EQ(controls.size(), 3u);
  EXPECT_EQ(built.spec.client, (PixelRect{3, 19, 300, 200}));
  EXPECT_EQ(controls[0].rect, (PixelRect{8, 8, 229, 98}));
  EXPECT_EQ(controls[1].rect, (PixelRect{36, 4, 158, 13}));
  EXPECT_EQ(controls[2].rect, (PixelRect{115, 144, 31, 14}));
  // In the window's default font where the label sets none, the caption as UTF-8.
  ASSERT_EQ(measured.size(), 2u);
  EXPECT_EQ(measured[0].face, "MS Sans Serif");
  EXPECT_EQ(measured[0].text, "W\u00FCrfel");
  EXPECT_EQ(measured[1].face, "Arial");
  // What a later caption is fitted by: the stored place, not the fitted one.
  ASSERT_EQ(built.fittings.count(2), 1u);
  EXPECT_EQ(built.fittings.at(2).stored, (PixelRect{35, 4, 160, 29}));
  EXPECT_EQ(built.fittings.at(2).parent_width, 229);
  EXPECT_EQ(built.fittings.at(3).parent_width, 300);
  EXPECT_EQ(built.fittings.count(1), 0u);
}

Block Image(std::uint8_t id, const std::vector<std::uint8_t>& file) {
  return Block{id,
               "Image" + std::to_string(id),
               ClassCode::kImage,
               {Prop(descriptions::ImageProperty::kPicture, descriptions::PictureOf(file)),
                Prop(descriptions::ImageProperty::kGeometry, Geometry{60, -120, 1500, 600})},
               {}};
}

// What the header of each picture says decides its kind and the image's size; a picture whose
// header does not read fails the build, naming whose picture it is.
TEST(WindowBuilder, ShowsImagesAtTheSizeTheirHeaderGives) {
  using testing::BitmapFile;
  using testing::IconFile;
  descriptions::Description d;
  d.class_id = descriptions::kWindowClassId;
  d.window =
      Block{0,
            "WImages",
            ClassCode::kWindow,
            {Prop(descriptions::WindowProperty::kIcon, descriptions::PictureOf(IconFile(2, 16)))},
            {Image(1, BitmapFile(44, 7)), Image(2, IconFile(1, 32))}};
  const TextMeasure measure = [](const ResolvedFont&, std::string_view) { return TextSize{}; };
  const BuiltWindow built = BuildWindow(descriptions::WriteDescription(d), measure);
  const std::vector<ControlSpec>& images = built.spec.controls;
  ASSERT_EQ(images.size(), 2u);
  EXPECT_EQ(images[0].rect, (PixelRect{4, -8, 44, 7}));
  EXPECT_EQ(images[0].picture->kind, PictureKind::kBitmap);
  EXPECT_EQ(images[1].rect, (PixelRect{4, -8, 32, 32}));
  EXPECT_EQ(images[1].picture->kind, PictureKind::kIcon);
  ASSERT_TRUE(built.spec.icon.has_value());
  EXPECT_EQ(built.spec.icon->kind, PictureKind::kCursor);
  EXPECT_EQ(built.spec.icon->width, 16);
  d.window.children.push_back(Image(3, BitmapFile(0, 7)));
  try {
    BuildWindow(descriptions::WriteDescription(d), measure);
    ADD_FAILURE() << "a bitmap without a width was built";
  } catch (const descriptions::DescriptionError& error) {
    EXPECT_EQ(std::string(error.what()).rfind("offset 18: expected a width of 1 to 32767", 0), 0u)
        << error.what();
    EXPECT_TRUE(error.found().ends_with("in the picture file of Image3")) << error.found();
  }
  EXPECT_THROW(ReadPicture({'G', 'I', 'F', '8', '9', 'a'}), descriptions::DescriptionError);
}

Block Button(std::uint8_t id, bool is_default) {
  Block button{id, "Button" + std::to_string(id), ClassCode::kCommandButton, {}, {}};
  if (is_default) button.properties.push_back(Prop(B::kDefaultButton, descriptions::Byte(0xFF)));
  return button;
}

// Ten pixels a character, whatever the font, and a line of 13.
TextSize TenPerCharacter(const ResolvedFont&, std::string_view text) {
  int characters = 0;
  for (const char c : text) characters += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  return {10 * characters, 13};
}

// What every backend would otherwise decide again: the default button of several marked (the
// one stored last, as each marking takes the role from the one before), each control's edge and
// the width its children are fitted in, and the self-drawn title bar's parts.
TEST(WindowBuilder, SettlesDefaultButtonEdgesAndTitleBar) {
  Block framed{4, "Framed", ClassCode::kLabel, {Prop(L::kBorderStyle, descriptions::Byte(1))}, {}};
  Block sunken{5,
               "Sunken",
               ClassCode::kPictureBox,
               {Prop(P::kGeometry, Geometry{0, 0, 1500, 900})},
               {AutoSizeLabel(6, "Inside", "Mitte", {570, 0, 300, 195}, 2)}};
  const WindowSpec spec =
      BuildWindow(
          WindowOf("WTitled", {Button(1, true), Button(2, false), Button(3, true), framed, sunken}),
          TenPerCharacter)
          .spec;
  EXPECT_EQ(spec.default_button, 3);
  ASSERT_EQ(spec.controls.size(), 6u);
  EXPECT_EQ(spec.controls[3].edge.kind, EdgeKind::kLine);
  EXPECT_EQ(spec.controls[3].edge.width, 1);
  EXPECT_EQ(spec.controls[4].edge.kind, EdgeKind::kSunken);
  EXPECT_EQ(spec.controls[4].edge.width, 2);
  EXPECT_EQ(spec.controls[0].edge.kind, EdgeKind::kNone);
  // Centred on the 96 pixels inside the box's edge: (96 - 50) / 2.
  EXPECT_EQ(spec.controls[5].rect, (PixelRect{23, 0, 50, 13}));
  // Inside the border of 3: the bar 16 high, the close box 2 from its end, the caption 2 from
  // the bar's end and from the close box.
  EXPECT_EQ(spec.title_bar.bar, (PixelRect{3, 3, 300, 16}));
  EXPECT_EQ(spec.title_bar.close_box, (PixelRect{289, 6, 12, 10}));
  EXPECT_EQ(spec.title_bar.caption, (PixelRect{5, 3, 282, 16}));
}

// The text's own line breaks, then between words past 460 pixels; OK centred below; the box
// centred on the screen, an odd spare pixel to the right and below.
TEST(MessageBox, LaysOutItsTextAndOkAndCentresOnTheScreen) {
  const std::string long_line(30, 'x');
  const MessageBoxLayout box =
      BuildMessageBox("Tessel", "Laufzeitfehler:\n\n" + long_line + " " + long_line + " kurz",
                      {0, 0, 1024, 768}, TenPerCharacter);
  const WindowSpec& spec = box.spec;
  ASSERT_EQ(spec.controls.size(), 2u);
  const ControlSpec& text = spec.controls[0];
  const ControlSpec& ok = spec.controls[1];
  EXPECT_EQ(text.caption, "Laufzeitfehler:\n\n" + long_line + "\n" + long_line + " kurz");
  EXPECT_EQ(text.rect, (PixelRect{18, 16, 350, 4 * 13}));
  EXPECT_EQ(spec.client, (PixelRect{3, 19, 386, 16 + 52 + 12 + 23 + 10}));
  EXPECT_EQ(ok.rect, (PixelRect{155, 80, 75, 23}));
  EXPECT_EQ(spec.default_button, ok.id);
  EXPECT_EQ(spec.tab_order, (std::vector<int>{ok.id}));
  EXPECT_EQ(box.place, (PixelRect{316, 316, 392, 135}));
}

}  // namespace
}  // namespace tessel::runtime
