#!/usr/bin/env python3
"""Every call that can be on the stack while the program waits for the page is instrumented for
waiting (program/waiting_calls.txt): the shipped module, built with Asyncify's assertions, goes
through each way it waits, and traps (an error the page logs) wherever a call on the way was
left out.

    waiting_calls_test.py CHECKED_PAGE_FOLDER

The ways: the event loop, from the start on; a die window's Load whose move fails (the page's
script throws), with the runtime's error message box waiting inside it; the modal information
window; the close box, whose first request fails in the page's script and is reported from the
event loop; the end and the start again. The page logs nothing but the failed move's words."""

import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', '..',
                                'tools', 'web'))
from tessel_page import START, TesselPage  # noqa: E402

BOX = """const text = document.querySelector('[role=alertdialog] .tessel-label');
return text && text.textContent;"""
GONE = """return ![...document.querySelectorAll('.tessel-window')]
    .some((w) => !w.hidden && w.querySelector('.tessel-caption').textContent === arguments[0]);"""
CLOSE_BOX = """const w = [...document.querySelectorAll('.tessel-window')]
    .find((w) => !w.hidden && w.querySelector('.tessel-caption').textContent === arguments[0]);
const r = w.querySelector('.tessel-close-box').getBoundingClientRect();
return [Math.floor(r.left + r.width / 2), Math.floor(r.top + r.height / 2)];"""


def main():
    page = TesselPage(sys.argv[1])
    failures = []
    try:
        page.load()
        page.windows([START])
        page.press('6er Tessel')
        said = page.wait_for(BOX)
        if 'Move' not in said:
            failures.append('the failed move says: %r' % said)
        page.press('OK')
        page.press('20er Tessel')
        page.press('Klick mich!', '20er Tessel')
        page.press('Info ...')
        page.press('OK', 'About ...')
        page.wait_for(GONE, 'About ...')
        page.browser.click(*page.wait_for(CLOSE_BOX, '20er Tessel'))
        said = page.wait_for(BOX)
        if 'Schließen abgelehnt' not in said:
            failures.append('the failed close request says: %r' % said)
        page.press('OK')
        page.browser.click(*page.wait_for(CLOSE_BOX, '20er Tessel'))
        page.wait_for(GONE, '20er Tessel')
        page.press('Beenden', '6er Tessel')
        page.press('Beenden', START)
        page.press('Neu starten')
        page.windows([START])
        errors = [e for e in page.browser.errors() if 'Verschieben abgelehnt' not in str(e)]
        if errors:
            failures.append('the checked module logged %s' % errors)
    finally:
        page.close()
    for failure in failures:
        print('FAIL: ' + failure, file=sys.stderr)
    return 1 if failures else 0


if __name__ == '__main__':
    sys.exit(main())
