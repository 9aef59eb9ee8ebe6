#!/usr/bin/python3
"""What a screen reader finds in tessel, read through AT-SPI as one would read it.

accessible_tree_test.py TESSEL EXPECTED_DIR [--write]

Starts the program on the current display with the accessibility bus of the current D-Bus
session, opens every window by pressing buttons through the accessibility action interface and
compares each window's accessible tree (role, name, description, states) with
EXPECTED_DIR/<window>.txt; --write writes those files instead. On the way it receives the change
event of a roll, presses a close box through the action interface, and makes sure that a window
behind the modal one refuses presses. Run it under dbus-run-session on an X server.
"""

import difflib
import os
import subprocess
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402

import pyatspi  # noqa: E402

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
from failures import fail, status  # noqa: E402

# The focus and the active window follow the window system's timing, not the program's.
UNSTABLE_STATES = {"focused", "active"}


def pump(until, timeout, what):
    """Runs the event loop of this client until until() holds; fails the test when it never does."""
    deadline = time.monotonic() + timeout
    context = GLib.MainContext.default()
    while True:
        while context.pending():
            context.iteration(False)
        result = until()
        if result:
            return result
        if time.monotonic() > deadline:
            raise TimeoutError("waited %.0f s for %s" % (timeout, what))
        time.sleep(0.02)


def states(acc):
    names = {s.value_nick for s in acc.get_state_set().get_states()}
    return sorted(names - UNSTABLE_STATES)


def showing(acc):
    return acc.get_state_set().contains(Atspi.StateType.SHOWING)


def dump(acc, depth=0, face_of=None):
    name = acc.get_name()
    if face_of is not None and acc.get_role_name() == "label" and name.isdigit():
        # The result label shows a roll: what is compared is that it shows a face of this die.
        if not 1 <= int(name) <= face_of:
            fail("a die with %d sides shows '%s'" % (face_of, name))
        name = "<face 1 to %d>" % face_of
    line = '%s%s "%s" "%s" %s' % (
        "  " * depth,
        acc.get_role_name(),
        name,
        acc.get_description(),
        " ".join(states(acc)),
    )
    lines = [line.rstrip()]
    for c in children(acc):
        lines += dump(c, depth + 1, face_of)
    return lines


def children(acc):
    # A window that has just gone may leave a hole until the program says so.
    found = [acc.get_child_at_index(i) for i in range(acc.get_child_count())]
    return [c for c in found if c is not None]


def find_application(pid):
    def look():
        desktop = Atspi.get_desktop(0)
        for app in children(desktop):
            try:
                if app is not None and app.get_process_id() == pid:
                    return app
            except GLib.Error:
                pass  # an application going away as it is asked
        return None

    return pump(look, 20, "the program on the accessibility bus")


def window(app, role, name=None, timeout=10):
    """The showing window of that role and name; of any name where none is given."""
    def look():
        for w in children(app):
            if w.get_role_name() == role and name in (None, w.get_name()) and showing(w):
                return w
        return None

    return pump(look, timeout, "the %s '%s'" % (role, name or "of any name"))


def gone(app, name):
    pump(
        lambda: not any(w.get_name() == name and showing(w) for w in children(app)),
        10,
        "'%s' to go" % name,
    )


def child(parent, role, name):
    for c in children(parent):
        if c.get_role_name() == role and c.get_name() == name:
            return c
    raise LookupError("no %s '%s' in '%s'" % (role, name, parent.get_name()))


def press(acc):
    action = acc.get_action_iface()
    if action is None:
        raise LookupError("'%s' has no action interface" % acc.get_name())
    names = [action.get_action_name(i) for i in range(action.get_n_actions())]
    if "Press" not in names:
        raise LookupError("'%s' offers %s, no Press" % (acc.get_name(), names))
    action.do_action(names.index("Press"))


def compare(win, file_name, expected_dir, write, face_of=None):
    lines = dump(win, face_of=face_of)
    path = os.path.join(expected_dir, file_name)
    if write:
        with open(path, "w", encoding="utf-8") as f:
            f.write("\n".join(lines) + "\n")
        print("wrote " + path)
        return
    with open(path, encoding="utf-8") as f:
        expected = f.read().splitlines()
    if lines != expected:
        diff = difflib.unified_diff(expected, lines, path, "as read", lineterm="")
        fail("the tree of '%s' differs:\n%s" % (win.get_name(), "\n".join(diff)))


def roll_is_announced(die):
    """Rolls until the face changes (a roll may repeat it) and expects that change as an event."""
    result = [c for c in children(die) if c.get_role_name() == "label"][0]
    roll = child(die, "push button", "Klick mich!")
    heard = []

    # A screen reader speaks the source's name when told it changed.
    def listener(event):
        heard.append(event.source)

    pyatspi.Registry.registerEventListener(listener, "object:property-change:accessible-name")
    try:
        for _ in range(20):
            before = result.get_name()
            heard.clear()
            press(roll)
            try:
                pump(lambda: result.get_name() != before, 1.5, "a new face")
            except TimeoutError:
                continue  # the same face again: nothing changed, nothing to announce
            face = result.get_name()
            pump(lambda: result in heard, 5, "the roll's change event")
            if not face.isdigit() or not 1 <= int(face) <= 6:
                fail("the six-sided die shows '%s'" % face)
            return
        fail("twenty rolls never changed the face")
    finally:
        pyatspi.Registry.deregisterEventListener(listener, "object:property-change:accessible-name")


def main():
    if len(sys.argv) < 3:
        print(__doc__, file=sys.stderr)
        return 2
    program, expected_dir = sys.argv[1], sys.argv[2]
    write = "--write" in sys.argv[3:]

    # Starts the accessibility bus before the program, which then finds it running.
    Atspi.get_desktop(0)
    env = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    proc = subprocess.Popen([program], env=env)
    try:
        app = find_application(proc.pid)
        # Every question goes to the program: nothing read is an answer kept from before.
        app.set_cache_mask(Atspi.Cache.NONE)
        # Alone at first: its name is compared with the rest of its tree.
        start = window(app, "frame")
        compare(start, "WStart.txt", expected_dir, write)

        press(child(start, "push button", "6er Tessel"))
        w6 = window(app, "frame", "6er Tessel")
        compare(w6, "W6Form.txt", expected_dir, write, face_of=6)
        roll_is_announced(w6)

        press(child(start, "push button", "20er Tessel"))
        w20 = window(app, "frame", "20er Tessel")
        compare(w20, "W20Form.txt", expected_dir, write, face_of=20)
        press(child(w20, "push button", "Schließen"))
        gone(app, "20er Tessel")

        press(child(start, "push button", "Info ..."))
        about = window(app, "dialog", "About ...")
        compare(about, "InfoFR.txt", expected_dir, write)
        # Behind the modal window nothing takes a press, neither the mouse's nor this one.
        six = child(start, "push button", "6er Tessel")
        if "sensitive" in states(six):
            fail("'6er Tessel' reads as sensitive behind the modal window")
        press(child(w6, "push button", "Schließen"))
        time.sleep(0.3)  # a press that gets through would have closed it by now
        window(app, "frame", "6er Tessel", timeout=1)
        press(child(about, "push button", "OK"))
        gone(app, "About ...")

        press(child(w6, "push button", "Beenden"))
        gone(app, "6er Tessel")
        press(child(start, "push button", "Beenden"))
        ended = proc.wait(timeout=10)
        if ended != 0:
            fail("the program ended with status %d" % ended)
    finally:
        if proc.poll() is None:
            proc.kill()
            proc.wait()
    return status()


if __name__ == "__main__":
    sys.exit(main())
