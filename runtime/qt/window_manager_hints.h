#pragma once

class QWidget;

namespace tessel::runtime::qt {

// What the window manager is told about our windows, so that its own rules give them the tool
// windows' behaviour: it moves, raises and activates them as it does every other window.

// A tool window: no task-bar or pager entry, and on X11 the utility type without an owner, which
// every window manager raises on a click. (Qt's own tool type makes the window transient for a
// hidden window of Qt's, and some window managers then never raise it over its siblings.)
// Before the window is first shown.
void MarkAsToolWindow(QWidget* window);

// A window that waits behind a modal window takes no focus from the window manager: a click on
// it leaves the keyboard with the modal window, even where the window manager would otherwise
// activate what was clicked. Qt hands the window manager's offer of the focus on to the modal
// window.
void SetTakesFocus(QWidget* window, bool takes);

// Hands a move of the window, while the button of a press that the window system saw is held
// down, to the window manager; false where none takes it. A move handed over after the button
// is up again would leave the window stuck to the pointer under some X11 window managers, so
// there it is handed over only while the button is still down.
bool StartSystemMove(QWidget* window);

// Whether the window manager's move of the window is over. On X11 that is when the primary
// button is up at the window system again; the release went to the window manager, and the
// toolkit, which saw the press, would go on believing the button down (which keeps hints from
// showing), so the window is then told of the release as the window system would have told it,
// with the press's time. Elsewhere the toolkit learns the end from the window system, and the
// move counts as over at once.
bool SystemMoveOver(QWidget* window, unsigned long press_time);

// The release came to the window after all: the window manager did not take the move in time.
// On X11 the move is called off, as the protocol asks of a client that sees the release itself;
// elsewhere there is nothing to call off.
void CancelSystemMove(QWidget* window);

}  // namespace tessel::runtime::qt
