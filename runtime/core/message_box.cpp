#include "runtime/core/message_box.h"

#include <algorithm>
#include <string>

#include "runtime/core/control_order.h"
#include "runtime/core/fonts.h"
#include "runtime/core/title_bar.h"

namespace tessel::runtime {
namespace {

// The frame every window of the program stores: 45 twips at the sides and below, 285 above.
constexpr int kFrameSide = 3;
constexpr int kFrameTop = 19;
constexpr int kWidestLine = 460;
// Around the text, and the OK button below it.
constexpr int kTextLeft = 18;
constexpr int kTextTop = 16;
constexpr int kTextToButton = 12;
constexpr PixelRect kOkSize = {0, 0, 75, 23};
constexpr int kButtonToBottom = 10;
constexpr int kTextId = 1;
constexpr int kOkId = 2;

// The text as the box shows it: its own lines, each broken between words where it would be wider
// than kWidestLine (a word wider than that has a line of its own); and its size.
ControlSpec Message(std::string_view text, const ResolvedFont& font, const TextMeasure& measure) {
  ControlSpec message;
  message.id = kTextId;
  message.name = "Text";
  message.kind = ControlKind::kLabel;
  message.font = font;
  message.transparent = true;
  std::string& shown = message.caption;
  size_t line_start = 0;  // in `shown`
  int width = 0;
  int lines = 1;
  const auto line_width = [&](size_t end) {
    return measure(font, std::string_view(shown).substr(line_start, end - line_start)).width;
  };
  const auto end_line = [&] { width = std::max(width, line_width(shown.size())); };
  for (size_t at = 0; at <= text.size();) {
    const size_t end = std::min(text.find_first_of(" \n", at), text.size());
    const std::string_view word = text.substr(at, end - at);
    const size_t before = shown.size();
    if (before > line_start) shown += ' ';
    shown += word;
    if (before > line_start && line_width(shown.size()) > kWidestLine) {
      width = std::max(width, line_width(before));
      shown[before] = '\n';  // the space before the word
      line_start = before + 1;
      ++lines;
    }
    if (end < text.size() && text[end] == '\n') {
      end_line();
      shown += '\n';
      line_start = shown.size();
      ++lines;
    }
    at = end + 1;
  }
  end_line();
  message.rect = {kTextLeft, kTextTop, width, lines * measure(font, "").height};
  return message;
}

ControlSpec Ok(const ResolvedFont& font, int client_width, int top) {
  ControlSpec ok;
  ok.id = kOkId;
  ok.name = "OK";
  ok.kind = ControlKind::kCommandButton;
  ok.caption = "OK";
  ok.font = font;
  ok.tab_stop = true;
  ok.rect = {(client_width - kOkSize.width) / 2, top, kOkSize.width, kOkSize.height};
  ok.wrap_width = ButtonWrapWidth(kOkSize.width);
  return ok;
}

}  // namespace

MessageBoxLayout BuildMessageBox(std::string_view title, std::string_view text,
                                 const PixelRect& screen, const TextMeasure& measure) {
  MessageBoxLayout box;
  WindowSpec& spec = box.spec;
  spec.name = "MessageBox";
  spec.caption = std::string(title);
  spec.font = DefaultWindowFont();
  spec.title_bar.font = TitleBarFont();
  spec.controls.push_back(Message(text, spec.font, measure));
  const PixelRect& message = spec.controls.back().rect;
  const int width = std::max(message.width, kOkSize.width) + 2 * kTextLeft;
  const int ok_top = message.y + message.height + kTextToButton;
  spec.client = {kFrameSide, kFrameTop, width, ok_top + kOkSize.height + kButtonToBottom};
  spec.controls.push_back(Ok(spec.font, width, ok_top));
  spec.default_button = kOkId;
  spec.tab_order = TabOrder(spec.controls);
  spec.front_to_back = FrontToBack(spec.controls);
  spec.reading_order = ReadOut(spec.controls, ReadingOrder(spec.controls));
  SettleTitleBar(spec);
  box.place = CentredOn(screen, OuterSize(spec));
  return box;
}

}  // namespace tessel::runtime
