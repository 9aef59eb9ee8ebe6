#pragma once

#include <xcb/xcb.h>

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

// The one reader of what the X server holds about windows, for the backend's window-manager hints
// and for the tests that ask the server what it holds.
namespace tessel::runtime::qt {

// The atoms of all the names, asked for together: one round trip to the server, not one each.
std::vector<xcb_atom_t> Atoms(xcb_connection_t* connection,
                              std::initializer_list<const char*> names);
xcb_atom_t Atom(xcb_connection_t* connection, const char* name);

xcb_window_t RootOf(xcb_connection_t* connection);

// One property of a window as the server holds it now, of that type: its 32-bit items (atoms,
// windows, cardinals), or its text. Empty where the window has none, or has just gone; that is
// no error here, so the server's error goes nowhere else either.
std::vector<std::uint32_t> Property32(xcb_connection_t* connection, xcb_window_t window,
                                      xcb_atom_t property, xcb_atom_t type);
std::string PropertyText(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t property,
                         xcb_atom_t type);

}  // namespace tessel::runtime::qt
