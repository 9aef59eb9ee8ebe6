#include "runtime/qt/x11_property.h"

#include <cstdlib>
#include <cstring>
#include <memory>

namespace tessel::runtime::qt {
namespace {

using Reply = std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)>;

// The property's value in one piece: the server sends no more than this many 32-bit units.
constexpr std::uint32_t kWholeValue = 1u << 24;

Reply GetProperty(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t property,
                  xcb_atom_t type) {
  xcb_generic_error_t* error = nullptr;
  Reply reply(xcb_get_property_reply(
                  connection,
                  xcb_get_property(connection, 0, window, property, type, 0, kWholeValue), &error),
              &std::free);
  std::free(error);
  return reply;
}

}  // namespace

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

xcb_window_t RootOf(xcb_connection_t* connection) {
  return xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
}

std::vector<std::uint32_t> Property32(xcb_connection_t* connection, xcb_window_t window,
                                      xcb_atom_t property, xcb_atom_t type) {
  const Reply reply = GetProperty(connection, window, property, type);
  if (!reply || reply->format != 32) return {};
  const auto* items = static_cast<const std::uint32_t*>(xcb_get_property_value(reply.get()));
  return {items, items + xcb_get_property_value_length(reply.get()) / 4};
}

std::string PropertyText(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t property,
                         xcb_atom_t type) {
  const Reply reply = GetProperty(connection, window, property, type);
  if (!reply || reply->format != 8) return {};
  const auto* text = static_cast<const char*>(xcb_get_property_value(reply.get()));
  return {text, static_cast<std::size_t>(xcb_get_property_value_length(reply.get()))};
}

}  // namespace tessel::runtime::qt
