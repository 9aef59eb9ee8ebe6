#!/usr/bin/env python3
"""Runs a test module on its page in a headless browser and answers what it asks of the browser.

    run_in_browser.py [--browser chromium|firefox] FOLDER PAGE [--gtest_filter=...]

FOLDER is served from 127.0.0.1 and PAGE loaded from it. The test's page (driver.js) hands over
the test's output and its requests: real input through WebDriver (clicks, pointer moves, drags,
keys) and screenshots. Prints the output as it comes and exits with the test's status."""

import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', '..',
                                'tools', 'web'))
import browsers  # noqa: E402
import static_server  # noqa: E402

# Waits for the page's next message; a page that has nothing to say for a while sends what it
# has printed meanwhile.
NEXT_MESSAGE = 'tesselDriver.next().then(arguments[arguments.length - 1]);'


def answer(browser, request):
    """Does what the test asked for; what goes back to it."""
    kind = request['kind']
    if kind == 'click':
        browser.click(request['x'], request['y'])
    elif kind == 'move':
        browser.move(request['points'])
    elif kind == 'drag':
        browser.drag(request['from'], request['to'])
    elif kind == 'key':
        browser.press(request['key'])
    elif kind == 'screenshot':
        return browser.screenshot_png()
    else:
        raise RuntimeError('unknown request %r' % kind)
    return None


def main():
    arguments = sys.argv[1:]
    name = 'chromium'
    if arguments[0] == '--browser':
        name, arguments = arguments[1], arguments[2:]
    folder, page = arguments[0], arguments[1]
    query = '&'.join('arg=' + a for a in arguments[2:])
    root = static_server.serve(folder)
    browser = browsers.open_browser(name)
    try:
        browser.load(root + page + ('?' + query if query else ''))
        while True:
            message = browser.run_async(NEXT_MESSAGE)
            for line in message['output']:
                print(line, flush=True)
            if message['kind'] == 'exit':
                return message['status']
            if message['kind'] != 'idle':
                browser.run('tesselDriver.answer(arguments[0]);', answer(browser, message))
    finally:
        browser.close()


if __name__ == '__main__':
    sys.exit(main())
