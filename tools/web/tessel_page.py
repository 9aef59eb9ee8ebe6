"""The page for the browser as a user meets it in a headless browser: its windows found by their
captions, its buttons by theirs, and pressed with real clicks."""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import browsers  # noqa: E402
import static_server  # noqa: E402

START = 'Tessel 98   V1.1   (29.05.1998)'

# The viewport boxes [left, top, right, bottom] of the shown windows with these captions.
_WINDOWS = """
const wanted = arguments[0];
return [...document.querySelectorAll('.tessel-window')]
    .filter((w) => !w.hidden && wanted.includes(w.querySelector('.tessel-caption').textContent))
    .map((w) => { const r = w.getBoundingClientRect(); return [r.left, r.top, r.right, r.bottom]; });
"""
# The centre of the shown button with this caption, in the window with that caption if one is
# given, in the viewport.
BUTTON = """
const inWindow = (b) => arguments[1] === null ||
    b.closest('.tessel-window').querySelector('.tessel-caption').textContent === arguments[1];
const b = [...document.querySelectorAll('button')]
    .find((b) => b.offsetParent && b.textContent === arguments[0] && inWindow(b));
if (!b) return null;
const r = b.getBoundingClientRect();
return [Math.floor(r.left + r.width / 2), Math.floor(r.top + r.height / 2)];
"""


class TesselPage:
    """The page in FOLDER, served from 127.0.0.1 and loaded in a fresh headless browser."""

    BUTTON = BUTTON

    def __init__(self, folder, page='index.html', browser='chromium'):
        self.root = static_server.serve(folder)
        self.browser = browsers.open_browser(browser)
        self.page = page

    def close(self):
        self.browser.close()

    def load(self):
        self.browser.load(self.root + self.page)

    # A phone held upright, 390 x 844 CSS pixels at three device pixels each, worked by touch:
    # Chromium's emulation of one (DevTools protocol).
    PHONE = {'width': 390, 'height': 844, 'deviceScaleFactor': 3, 'mobile': True}

    def load_as_phone(self):
        self.browser.devtools('Emulation.setDeviceMetricsOverride', self.PHONE)
        self.browser.devtools('Emulation.setTouchEmulationEnabled',
                              {'enabled': True, 'maxTouchPoints': 5})
        self.load()

    def leave_phone(self):
        self.browser.devtools('Emulation.clearDeviceMetricsOverride', {})
        self.browser.devtools('Emulation.setTouchEmulationEnabled', {'enabled': False})

    def wait_for(self, script, *args, timeout_ms=5000):
        """The script's first truthy answer, asked every 25 ms."""
        for _ in range(timeout_ms // 25):
            found = self.browser.run(script, *args)
            if found:
                return found
            self.browser.run_async('setTimeout(arguments[0], 25);')
        raise RuntimeError('the page never answered %r' % (args,))

    def windows(self, captions):
        return self.wait_for(_WINDOWS, captions)

    def press(self, caption, window=None):
        self.browser.click(*self.wait_for(self.BUTTON, caption, window))
