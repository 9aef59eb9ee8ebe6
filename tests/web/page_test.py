#!/usr/bin/env python3
"""The page and the shipped module, as a user meets them in a headless browser with real input.

    page_test.py PAGE_FOLDER [chromium|firefox]

In a view narrower than the start window, the screen area is scaled down to fit it and a title
bar still drags its window by what the pointer travels on the screen area; the information
window opens modally and OK closes it; the die windows roll; a control that takes the focus past
the screen area's edge scrolls nothing; once the last window closes the page says that the
program has ended, and its button starts the program again, once however quickly it is pressed
twice, whose windows take input as the first run's did. Nothing of that logs an error or throws
past the page, and all the page loads is at most 300 000 bytes. A page whose module or a face does not load says so, names the file and starts
once it is there. In Chromium, the page on a phone: scaled so that the windows fill its width,
worked by taps and a finger's drags."""

import os
import shutil
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', '..',
                                'tools', 'web'))
import static_server  # noqa: E402
from tessel_page import START, TesselPage  # noqa: E402

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'support'))
from failures import expect, status  # noqa: E402


# The screen area's scale once the page has taken a view narrower than it: the new size reaches
# the page with a resize event of its own, after the browser has answered the resize.
SCALED_DOWN = """const scale = document.getElementById('screen').getBoundingClientRect().width / 1024;
return scale < 1 && scale;"""
WINDOW = """return [...document.querySelectorAll('.tessel-window')]
    .find((w) => !w.hidden && w.querySelector('.tessel-caption').textContent === arguments[0]);"""
PLACE = WINDOW.replace('return ', 'const w = ', 1) + """
return w && [w.offsetLeft, w.offsetTop];"""
GONE = """return ![...document.querySelectorAll('.tessel-window')]
    .some((w) => !w.hidden && w.querySelector('.tessel-caption').textContent === arguments[0]);"""
NOTICE = """const notice = document.getElementById('notice');
return !notice.hidden && notice.textContent.includes(arguments[0]) &&
    document.activeElement === document.getElementById('notice-button') &&
    notice.textContent.replace(/\\s+/g, ' ').trim();"""
SCROLLED = """const screen = document.getElementById('screen');
return [screen.scrollLeft, screen.scrollTop, scrollX, scrollY];"""
# Every new module the page makes, counted.
COUNT_STARTS = """self.starts = 0;
const make = createTessel;
createTessel = (...args) => { ++self.starts; return make(...args); };"""
# The result label's changes from now on: a roll writes its face even where it repeats.
COUNT_ROLLS = WINDOW.replace('return ', 'const w = ', 1) + """
const label = [...w.querySelectorAll('.tessel-label')].find((l) => /^\\d+$/.test(l.textContent));
self.rolls = 0;
new MutationObserver((changes) => { self.rolls += changes.length; })
    .observe(label, {childList: true});"""


# Everything the page loads, as the release ships it (tools/web/page_benchmark.py lists it).
WEIGHED = ['index.html', 'screen.css', 'tessel.js', 'tessel.wasm']
MOST_BYTES = 300_000


def weight(folder):
    fonts = [os.path.join('fonts', f) for f in os.listdir(os.path.join(folder, 'fonts'))
             if f.endswith('.woff2')]
    return sum(os.path.getsize(os.path.join(folder, f)) for f in WEIGHED + fonts)


def place(page, caption):
    return page.wait_for(PLACE, caption)


def narrow_drag(page):
    page.browser.set_window_size(360, 640)
    scale = page.wait_for(SCALED_DOWN)
    expect(0.85 < scale < 0.92, 'the start window fills a view 360 wide: scale %.3f' % scale)
    box = page.windows([START])[0]
    grip = (int(box[0]) + 60, int(box[1]) + 8)
    left = place(page, START)[0]
    page.browser.drag(grip, (grip[0] + 30, grip[1]))
    moved = place(page, START)[0] - left
    expect(abs(moved - 30 / scale) <= 1.5,
           'a drag of 30 view pixels moves the window %d of its own, not %.0f' %
           (moved, 30 / scale))
    page.browser.set_window_size(*page.browser.WINDOW_SIZE)
    page.wait_for("return document.getElementById('screen').getBoundingClientRect().width == 1024")


# The shipped module waits inside the modal Show with only its own code on the stack (see the
# link options of program/CMakeLists.txt): the information window opens, OK ends the modal phase
# and the start window takes input again.
def modal_phase(page):
    page.press('Info ...')
    page.press('OK')
    page.wait_for(GONE, 'About ...')
    page.press('6er Tessel')
    expect(len(page.windows(['6er Tessel'])) == 1, 'the start window takes input after OK')
    page.browser.run(COUNT_ROLLS, '6er Tessel')
    page.press('Klick mich!', '6er Tessel')
    page.press('Klick mich!', '6er Tessel')
    expect(page.wait_for('return self.rolls >= 2 && self.rolls') == 2, 'two clicks roll twice')
    page.press('Beenden', '6er Tessel')
    page.wait_for(GONE, '6er Tessel')


# The start window dragged until its buttons pass the screen area's right edge; Tab from beside
# the screen area takes the browser's focus to one of them.
def focus_past_the_edge(page):
    box = page.windows([START])[0]
    grip = (int(box[0]) + 60, int(box[1]) + 8)
    page.browser.drag(grip, (grip[0] + 700, grip[1]))
    before = place(page, START)
    page.browser.click(*page.browser.run('return [innerWidth - 20, innerHeight - 20]'))
    page.browser.press('Tab')
    page.browser.press('Tab')
    expect(page.browser.run(SCROLLED) == [0, 0, 0, 0],
           'focus past the edge scrolled: %s' % page.browser.run(SCROLLED))
    expect(place(page, START) == before, 'the start window stays where it was dragged')
    page.browser.drag((grip[0] + 700, grip[1]), grip)


