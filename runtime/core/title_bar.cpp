#include "runtime/core/title_bar.h"

#include <string>

namespace tessel::runtime {
namespace {

constexpr int kCloseBoxWidth = 12;
constexpr int kCloseBoxHeight = 10;
// The close box keeps this much from the bar's right end; the caption as much from the bar's
// left end and from the close box.
constexpr int kInset = 2;
constexpr std::string_view kEllipsis = "…";

bool IsContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// The caption, whole characters taken off its end until it fits with the ellipsis after it.
std::string Fitted(std::string caption, const ResolvedFont& font, int width,
                   const TextMeasure& measure) {
  if (caption.empty() || measure(font, caption).width <= width) return caption;
  while (!caption.empty()) {
    do {
      caption.pop_back();
    } while (!caption.empty() && IsContinuationByte(caption.back()));
    if (measure(font, caption + std::string(kEllipsis)).width <= width) break;
  }
  return caption + std::string(kEllipsis);
}

}  // namespace

void SettleTitleBar(WindowSpec& spec, const TextMeasure& measure) {
  const FrameMargins frame = Frame(spec);
  const int border = frame.left;
  TitleBar& title = spec.title_bar;
  title.bar = {border, border, OuterSize(spec).width - 2 * border, frame.top - border};
  const PixelRect& bar = title.bar;
  title.close_box = {bar.x + bar.width - kInset - kCloseBoxWidth,
                     bar.y + (bar.height - kCloseBoxHeight) / 2, kCloseBoxWidth, kCloseBoxHeight};
  title.caption = {bar.x + kInset, bar.y, title.close_box.x - kInset - bar.x - kInset, bar.height};
  title.text = Fitted(spec.caption, title.font, title.caption.width, measure);
}

}  // namespace tessel::runtime
