#include "tests/support/web_test_surface.h"

#include <emscripten.h>

#include <cstdio>
#include <cstdlib>

namespace tessel::testing {
namespace {

EM_JS(void, surface_rect, (int which, int window, int control, int* rect), {
  const r = which == 0   ? tesselSurface.frame(window)
            : which == 1 ? tesselSurface.client(window)
                         : tesselSurface.controlRect(window, control);
  HEAP32.set(r, rect >> 2);
});
EM_JS(int, surface_flag, (int which, int window), {
  const flags = [ 'visible', 'enabled', 'active', 'arrowEverywhere', 'takeKeys' ];
  return tesselSurface[flags[which]](window) ? 1 : 0;
});
EM_JS(char*, surface_text, (int which, int window, int control), {
  const texts = [ 'caption', 'controlCaption', 'hint', 'shownHint' ];
  return tesselSurfaceText(tesselSurface[texts[which]](window, control));
});
EM_JS(int, surface_focused, (int window), { return tesselSurface.focused(window); });
EM_JS(int, surface_point, (int which, int window, int control, int* point), {
  const points = [ 'controlCentre', 'closeBoxCentre', 'titleGrip', 'frontBoxOk' ];
  const p = tesselSurface[points[which]](window, control);
  if (!p) return 0;
  HEAP32.set(p, point >> 2);
  return 1;
});
EM_JS(void, surface_request_close, (int window), { tesselSurface.requestClose(window); });
EM_JS(void, surface_set_colour, (int index, const char* css),
      { tesselSurface.setSystemColour(index, UTF8ToString(css)); });
EM_JS(int, surface_box_count, (), { return tesselSurface.boxTexts().length; });
EM_JS(char*, surface_box_text, (int index),
      { return tesselSurfaceText(tesselSurface.boxTexts()[index]); });
EM_ASYNC_JS(void, surface_drive, (const char* request, int length),
            { await Module['driver'].request(JSON.parse(UTF8ToString(request, length))); });
// The window's part of the browser's screenshot, as 0xAARRGGBB.
EM_ASYNC_JS(void, surface_shoot, (int window, int x, int y, int width, int height, int* pixels),
            { HEAP32.set(await tesselSurface.shoot(window, x, y, width, height), pixels >> 2); });

enum Rect { kFrame, kClient, kControl };
enum Flag { kVisible, kEnabled, kActive, kArrowEverywhere, kTakeKeys };
enum Text { kCaption, kControlCaption, kHint, kShownHint };
enum Point { kControlCentre, kCloseBoxCentre, kTitleGrip, kFrontBoxOk };

PixelRect RectOf(Rect which, WindowHandle window, int control = 0) {
  int r[4] = {};
  surface_rect(which, static_cast<int>(window), control, r);
  return {r[0], r[1], r[2], r[3]};
}

bool FlagOf(Flag which, WindowHandle window) {
  return surface_flag(which, static_cast<int>(window)) != 0;
}

std::string Owned(char* text) {
  std::string owned(text);
  std::free(text);
  return owned;
}

std::string TextOf(Text which, WindowHandle window, int control = 0) {
  return Owned(surface_text(which, static_cast<int>(window), control));
}

bool PointOf(Point which, WindowHandle window, int control, int (&point)[2]) {
  return surface_point(which, static_cast<int>(window), control, point) != 0;
}

std::string ClickAt(const int (&point)[2]) {
  char request[64];
  std::snprintf(request, sizeof request, R"({"kind":"click","x":%d,"y":%d})", point[0], point[1]);
  return request;
}

const char* KeyName(Key key) {
  switch (key) {
    case Key::kTab:
      return "Tab";
    case Key::kBacktab:
      return "Backtab";
    case Key::kEnter:
      return "Enter";
    case Key::kSpace:
      return "Space";
    case Key::kEscape:
      return "Escape";
    case Key::kAltF4:
      return "AltF4";
  }
  return "";
}

}  // namespace

WebTestSurface::WebTestSurface(TestWebBackend& backend) : backend_(backend) {}

// The system colours are the page's: a test's change goes with its surface.
WebTestSurface::~WebTestSurface() {
  for (const int index : changed_colours_) surface_set_colour(index, "");
}

void WebTestSurface::Post(std::function<void()> task) { backend_.Post(0, std::move(task)); }

void WebTestSurface::After(int milliseconds, std::function<void()> task) {
  backend_.Post(milliseconds, std::move(task));
}

std::uint64_t WebTestSurface::NativeId(WindowHandle window) { return window; }

PixelRect WebTestSurface::ScreenSize() { return backend_.Screen(); }

PixelRect WebTestSurface::WindowFrame(WindowHandle window) { return RectOf(kFrame, window); }

PixelRect WebTestSurface::ClientArea(WindowHandle window) { return RectOf(kClient, window); }

PixelRect WebTestSurface::ControlRect(WindowHandle window, int control_id) {
  return RectOf(kControl, window, control_id);
}

bool WebTestSurface::IsVisible(WindowHandle window) { return FlagOf(kVisible, window); }

// The page lays a shown window out where it is told at once; no window manager has a say.
std::string WebTestSurface::Unsettled(WindowHandle window) {
  if (!backend_.IsOpen(window)) return "gone";
  return IsVisible(window) ? "" : "hidden";
}

bool WebTestSurface::IsEnabled(WindowHandle window) { return FlagOf(kEnabled, window); }

bool WebTestSurface::IsActive(WindowHandle window) { return FlagOf(kActive, window); }

std::string WebTestSurface::WindowCaption(WindowHandle window) { return TextOf(kCaption, window); }

std::string WebTestSurface::ControlCaption(WindowHandle window, int control_id) {
  return TextOf(kControlCaption, window, control_id);
}

std::string WebTestSurface::ToolTip(WindowHandle window, int control_id) {
  return TextOf(kHint, window, control_id);
}

std::string WebTestSurface::ShownToolTip() { return TextOf(kShownHint, 0); }

int WebTestSurface::FocusedControl(WindowHandle window) {
  return surface_focused(static_cast<int>(window));
}

Screenshot WebTestSurface::Grab(WindowHandle window) {
  const PixelRect frame = WindowFrame(window);
  if (frame.width <= 0 || frame.height <= 0) return {};
  Screenshot shot{frame.width, frame.height, {}};
  shot.pixels.resize(static_cast<size_t>(frame.width) * static_cast<size_t>(frame.height));
  surface_shoot(static_cast<int>(window), frame.x, frame.y, frame.width, frame.height,
                reinterpret_cast<int*>(shot.pixels.data()));
  return shot;
}

bool WebTestSurface::ShowsArrowPointer(WindowHandle window) {
  return FlagOf(kArrowEverywhere, window);
}

void WebTestSurface::Drive(const std::string& request) {
  surface_drive(request.data(), static_cast<int>(request.size()));
  backend_.DispatchQueuedInput();
}

void WebTestSurface::Click(WindowHandle window, int control_id) {
  int centre[2];
  if (PointOf(kControlCentre, window, control_id, centre)) Drive(ClickAt(centre));
}

void WebTestSurface::PressKey(WindowHandle window, Key key) {
  if (!FlagOf(kTakeKeys, window)) return;
  Drive(std::string(R"({"kind":"key","key":")") + KeyName(key) + "\"}");
}

void WebTestSurface::PressCloseBox(WindowHandle window) {
  int centre[2];
  if (PointOf(kCloseBoxCentre, window, 0, centre)) Drive(ClickAt(centre));
}

// The page's own request on the window's behalf, as a window manager's close arrives elsewhere.
void WebTestSurface::RequestClose(WindowHandle window) {
  surface_request_close(static_cast<int>(window));
  backend_.DispatchQueuedInput();
}

// From a point next to the centre, so that the pointer moves even when it rests there already.
void WebTestSurface::Hover(WindowHandle window, int control_id) {
  int c[2];
  if (!PointOf(kControlCentre, window, control_id, c)) return;
  char request[96];
  std::snprintf(request, sizeof request, R"({"kind":"move","points":[[%d,%d],[%d,%d]]})", c[0] + 1,
                c[1] + 1, c[0], c[1]);
  Drive(request);
}

void WebTestSurface::DragTitleBar(WindowHandle window, int dx, int dy) {
  int grip[2];
  if (!PointOf(kTitleGrip, window, 0, grip)) return;
  char request[96];
  std::snprintf(request, sizeof request, R"({"kind":"drag","from":[%d,%d],"to":[%d,%d]})", grip[0],
                grip[1], grip[0] + dx, grip[1] + dy);
  Drive(request);
}

void WebTestSurface::SetSystemColour(int index, std::uint32_t rgb) {
  char css[8];
  std::snprintf(css, sizeof css, "#%06x", rgb & 0xFFFFFFu);
  surface_set_colour(index, css);
  changed_colours_.insert(index);
}

std::vector<std::string> WebTestSurface::MessageBoxes() {
  const int count = surface_box_count();
  std::vector<std::string> texts;
  texts.reserve(static_cast<size_t>(count));
  for (int i = 0; i < count; ++i) texts.push_back(Owned(surface_box_text(i)));
  return texts;
}

void WebTestSurface::DismissMessageBox() {
  int ok[2];
  if (PointOf(kFrontBoxOk, 0, 0, ok)) Drive(ClickAt(ok));
}

std::unique_ptr<TestSurface> CreateTestSurface(Backend& backend) {
  return std::make_unique<WebTestSurface>(dynamic_cast<TestWebBackend&>(backend));
}

}  // namespace tessel::testing
