#include "runtime/qt/window_manager_hints.h"

#include <xcb/xcb.h>

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <optional>
#include <vector>

#include "runtime/qt/x11_property.h"

namespace tessel::runtime::qt {
namespace {

// Qt's X11 plugin reads this property of a window each time it writes the window's type, so the
// type survives every later change of the window's flags. The value is its bit for the utility
// type.
constexpr char kX11WindowTypeProperty[] = "_q_xcb_wm_window_type";
constexpr int kX11UtilityType = 0x20;

// _NET_WM_MOVERESIZE: the direction that moves, the one that calls off, and the source of a
// request from an ordinary application.
constexpr std::uint32_t kMoveResizeMove = 8;
constexpr std::uint32_t kMoveResizeCancel = 11;
constexpr std::uint32_t kSourceApplication = 1;

xcb_connection_t* X11Connection() {
  auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  return x11 ? x11->connection() : nullptr;
}

// Replaces the window's property with a list of atoms.
void SetAtoms(xcb_connection_t* connection, QWidget* window, xcb_atom_t property,
              const std::vector<xcb_atom_t>& atoms) {
  xcb_change_property(connection, XCB_PROP_MODE_REPLACE, static_cast<xcb_window_t>(window->winId()),
                      property, XCB_ATOM_ATOM, 32, static_cast<std::uint32_t>(atoms.size()),
                      atoms.data());
}

struct Pointer {
  int root_x = 0;
  int root_y = 0;
  int window_x = 0;
  int window_y = 0;
  bool primary_held = false;
};

// Where the pointer is and whether the primary button is down, at the server now.
std::optional<Pointer> PointerOf(xcb_connection_t* connection, QWidget* window) {
  xcb_query_pointer_reply_t* reply = xcb_query_pointer_reply(
      connection, xcb_query_pointer(connection, static_cast<xcb_window_t>(window->winId())),
      nullptr);
  if (!reply) return std::nullopt;
  const Pointer pointer{reply->root_x, reply->root_y, reply->win_x, reply->win_y,
                        (reply->mask & XCB_KEY_BUT_MASK_BUTTON_1) != 0};
  std::free(reply);
  return pointer;
}

// Whether the running window manager lists the atom among what it supports; a bare X server
// lists nothing.
bool Supports(xcb_connection_t* connection, xcb_atom_t supported, xcb_atom_t atom) {
  const std::vector<std::uint32_t> atoms =
      Property32(connection, RootOf(connection), supported, XCB_ATOM_ATOM);
  return std::find(atoms.begin(), atoms.end(), atom) != atoms.end();
}

void SendMoveResize(xcb_connection_t* connection, QWidget* window, xcb_atom_t move_resize,
                    std::array<std::uint32_t, 5> data) {
  xcb_client_message_event_t message{};
  message.response_type = XCB_CLIENT_MESSAGE;
  message.format = 32;
  message.window = static_cast<xcb_window_t>(window->winId());
  message.type = move_resize;
  std::copy(data.begin(), data.end(), message.data.data32);
  xcb_send_event(connection, 0, RootOf(connection),
                 XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                 reinterpret_cast<const char*>(&message));
  xcb_flush(connection);
}

}  // namespace

void MarkAsToolWindow(QWidget* window) {
  xcb_connection_t* connection = X11Connection();
  if (!connection) return;
  window->winId();
  enum { kType, kUtility, kState, kSkipTaskbar, kSkipPager };
  const std::vector<xcb_atom_t> atoms =
      Atoms(connection, {"_NET_WM_WINDOW_TYPE", "_NET_WM_WINDOW_TYPE_UTILITY", "_NET_WM_STATE",
                         "_NET_WM_STATE_SKIP_TASKBAR", "_NET_WM_STATE_SKIP_PAGER"});
  // A modal window keeps the dialog type that its modality asks for.
  if (window->windowType() != Qt::Dialog) {
    // Written now, and kept by Qt's plugin whenever it writes the type again.
    SetAtoms(connection, window, atoms[kType], {atoms[kUtility]});
    window->windowHandle()->setProperty(kX11WindowTypeProperty, kX11UtilityType);
  }
  // Qt merges its own states into what an unmapped window already holds.
  SetAtoms(connection, window, atoms[kState], {atoms[kSkipTaskbar], atoms[kSkipPager]});
}

void SetTakesFocus(QWidget* window, bool takes) {
  Qt::WindowFlags flags = window->windowFlags();
  if (flags.testFlag(Qt::WindowDoesNotAcceptFocus) == !takes) return;
  flags.setFlag(Qt::WindowDoesNotAcceptFocus, !takes);
  // Told to the window system directly: the widget's own route would hide the window.
  window->overrideWindowFlags(flags);
  if (QWindow* handle = window->windowHandle()) handle->setFlags(flags);
}

// Handed over on X11 by ourselves, not by Qt's own system move: Qt calls off every move it
// started as soon as it sees the button released, even one the window manager holds the pointer
// for, and a window manager that reads that request before the motions already queued for it
// (mutter, on a busy machine) never moves the window. The protocol asks a client to call a move
// off only when the release comes to the client itself, which ToolWindow does.
bool StartSystemMove(QWidget* window) {
  xcb_connection_t* connection = X11Connection();
  if (!connection) return window->windowHandle()->startSystemMove();
  const std::vector<xcb_atom_t> a = Atoms(connection, {"_NET_SUPPORTED", "_NET_WM_MOVERESIZE"});
  if (!Supports(connection, a[0], a[1])) return false;
  const std::optional<Pointer> pointer = PointerOf(connection, window);
  if (!pointer || !pointer->primary_held) return false;
  // The press's implicit grab would keep the pointer from the window manager.
  xcb_ungrab_pointer(connection, XCB_CURRENT_TIME);
  SendMoveResize(
      connection, window, a[1],
      {static_cast<std::uint32_t>(pointer->root_x), static_cast<std::uint32_t>(pointer->root_y),
       kMoveResizeMove, 1, kSourceApplication});
  return true;
}

bool SystemMoveOver(QWidget* window, unsigned long press_time) {
  xcb_connection_t* connection = X11Connection();
  if (!connection) return true;
  const std::optional<Pointer> pointer = PointerOf(connection, window);
  if (!pointer) return true;
  if (pointer->primary_held) return false;
  xcb_button_release_event_t release{};
  release.response_type = XCB_BUTTON_RELEASE;
  release.detail = 1;
  release.time = static_cast<xcb_timestamp_t>(press_time);
  release.root = RootOf(connection);
  release.event = static_cast<xcb_window_t>(window->winId());
  release.root_x = static_cast<std::int16_t>(pointer->root_x);
  release.root_y = static_cast<std::int16_t>(pointer->root_y);
  release.event_x = static_cast<std::int16_t>(pointer->window_x);
  release.event_y = static_cast<std::int16_t>(pointer->window_y);
  release.state = XCB_BUTTON_MASK_1;  // as the button stood before its release
  release.same_screen = 1;
  // Then a motion to where the pointer rests: until the release, every motion went to the
  // window whose title bar was pressed, and a hint waits for a motion that reaches the control
  // under the pointer. Qt drops a motion that does not move, so the release is reported one
  // pixel to the left of the pointer.
  xcb_motion_notify_event_t motion{};
  static_assert(sizeof motion == sizeof release);
  std::memcpy(&motion, &release, sizeof motion);
  motion.response_type = XCB_MOTION_NOTIFY;
  motion.detail = XCB_MOTION_NORMAL;
  motion.state = 0;
  release.root_x = static_cast<std::int16_t>(release.root_x - 1);
  release.event_x = static_cast<std::int16_t>(release.event_x - 1);
  // With no event mask, an event goes to the window's own client: this program.
  for (const void* event : {static_cast<const void*>(&release), static_cast<const void*>(&motion)})
    xcb_send_event(connection, 0, release.event, XCB_EVENT_MASK_NO_EVENT,
                   static_cast<const char*>(event));
  xcb_flush(connection);
  return true;
}

void CancelSystemMove(QWidget* window) {
  xcb_connection_t* connection = X11Connection();
  if (!connection) return;
  SendMoveResize(connection, window, Atom(connection, "_NET_WM_MOVERESIZE"),
                 {0, 0, kMoveResizeCancel, 0, kSourceApplication});
}

}  // namespace tessel::runtime::qt
