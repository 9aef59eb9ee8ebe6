#include "runtime/web/page.h"

#include <emscripten.h>

#include <cstdlib>

namespace tessel::runtime::web::page {
namespace {

// The texts cross as UTF-8 bytes with their length.
EM_JS(void, tessel_reset, (), { tesselScreen.reset(); });
EM_JS(void, tessel_create_window, (int window, const char* json, int length),
      { tesselScreen.createWindow(window, JSON.parse(UTF8ToString(json, length))); });
EM_JS(int, tessel_set_picture,
      (int window, int control, const std::uint32_t* pixels, int width, int height),
      { return tesselScreen.setPicture(window, control, tesselPixels(pixels, width, height)); });
EM_JS(void, tessel_set_icon, (const std::uint32_t* pixels, int width, int height),
      { tesselScreen.setIcon(tesselPixels(pixels, width, height)); });
EM_JS(int, tessel_move_window, (int window, int left, int top),
      { return tesselScreen.moveWindow(window, left, top); });
EM_JS(int, tessel_show_window, (int window), { return tesselScreen.showWindow(window); });
EM_JS(int, tessel_make_modal, (int window, int owner),
      { return tesselScreen.makeModal(window, owner); });
EM_JS(int, tessel_set_enabled, (int window, int enabled),
      { return tesselScreen.setEnabled(window, enabled != 0); });
EM_JS(int, tessel_destroy_window, (int window), { return tesselScreen.destroyWindow(window); });
EM_JS(int, tessel_set_caption,
      (int window, int control, const char* text, int length, int x, int y, int w, int h), {
        return tesselScreen.setCaption(window, control, UTF8ToString(text, length), [ x, y, w, h ]);
      });
EM_JS(void, tessel_measure_text,
      (const char* font, int font_length, const char* text, int length, int* size), {
        const measured = tesselScreen.measureText(JSON.parse(UTF8ToString(font, font_length)),
                                                  UTF8ToString(text, length));
        HEAP32[size >> 2] = measured.width;
        HEAP32[(size >> 2) + 1] = measured.height;
      });
EM_JS(void, tessel_screen, (int* rect), {
  const screen = tesselScreen.screenRect();
  for (let i = 0; i < 4; ++i) HEAP32[(rect >> 2) + i] = screen[i];
});
EM_JS(int, tessel_show_message_box,
      (const char* title, int title_length, const char* text, int text_length, const char* font,
       int font_length, const char* title_font, int title_font_length),
      {
        return tesselScreen.showMessageBox(UTF8ToString(title, title_length),
                                           UTF8ToString(text, text_length),
                                           JSON.parse(UTF8ToString(font, font_length)),
                                           JSON.parse(UTF8ToString(title_font, title_font_length)));
      });
EM_ASYNC_JS(void, tessel_next_event, (int* event), {
  const next = await tesselScreen.events.next();
  HEAP32[event >> 2] = next.type;
  HEAP32[(event >> 2) + 1] = next.window;
  HEAP32[(event >> 2) + 2] = next.control;
});
EM_JS(int, tessel_take_input, (int* event), {
  const next = tesselScreen.events.takeInput();
  if (!next) return 0;
  HEAP32[event >> 2] = next.type;
  HEAP32[(event >> 2) + 1] = next.window;
  HEAP32[(event >> 2) + 2] = next.control;
  return 1;
});
EM_JS(void, tessel_post_task, (int task, int delay_ms),
      { tesselScreen.events.postTask(task, delay_ms); });
// exit() ends a module by throwing its status, and Emscripten's wake-up from a wait passes
// whatever the woken code throws on into the page, as an uncaught error. So the page ends the
// module in a task of its own (screen.js), while the program's code waits, never to wake.
EM_ASYNC_JS(void, tessel_end_program, (int status), {
  setTimeout(function() { tesselEnd(status); });
  await new Promise(function(){});
});

int Length(std::string_view text) { return static_cast<int>(text.size()); }

Event ToEvent(const std::int32_t (&fields)[3]) {
  return {static_cast<EventType>(fields[0]), static_cast<WindowHandle>(fields[1]), fields[2]};
}

}  // namespace

void Reset() { tessel_reset(); }

void CreateWindow(WindowHandle window, std::string_view json) {
  tessel_create_window(static_cast<int>(window), json.data(), Length(json));
}

bool SetPicture(WindowHandle window, int control, std::span<const std::uint32_t> pixels, int width,
                int height) {
  return tessel_set_picture(static_cast<int>(window), control, pixels.data(), width, height) != 0;
}

void SetIcon(std::span<const std::uint32_t> pixels, int width, int height) {
  tessel_set_icon(pixels.data(), width, height);
}

bool MoveWindow(WindowHandle window, int left, int top) {
  return tessel_move_window(static_cast<int>(window), left, top) != 0;
}

bool ShowWindow(WindowHandle window) { return tessel_show_window(static_cast<int>(window)) != 0; }

bool MakeModal(WindowHandle window, WindowHandle owner) {
  return tessel_make_modal(static_cast<int>(window), static_cast<int>(owner)) != 0;
}

bool SetEnabled(WindowHandle window, bool enabled) {
  return tessel_set_enabled(static_cast<int>(window), enabled ? 1 : 0) != 0;
}

bool DestroyWindow(WindowHandle window) {
  return tessel_destroy_window(static_cast<int>(window)) != 0;
}

bool SetCaption(WindowHandle window, int control, std::string_view text, const PixelRect& rect) {
  return tessel_set_caption(static_cast<int>(window), control, text.data(), Length(text), rect.x,
                            rect.y, rect.width, rect.height) != 0;
}

TextSize MeasureText(std::string_view font_json, std::string_view text) {
  std::int32_t size[2] = {};
  tessel_measure_text(font_json.data(), Length(font_json), text.data(), Length(text), size);
  return {size[0], size[1]};
}

PixelRect Screen() {
  std::int32_t rect[4] = {};
  tessel_screen(rect);
  return {rect[0], rect[1], rect[2], rect[3]};
}

int ShowMessageBox(std::string_view title, std::string_view text, std::string_view font_json,
                   std::string_view title_font_json) {
  return tessel_show_message_box(title.data(), Length(title), text.data(), Length(text),
                                 font_json.data(), Length(font_json), title_font_json.data(),
                                 Length(title_font_json));
}

Event NextEvent() {
  std::int32_t fields[3] = {};
  tessel_next_event(fields);
  return ToEvent(fields);
}

bool TakeInput(Event* event) {
  std::int32_t fields[3] = {};
  if (!tessel_take_input(fields)) return false;
  *event = ToEvent(fields);
  return true;
}

void PostTask(int task, int delay_ms) { tessel_post_task(task, delay_ms); }

void EndProgram(int status) {
  tessel_end_program(status);
  std::abort();  // the wait above never ends
}

}  // namespace tessel::runtime::web::page

// What the page calls to end the module once nothing of the program is running.
extern "C" EMSCRIPTEN_KEEPALIVE void TesselForceExit(int status) { emscripten_force_exit(status); }
