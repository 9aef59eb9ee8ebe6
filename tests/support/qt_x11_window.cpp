#include "tests/support/qt_x11_window.h"

#include <xcb/xcb.h>

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "runtime/qt/x11_property.h"

namespace tessel::runtime::qt {
namespace {

constexpr std::uint32_t kNormalState = 1;  // ICCCM's WM_STATE of a window on the screen

template <typename Reply>
using Owned = std::unique_ptr<Reply, decltype(&std::free)>;

// The reply to a request, or none. The connection is Qt's, which would report an error as a
// warning of its own; about a window that has just gone, that is no news here.
template <typename Reply, typename Cookie>
Owned<Reply> Ask(Reply* (*reply)(xcb_connection_t*, Cookie, xcb_generic_error_t**),
                 xcb_connection_t* connection, Cookie cookie) {
  xcb_generic_error_t* error = nullptr;
  Owned<Reply> answer(reply(connection, cookie, &error), &std::free);
  std::free(error);
  return answer;
}

xcb_connection_t* X11Connection() {
  auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  return x11 ? x11->connection() : nullptr;
}

// The first 32-bit item of a property, if the window has it.
bool FirstItem(xcb_connection_t* connection, xcb_window_t window, const char* name,
               std::uint32_t* item) {
  const std::vector<std::uint32_t> items =
      Property32(connection, window, Atom(connection, name), XCB_GET_PROPERTY_TYPE_ANY);
  if (items.empty()) return false;
  *item = items.front();
  return true;
}

bool Viewable(xcb_connection_t* connection, xcb_window_t window) {
  const auto attributes = Ask(xcb_get_window_attributes_reply, connection,
                              xcb_get_window_attributes(connection, window));
  return attributes && attributes->map_state == XCB_MAP_STATE_VIEWABLE;
}

// A window manager that runs names itself on the root window, and marks each window it has
// taken over with WM_STATE once it shows it.
bool ManagedIfAManagerRuns(xcb_connection_t* connection, xcb_window_t window) {
  std::uint32_t check = 0, state = 0;
  if (!FirstItem(connection, RootOf(connection), "_NET_SUPPORTING_WM_CHECK", &check)) return true;
  return FirstItem(connection, window, "WM_STATE", &state) && state == kNormalState;
}

QRect OnTheServer(xcb_connection_t* connection, xcb_window_t window) {
  const auto geometry =
      Ask(xcb_get_geometry_reply, connection, xcb_get_geometry(connection, window));
  const auto origin = Ask(xcb_translate_coordinates_reply, connection,
                          xcb_translate_coordinates(connection, window, RootOf(connection), 0, 0));
  if (!geometry || !origin) return {};
  return {origin->dst_x, origin->dst_y, geometry->width, geometry->height};
}

std::string Text(const QRect& r) {
  return std::to_string(r.x()) + "," + std::to_string(r.y()) + " " + std::to_string(r.width()) +
         "x" + std::to_string(r.height());
}

}  // namespace

// Qt keeps the place twice, in the widget and in its window, and maps points to the screen by
// the window's: both must have heard.
std::string NotYetPlaced(QWidget& window) {
  xcb_connection_t* connection = X11Connection();
  if (!connection) return {};
  const auto id = static_cast<xcb_window_t>(window.winId());
  if (!Viewable(connection, id)) return "not on the screen";
  if (!ManagedIfAManagerRuns(connection, id)) return "not taken over by the window manager";
  const QRect placed = OnTheServer(connection, id);
  const QRect in_window = window.windowHandle() ? window.windowHandle()->geometry() : QRect();
  const QPoint origin = window.mapToGlobal(QPoint(0, 0));
  if (placed == window.geometry() && placed == in_window && origin == placed.topLeft()) return {};
  return "the server has it at " + Text(placed) + ", Qt at " + Text(window.geometry()) +
         ", its window at " + Text(in_window);
}

bool ActiveOnTheServer(QWidget& window) {
  xcb_connection_t* connection = X11Connection();
  if (!connection) return true;
  const auto id = static_cast<xcb_window_t>(window.winId());
  const auto focus = Ask(xcb_get_input_focus_reply, connection, xcb_get_input_focus(connection));
  std::uint32_t active = 0;
  return focus && focus->focus == id &&
         (!FirstItem(connection, RootOf(connection), "_NET_ACTIVE_WINDOW", &active) ||
          active == id);
}

}  // namespace tessel::runtime::qt
