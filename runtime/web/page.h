#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "runtime/core/pixel_rect.h"
#include "runtime/core/text_size.h"
#include "runtime/core/window_events.h"

// The page's half of the backend, screen.js: the program's windows as elements on the screen
// area, and the queue of what the user does to them. These calls cross into it.
namespace tessel::runtime::web::page {

// What the page has queued for the program, in the order it happened.
enum class EventType : std::int32_t {
  kClick = 1,         // a button was pressed: window, control
  kCloseRequest = 2,  // the close box or Alt+F4: window
  kBoxDismissed = 3,  // a message box was closed: box
  kTask = 4,          // a task posted to the loop came due: task
};

struct Event {
  EventType type = EventType::kTask;
  WindowHandle window = 0;
  int control = 0;  // or the box, or the task
};

// A fresh screen area for a new backend: no windows, nothing queued, no timers pending.
void Reset();

// The window, built hidden from its description as JSON (window_json.h).
void CreateWindow(WindowHandle window, std::string_view json);
// An image control's pixels, 0xAARRGGBB rows from the top.
bool SetPicture(WindowHandle window, int control, std::span<const std::uint32_t> pixels, int width,
                int height);
// The page's icon, shown by the browser where it lists the page; the first one given stays.
void SetIcon(std::span<const std::uint32_t> pixels, int width, int height);

bool MoveWindow(WindowHandle window, int left, int top);
bool ShowWindow(WindowHandle window);
// From now on the window stays in front of every other and is read as a modal dialog.
bool MakeModal(WindowHandle window, WindowHandle owner);
bool SetEnabled(WindowHandle window, bool enabled);
bool DestroyWindow(WindowHandle window);
bool SetCaption(WindowHandle window, int control, std::string_view text, const PixelRect& rect);
// A font as JSON (window_json.h).
TextSize MeasureText(std::string_view font_json, std::string_view text);
PixelRect Screen();
// A message box with an OK button, modal for the whole page, its text and title in the fonts
// given as JSON; its id.
int ShowMessageBox(std::string_view title, std::string_view text, std::string_view font_json,
                   std::string_view title_font_json);

// Waits for the next event; the program's code is suspended meanwhile and the page runs on.
Event NextEvent();
// The first event the user's input queued, taken out of the queue ahead of posted tasks; false
// when there is none.
bool TakeInput(Event* event);
// Queues a task event once that many milliseconds have passed.
void PostTask(int task, int delay_ms);

// Ends the module with the program's status, from a task of the page's own; the code that
// calls it waits for good.
[[noreturn]] void EndProgram(int status);

}  // namespace tessel::runtime::web::page