def end_and_restart(page):
    page.press('Beenden', START)
    expect(page.wait_for(NOTICE, 'Tessel 98 ist beendet.'), 'the page says that the program ended')
    page.browser.run(COUNT_STARTS)
    page.browser.run("const b = document.getElementById('notice-button'); b.click(); b.click();")
    page.press('6er Tessel')
    expect(len(page.windows(['6er Tessel'])) == 1, 'the program started again takes input')
    expect(page.browser.run('return self.starts') == 1,
           'two quick presses of "Neu starten" started %d programs' %
           page.browser.run('return self.starts'))


# The page served without one of its files, and then with it.
def failed_start(page, folder, missing):
    served = tempfile.mkdtemp(prefix='tessel-page-')
    try:
        shutil.copytree(folder, served, dirs_exist_ok=True)
        aside = os.path.join(served, missing + '.aside')
        os.rename(os.path.join(served, missing), aside)
        page.browser.load(static_server.serve(served) + 'index.html')
        said = page.wait_for(NOTICE, 'Tessel 98 konnte nicht starten.')
        expect(said and missing in said and 'Erneut versuchen' in said,
               'a start without %s says: %s' % (missing, said))
        page.browser.errors()  # the browser's own word on the missing file
        os.rename(aside, os.path.join(served, missing))
        page.press('Erneut versuchen')
        expect(page.windows([START]), 'with %s back, "Erneut versuchen" starts' % missing)
    finally:
        shutil.rmtree(served)


SIZES = WINDOW.replace('return ', 'const w = ', 1) + """
const scale = document.getElementById('screen').getBoundingClientRect().width / 1024;
const roll = [...w.querySelectorAll('button')].find((b) => b.textContent === 'Klick mich!');
const credit = [...w.querySelectorAll('.tessel-label')].find((l) => /Kestro/.test(l.textContent));
return [scale, roll.getBoundingClientRect().width,
        parseFloat(getComputedStyle(credit).fontSize) * scale];"""
CLOSE_BOX = WINDOW.replace('return ', 'const w = ', 1) + """
const r = w.querySelector('.tessel-close-box').getBoundingClientRect();
return [Math.floor(r.left + r.width / 2), Math.floor(r.top + r.height / 2)];"""
HINT = """const hint = document.querySelector('.tessel-hint');
return hint && !hint.hidden && hint.textContent;"""


def centre(page, caption, window):
    page.wait_for(WINDOW, window)
    return page.wait_for(TesselPage.BUTTON, caption, window)


def phone(page):
    browser = page.browser
    page.load_as_phone()
    start = page.windows([START])[0]
    expect(abs(start[0]) <= 1 and abs(start[2] - 390) <= 1,
           'the start window fills the phone\'s width: %s' % start)
    browser.tap(*centre(page, '6er Tessel', START))
    scale, roll_width, credit_px = page.wait_for(SIZES, '6er Tessel')
    expect(roll_width >= 70, '"Klick mich!" is %.1f CSS pixels wide' % roll_width)
    expect(credit_px >= 9, 'the 11-pixel credit line is %.1f pixels' % credit_px)
    browser.run(COUNT_ROLLS, '6er Tessel')
    browser.taps(*centre(page, 'Klick mich!', '6er Tessel'), 2)
    expect(page.wait_for('return self.rolls >= 2 && self.rolls') == 2, 'two quick taps roll twice')
    browser.tap(*centre(page, 'Klick mich!', '6er Tessel'), hold_ms=1200)
    expect(page.wait_for(HINT) == '... nun mach\' schon  ', 'a long press shows the hint')
    expect(browser.run('return self.rolls') == 2, 'a long press does not roll')
    before = place(page, '6er Tessel')
    box = page.windows(['6er Tessel'])[0]
    grip = (int(box[0]) + 30, int(box[1]) + 8)
    browser.touch_drag(grip, (grip[0] + 100, grip[1] - 100))
    after = place(page, '6er Tessel')
    moved = [after[0] - before[0], after[1] - before[1]]
    expect(before == [193, 133] and abs(moved[0] - 100 / scale) <= 1.5 and
           abs(moved[1] + 100 / scale) <= 1.5,
           'a finger drags the six-sided window from %s by %s, not by %.0f, %.0f' %
           (before, moved, 100 / scale, -100 / scale))
    browser.tap(*centre(page, 'Info ...', START))
    browser.tap(*centre(page, 'OK', 'About ...'))
    expect(page.wait_for(GONE, 'About ...'), 'OK closes the information window by a tap')
    browser.tap(*page.wait_for(CLOSE_BOX, '6er Tessel'))
    expect(page.wait_for(GONE, '6er Tessel'), 'the close box closes its window by a tap')
    page.leave_phone()


def main():
    folder = sys.argv[1]
    name = sys.argv[2] if len(sys.argv) > 2 else 'chromium'
    expect(weight(folder) <= MOST_BYTES, 'the page weighs %d bytes' % weight(folder))
    page = TesselPage(folder, browser=name)
    try:
        page.load()
        narrow_drag(page)
        modal_phase(page)
        focus_past_the_edge(page)
        end_and_restart(page)
        errors = page.browser.errors()
        expect(not errors, 'from load to end and restart, the page logged %s' % errors)
        if name == 'chromium':
            phone(page)
            errors = page.browser.errors()
            expect(not errors, 'on the phone, the page logged %s' % errors)
        failed_start(page, folder, 'tessel.wasm')
        failed_start(page, folder, 'fonts/ComicNeue-Bold.woff2')
    finally:
        page.close()
    return status()


if __name__ == '__main__':
    sys.exit(main())
