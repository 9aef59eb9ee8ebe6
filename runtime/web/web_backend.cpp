#include "runtime/web/web_backend.h"

#include <utility>
#include <vector>

#include "runtime/core/fonts.h"
#include "runtime/core/picture_pixels.h"
#include "runtime/web/window_json.h"

namespace tessel::runtime::web {
namespace {

Status Answer(bool done) { return done ? kOk : kInvalidArgument; }

}  // namespace

WebBackend::WebBackend() { page::Reset(); }

WebBackend::~WebBackend() { page::Reset(); }

Status WebBackend::CreateWindow(const WindowSpec& spec, WindowEvents& events,
                                WindowHandle* window) {
  if (spec.client.width <= 0 || spec.client.height <= 0) return kInvalidArgument;
  const WindowHandle handle = next_handle_++;
  page::CreateWindow(handle, WindowJson(spec));
  for (const ControlSpec& c : spec.controls) {
    if (!c.picture) continue;
    const std::vector<std::uint32_t> pixels = PicturePixels(*c.picture);
    if (!page::SetPicture(handle, c.id, pixels, c.picture->width, c.picture->height)) {
      page::DestroyWindow(handle);
      return kFailed;
    }
  }
  if (spec.icon) page::SetIcon(PicturePixels(*spec.icon), spec.icon->width, spec.icon->height);
  windows_[handle] = &events;
  *window = handle;
  return kOk;
}

Status WebBackend::MoveWindow(WindowHandle window, int left, int top) {
  return Answer(IsOpen(window) && page::MoveWindow(window, left, top));
}

Status WebBackend::ShowWindow(WindowHandle window) {
  return Answer(IsOpen(window) && page::ShowWindow(window));
}

Status WebBackend::ShowModal(WindowHandle window, WindowHandle owner) {
  if (!IsOpen(window) || !IsOpen(owner) || window == owner) return kInvalidArgument;
  if (!page::MakeModal(window, owner) || !page::ShowWindow(window)) return kFailed;
  RunUntil([&] { return !IsOpen(window); });
  return kOk;
}

Status WebBackend::SetWindowEnabled(WindowHandle window, bool enabled) {
  return Answer(IsOpen(window) && page::SetEnabled(window, enabled));
}

Status WebBackend::DestroyWindow(WindowHandle window) {
  if (!IsOpen(window)) return kInvalidArgument;
  windows_.erase(window);
  return Answer(page::DestroyWindow(window));
}

Status WebBackend::SetCaption(WindowHandle window, int control_id, std::string_view text,
                              const PixelRect& rect) {
  return Answer(IsOpen(window) && page::SetCaption(window, control_id, text, rect));
}

TextSize WebBackend::MeasureText(const ResolvedFont& font, std::string_view text) {
  return page::MeasureText(FontJson(font), text);
}

PixelRect WebBackend::Screen() { return page::Screen(); }

int WebBackend::RunEventLoop() {
  RunUntil([] { return false; });
  quit_requested_ = false;
  return exit_code_;
}

void WebBackend::Quit(int exit_code) {
  quit_requested_ = true;
  exit_code_ = exit_code;
}

void WebBackend::ShowErrorBox(std::string_view title, std::string_view text) {
  const int box =
      page::ShowMessageBox(title, text, FontJson(DefaultWindowFont()), FontJson(TitleBarFont()));
  open_boxes_.insert(box);
  RunUntil([&] { return !open_boxes_.contains(box); });
}

void WebBackend::Post(int delay_ms, std::function<void()> task) {
  const int id = next_task_++;
  tasks_[id] = std::move(task);
  page::PostTask(id, delay_ms);
}

void WebBackend::DispatchQueuedInput() {
  page::Event event;
  while (!quit_requested_ && page::TakeInput(&event)) Dispatch(event);
}

void WebBackend::RunUntil(const std::function<bool()>& done) {
  while (!quit_requested_ && !done()) Dispatch(page::NextEvent());
}

// An event for a window that has gone since the page queued it finds no one.
void WebBackend::Dispatch(const page::Event& event) {
  switch (event.type) {
    case page::EventType::kClick:
      if (const auto it = windows_.find(event.window); it != windows_.end()) {
        it->second->OnClick(event.control);
      }
      break;
    case page::EventType::kCloseRequest:
      if (const auto it = windows_.find(event.window); it != windows_.end()) {
        it->second->OnCloseRequest();
      }
      break;
    case page::EventType::kBoxDismissed:
      open_boxes_.erase(event.control);
      break;
    case page::EventType::kTask:
      if (const auto it = tasks_.find(event.control); it != tasks_.end()) {
        const std::function<void()> task = std::move(it->second);
        tasks_.erase(it);
        task();
      }
      break;
  }
}

}  // namespace tessel::runtime::web
