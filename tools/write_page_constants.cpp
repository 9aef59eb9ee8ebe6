// write_page_constants DIR: writes what the page's script and style take from the runtime, so
// that each is written once, in C++: page_constants.js (the screen area's size, the event codes,
// the face substitutes) and page_scheme.css (the screen area's size, and the system colours and
// the tool-window frame's colours of the plain and the dark scheme, as the screen area's
// variables). The page's build puts them ahead of its own script and style.
#include <filesystem>
#include <string>

#include "runtime/core/face_substitutes.h"
#include "runtime/core/palette.h"
#include "runtime/web/page_constants.h"
#include "tools/write_file.h"

namespace {

namespace rt = tessel::runtime;
namespace web = tessel::runtime::web;

std::string Quoted(std::string_view text) {
  std::string quoted = "'";
  quoted += text;
  return quoted + "'";
}

std::string Script() {
  std::string js = "// Written at build time by write_page_constants from the runtime's own.\n";
  js += "const kScreenWidth = " + std::to_string(web::kScreenArea.width) + ";\n";
  js += "const kScreenHeight = " + std::to_string(web::kScreenArea.height) + ";\n";
  for (const web::EventName& event : web::kEventNames) {
    js += "const " + std::string(event.name) + " = " +
          std::to_string(static_cast<int>(event.type)) + ";\n";
  }
  js += "const kSystemColourVariable = " + Quoted(web::kSystemColourVariable) + ";\n";
  js += "const kFaceSubstitutes = {";
  for (const rt::FaceSubstitute& face : rt::kFaceSubstitutes) {
    js += Quoted(face.face) + ": " + Quoted(face.substitute) + ", ";
  }
  return js + "};\n";
}

std::string Variable(std::string_view name, std::uint32_t rgb) {
  return std::string(name) + ":" + web::RgbCss(rgb) + ";";
}

// The screen area's variables for one scheme, on one line.
std::string Scheme(const rt::Palette& palette) {
  std::string css;
  for (const auto colour : rt::kSystemColours) {
    css +=
        Variable(std::string(web::kSystemColourVariable) + std::to_string(static_cast<int>(colour)),
                 palette.*rt::RoleOf(colour));
  }
  const rt::FrameColours frame = rt::FrameColoursOf(palette);
  css += Variable("--frame-face", frame.face) + Variable("--frame-light", frame.light) +
         Variable("--frame-shadow", frame.shadow) +
         Variable("--frame-dark-shadow", frame.dark_shadow) +
         Variable("--frame-glyph", frame.glyph);
  for (const auto& [state, caption] :
       {std::pair{"active", frame.active}, std::pair{"inactive", frame.inactive}}) {
    const std::string prefix = std::string("--frame-") + state + "-";
    css += Variable(prefix + "from", caption.from) + Variable(prefix + "to", caption.to) +
           Variable(prefix + "text", caption.text);
  }
  return css;
}

std::string Style() {
  return "/* Written at build time by write_page_constants from the runtime's own. */\n"
         ".tessel-screen{width:" +
         std::to_string(web::kScreenArea.width) +
         "px;height:" + std::to_string(web::kScreenArea.height) + "px;" +
         Scheme(rt::kPlainPalette) + "}\n@media (prefers-color-scheme:dark){.tessel-screen{" +
         Scheme(rt::kDarkPalette) + "}}\n";
}

}  // namespace

int main(int argc, char** argv) {
  return tessel::tools::WriteIntoDirectory(
      argc, argv, "write_page_constants", [](const std::filesystem::path& directory) {
        tessel::tools::WriteFile(directory / "page_constants.js", Script());
        tessel::tools::WriteFile(directory / "page_scheme.css", Style());
      });
}
