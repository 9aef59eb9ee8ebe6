#!/usr/bin/python3
"""The program on GNOME's and KDE's compositors, driven through the compositor as a hand does.

compositor_test.py TESSEL [KWIN_FAKE_INPUT]

Runs in a session of wayland-session.sh, which names the compositor in TESSEL_COMPOSITOR. Every
click, drag and key goes through the compositor itself: mutter's remote-desktop D-Bus interface,
or kwin's fake-input protocol through the helper KWIN_FAKE_INPUT. The program runs twice, once on
XWayland (what it picks where DISPLAY is set, as on every default GNOME and KDE session) and once
on Wayland alone. Where a window stands, and which lies on top, comes from XWayland on X11; on
Wayland alone from the compositor: from mutter's screen cast, in which the windows' frames are
found, and from a script that kwin runs. The cases go on from one another on one run of the
program. Prints a line for each case and ends with "N passed, N failed".
"""

import os
import re
import subprocess
import sys
import time

import gi

gi.require_version("Gio", "2.0")
from gi.repository import Gio, GLib  # noqa: E402

try:
    gi.require_version("Gst", "1.0")
    from gi.repository import Gst  # noqa: E402
except (ValueError, ImportError):
    Gst = None

SCREEN = (1024, 768)
# Linux input codes, as both compositors take them.
BTN_LEFT = 0x110
KEY_ENTER, KEY_LEFTALT, KEY_LEFTSHIFT, KEY_F4 = 28, 56, 42, 62

# The windows by outer width, which tells them apart, their captions and outer heights.
WINDOWS = {
    "WStart": (404, "Tessel 98   V1.1   (29.05.1998)", 49),
    "W6Form": (174, "6er Tessel", 182),
    "W20Form": (230, "20er Tessel", 182),
    "InfoFR": (340, "About ...", 164),
}
# Points in the client areas, from the windows' descriptions (left, top of the client area is
# 3, 19 pixels into the window).
CONTROLS = {
    ("WStart", "w6Select"): (4 + 50, 4 + 10),
    ("WStart", "W20Select"): (104 + 54, 4 + 10),
    ("WStart", "InfoSelect"): (332 + 32, 4 + 10),
    ("W6Form", "Click"): (84 + 40, 4 + 55),
    ("W6Form", "W6Print"): (4 + 36, 4 + 67),
    ("W20Form", "Click"): (140 + 40, 4 + 55),
}
CLIENT_ORIGIN = (3, 19)
GRIP = (30, 10)  # a point of the title bar, clear of the caption's end and the close box
SET_OFF = 16  # how far a drag goes slowly at first, past Qt's drag distance of 10 pixels


def close_box(window):
    width = WINDOWS[window][0]
    return (width - 11, 11)


def poll(until, timeout, interval=0.05):
    """until()'s first true answer within the time, or its last answer."""
    deadline = time.monotonic() + timeout
    while True:
        answer = until()
        if answer or time.monotonic() > deadline:
            return answer
        time.sleep(interval)


class Bus:
    """Calls on the session's D-Bus."""

    def __init__(self):
        self.connection = Gio.bus_get_sync(Gio.BusType.SESSION)

    def call(self, name, path, interface, method, args=None, reply=None, fds=None):
        reply_type = GLib.VariantType(reply) if reply else None
        if fds is None:
            return self.connection.call_sync(
                name, path, interface, method, args, reply_type, 0, 10000, None
            )
        return self.connection.call_with_unix_fd_list_sync(
            name, path, interface, method, args, reply_type, 0, 10000, fds, None
        )


