#include "runtime/web/page.h"

#include <emscripten.h>

#include <cstdlib>

namespace tessel::runtime::web::page {
namespace {

// The texts cross as UTF-8 bytes with their length.
EM_JS(void, tessel_reset, (), { tesselPage.reset(); });
EM_JS(int, tessel_create_window, (int window, const char* json, int length),
      { return tesselPage.createWindow(window, JSON.parse(UTF8ToString(json, length))); });
EM_JS(int, tessel_set_picture,
      (int window, int control, const std::uint32_t* pixels, int width, int height),
      { return tesselPage.setPicture(window, control, tesselPixels(pixels, width, height)); });
EM_JS(int, tessel_set_icon, (const std::uint32_t* pixels, int width, int height),
      { return tesselPage.setIcon(tesselPixels(pixels, width, height)); });
EM_JS(int, tessel_move_window, (int window, int left, int top),
      { return tesselPage.moveWindow(window, left, top); });
EM_JS(int, tessel_show_window, (int window), { return tesselPage.showWindow(window); });
EM_JS(int, tessel_make_modal, (int window), { return tesselPage.makeModal(window); });
EM_JS(int, tessel_show_message_box, (int box), { return tesselPage.showMessageBox(box); });
EM_JS(int, tessel_set_enabled, (int window, int enabled),
      { return tesselPage.setEnabled(window, enabled != 0); });
EM_JS(int, tessel_activate_window, (int window), { return tesselPage.activateWindow(window); });
EM_JS(int, tessel_destroy_window, (int window), { return tesselPage.destroyWindow(window); });
EM_JS(int, tessel_set_caption,
      (int window, int control, const char* text, int length, int x, int y, int w, int h), {
        return tesselPage.setCaption(window, control, UTF8ToString(text, length),
                                     {x : x, y : y, width : w, height : h});
      });
EM_JS(void, tessel_measure_text,
      (const char* font, int font_length, const char* text, int length, int* size), {
        const measured = tesselPage.measureText(JSON.parse(UTF8ToString(font, font_length)),
                                                UTF8ToString(text, length));
        HEAP32[size >> 2] = measured.width;
        HEAP32[(size >> 2) + 1] = measured.height;
      });
EM_ASYNC_JS(void, tessel_next_event, (int* event), {
  const next = await tesselPage.events.next();
  HEAP32[event >> 2] = next.type;
  HEAP32[(event >> 2) + 1] = next.window;
  HEAP32[(event >> 2) + 2] = next.control;
});
// In memory the program frees.
EM_JS(char*, tessel_take_failure, (), {
  const words = tesselPage.takeFailure();
  const size = lengthBytesUTF8(words) + 1;
  const text = _malloc(size);
  stringToUTF8(words, text, size);
  return text;
});
// exit() ends a module by throwing its status, and Emscripten's wake-up from a wait passes
// whatever the woken code throws on into the page, as an uncaught error. So the page ends the
// module in a task of its own (bridge.js), while the program's code waits, never to wake.
EM_ASYNC_JS(void, tessel_end_program, (int status), {
  setTimeout(function() { tesselEnd(status); });
  await new Promise(function(){});
});

int Length(std::string_view text) { return static_cast<int>(text.size()); }

int Handle(WindowHandle window) { return static_cast<int>(window); }

}  // namespace

void Reset() { tessel_reset(); }

bool CreateWindow(WindowHandle window, std::string_view json) {
  return tessel_create_window(Handle(window), json.data(), Length(json)) != 0;
}

bool SetPicture(WindowHandle window, int control, std::span<const std::uint32_t> pixels, int width,
                int height) {
  return tessel_set_picture(Handle(window), control, pixels.data(), width, height) != 0;
}

bool SetIcon(std::span<const std::uint32_t> pixels, int width, int height) {
  return tessel_set_icon(pixels.data(), width, height) != 0;
}

bool MoveWindow(WindowHandle window, int left, int top) {
  return tessel_move_window(Handle(window), left, top) != 0;
}

bool ShowWindow(WindowHandle window) { return tessel_show_window(Handle(window)) != 0; }

bool MakeModal(WindowHandle window) { return tessel_make_modal(Handle(window)) != 0; }

bool ShowMessageBox(WindowHandle box) { return tessel_show_message_box(Handle(box)) != 0; }

bool SetEnabled(WindowHandle window, bool enabled) {
  return tessel_set_enabled(Handle(window), enabled ? 1 : 0) != 0;
}

bool ActivateWindow(WindowHandle window) { return tessel_activate_window(Handle(window)) != 0; }

bool DestroyWindow(WindowHandle window) { return tessel_destroy_window(Handle(window)) != 0; }

bool SetCaption(WindowHandle window, int control, std::string_view text, const PixelRect& rect) {
  return tessel_set_caption(Handle(window), control, text.data(), Length(text), rect.x, rect.y,
                            rect.width, rect.height) != 0;
}

TextSize MeasureText(std::string_view font_json, std::string_view text) {
  std::int32_t size[2] = {};
  tessel_measure_text(font_json.data(), Length(font_json), text.data(), Length(text), size);
  return {size[0], size[1]};
}

Event NextEvent() {
  std::int32_t fields[3] = {};
  tessel_next_event(fields);
  return {static_cast<EventType>(fields[0]), static_cast<WindowHandle>(fields[1]), fields[2]};
}

std::string TakeFailure() {
  char* text = tessel_take_failure();
  std::string words(text);
  std::free(text);
  return words;
}

void EndProgram(int status) {
  tessel_end_program(status);
  std::abort();  // the wait above never ends
}

}  // namespace tessel::runtime::web::page

// What the page calls to end the module once nothing of the program is running.
extern "C" EMSCRIPTEN_KEEPALIVE void TesselForceExit(int status) { emscripten_force_exit(status); }
