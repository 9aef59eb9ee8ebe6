#include "tests/desktop/x_display.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

namespace tessel::testing {
namespace {

// One property of 32-bit items, as Xlib hands them over: in longs.
std::vector<unsigned long> Property(Display* display, Window window, const char* name, Atom type) {
  Atom actual_type = 0;
  int format = 0;
  unsigned long count = 0, remaining = 0;
  unsigned char* data = nullptr;
  const Atom property = XInternAtom(display, name, False);
  std::vector<unsigned long> items;
  if (XGetWindowProperty(display, window, property, 0, 1 << 24, False, type, &actual_type, &format,
                         &count, &remaining, &data) == Success &&
      data && format == 32) {
    const auto* longs = reinterpret_cast<const unsigned long*>(data);
    items.assign(longs, longs + count);
  }
  if (data) XFree(data);
  return items;
}

}  // namespace

XDisplay::XDisplay() : display_(XOpenDisplay(nullptr)) {}

XDisplay::~XDisplay() {
  if (display_) XCloseDisplay(display_);
}

std::string XDisplay::WindowManager() {
  const Window root = DefaultRootWindow(display_);
  const auto check = Property(display_, root, "_NET_SUPPORTING_WM_CHECK", XA_WINDOW);
  if (check.empty()) return {};
  Atom type = 0;
  int format = 0;
  unsigned long count = 0, remaining = 0;
  unsigned char* data = nullptr;
  std::string name;
  if (XGetWindowProperty(display_, check[0], XInternAtom(display_, "_NET_WM_NAME", False), 0, 256,
                         False, XInternAtom(display_, "UTF8_STRING", False), &type, &format, &count,
                         &remaining, &data) == Success &&
      data) {
    name.assign(reinterpret_cast<const char*>(data), count);
  }
  if (data) XFree(data);
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

void XDisplay::PressKeys(std::initializer_list<const char*> keys) {
  std::vector<KeyCode> codes;
  for (const char* key : keys) codes.push_back(XKeysymToKeycode(display_, XStringToKeysym(key)));
  for (const KeyCode code : codes) XTestFakeKeyEvent(display_, code, True, CurrentTime);
  for (auto it = codes.rbegin(); it != codes.rend(); ++it) {
    XTestFakeKeyEvent(display_, *it, False, CurrentTime);
  }
  XSync(display_, False);
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
  return XGetWindowAttributes(display_, window, &attributes) &&
         attributes.map_state == IsViewable;
}

XWindowId XDisplay::TransientFor(XWindowId window) {
  Window owner = None;
  if (!XGetTransientForHint(display_, window, &owner)) return 0;
  return owner;
}

std::vector<std::string> XDisplay::NetWmState(XWindowId window) {
  std::vector<std::string> names;
  for (const unsigned long atom : Property(display_, window, "_NET_WM_STATE", XA_ATOM)) {
    char* name = XGetAtomName(display_, atom);
    names.emplace_back(name ? name : "");
    if (name) XFree(name);
  }
  return names;
}

std::vector<std::uint32_t> XDisplay::NetWmIcon(XWindowId window) {
  std::vector<std::uint32_t> icon;
  for (const unsigned long item : Property(display_, window, "_NET_WM_ICON", XA_CARDINAL)) {
    icon.push_back(static_cast<std::uint32_t>(item));
  }
  return icon;
}

XWindowId XDisplay::KeyboardFocus() {
  Window focus = None;
  int revert = 0;
  XGetInputFocus(display_, &focus, &revert);
  return focus;
}

XWindowId XDisplay::ActiveWindow() {
  const auto active =
      Property(display_, DefaultRootWindow(display_), "_NET_ACTIVE_WINDOW", XA_WINDOW);
  return active.empty() ? KeyboardFocus() : active[0];
}

std::vector<XWindowId> XDisplay::StackingOrder() {
  const Window root = DefaultRootWindow(display_);
  const auto managed = Property(display_, root, "_NET_CLIENT_LIST_STACKING", XA_WINDOW);
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
