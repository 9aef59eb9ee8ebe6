#!/usr/bin/env python3
"""An ended program leaves nothing behind: the page ends and starts the program 300 times in
headless Chromium, and after a forced collection its JavaScript heap, its WebAssembly memories,
its window's listeners and its fonts are what they were after the first start, read through
Chromium's DevTools protocol. The memories are followed by weak references taken as each
module is made, so that counting them keeps none alive.

    restart_memory_test.py PAGE_FOLDER"""

import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', '..',
                                'tools', 'web'))
from tessel_page import START, TesselPage  # noqa: E402

RESTARTS = 300

# Each module's memory, weakly held, from the page's load on.
FOLLOW_MEMORIES = """self.memories = [];
const instantiate = WebAssembly.instantiate;
WebAssembly.instantiate = (...args) => instantiate(...args).then((made) => {
  const instance = made.instance || made;
  self.memories.push(new WeakRef(Object.values(instance.exports)
      .find((e) => e instanceof WebAssembly.Memory)));
  return made;
});"""
# A program's own heap is a few hundred kilobytes; each one kept was some 90.
HEAP_SLACK = 1_000_000

# Ends the program with its own "Beenden" and starts it again with the page's button, as
# often as asked, each time once the start window (or the notice) is there.
CYCLES = """const [count, done] = arguments;
const start = () => [...document.querySelectorAll('#screen button')]
    .find((b) => b.textContent === 'Beenden');
const ended = () => !document.getElementById('notice').hidden;
const until = (holds) => new Promise((resolve) => {
  const look = () => holds() ? resolve() : setTimeout(look, 1);
  look();
});
(async () => {
  for (let i = 0; i < count; ++i) {
    await until(start);
    start().click();
    await until(ended);
    document.getElementById('notice-button').click();
  }
  await until(start);
  done(true);
})();"""


def listeners(browser):
    window = browser.devtools('Runtime.evaluate', {'expression': 'window'})['result']
    return len(browser.devtools('DOMDebugger.getEventListeners',
                                {'objectId': window['objectId']})['listeners'])


def footprint(browser):
    browser.devtools('HeapProfiler.collectGarbage', {})
    return {'heap': browser.devtools('Runtime.getHeapUsage', {})['usedSize'],
            'memories': browser.run('return self.memories.filter((m) => m.deref()).length'),
            'listeners': listeners(browser),
            'fonts': browser.run('return document.fonts.size'),
            'screens': browser.run("return document.querySelectorAll('.tessel-screen').length")}


def main():
    page = TesselPage(sys.argv[1])
    try:
        page.browser.devtools('Page.enable', {})
        page.browser.devtools('Page.addScriptToEvaluateOnNewDocument', {'source': FOLLOW_MEMORIES})
        page.load()
        page.windows([START])
        page.browser.run_async(CYCLES, 1)
        first = footprint(page.browser)
        page.browser.run_async(CYCLES, RESTARTS)
        last = footprint(page.browser)
        errors = page.browser.errors()
    finally:
        page.close()
    print('after the first restart: %s' % first)
    print('after %d more: %s' % (RESTARTS, last))
    failures = [name for name in ('memories', 'listeners', 'fonts', 'screens')
                if last[name] != first[name]]
    if last['heap'] - first['heap'] > HEAP_SLACK:
        failures.append('heap')
    if first['memories'] != 1:
        failures.append('one memory')
    if errors:
        failures.append('errors: %s' % errors)
    for failure in failures:
        print('FAIL: %s' % failure, file=sys.stderr)
    return 1 if failures else 0


if __name__ == '__main__':
    sys.exit(main())
