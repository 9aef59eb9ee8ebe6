#pragma once

#include <cstdint>
#include <functional>
#include <string_view>

#include "runtime/core/pixel_rect.h"
#include "runtime/core/status.h"
#include "runtime/core/text_size.h"
#include "runtime/core/window_events.h"
#include "runtime/core/window_spec.h"

namespace tessel::runtime {

// The runtime's one report, for a failure of the window system that no call of the runtime's
// answers: the page's script failing while it handles the user's input.
using FailureReport = std::function<void(const Result& failure)>;

// A thin adapter to one window system. Positions and sizes cross it in pixels, settled by the
// runtime; a backend applies them as they come. Every call that changes a window answers whether
// the window system did as asked: a failing status (on Win32 the system's error) where it did not.
class Backend {
 public:
  virtual ~Backend() = default;

  virtual Status CreateWindow(const WindowSpec& spec, WindowEvents& events,
                              WindowHandle* window) = 0;
  // Places the outer top-left corner; the size stays.
  virtual Status MoveWindow(WindowHandle window, int left, int top) = 0;
  // Visible and in front; the first tab stop takes the focus when it first shows.
  virtual Status ShowWindow(WindowHandle window) = 0;
  // Shows the window as ShowWindow does, owned by `owner` (it stays in front of it) and modal
  // for the whole program, as the window system is told too; returns once the window is
  // destroyed or the program quits.
  virtual Status ShowModal(WindowHandle window, WindowHandle owner) = 0;
  // A disabled window refuses input but keeps its look.
  virtual Status SetWindowEnabled(WindowHandle window, bool enabled) = 0;
  // Makes the window the active one, as the window system activates a window it hands the
  // keyboard to: the runtime's answer to a modal phase's end, which leaves no window active.
  virtual Status ActivateWindow(WindowHandle window) = 0;
  virtual Status DestroyWindow(WindowHandle window) = 0;
  // A label's new text, and its place with that text.
  virtual Status SetCaption(WindowHandle window, int control_id, std::string_view text,
                            const PixelRect& rect) = 0;
  // The size of one line of text as this window system draws it in that font, for the runtime
  // to fit labels and wrap captions with; it needs no window. A failing status where it cannot.
  virtual TextSize MeasureText(const ResolvedFont& font, std::string_view text) = 0;
  // The primary screen, on which the runtime centres a window; empty where there is none.
  virtual PixelRect Screen() = 0;

  // The main loop runs until Quit.
  virtual int RunEventLoop() = 0;
  virtual void Quit(int exit_code) = 0;
  // A modal message box with one OK button; returns when the user closes it.
  virtual void ShowErrorBox(std::string_view title, std::string_view text) = 0;
  // Where the window system's own failures go; one that has none never calls it.
  virtual void SetFailureReport(const FailureReport& /*report*/) {}
};

}  // namespace tessel::runtime
