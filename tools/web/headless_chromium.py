"""Debian's Chromium, headless, driven through its WebDriver (chromedriver): a page loaded, scripts
run in it, real input and screenshots. Nothing reaches the network: the browser's own background
traffic is switched off, and the pages come from 127.0.0.1."""

import json
import shutil
import socket
import subprocess
import tempfile
import time
import urllib.error
import urllib.request

from webdriver_input import WebDriverInput

# Wider and taller than the screen area, so that the page shows it unscaled.
WINDOW_SIZE = (1280, 1024)

_ARGUMENTS = [
    '--headless=new', '--no-sandbox', '--force-device-scale-factor=1', '--hide-scrollbars',
    '--window-size=%d,%d' % WINDOW_SIZE, '--no-first-run', '--no-default-browser-check',
    '--disable-background-networking', '--disable-component-update', '--disable-default-apps',
    '--disable-extensions', '--disable-sync', '--disable-background-timer-throttling',
    '--disable-renderer-backgrounding', '--disable-backgrounding-occluded-windows',
]

def _free_port():
    with socket.socket() as s:
        s.bind(('127.0.0.1', 0))
        return s.getsockname()[1]


class Chromium(WebDriverInput):
    def __init__(self):
        self._port = _free_port()
        self._driver = subprocess.Popen(['chromedriver', '--port=%d' % self._port],
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self._profile = tempfile.mkdtemp(prefix='tessel-chromium-')
        self._session = None
        try:
            self._wait_for_driver()
            options = {'binary': '/usr/bin/chromium',
                       'args': _ARGUMENTS + ['--user-data-dir=' + self._profile]}
            answer = self._call('POST', '/session', {'capabilities': {'alwaysMatch': {
                'browserName': 'chrome', 'goog:chromeOptions': options,
                'goog:loggingPrefs': {'browser': 'ALL'}}}})
            self._session = '/session/' + answer['sessionId']
            self._call('POST', self._session + '/timeouts', {'script': 600000})
        except BaseException:
            self.close()
            raise

    def _wait_for_driver(self):
        for _ in range(200):
            try:
                if self._call('GET', '/status').get('ready'):
                    return
            except (urllib.error.URLError, ConnectionError):
                pass
            time.sleep(0.05)
        raise RuntimeError('chromedriver did not come up')

    def _call(self, method, path, body=None):
        data = json.dumps(body).encode() if body is not None else None
        request = urllib.request.Request('http://127.0.0.1:%d%s' % (self._port, path), data=data,
                                         method=method,
                                         headers={'Content-Type': 'application/json'})
        try:
            with urllib.request.urlopen(request) as response:
                return json.load(response)['value']
        except urllib.error.HTTPError as error:
            raise RuntimeError('WebDriver %s %s: %s' % (method, path, error.read().decode()))

    def close(self):
        try:
            if self._session:
                self._call('DELETE', self._session)
        finally:
            self._driver.terminate()
            self._driver.wait()
            shutil.rmtree(self._profile, ignore_errors=True)

    WINDOW_SIZE = WINDOW_SIZE

    def set_window_size(self, width, height):
        self._call('POST', self._session + '/window/rect', {'width': width, 'height': height})

    def load(self, url):
        self._call('POST', self._session + '/url', {'url': url})

    def run(self, script, *args):
        return self._call('POST', self._session + '/execute/sync',
                          {'script': script, 'args': list(args)})

    # The script's last argument is the callback that ends it with its result.
    def run_async(self, script, *args):
        return self._call('POST', self._session + '/execute/async',
                          {'script': script, 'args': list(args)})

    def errors(self):
        """What the page logged as errors, the exceptions it did not catch and the files that
        did not load, since the last call."""
        entries = self._call('POST', self._session + '/se/log', {'type': 'browser'})
        return [e['message'] for e in entries if e['level'] == 'SEVERE']

    def screenshot_png(self, clip=None):
        """The viewport, or the clip (x, y, width, height) of the page, as PNG bytes,
        base64-encoded."""
        if clip is None:
            return self._call('GET', self._session + '/screenshot')
        x, y, width, height = clip
        return self.devtools('Page.captureScreenshot', {'clip': {
            'x': x, 'y': y, 'width': width, 'height': height, 'scale': 1}})['data']

    def devtools(self, command, parameters):
        """A command of the DevTools protocol, passed on by chromedriver."""
        return self._call('POST', self._session + '/goog/cdp/execute',
                          {'cmd': command, 'params': parameters})

    def _perform(self, source):
        self._call('POST', self._session + '/actions', {'actions': [source]})
