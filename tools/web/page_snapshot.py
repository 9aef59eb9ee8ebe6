#!/usr/bin/env python3
"""Shoots the page for the browser in headless Chromium, for the docs, as a user opens its windows.

    page_snapshot.py PAGE_FOLDER OUT_FOLDER

Writes web_start_window.png (the start window), web_block.png (both die windows opened above it)
and web_info_window.png (the information window over them), each cropped to the windows it
shows and 8 pixels of the screen area around them; web_dark.png, the information window over
the block where the browser asks for a dark scheme; and web_phone.png, the block as a phone held
upright shows it (390 CSS pixels wide, three device pixels to each), down to 40 CSS pixels below
the start window. The buttons are pressed with real clicks, on the phone with taps."""

import base64
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from tessel_page import START, TesselPage  # noqa: E402


def shoot(page, captions, path):
    boxes = page.windows(captions)
    left = min(b[0] for b in boxes) - 8
    top = min(b[1] for b in boxes) - 8
    right = max(b[2] for b in boxes) + 8
    bottom = max(b[3] for b in boxes) + 8
    png = page.browser.screenshot_png((left, top, right - left, bottom - top))
    with open(path, 'wb') as out:
        out.write(base64.b64decode(png))


def shoot_phone(page, path):
    browser = page.browser
    page.load_as_phone()
    for caption in ('6er Tessel', '20er Tessel'):
        browser.tap(*page.wait_for(page.BUTTON, caption, START))
    page.windows(['6er Tessel', '20er Tessel'])
    bottom = page.windows([START])[0][3] + 40
    png = browser.devtools('Page.captureScreenshot', {'clip': {
        'x': 0, 'y': 0, 'width': page.PHONE['width'], 'height': bottom, 'scale': 1}})['data']
    with open(path, 'wb') as out:
        out.write(base64.b64decode(png))


def main():
    folder, out = sys.argv[1], sys.argv[2]
    page = TesselPage(folder)
    try:
        page.load()
        shoot(page, [START], os.path.join(out, 'web_start_window.png'))
        page.press('6er Tessel')
        page.press('20er Tessel')
        block = [START, '6er Tessel', '20er Tessel']
        shoot(page, block, os.path.join(out, 'web_block.png'))
        page.press('Info ...')
        shoot(page, block + ['About ...'], os.path.join(out, 'web_info_window.png'))
        page.browser.devtools('Emulation.setEmulatedMedia', {
            'features': [{'name': 'prefers-color-scheme', 'value': 'dark'}]})
        shoot(page, block + ['About ...'], os.path.join(out, 'web_dark.png'))
        page.browser.devtools('Emulation.setEmulatedMedia', {'features': []})
        shoot_phone(page, os.path.join(out, 'web_phone.png'))
    finally:
        page.close()


if __name__ == '__main__':
    main()
