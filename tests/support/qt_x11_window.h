#pragma once

#include <string>

class QWidget;

namespace tessel::runtime::qt {

// What the X server holds about one of the program's top-level windows, asked on Qt's own
// connection, so that the server has taken every request Qt made before. Where Qt draws on no X
// server, Qt's own state is all there is and both answer yes.

// Empty once the window is on the screen, taken over by the window manager where one runs (it
// has given the window its WM_STATE), and at the place and size that Qt reports: the window
// manager has placed it and Qt has heard where. Otherwise what is missing, in words.
std::string NotYetPlaced(QWidget& window);

// The window holds the X server's keyboard focus and, where a window manager keeps an active
// window (_NET_ACTIVE_WINDOW), is that window.
bool ActiveOnTheServer(QWidget& window);

}  // namespace tessel::runtime::qt
