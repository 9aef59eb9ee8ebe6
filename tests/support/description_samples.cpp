#include "tests/support/description_samples.h"

namespace tessel::testing {

using namespace descriptions;

namespace {

void Put(Bytes& out, std::uint32_t value, int width) {
  for (int i = 0; i < width; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

std::uint32_t Stride(std::uint32_t bits_per_row) { return (bits_per_row + 31) / 32 * 4; }

void PutInfoHeader(Bytes& out, std::int32_t width, std::int32_t height, int bits,
                   std::uint32_t image_size, int colours) {
  Put(out, 40, 4);
  Put(out, static_cast<std::uint32_t>(width), 4);
  Put(out, static_cast<std::uint32_t>(height), 4);
  Put(out, 1, 2);
  Put(out, static_cast<std::uint32_t>(bits), 2);
  Put(out, 0, 4);
  Put(out, image_size, 4);
  Put(out, 0, 4);
  Put(out, 0, 4);
  Put(out, static_cast<std::uint32_t>(colours), 4);
  Put(out, 0, 4);
}

const FourBytes kSetting{0x01, 0x00, 0x42, 0x00};

Property P(std::uint8_t code, Value value) { return {code, std::move(value)}; }

}  // namespace

Bytes IconFile(std::uint16_t type, std::uint8_t side) {
  std::uint32_t colour_bytes = Stride(side * 4u) * side;
  std::uint32_t mask_bytes = Stride(side) * side;
  std::uint32_t image_length = 40 + 16 * 4 + colour_bytes + mask_bytes;
  Bytes out;
  Put(out, 0, 2);
  Put(out, type, 2);
  Put(out, 1, 2);
  out.insert(out.end(), {side, side, 16, 0});
  Put(out, 0, 4);
  Put(out, image_length, 4);
  Put(out, 22, 4);
  PutInfoHeader(out, side, 2 * side, 4, colour_bytes + mask_bytes, 16);
  for (std::uint32_t i = 0; i < 16; ++i) Put(out, i * 0x00101010u, 4);
  for (std::uint32_t i = 0; i < colour_bytes; ++i) out.push_back(static_cast<std::uint8_t>(i));
  out.insert(out.end(), mask_bytes, 0x00);
  return out;
}

Bytes BitmapFile(std::int32_t width, std::int32_t height) {
  std::uint32_t image_size =
      Stride(static_cast<std::uint32_t>(width) * 24) * static_cast<std::uint32_t>(height);
  Bytes out{'B', 'M'};
  Put(out, 54 + image_size, 4);
  Put(out, 0, 4);
  Put(out, 54, 4);
  PutInfoHeader(out, width, height, 24, image_size, 0);
  for (std::uint32_t i = 0; i < image_size; ++i) out.push_back(static_cast<std::uint8_t>(0xF0 - i));
  return out;
}

Block InfoSelect(std::uint8_t id) {
  return {id,
          "InfoSelect",
          ClassCode::kCommandButton,
          {P(0x01, std::string("Info ...")), P(0x04, Geometry{4980, 60, 960, 315}),
           P(0x0A, std::uint8_t{1}), P(0x11, std::int16_t{3}),
           P(0x1D, FontRecord{1, 0, 0, 700, 97500, "Comic Sans MS"})},
          {}};
}

Description FullSample() {
  FontRecord arial{1, 0, 0, 400, 82500, "Arial"};
  Block dot{6, "Dot", ClassCode::kImage, {P(0x02, Picture{BitmapFile(1, 1)})}, {}};
  Block inner{5, "Inner", ClassCode::kPictureBox, {P(0x05, Geometry{0, 600, 300, 300})}, {dot}};
  Block label{4,
              "lblAbout1",
              ClassCode::kLabel,
              {P(0x01, std::string("Tessel \"1.0\"\r\nW\xFC"
                                   "rfel")),
               P(0x03, Colour{0x00FFFFFF}), P(0x04, Colour{0x80000008}),
               P(0x05, Geometry{120, 60, 1575, 450}), P(0x12, std::int16_t{0}),
               P(0x13, std::uint8_t{1}), P(0x14, std::uint8_t{2}), P(0x18, std::uint8_t{0xFF}),
               P(0x1F, std::uint8_t{0}), P(0x25, arial), P(0x27, std::uint8_t{0})},
              {}};
  Block about{3,
              "About",
              ClassCode::kPictureBox,
              {P(0x01, Colour{0x00FFFFFF}), P(0x05, Geometry{-30, -30, 1815, 2295}),
               P(0x09, std::uint8_t{0}), P(0x12, std::int16_t{2}), P(0x1A, kSetting)},
              {label, inner}};
  Block click{
      2,
      "Click",
      ClassCode::kCommandButton,
      {P(0x01, std::string("Klick mich!")), P(0x13, std::uint8_t{0xFF}), P(0x18, std::uint8_t{0}),
       P(0x25, std::string(" W\xFC"
                           "rfeln "))},
      {}};
  Block bild{7,
             "Bild",
             ClassCode::kImage,
             {P(0x02, Picture{BitmapFile(3, 2)}), P(0x03, Geometry{3420, -120, 1650, 2295}),
              P(0x07, std::uint8_t{0}), P(0x15, std::uint8_t{0})},
             {}};
  Block window{0,
               "WSample",
               ClassCode::kWindow,
               {P(0x01, std::string("Tessel")), P(0x03, Colour{0x80000005}), P(0x19, kSetting),
                P(0x22, std::uint8_t{4}), P(0x23, Picture{IconFile(1, 4)}),
                P(0x24, std::string("WSample")), P(0x26, std::uint8_t{0}), P(0x27, std::uint8_t{0}),
                P(0x28, std::uint8_t{0}), P(0x32, std::uint8_t{0}),
                P(0x35, ClientRect{45, 285, 5760, 435}), P(0x3B, Picture{IconFile(2, 4)}),
                P(0x3E, std::uint8_t{0}), P(0x44, std::uint8_t{0}), P(0x46, std::uint8_t{3})},
               {InfoSelect(1), click, about, bild}};
  return {{0x12345678, 0x9ABC, 0xDEF0, {1, 2, 3, 4, 5, 6, 7, 8}},
          {0xCAFEF00D, 0x0102, 0x0304, {0xA0, 0xA1, 0xA2, 0xA3, 0xA4, 0xA5, 0xA6, 0xA7}},
          kWindowClassId,
          window};
}

Description MinimalSample() {
  Block label{1, "L", ClassCode::kLabel, {}, {}};
  return {{}, {}, kWindowClassId, {0, "W", ClassCode::kWindow, {}, {label}}};
}

Description DeepSample() {
  Block label{4, "Tief", ClassCode::kLabel, {{0x01, std::string("unten")}}, {}};
  Block inner{3, "P3", ClassCode::kPictureBox, {}, {label}};
  Block middle{2, "P2", ClassCode::kPictureBox, {{0x12, std::int16_t{1}}}, {inner}};
  Block outer{1, "P1", ClassCode::kPictureBox, {}, {middle}};
  return {{}, {}, kWindowClassId, {0, "Tiefe", ClassCode::kWindow, {}, {outer}}};
}

}  // namespace tessel::testing
