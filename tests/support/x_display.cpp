#include "tests/support/x_display.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <unistd.h>

#include <algorithm>

#include "runtime/qt/x11_property.h"

namespace tessel::testing {
namespace {

using runtime::qt::Property32;
using runtime::qt::PropertyText;

// Xlib's Atom is a type.
xcb_atom_t AtomNamed(xcb_connection_t* connection, const char* name) {
  return runtime::qt::Atom(connection, name);
}

}  // namespace

namespace {

// Windows come and go while we look at them: a request about one that has just gone fails,
// which is no reason to end the test.
int IgnoreError(Display*, XErrorEvent*) { return 0; }

}  // namespace

XDisplay::XDisplay() : display_(XOpenDisplay(nullptr)), properties_(xcb_connect(nullptr, nullptr)) {
  XSetErrorHandler(&IgnoreError);
}

void XDisplay::Sync() { XSync(display_, False); }

XDisplay::~XDisplay() {
  if (display_) XCloseDisplay(display_);
  xcb_disconnect(properties_);
}

bool XDisplay::connected() const {
  return display_ != nullptr && xcb_connection_has_error(properties_) == 0;
}

std::vector<std::uint32_t> XDisplay::Items(XWindowId window, const char* name, unsigned type) {
  return Property32(properties_, static_cast<xcb_window_t>(window), AtomNamed(properties_, name),
                    type);
}

std::string XDisplay::Text(XWindowId window, const char* name) {
  return PropertyText(properties_, static_cast<xcb_window_t>(window), AtomNamed(properties_, name),
                      AtomNamed(properties_, "UTF8_STRING"));
}

std::string XDisplay::WindowManager() {
  const auto check = Items(DefaultRootWindow(display_), "_NET_SUPPORTING_WM_CHECK", XA_WINDOW);
  if (check.empty()) return {};
  const std::string name = Text(check[0], "_NET_WM_NAME");
  return name.empty() ? "unnamed" : name;
}

void XDisplay::MovePointer(int x, int y) {
  XTestFakeMotionEvent(display_, -1, x, y, CurrentTime);
  XSync(display_, False);
}

void XDisplay::Click(int x, int y) {
  MovePointer(x, y);
  XTestFakeButtonEvent(display_, 1, True, CurrentTime);
  XTestFakeButtonEvent(display_, 1, False, CurrentTime);
  XSync(display_, False);
}

void XDisplay::PressButton(int x, int y) {
  MovePointer(x, y);
  XTestFakeButtonEvent(display_, 1, True, CurrentTime);
  XSync(display_, False);
}

void XDisplay::ReleaseButton(int x, int y) {
  MovePointer(x, y);
  XTestFakeButtonEvent(display_, 1, False, CurrentTime);
  XSync(display_, False);
}

void XDisplay::PressKeys(std::initializer_list<const char*> keys) {
  std::vector<KeyCode> codes;
  for (const char* key : keys) codes.push_back(XKeysymToKeycode(display_, XStringToKeysym(key)));
  for (const KeyCode code : codes) XTestFakeKeyEvent(display_, code, True, CurrentTime);
  for (auto it = codes.rbegin(); it != codes.rend(); ++it) {
    XTestFakeKeyEvent(display_, *it, False, CurrentTime);
  }
  XSync(display_, False);
}

bool XDisplay::PointerGrabbed() {
  const int result = XGrabPointer(display_, DefaultRootWindow(display_), False, 0, GrabModeAsync,
                                  GrabModeAsync, None, None, CurrentTime);
  if (result == GrabSuccess) XUngrabPointer(display_, CurrentTime);
  XSync(display_, False);
  return result == AlreadyGrabbed;
}

bool XDisplay::PointerTakenFrom(XWindowId window) {
  XSelectInput(display_, window, LeaveWindowMask | EnterWindowMask);
  XSync(display_, False);
  bool& away = pointer_away_[window];
  while (XPending(display_)) {
    XEvent event;
    XNextEvent(display_, &event);
    const bool crossing = event.type == LeaveNotify || event.type == EnterNotify;
    if (crossing && event.xcrossing.window == window) away = event.type == LeaveNotify;
  }
  return away;
}

void XDisplay::SendDeleteWindow(XWindowId window) {
  XEvent event{};
  event.xclient.type = ClientMessage;
  event.xclient.window = window;
  event.xclient.message_type = XInternAtom(display_, "WM_PROTOCOLS", False);
  event.xclient.format = 32;
  event.xclient.data.l[0] = static_cast<long>(XInternAtom(display_, "WM_DELETE_WINDOW", False));
  event.xclient.data.l[1] = CurrentTime;
  XSendEvent(display_, window, False, NoEventMask, &event);
  XSync(display_, False);
}

bool XDisplay::Viewable(XWindowId window) {
  XWindowAttributes attributes{};
  return XGetWindowAttributes(display_, window, &attributes) && attributes.map_state == IsViewable;
}

XWindowInfo XDisplay::Placement(XWindowId window) {
  XWindowAttributes attributes{};
  if (!XGetWindowAttributes(display_, window, &attributes)) return {};
  int x = 0, y = 0;
  Window child = 0;
  XTranslateCoordinates(display_, window, DefaultRootWindow(display_), 0, 0, &x, &y, &child);
  return {window, {}, x, y, attributes.width, attributes.height};
}

bool XDisplay::AwaitMoveFrom(XWindowId window, int x, int y, int timeout_ms) {
  for (int waited = 0; waited <= timeout_ms; waited += 5) {
    const XWindowInfo now = Placement(window);
    if (now.x != x || now.y != y) return true;
    usleep(5000);
  }
  return false;
}

XWindowId XDisplay::TransientFor(XWindowId window) {
  Window owner = None;
  if (!XGetTransientForHint(display_, window, &owner)) return 0;
  return owner;
}

std::vector<std::string> XDisplay::NetWmState(XWindowId window) {
  std::vector<std::string> names;
  for (const std::uint32_t atom : Items(window, "_NET_WM_STATE", XA_ATOM)) {
    char* name = XGetAtomName(display_, atom);
    names.emplace_back(name ? name : "");
    if (name) XFree(name);
  }
  return names;
}

std::vector<std::uint32_t> XDisplay::NetWmIcon(XWindowId window) {
  return Items(window, "_NET_WM_ICON", XA_CARDINAL);
}

// _NET_WM_NAME, or the older WM_NAME where a window has none.
std::string XDisplay::TitleOf(XWindowId window) {
  if (std::string title = Text(window, "_NET_WM_NAME"); !title.empty()) return title;
  std::string title;
  char* name = nullptr;
  if (XFetchName(display_, window, &name) && name) {
    title = name;
    XFree(name);
  }
  return title;
}

// A titled, viewable window among the root's children, or the client a window manager's frame
// holds one level down.
void XDisplay::CollectTitled(XWindowId window, int depth, std::vector<XWindowInfo>& out) {
  Display* display = display_;
  XWindowAttributes attributes{};
  if (!XGetWindowAttributes(display, window, &attributes) || attributes.map_state != IsViewable) {
    return;
  }
  if (std::string title = TitleOf(window); !title.empty()) {
    int x = 0, y = 0;
    Window child = 0;
    XTranslateCoordinates(display, window, DefaultRootWindow(display), 0, 0, &x, &y, &child);
    out.push_back({window, std::move(title), x, y, attributes.width, attributes.height});
    return;
  }
  if (depth == 0) return;
  Window root = 0, parent = 0, *children = nullptr;
  unsigned int n = 0;
  if (!XQueryTree(display, window, &root, &parent, &children, &n)) return;
  for (unsigned int i = 0; i < n; ++i) CollectTitled(children[i], depth - 1, out);
  if (children) XFree(children);
}

std::vector<XWindowInfo> XDisplay::TitledWindows() {
  std::vector<XWindowInfo> found;
  Window root = 0, parent = 0, *children = nullptr;
  unsigned int n = 0;
  if (XQueryTree(display_, DefaultRootWindow(display_), &root, &parent, &children, &n)) {
    for (unsigned int i = 0; i < n; ++i) CollectTitled(children[i], 2, found);
    if (children) XFree(children);
  }
  return found;
}

std::vector<std::uint32_t> XDisplay::Pixels(const XWindowInfo& window) {
  const int screen_width = DisplayWidth(display_, DefaultScreen(display_));
  const int screen_height = DisplayHeight(display_, DefaultScreen(display_));
  const int x0 = std::max(window.x, 0), y0 = std::max(window.y, 0);
  const int x1 = std::min(window.x + window.width, screen_width);
  const int y1 = std::min(window.y + window.height, screen_height);
  std::vector<std::uint32_t> pixels;
  if (x1 <= x0 || y1 <= y0) return pixels;
  XImage* image =
      XGetImage(display_, DefaultRootWindow(display_), x0, y0, static_cast<unsigned>(x1 - x0),
                static_cast<unsigned>(y1 - y0), AllPlanes, ZPixmap);
  if (!image) return pixels;
  for (int y = 0; y < y1 - y0; ++y) {
    for (int x = 0; x < x1 - x0; ++x) {
      pixels.push_back(static_cast<std::uint32_t>(XGetPixel(image, x, y) & 0xFFFFFF));
    }
  }
  XDestroyImage(image);
  return pixels;
}

// _NET_WM_PING: the client sends the message back to the root window, where we listen.
bool XDisplay::Answers(XWindowId window, int timeout_ms) {
  const Atom protocols = XInternAtom(display_, "WM_PROTOCOLS", False);
  const Atom ping = XInternAtom(display_, "_NET_WM_PING", False);
  Atom* supported = nullptr;
  int count = 0;
  bool takes_pings = false;
  if (XGetWMProtocols(display_, window, &supported, &count)) {
    for (int i = 0; i < count; ++i) takes_pings = takes_pings || supported[i] == ping;
    XFree(supported);
  }
  if (!takes_pings) return true;
  const Window root = DefaultRootWindow(display_);
  // Clients answer with one mask or the other: Qt with StructureNotifyMask.
  XSelectInput(display_, root, SubstructureNotifyMask | StructureNotifyMask);
  static long serial = 0;
  const long stamp = ++serial;
  XEvent event{};
  event.xclient.type = ClientMessage;
  event.xclient.window = window;
  event.xclient.message_type = protocols;
  event.xclient.format = 32;
  event.xclient.data.l[0] = static_cast<long>(ping);
  event.xclient.data.l[1] = stamp;
  event.xclient.data.l[2] = static_cast<long>(window);
  XSendEvent(display_, window, False, NoEventMask, &event);
  XSync(display_, False);
  for (int waited = 0; waited <= timeout_ms; waited += 5) {
    while (XPending(display_)) {
      XEvent reply;
      XNextEvent(display_, &reply);
      if (reply.type == ClientMessage && reply.xclient.message_type == protocols &&
          static_cast<Atom>(reply.xclient.data.l[0]) == ping && reply.xclient.data.l[1] == stamp) {
        return true;
      }
    }
    usleep(5000);
  }
  return false;
}

XWindowId XDisplay::KeyboardFocus() {
  Window focus = None;
  int revert = 0;
  XGetInputFocus(display_, &focus, &revert);
  return focus;
}

XWindowId XDisplay::ActiveWindow() {
  const auto active = Items(DefaultRootWindow(display_), "_NET_ACTIVE_WINDOW", XA_WINDOW);
  return active.empty() ? KeyboardFocus() : active[0];
}

std::vector<XWindowId> XDisplay::StackingOrder() {
  const Window root = DefaultRootWindow(display_);
  const auto managed = Items(root, "_NET_CLIENT_LIST_STACKING", XA_WINDOW);
  if (!managed.empty()) return {managed.begin(), managed.end()};
  // Nobody puts frames around the windows: the root's children are the clients themselves.
  std::vector<XWindowId> order;
  Window root_back = 0, parent = 0, *children = nullptr;
  unsigned int n = 0;
  if (XQueryTree(display_, root, &root_back, &parent, &children, &n)) {
    order.assign(children, children + n);
    if (children) XFree(children);
  }
  return order;
}

}  // namespace tessel::testing
