#!/usr/bin/env python3
"""The page and the shipped module, as a user meets them in headless Chromium with real input.

    page_test.py PAGE_FOLDER

In a view smaller than the screen area, the screen area is scaled down to fit and a title bar
still drags its window by what the pointer travels on the screen area; the information window
opens modally and OK closes it; once the last window closes the page says that the program has
ended, and its button starts the program again, whose windows take input as the first run's
did."""

import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', '..',
                                'tools', 'web'))
from tessel_page import START, TesselPage  # noqa: E402

FAILURES = []


def expect(holds, what):
    if not holds:
        FAILURES.append(what)
        print('FAIL: ' + what, file=sys.stderr)


# The screen area's scale once the page has taken a view narrower than it: the new size reaches
# the page with a resize event of its own, after the browser has answered the resize.
SCALED_DOWN = """const scale = document.getElementById('screen').getBoundingClientRect().width / 1024;
return scale < 1 && scale;"""
START_LEFT = """return [...document.querySelectorAll('.tessel-window')]
    .find((w) => w.querySelector('.tessel-caption').textContent === arguments[0]).offsetLeft;"""
GONE = """return ![...document.querySelectorAll('.tessel-window')]
    .some((w) => !w.hidden && w.querySelector('.tessel-caption').textContent === arguments[0]);"""
ENDED = """const notice = document.getElementById('ended');
return !notice.hidden && notice.textContent.includes('Tessel 98 ist beendet.') &&
    document.activeElement === document.getElementById('restart');"""


def scaled_drag(page):
    page.browser.set_window_size(800, 600)
    scale = page.wait_for(SCALED_DOWN)
    expect(0.5 < scale < 0.8, 'the screen area fits an 800 x 600 view: scale %.3f' % scale)
    box = page.windows([START])[0]
    grip = (int(box[0]) + 60, int(box[1]) + 8)
    left = page.browser.run(START_LEFT, START)
    page.browser.drag(grip, (grip[0] + 78, grip[1]))
    moved = page.browser.run(START_LEFT, START) - left
    expect(abs(moved - 78 / scale) <= 1.5,
           'a drag of 78 view pixels moves the window %d of its own, not %.0f' %
           (moved, 78 / scale))
    page.browser.set_window_size(*page.browser.WINDOW_SIZE)


# The shipped module waits inside the modal Show with only its own code on the stack (see the
# link options of program/CMakeLists.txt): the information window opens, OK ends the modal phase
# and the start window takes input again.
def modal_phase(page):
    page.press('Info ...')
    page.press('OK')
    page.wait_for(GONE, 'About ...')
    page.press('6er Tessel')
    expect(len(page.windows(['6er Tessel'])) == 1, 'the start window takes input after OK')
    page.press('Beenden', '6er Tessel')
    page.wait_for(GONE, '6er Tessel')


def end_and_restart(page):
    page.press('Beenden', START)
    expect(page.wait_for(ENDED), 'the page says that the program has ended')
    page.press('Neu starten')
    page.press('6er Tessel')
    expect(len(page.windows(['6er Tessel'])) == 1, 'the program started again takes input')


def main():
    page = TesselPage(sys.argv[1])
    try:
        page.load()
        scaled_drag(page)
        modal_phase(page)
        end_and_restart(page)
    finally:
        page.close()
    return 1 if FAILURES else 0


if __name__ == '__main__':
    sys.exit(main())
