#!/usr/bin/env python3
"""Random real input against the page, for a bounded time, with the desktop monkey's
invariants (tests/monkey/) checked after every batch:

    page_monkey.py PAGE_FOLDER [chromium|firefox] [--seed N] [--seconds S]

clicks on buttons, title bars, close boxes and anywhere, drags of title bars, keys, and "Neu
starten" whenever the program has ended. After each batch: one window per caption, each die
showing a face it can roll, the windows behind the information window unchanged if it stayed
open, the screen area unscrolled, every title bar within reach, nothing logged as an error; and
once no window is left, the page says so. A failure prints the seed and the last events."""

import argparse
import os
import random
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', '..',
                                'tools', 'web'))
from tessel_page import START, TesselPage  # noqa: E402

ABOUT = 'About ...'
FACES = {'6er Tessel': 6, '20er Tessel': 20}
KEYS = ['Tab', 'Tab', 'Enter', 'Space', 'Escape', 'AltF4']
BATCH = 10

# What the checks and the next event need, in viewport pixels: each shown window's caption, its
# box, its title bar's and close box's, its buttons' and its result label's text; the notice;
# the scroll offsets; the visible part of the screen area.
STATE = """
const box = (e) => { const r = e.getBoundingClientRect(); return [r.left, r.top, r.right, r.bottom]; };
const screen = document.getElementById('screen');
const seen = box(screen);
return {
  windows: [...document.querySelectorAll('.tessel-window')].filter((w) => !w.hidden).map((w) => ({
    caption: w.querySelector('.tessel-caption').textContent,
    box: box(w), title: box(w.querySelector('.tessel-title')),
    close: box(w.querySelector('.tessel-close-box')),
    buttons: [...w.querySelectorAll('button')].map((b) => ({text: b.textContent, box: box(b)})),
    face: ([...w.querySelectorAll('.tessel-label')].find((l) => /^\\d+$/.test(l.textContent)) ||
           {}).textContent || null,
  })),
  ended: !document.getElementById('notice').hidden,
  scrolled: [screen.scrollLeft, screen.scrollTop, scrollX, scrollY],
  view: [innerWidth, innerHeight],
  seen: [Math.max(0, seen[0]), Math.max(0, seen[1]), Math.min(innerWidth, seen[2]),
         Math.min(innerHeight, seen[3])],
};"""


def inside(rng, rect, seen):
    """A point of the rectangle's part in view, or None where none is."""
    left, top = max(rect[0], seen[0]) + 2, max(rect[1], seen[1]) + 2
    right, bottom = min(rect[2], seen[2]) - 2, min(rect[3], seen[3]) - 2
    if left >= right or top >= bottom:
        return None
    return (rng.uniform(left, right), rng.uniform(top, bottom))


class Monkey:
    def __init__(self, page, seed):
        self.page = page
        self.rng = random.Random(seed)
        self.seed = seed
        self.log = []
        self.starts = 1

    def act(self, state):
        rng = self.rng
        browser = self.page.browser
        windows = state['windows']
        choice = rng.randrange(100)
        if not windows or choice >= 85:
            key = rng.choice(KEYS)
            self.log.append('key ' + key)
            browser.press(key)
            return
        win = rng.choice(windows)
        # The start window's end starts the run over; it comes less often, so that the run
        # spends its events on open windows.
        spare = win['caption'] == START and rng.randrange(8) != 0
        seen = state['seen']
        if choice < 55:
            buttons = [b['box'] for b in win['buttons']
                       if not (spare and b['text'] == 'Beenden')]
            point = inside(rng, rng.choice(buttons or [win['box']]), seen)
        elif choice < 65:
            point = inside(rng, win['title'], seen)
        elif choice < 70 and not spare:
            point = inside(rng, win['close'], seen)
        elif choice < 78:
            title = win['title']
            start = inside(rng, [title[0], title[1], title[2] - 20, title[3]], seen)
            if start is None:
                return
            end = tuple(min(max(start[i] + rng.randint(-300, 300), 0), state['view'][i] - 1)
                        for i in (0, 1))
            self.log.append('drag %s from %d,%d to %d,%d' % ((win['caption'],) + start + end))
            browser.drag(start, end)
            return
        else:
            point = inside(rng, seen, seen)
        if point is None:
            return
        self.log.append('click %s at %d,%d' % ((win['caption'],) + point))
        browser.click(*point)

    def check(self, state, frozen):
        windows = state['windows']
        captions = [w['caption'] for w in windows]
        for caption in set(captions):
            if captions.count(caption) > 1:
                return 'two windows captioned %r' % caption
        for win in windows:
            sides = FACES.get(win['caption'])
            face = win['face'] or ''
            if sides and not (face.isdigit() and 1 <= int(face) <= sides):
                return '%r shows %r' % (win['caption'], face)
            title, seen = win['title'], state['seen']
            if min(title[2], seen[2]) - max(title[0], seen[0]) < 16 or \
                    min(title[3], seen[3]) - max(title[1], seen[1]) < 8:
                return 'the title bar of %r is out of reach at %s' % (win['caption'], title)
        if state['scrolled'] != [0, 0, 0, 0]:
            return 'the page scrolled: %s' % state['scrolled']
        for win in windows:
            if win['caption'] in frozen and frozen[win['caption']] != (win['box'], win['face']):
                return '%r changed while the information window was open' % win['caption']
        errors = self.page.browser.errors()
        if errors:
            return 'the page logged %s' % errors
        return None

    def restart(self):
        """Once no window is left: the page's word that the program ended, and a start again."""
        try:
            self.page.wait_for("return !document.getElementById('notice').hidden")
        except RuntimeError:
            return 'no window is left, but the page does not say that the program ended'
        self.log.append('# the program ended; started again')
        self.page.press('Neu starten')
        self.page.windows([START])
        self.starts += 1
        return None

    def run(self, seconds):
        deadline = time.monotonic() + seconds
        events = 0
        while time.monotonic() < deadline:
            state = self.page.browser.run(STATE)
            about = any(w['caption'] == ABOUT for w in state['windows'])
            frozen = {w['caption']: (w['box'], w['face']) for w in state['windows']
                      if about and w['caption'] != ABOUT}
            about_throughout = about
            for _ in range(BATCH):
                self.act(state)
                events += 1
                time.sleep(0.01)
                state = self.page.browser.run(STATE)
                about_throughout = about_throughout and any(
                    w['caption'] == ABOUT for w in state['windows'])
                if not state['windows']:
                    break
            time.sleep(0.1)
            state = self.page.browser.run(STATE)
            if not state['windows']:
                why = self.restart()
                if why:
                    return self.fail(why)
                continue
            why = self.check(state, frozen if about_throughout else {})
            if why:
                return self.fail(why)
        print('page monkey: seed %d, %d events, %d starts of the program: every check held' %
              (self.seed, events, self.starts))
        return 0

    def fail(self, why):
        print('page monkey: seed %d, after %d events (start %d): %s' %
              (self.seed, len(self.log), self.starts, why), file=sys.stderr)
        for line in self.log[-30:]:
            print('  ' + line, file=sys.stderr)
        return 1


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument('folder')
    parser.add_argument('browser', nargs='?', default='chromium')
    parser.add_argument('--seed', type=int, default=int(time.time()))
    parser.add_argument('--seconds', type=float, default=20)
    options = parser.parse_args()
    page = TesselPage(options.folder, browser=options.browser)
    try:
        page.load()
        page.windows([START])
        return Monkey(page, options.seed).run(options.seconds)
    finally:
        page.close()


if __name__ == '__main__':
    sys.exit(main())
