#include "runtime/web/web_backend.h"

#include <utility>
#include <vector>

#include "runtime/core/message_box.h"
#include "runtime/core/picture_pixels.h"
#include "runtime/web/window_json.h"

namespace tessel::runtime::web {
namespace {

Status Answer(bool done) { return done ? kOk : kFailed; }

bool SetPictures(WindowHandle handle, const WindowSpec& spec) {
  for (const ControlSpec& c : spec.controls) {
    if (!c.picture) continue;
    const std::vector<std::uint32_t> pixels = PicturePixels(*c.picture);
    if (!page::SetPicture(handle, c.id, pixels, c.picture->width, c.picture->height)) return false;
  }
  return true;
}

// OK and the close box alike end a message box.
class BoxEvents : public WindowEvents {
 public:
  void OnClick(int /*control_id*/) override { closed = true; }
  void OnCloseRequest() override { closed = true; }
  bool closed = false;
};

}  // namespace

WebBackend::WebBackend() { page::Reset(); }

WebBackend::~WebBackend() { page::Reset(); }

// A window the page could not build whole is not kept.
Status WebBackend::CreateWindow(const WindowSpec& spec, WindowEvents& events,
                                WindowHandle* window) {
  if (spec.client.width <= 0 || spec.client.height <= 0) return kInvalidArgument;
  const WindowHandle handle = next_handle_++;
  const bool complete =
      page::CreateWindow(handle, WindowJson(spec)) && SetPictures(handle, spec) &&
      (!spec.icon || page::SetIcon(PicturePixels(*spec.icon), spec.icon->width, spec.icon->height));
  if (!complete) {
    page::DestroyWindow(handle);
    return kFailed;
  }
  windows_[handle] = &events;
  *window = handle;
  return kOk;
}

Status WebBackend::MoveWindow(WindowHandle window, int left, int top) {
  if (!IsOpen(window)) return kInvalidArgument;
  return Answer(page::MoveWindow(window, left, top));
}

Status WebBackend::ShowWindow(WindowHandle window) {
  if (!IsOpen(window)) return kInvalidArgument;
  return Answer(page::ShowWindow(window));
}

Status WebBackend::ShowModal(WindowHandle window, WindowHandle owner) {
  if (!IsOpen(window) || !IsOpen(owner) || window == owner) return kInvalidArgument;
  if (!page::MakeModal(window) || !page::ShowWindow(window)) return kFailed;
  RunUntil([&] { return !IsOpen(window); });
  return kOk;
}

Status WebBackend::SetWindowEnabled(WindowHandle window, bool enabled) {
  if (!IsOpen(window)) return kInvalidArgument;
  return Answer(page::SetEnabled(window, enabled));
}

Status WebBackend::ActivateWindow(WindowHandle window) {
  if (!IsOpen(window)) return kInvalidArgument;
  return Answer(page::ActivateWindow(window));
}

Status WebBackend::DestroyWindow(WindowHandle window) {
  if (!IsOpen(window)) return kInvalidArgument;
  windows_.erase(window);
  return Answer(page::DestroyWindow(window));
}

Status WebBackend::SetCaption(WindowHandle window, int control_id, std::string_view text,
                              const PixelRect& rect) {
  if (!IsOpen(window)) return kInvalidArgument;
  return Answer(page::SetCaption(window, control_id, text, rect));
}

TextSize WebBackend::MeasureText(const ResolvedFont& font, std::string_view text) {
  return page::MeasureText(FontJson(font), text);
}

PixelRect WebBackend::Screen() { return kScreenArea; }

int WebBackend::RunEventLoop() {
  RunUntil([] { return false; });
  quit_requested_ = false;
  return exit_code_;
}

void WebBackend::Quit(int exit_code) {
  quit_requested_ = true;
  exit_code_ = exit_code;
}

// A box that cannot be shown leaves the report its line on the console.
void WebBackend::ShowErrorBox(std::string_view title, std::string_view text) {
  BoxEvents events;
  if (const WindowHandle box = OpenMessageBox(title, text, events)) {
    RunUntil([&] { return events.closed; });
    DestroyWindow(box);
  }
}

WindowHandle WebBackend::OpenMessageBox(std::string_view title, std::string_view text,
                                        WindowEvents& events) {
  const MessageBoxLayout box = BuildMessageBox(
      title, text, Screen(),
      [this](const ResolvedFont& font, std::string_view t) { return MeasureText(font, t); });
  WindowHandle handle = 0;
  if (Failed(CreateWindow(box.spec, events, &handle))) return 0;
  if (page::MoveWindow(handle, box.place.x, box.place.y) && page::ShowMessageBox(handle)) {
    return handle;
  }
  DestroyWindow(handle);
  return 0;
}

void WebBackend::RunUntil(const std::function<bool()>& done) {
  while (!quit_requested_ && !done()) Dispatch(page::NextEvent());
}

void WebBackend::Dispatch(const page::Event& event) {
  if (event.type == EventType::kFailure) {
    const std::string words = page::TakeFailure();
    if (report_) report_(Result(kFailed, "Das Skript der Seite ist fehlgeschlagen: " + words));
    return;
  }
  const auto it = windows_.find(event.window);
  if (it == windows_.end()) return;
  if (event.type == EventType::kClick) it->second->OnClick(event.control);
  if (event.type == EventType::kCloseRequest) it->second->OnCloseRequest();
}

}  // namespace tessel::runtime::web
