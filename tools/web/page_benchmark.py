#!/usr/bin/env python3
"""How big and how fast the page for the browser is, in headless Chromium, beside a blank page.

    page_benchmark.py PAGE_FOLDER [RUNS]

Serves the page from 127.0.0.1 together with a blank page (one line of text), loads each RUNS
times in turn (default 10) with the browser's cache off, and prints:
  - what the page transfers: every file it loads, with its size, and the total;
  - the time from navigation to the first contentful paint, as the browser's paint timing
    records it: for the page that is its first text, the line saying that it loads; for the
    blank page its line. Median, minimum and maximum of the runs, and the page's median less the
    blank's;
  - the same for the start window drawn: when the browser first painted its caption, as its
    element timing records it.
Nothing else is measured: no timer in the page, no figure from a test."""

import os
import statistics
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import headless_chromium  # noqa: E402
import static_server  # noqa: E402

BLANK = ('<!doctype html><html lang="de"><head><meta charset="utf-8"><title>Leer</title></head>'
         '<body>Tessel</body></html>')

# The first contentful paint and the start window's, once there are both (the blank page has
# no start window), and everything loaded meanwhile.
PAINTED = """
const done = arguments[arguments.length - 1];
const paint = performance.getEntriesByName('first-contentful-paint')[0];
if (!paint) return done(null);
const files = () => [performance.getEntriesByType('navigation')[0]]
    .concat(performance.getEntriesByType('resource'))
    .map((e) => [e.name.replace(location.origin + '/', ''), e.transferSize, e.encodedBodySize]);
new PerformanceObserver((entries, observer) => {
  const caption = entries.getEntries().find((e) => e.element && e.element.textContent
                                                   .startsWith('Tessel 98'));
  observer.disconnect();
  done({paint: paint.startTime, window: caption ? caption.renderTime : null, files: files()});
}).observe({type: 'element', buffered: true});
setTimeout(() => done({paint: paint.startTime, window: null, files: files()}), 50);
"""


# A page whose windows carry no element timing (older ones) gives its first paint alone, after
# two seconds.
def measure(browser, url, window):
    browser.load(url)
    for attempt in range(400):
        result = browser.run_async(PAINTED)
        if result and (result['window'] or not window or attempt >= 80):
            return result
        browser.run_async('setTimeout(arguments[0], 25);')
    raise RuntimeError(url + ' never painted')


def figures(times):
    return 'median %6.1f ms, min %6.1f, max %6.1f' % (statistics.median(times), min(times),
                                                       max(times))


def main():
    folder = os.path.abspath(sys.argv[1])
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 10
    served = tempfile.mkdtemp(prefix='tessel-benchmark-')
    for name in os.listdir(folder):
        os.symlink(os.path.join(folder, name), os.path.join(served, name))
    with open(os.path.join(served, 'blank.html'), 'w') as blank:
        blank.write(BLANK)
    root = static_server.serve(served)
    browser = headless_chromium.Chromium()
    try:
        browser.devtools('Network.enable', {})
        browser.devtools('Network.setCacheDisabled', {'cacheDisabled': True})
        page_times, window_times, blank_times, files = [], [], [], []
        for _ in range(runs):
            blank_times.append(measure(browser, root + 'blank.html', False)['paint'])
            page = measure(browser, root + 'index.html', True)
            page_times.append(page['paint'])
            window_times.append(page['window'])
            files = page['files']
    finally:
        browser.close()
    print('Transfer of index.html and everything it loads (bytes on the wire, body):')
    for name, transfer, body in files:
        print('  %-36s %8d %8d' % (name, transfer, body))
    print('  %-36s %8d %8d' % ('total', sum(f[1] for f in files), sum(f[2] for f in files)))
    print('First contentful paint after navigation, %d runs each, cache off:' % runs)
    print('  blank page:  ' + figures(blank_times))
    print('  Tessel page: ' + figures(page_times))
    print('  Tessel page less blank page, medians: %.1f ms' %
          (statistics.median(page_times) - statistics.median(blank_times)))
    window_times = [t for t in window_times if t]
    if window_times:
        print('The start window drawn (its caption first painted), after navigation:')
        print('  Tessel page: ' + figures(window_times))
        print('  less blank page, medians: %.1f ms' %
              (statistics.median(window_times) - statistics.median(blank_times)))


if __name__ == '__main__':
    main()