class MutterHand:
    """Input through mutter's remote-desktop session. Absolute pointer motion is given in the
    coordinates of a screen cast of the monitor, which is also where pictures of the screen
    come from."""

    RD = "org.gnome.Mutter.RemoteDesktop"
    SC = "org.gnome.Mutter.ScreenCast"

    def __init__(self, bus):
        self.bus = bus
        self.session = bus.call(
            self.RD, "/org/gnome/Mutter/RemoteDesktop", self.RD, "CreateSession", reply="(o)"
        )[0]
        session_id = bus.call(
            self.RD,
            self.session,
            "org.freedesktop.DBus.Properties",
            "Get",
            GLib.Variant("(ss)", (self.RD + ".Session", "SessionId")),
            "(v)",
        )[0]
        cast = bus.call(
            self.SC,
            "/org/gnome/Mutter/ScreenCast",
            self.SC,
            "CreateSession",
            GLib.Variant("(a{sv})",
                         ({"remote-desktop-session-id": GLib.Variant("s", session_id)},)),
            "(o)",
        )[0]
        # The empty name is the primary monitor.
        self.stream = bus.call(
            self.SC, cast, self.SC + ".Session", "RecordMonitor",
            GLib.Variant("(sa{sv})", ("", {})), "(o)",
        )[0]
        nodes = []
        bus.connection.signal_subscribe(
            None, self.SC + ".Stream", "PipeWireStreamAdded", self.stream, None, 0,
            lambda *signal: nodes.append(signal[5][0]),
        )
        self.remote("Start")
        context = GLib.MainContext.default()
        deadline = time.monotonic() + 10
        while not nodes and time.monotonic() < deadline:
            context.iteration(False) or time.sleep(0.01)
        if not nodes:
            raise RuntimeError("mutter started no screen cast")
        self.node = nodes[0]
        self.cast, self.picture = None, None
        # The first key of a session arrived here without its press.
        self.key(KEY_LEFTSHIFT, True)
        self.key(KEY_LEFTSHIFT, False)

    def remote(self, method, args=None):
        self.bus.call(self.RD, self.session, self.RD + ".Session", method, args)

    def move(self, x, y):
        self.remote("NotifyPointerMotionAbsolute", GLib.Variant("(sdd)", (self.stream, x, y)))

    def button(self, pressed):
        self.remote("NotifyPointerButton", GLib.Variant("(ib)", (BTN_LEFT, pressed)))

    def key(self, code, pressed):
        self.remote("NotifyKeyboardKeycode", GLib.Variant("(ub)", (code, pressed)))

    def screen(self):
        """The screen as the monitor's screen cast shows it: rows of BGRx pixels. mutter sends a
        picture whenever the screen changes; the newest one is kept."""
        if self.cast is None:
            self.cast = Gst.parse_launch(
                "pipewiresrc path=%d ! video/x-raw,format=BGRx,width=%d,height=%d "
                "! appsink name=newest max-buffers=1 drop=true sync=false"
                % ((self.node,) + SCREEN)
            )
            self.cast.set_state(Gst.State.PLAYING)
        newest = self.cast.get_by_name("newest")
        # The first picture may take a moment; after that, none new means no change.
        wait = 10 * Gst.SECOND if self.picture is None else 0
        sample = newest.emit("try-pull-sample", wait)
        if sample is not None:
            buffer = sample.get_buffer()
            self.picture = buffer.extract_dup(0, buffer.get_size())
        if self.picture is None:
            raise RuntimeError("mutter's screen cast sent no picture")
        return self.picture

    def close(self):
        if self.cast is not None:
            self.cast.set_state(Gst.State.NULL)


class KwinHand:
    """Input through kwin's fake-input protocol, by the helper."""

    def __init__(self, bus, helper):
        self.bus = bus
        self.helper = subprocess.Popen(
            [helper], stdin=subprocess.PIPE, stdout=subprocess.PIPE, text=True, bufsize=1
        )

    def send(self, line):
        self.helper.stdin.write(line + "\n")
        answer = self.helper.stdout.readline().strip()
        if answer != "ok":
            raise RuntimeError("kwin's fake input answered '%s' to '%s'" % (answer, line))

    def move(self, x, y):
        self.send("move %d %d" % (x, y))

    def button(self, pressed):
        self.send("press" if pressed else "release")

    def key(self, code, pressed):
        self.send("%s %d" % ("keydown" if pressed else "keyup", code))

    def close(self):
        self.helper.stdin.close()
        self.helper.wait(timeout=5)


