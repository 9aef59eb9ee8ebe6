// Writes the information window's figure as a 24-bit bitmap file: draw_about_picture <file.bmp>

#include <fstream>
#include <iostream>

#include "program/resources/about_figure.h"
#include "tools/pictures/bitmap_file.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: draw_about_picture <file.bmp>\n";
    return 2;
  }
  const auto bytes = tessel::resources::EncodeBitmapFile(tessel::resources::DrawAboutFigure());
  std::ofstream out(argv[1], std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  if (!out) {
    std::cerr << "draw_about_picture: cannot write " << argv[1] << "\n";
    return 1;
  }
  return 0;
}
