#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "runtime/core/text_size.h"
#include "runtime/core/window_events.h"
#include "runtime/web/page_constants.h"

// The page's half of the backend, its script: the program's windows as elements on the screen
// area, and the queue of what the user does to them. These calls cross into it; each answers
// whether it did what it was asked, and an exception in the script is a failure too, whose words
// the script writes to the browser's console.
namespace tessel::runtime::web::page {

struct Event {
  EventType type = EventType::kFailure;
  WindowHandle window = 0;
  int control = 0;
};

// A fresh screen area for a new backend: no windows, nothing queued.
void Reset();

// The window, built hidden from its settled description as JSON (window_json.h).
bool CreateWindow(WindowHandle window, std::string_view json);
// An image control's pixels, 0xAARRGGBB rows from the top.
bool SetPicture(WindowHandle window, int control, std::span<const std::uint32_t> pixels, int width,
                int height);
// The page's icon, shown by the browser where it lists the page; the first one given stays.
bool SetIcon(std::span<const std::uint32_t> pixels, int width, int height);

bool MoveWindow(WindowHandle window, int left, int top);
bool ShowWindow(WindowHandle window);
// From now on the window stays in front of every other and is read as a modal dialog.
bool MakeModal(WindowHandle window);
// Shows the window as a message box: in front of every window and modal for all of them, read
// as an alert; Escape asks it to close.
bool ShowMessageBox(WindowHandle box);
bool SetEnabled(WindowHandle window, bool enabled);
bool ActivateWindow(WindowHandle window);
bool DestroyWindow(WindowHandle window);
bool SetCaption(WindowHandle window, int control, std::string_view text, const PixelRect& rect);
// A font as JSON (window_json.h). Nothing where the script fails, which it queues as a failure.
TextSize MeasureText(std::string_view font_json, std::string_view text);

// Waits for the next event; the program's code is suspended meanwhile and the page runs on.
Event NextEvent();
// The words of the failure the script queued first and has not told yet.
std::string TakeFailure();

// Ends the module with the program's status, from a task of the page's own; the code that
// calls it waits for good.
[[noreturn]] void EndProgram(int status);

}  // namespace tessel::runtime::web::page