class Hand:
    """What a hand does with a mouse and a keyboard, at a hand's pace."""

    def __init__(self, device):
        self.device = device
        self.at = (SCREEN[0] // 2, SCREEN[1] // 2)

    def move(self, x, y, steps=1, pause=0.016):
        x0, y0 = self.at
        for step in range(1, steps + 1):
            self.device.move(x0 + (x - x0) * step / steps, y0 + (y - y0) * step / steps)
            time.sleep(pause)
        self.at = (x, y)

    def press(self):
        self.device.button(True)
        time.sleep(0.08)

    def release(self):
        self.device.button(False)
        time.sleep(0.08)

    def click(self, x, y):
        self.move(x, y)
        time.sleep(0.05)
        self.press()
        self.release()

    def keys(self, *codes):
        for code in codes:
            self.device.key(code, True)
            time.sleep(0.03)
        for code in reversed(codes):
            self.device.key(code, False)
            time.sleep(0.03)


class X11Eyes:
    """Where XWayland has the program's windows, and their stacking, by the X server."""

    def __init__(self):
        self.ids = {}

    def places(self):
        tree = subprocess.run(
            ["xwininfo", "-root", "-tree"], capture_output=True, text=True, check=True
        ).stdout
        found = {}
        for window, (width, caption, _) in WINDOWS.items():
            match = re.search(
                r"(0x[0-9a-f]+) \"%s\": .* (\d+)x(\d+)[+-]-?\d+[+-]-?\d+ +\+?(-?\d+)\+?(-?\d+)"
                % re.escape(caption),
                tree,
            )
            if match and int(match.group(2)) == width:
                self.ids[int(match.group(1), 16)] = window
                found[window] = (int(match.group(4)), int(match.group(5)))
        return found

    def place(self, window):
        return self.places().get(window)

    @staticmethod
    def taken(_window):
        return True  # the window manager starts from where the program says the pointer was

    def in_front(self, window, others):
        """Whether the window lies above the others, by the compositor's stacking."""
        self.places()
        listing = subprocess.run(
            ["xprop", "-root", "_NET_CLIENT_LIST_STACKING"], capture_output=True, text=True
        ).stdout
        order = [self.ids.get(int(i, 16)) for i in re.findall(r"0x[0-9a-f]+", listing)]
        if window not in order:
            return False
        return all(o not in order or order.index(o) < order.index(window) for o in others)


class ScreenEyes:
    """Where the compositor shows the program's windows, found in its picture of the screen by
    their frames: a face-grey line, then a white one as long as the window is wide less three
    pixels, ended by the grey and black of the right edge."""

    FACE, LIGHT, SHADOW, DARK = b"\xc0\xc0\xc0", b"\xff\xff\xff", b"\x80\x80\x80", b"\x00\x00\x00"

    def __init__(self, device):
        self.device = device
        self.seen = {}

    @staticmethod
    def taken(_window):
        return True  # mutter starts from where the button was pressed

    def rgb(self):
        screen = self.device.screen()
        keep = os.environ.get("COMPOSITOR_TEST_SCREENS")
        if keep:
            self.shots = getattr(self, "shots", 0) + 1
            with open(os.path.join(keep, "screen-%03d.bgrx" % self.shots), "wb") as f:
                f.write(screen)
        pixels = bytearray(screen)
        del pixels[3::4]
        return bytes(pixels)

    def corners(self, rgb):
        """Each window whose top edge shows whole, by its top-left corner; the top-left corners
        whose top edge the screen's right edge cuts, with how much of it shows; and every
        top-left corner, whole or not."""
        row = SCREEN[0] * 3
        found, cut, corners = {}, [], set()
        start = 0
        lead = self.FACE + self.LIGHT * 8
        while True:
            at = rgb.find(lead, start)
            if at < 0:
                return found, cut, corners
            start = at + 3
            y, x = divmod(at // 3, SCREEN[0])
            if at % 3 or y < 1 or rgb[at - row:at - row + 3] != self.FACE:
                continue
            corners.add((x, y - 1))
            run = 0
            while x + 1 + run < SCREEN[0] and rgb[at + 3 + run * 3:at + 6 + run * 3] == self.LIGHT:
                run += 1
            end = at + 3 + run * 3
            if x + 1 + run == SCREEN[0]:
                cut.append(((x, y - 1), run + 1))
            elif rgb[end:end + 6] == self.SHADOW + self.DARK:
                for window, (width, _, _) in WINDOWS.items():
                    if width == run + 3:
                        found[window] = (x, y - 1)

    def place(self, window, rgb=None):
        """Where the window's top-left corner is: its top edge whole, or the one top edge that
        the screen's edge cuts, where the window is wide enough for that; or, where another
        window covers some of its top edge, the corner still at the place it was last seen."""
        rgb = rgb or self.rgb()
        found, cut, corners = self.corners(rgb)
        fits = [corner for corner, shown in cut if WINDOWS[window][0] > shown]
        if window in found:
            self.seen[window] = found[window]
        elif len(fits) == 1:
            self.seen[window] = fits[0]
        elif window in self.seen:
            last = self.seen[window]
            if last not in corners and not self.right_end_at(rgb, last, WINDOWS[window][0]):
                del self.seen[window]
        return self.seen.get(window)

    def right_end_at(self, rgb, corner, width):
        """Whether the right end of a top edge of that width shows at the corner: white, then
        the grey and black of the right edge."""
        x, y = corner[0] + width - 10, corner[1] + 1
        if not (0 <= x and x + 10 <= SCREEN[0] and 1 <= y < SCREEN[1]):
            return False
        at = (y * SCREEN[0] + x) * 3
        return rgb[at:at + 30] == self.LIGHT * 8 + self.SHADOW + self.DARK

    def in_front(self, window, others):
        """Whether nothing covers the window: its frame's outer edges show whole, wherever they
        are on the screen."""
        del others  # whatever covers it, the picture shows
        rgb = self.rgb()
        place = self.place(window, rgb)
        if place is None:
            return False
        (x0, y0), (width, _, height) = place, WINDOWS[window]
        edges = [((x, y0), self.FACE) for x in range(x0, x0 + width - 1)]
        edges += [((x0, y), self.FACE) for y in range(y0, y0 + height - 1)]
        edges += [((x, y0 + height - 1), self.DARK) for x in range(x0, x0 + width)]
        edges += [((x0 + width - 1, y), self.DARK) for y in range(y0, y0 + height)]
        for (x, y), colour in edges:
            if 0 <= x < SCREEN[0] and 0 <= y < SCREEN[1]:
                at = (y * SCREEN[0] + x) * 3
                if rgb[at:at + 3] != colour:
                    return False
        return True


class KwinEyes:
    """Where kwin has the program's windows, and their stacking, as a script run inside kwin
    reads them and reports them back over D-Bus."""

    SCRIPT = """
var found = [];
var windows = workspace.clientList();
for (var i = 0; i < windows.length; ++i) {
  var w = windows[i];
  var g = w.frameGeometry;
  found.push([w.stackingOrder, g.x, g.y, g.width, g.height, w.move ? 1 : 0].join(" "));
}
callDBus("%s", "/", "org.tessel.Eyes", "Report", found.join("\\n"));
"""
    INTERFACE = Gio.DBusNodeInfo.new_for_xml(
        '<node><interface name="org.tessel.Eyes"><method name="Report">'
        '<arg type="s" direction="in"/></method></interface></node>'
    ).interfaces[0]

    def __init__(self, bus):
        self.bus = bus
        self.reports = []
        bus.connection.register_object("/", self.INTERFACE, self.on_report, None, None)
        self.script = os.path.join(os.environ["HOME"], "eyes.js")
        with open(self.script, "w", encoding="utf-8") as f:
            f.write(self.SCRIPT % bus.connection.get_unique_name())

    def on_report(self, _connection, _sender, _path, _interface, _method, args, invocation):
        self.reports.append(args.unpack()[0])
        invocation.return_value(None)

    def kwin(self, path, interface, method, args, reply):
        return self.bus.call("org.kde.KWin", path, interface, method, args, reply)

    def windows(self):
        """The program's windows, bottom first: (window, (x, y))."""
        self.reports.clear()
        scripting = ("/Scripting", "org.kde.kwin.Scripting")
        number = self.kwin(*scripting, "loadScript",
                           GLib.Variant("(ss)", (self.script, "tessel-eyes")), "(i)")[0]
        try:
            self.kwin("/%d" % number, "org.kde.kwin.Script", "run", None, None)
            context = GLib.MainContext.default()
            deadline = time.monotonic() + 10
            while not self.reports and time.monotonic() < deadline:
                context.iteration(False) or time.sleep(0.005)
        finally:
            self.kwin(*scripting, "unloadScript", GLib.Variant("(s)", ("tessel-eyes",)), "(b)")
        if not self.reports:
            raise RuntimeError("kwin's script reported nothing")
        found = []
        self.moving = set()
        for line in self.reports[0].splitlines():
            order, x, y, width, height, moving = (int(float(v)) for v in line.split())
            for window, (w, _, h) in WINDOWS.items():
                if (w, h) == (width, height):
                    found.append((order, window, (x, y)))
                    if moving:
                        self.moving.add(window)
        return [(window, place) for _, window, place in sorted(found)]

    def taken(self, window):
        """Whether kwin is moving the window for the pointer."""
        self.windows()
        return window in self.moving

    def place(self, window):
        return dict(self.windows()).get(window)

    def in_front(self, window, others):
        order = [w for w, _ in self.windows()]
        if window not in order:
            return False
        return all(o not in order or order.index(o) < order.index(window) for o in others)


def grip_slack(compositor, platform):
    """How far off the grip a drag may leave the window. The program hands the move over only
    once the pointer has gone Qt's drag distance with the button down; kwin on Wayland then
    starts its move from where the pointer is when it takes it over, not from the press, and the
    window lags by how far the pointer went until then: at most the hand's slow start. Everywhere
    else the grip is kept, within rounding."""
    return SET_OFF if (compositor, platform) == ("kwin", "wayland") else 2


class Program:
    def __init__(self, tessel, platform):
        env = dict(os.environ)
        env.pop("QT_QPA_PLATFORM", None)
        if platform == "wayland":
            env.pop("DISPLAY", None)
        self.process = subprocess.Popen([tessel], env=env)

    def ended(self):
        return self.process.poll() is not None

    def stop(self):
        if self.process.poll() is None:
            self.process.kill()
        return self.process.wait()


class Run:
    """The cases, one after the other, on one run of the program."""

    def __init__(self, hand, eyes, program, label, grip_slack=2):
        self.hand, self.eyes, self.program, self.label = hand, eyes, program, label
        self.grip_slack = grip_slack
        self.passed, self.failed = 0, 0

    def report(self, case, fault, seconds):
        if fault:
            self.failed += 1
            print("FAIL %s, %s (%.1f s): %s" % (self.label, case, seconds, fault), flush=True)
        else:
            self.passed += 1
            print("PASS %s, %s (%.1f s)" % (self.label, case, seconds), flush=True)

    def place(self, window, timeout=10):
        return poll(lambda: self.eyes.place(window), timeout)

    def at(self, window, point):
        place = self.place(window)
        if place is None:
            raise LookupError("%s is not to be seen" % window)
        return (place[0] + point[0], place[1] + point[1])

    def click_control(self, window, control):
        x, y = CONTROLS[(window, control)]
        self.hand.click(*self.at(window, (CLIENT_ORIGIN[0] + x, CLIENT_ORIGIN[1] + y)))

    def open(self, button, window):
        self.click_control("WStart", button)
        if self.place(window) is None:
            raise LookupError("%s did not open" % window)

    def gone(self, window, timeout=5):
        return poll(lambda: self.eyes.place(window) is None, timeout)

    def drag(self, window, grip, to):
        """Presses the title bar at grip, moves to the point `to` at a hand's pace, lets go,
        and returns where the window then stands."""
        start = self.at(window, grip)
        self.hand.move(*start)
        time.sleep(0.05)
        self.hand.press()
        # A hand sets off slowly, past the drag distance, and holds there for the moment the
        # compositor takes the move over; then it goes faster.
        distance = max(abs(to[0] - start[0]), abs(to[1] - start[1]), 1)
        slow = min(SET_OFF / distance, 1)
        self.hand.move(start[0] + (to[0] - start[0]) * slow, start[1] + (to[1] - start[1]) * slow,
                       steps=8)
        if not poll(lambda: self.eyes.taken(window), 5):
            print("  %s: the compositor did not take the move of %s" % (self.label, window))
        self.hand.move(*to, steps=max(distance // 20, 4))
        time.sleep(0.1)
        self.hand.release()
        time.sleep(0.3)
        return self.place(window)

    def case(self, name, check):
        started = time.monotonic()
        try:
            fault = check()
        except Exception as error:  # pylint: disable=broad-except
            fault = "%s: %s" % (type(error).__name__, error)
        self.report(name, fault, time.monotonic() - started)
        return not fault

    def title_click_then_motion(self):
        before = self.place("WStart")
        if before is None:
            return "the start window is not to be seen"
        x, y = before[0] + GRIP[0], before[1] + GRIP[1]
        self.hand.move(x, y)
        time.sleep(0.05)
        self.hand.press()
        time.sleep(0.2)
        self.hand.release()
        self.hand.move(x + 160, y + 120, steps=40, pause=0.01)
        time.sleep(0.5)
        after = self.place("WStart")
        if after != before:
            return "the start window went from %s to %s with the pointer" % (before, after)
        self.open("w6Select", "W6Form")
        return None

    def drag_keeps_grip(self):
        start = self.place("W6Form")
        to = (start[0] + GRIP[0] + 200, start[1] + GRIP[1] + 100)
        after = self.drag("W6Form", GRIP, to)
        return self.grip_fault(after, to, "the drag")

    def drag_past_corner_and_back(self):
        self.drag("W6Form", GRIP, (1020, 760))
        to = (600, 400)
        after = self.drag("W6Form", GRIP, to)
        return self.grip_fault(after, to, "the drag back")

    def grip_fault(self, place, to, what):
        if place is None:
            return "after %s the window is not to be seen" % what
        off = (to[0] - GRIP[0] - place[0], to[1] - GRIP[1] - place[1])
        if off != (0, 0):
            print("  %s: %s off the grip by %s" % (self.label, what, off), flush=True)
        if max(abs(off[0]), abs(off[1])) > self.grip_slack:
            return "after %s to %s the window stands at %s, %s off the grip" % (
                what, to, place, off)
        return None

    def click_raises(self):
        self.open("W20Select", "W20Form")
        six = self.place("W6Form")
        # The twenty-sided window over the right part of the other's title bar.
        self.drag("W20Form", GRIP, (six[0] + 80 + GRIP[0], six[1] + GRIP[1]))
        clicks = [
            ("W6Form", lambda: self.click_control("W6Form", "W6Print")),
            ("W20Form", lambda: self.hand.click(*self.at("W20Form", (200, 10)))),
            ("W6Form", lambda: self.hand.click(*self.at("W6Form", GRIP))),
            ("W20Form", lambda: self.click_control("W20Form", "Click")),
        ]
        seen = []
        for expected, click in clicks:
            click()
            other = "W20Form" if expected == "W6Form" else "W6Form"
            if poll(lambda e=expected, o=other: self.eyes.in_front(e, [o]), 5):
                seen.append(expected)
            else:
                seen.append(other if self.eyes.in_front(other, [expected]) else "neither")
        wanted = [expected for expected, _ in clicks]
        return None if seen == wanted else "in front after each click: %s, not %s" % (seen, wanted)

    def about_keeps_keyboard(self):
        self.open("InfoSelect", "InfoFR")
        others = [w for w in WINDOWS if w != "InfoFR"]
        clicks = [
            ("the start window's title bar", lambda: self.hand.click(*self.at("WStart", GRIP))),
            ("the six-sided window's title bar",
             lambda: self.hand.click(*self.at("W6Form", GRIP))),
            ("the twenty-sided window's title bar",
             lambda: self.hand.click(*self.at("W20Form", (200, 10)))),
            ("a roll button", lambda: self.click_control("W6Form", "Click")),
            ("the other roll button", lambda: self.click_control("W20Form", "Click")),
            ("a result", lambda: self.click_control("W6Form", "W6Print")),
            ("the start window's button", lambda: self.click_control("WStart", "W20Select")),
        ]
        lapses = []
        for name, click in clicks:
            try:
                click()
            except LookupError as error:
                lapses.append("%s: %s" % (name, error))
                continue
            if not poll(lambda: self.eyes.in_front("InfoFR", others), 5):
                lapses.append("after a click on %s, not in front" % name)
        self.hand.keys(KEY_ENTER)
        if not self.gone("InfoFR"):
            lapses.append("Return did not close it")
        return "; ".join(lapses) or None

    def close_box_closes(self):
        # On top first, where the other die window covers none of its title bar.
        self.hand.click(*self.at("W6Form", GRIP))
        self.hand.click(*self.at("W6Form", close_box("W6Form")))
        return None if self.gone("W6Form") else "the six-sided window stayed open"

    def alt_f4_closes_and_ends(self):
        self.hand.click(*self.at("W20Form", GRIP))
        time.sleep(0.3)
        self.hand.keys(KEY_LEFTALT, KEY_F4)
        if not self.gone("W20Form"):
            return "Alt+F4 left the twenty-sided window open"
        self.hand.click(*self.at("WStart", GRIP))
        time.sleep(0.3)
        self.hand.keys(KEY_LEFTALT, KEY_F4)
        if not poll(self.program.ended, 10):
            return "Alt+F4 on the start window did not end the program"
        status = self.program.stop()
        return None if status == 0 else "the program ended with status %d" % status

    def all(self):
        if self.place("WStart", 30) is None:
            self.report("start", "the start window did not show within 30 s", 30)
            return
        for name, check in [
            ("a click on the title bar, then pointer motion", self.title_click_then_motion),
            ("a drag keeps the grip", self.drag_keeps_grip),
            ("a drag past the corner and back", self.drag_past_corner_and_back),
            ("a click raises", self.click_raises),
            ("About ... keeps the keyboard", self.about_keeps_keyboard),
            ("the close box", self.close_box_closes),
            ("Alt+F4, and status 0", self.alt_f4_closes_and_ends),
        ]:
            # Each case goes on from where the one before left the windows.
            if not self.case(name, check):
                return


def main():
    if len(sys.argv) < 2:
        print(__doc__, file=sys.stderr)
        return 2
    tessel = sys.argv[1]
    compositor = os.environ.get("TESSEL_COMPOSITOR", "")
    bus = Bus()
    if compositor == "mutter":
        if Gst is None or not Gst.init_check(None)[0] or not Gst.ElementFactory.find("pipewiresrc"):
            print("compositor_test.py: skipped, GStreamer's PipeWire source or its Python binding "
                  "is missing (gstreamer1.0-pipewire, gir1.2-gstreamer-1.0)")
            return 77
        device = MutterHand(bus)
    elif compositor == "kwin":
        if len(sys.argv) < 3 or not os.access(sys.argv[2], os.X_OK):
            print("compositor_test.py: skipped, kwin's fake-input helper was not built "
                  "(wayland-scanner, libwayland-dev or plasma-wayland-protocols missing)")
            return 77
        device = KwinHand(bus, sys.argv[2])
    else:
        print("compositor_test.py: run it in a session of wayland-session.sh", file=sys.stderr)
        return 2
    passed = failed = 0
    wayland_eyes = ScreenEyes(device) if compositor == "mutter" else KwinEyes(bus)
    for platform, eyes in [("xcb", X11Eyes()), ("wayland", wayland_eyes)]:
        label = "%s, the program on %s" % (
            compositor, "XWayland" if platform == "xcb" else "Wayland alone")
        program = Program(tessel, platform)
        run = Run(Hand(device), eyes, program, label, grip_slack(compositor, platform))
        started = time.monotonic()
        try:
            run.all()
        finally:
            program.stop()
        print("%s: %.1f s" % (label, time.monotonic() - started), flush=True)
        passed, failed = passed + run.passed, failed + run.failed
    device.close()
    print("%d passed, %d failed" % (passed, failed))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
