#include "runtime/qt/window_manager_hints.h"

#include <xcb/xcb.h>

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <vector>

namespace tessel::runtime::qt {
namespace {

// Qt's X11 plugin reads this property of a window each time it writes the window's type, so the
// type survives every later change of the window's flags. The value is its bit for the utility
// type.
constexpr char kX11WindowTypeProperty[] = "_q_xcb_wm_window_type";
constexpr int kX11UtilityType = 0x20;

constexpr std::uint32_t kMoveResizeCancel = 11;

xcb_connection_t* X11Connection() {
  auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  return x11 ? x11->connection() : nullptr;
}

// The atoms of all the names, asked for together: one round trip to the server, not one each.
std::vector<xcb_atom_t> Atoms(xcb_connection_t* connection,
                              std::initializer_list<const char*> names) {
  std::vector<xcb_intern_atom_cookie_t> cookies;
  for (const char* name : names) {
    cookies.push_back(
        xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name));
  }
  std::vector<xcb_atom_t> atoms;
  for (const xcb_intern_atom_cookie_t cookie : cookies) {
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(connection, cookie, nullptr);
    atoms.push_back(reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE});
    std::free(reply);
  }
  return atoms;
}

xcb_atom_t Atom(xcb_connection_t* connection, const char* name) {
  return Atoms(connection, {name}).front();
}

xcb_window_t RootWindow(xcb_connection_t* connection) {
  return xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
}

// Replaces the window's property with a list of atoms.
void SetAtoms(xcb_connection_t* connection, QWidget* window, xcb_atom_t property,
              const std::vector<xcb_atom_t>& atoms) {
  xcb_change_property(connection, XCB_PROP_MODE_REPLACE, static_cast<xcb_window_t>(window->winId()),
                      property, XCB_ATOM_ATOM, 32, static_cast<std::uint32_t>(atoms.size()),
                      atoms.data());
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

bool PrimaryButtonHeld(QWidget* window) {
  xcb_connection_t* connection = X11Connection();
  if (!connection) return true;
  xcb_query_pointer_reply_t* pointer = xcb_query_pointer_reply(
      connection, xcb_query_pointer(connection, static_cast<xcb_window_t>(window->winId())),
      nullptr);
  const bool held = pointer && (pointer->mask & XCB_KEY_BUT_MASK_BUTTON_1) != 0;
  std::free(pointer);
  return held;
}

bool StartSystemMove(QWidget* window) {
  return PrimaryButtonHeld(window) && window->windowHandle()->startSystemMove();
}

void CancelSystemMove(QWidget* window) {
  xcb_connection_t* connection = X11Connection();
  if (!connection) return;
  xcb_client_message_event_t message{};
  message.response_type = XCB_CLIENT_MESSAGE;
  message.format = 32;
  message.window = static_cast<xcb_window_t>(window->winId());
  message.type = Atom(connection, "_NET_WM_MOVERESIZE");
  message.data.data32[2] = kMoveResizeCancel;
  xcb_send_event(connection, 0, RootWindow(connection),
                 XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                 reinterpret_cast<const char*>(&message));
  xcb_flush(connection);
}

}  // namespace tessel::runtime::qt
