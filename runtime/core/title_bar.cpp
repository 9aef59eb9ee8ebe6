#include "runtime/core/title_bar.h"

namespace tessel::runtime {
namespace {

constexpr int kCloseBoxWidth = 12;
constexpr int kCloseBoxHeight = 10;
// The close box keeps this much from the bar's right end; the caption as much from the bar's
// left end and from the close box.
constexpr int kInset = 2;
}  // namespace

void SettleTitleBar(WindowSpec& spec) {
  const FrameMargins frame = Frame(spec);
  const int border = frame.left;
  TitleBar& title = spec.title_bar;
  title.bar = {border, border, OuterSize(spec).width - 2 * border, frame.top - border};
  const PixelRect& bar = title.bar;
  title.close_box = {bar.x + bar.width - kInset - kCloseBoxWidth,
                     bar.y + (bar.height - kCloseBoxHeight) / 2, kCloseBoxWidth, kCloseBoxHeight};
  title.caption = {bar.x + kInset, bar.y, title.close_box.x - kInset - bar.x - kInset, bar.height};
}

}  // namespace tessel::runtime
