"""Debian's Firefox ESR, headless, driven over WebDriver BiDi, which Firefox speaks itself (Debian
ships no geckodriver): a page loaded, scripts run in it, real input and screenshots, and what
the page logged. The same calls as headless_chromium.Chromium. Nothing reaches the network: the
profile switches Firefox's own traffic off, and the pages come from 127.0.0.1.

The protocol runs over one WebSocket, on an asyncio loop in a thread of its own
(python3-websockets 10 has no blocking client); each call here waits for its answer."""

import asyncio
import json
import os
import shutil
import socket
import subprocess
import tempfile
import threading
import time

import websockets

from webdriver_input import WebDriverInput

WINDOW_SIZE = (1280, 1024)

# What a fresh profile would otherwise fetch or show; Firefox applies the rest of what
# automation needs by itself when its remote agent runs. A headless window never has the
# system's focus; in test mode Firefox's focus works as in a window a user works in.
_PREFS = {
    'focusmanager.testmode': True,
    'app.update.disabledForTesting': True,
    'browser.shell.checkDefaultBrowser': False,
    'browser.startup.homepage_override.mstone': 'ignore',
    'browser.safebrowsing.update.enabled': False,
    'datareporting.policy.dataSubmissionEnabled': False,
    'extensions.update.enabled': False,
    'network.captive-portal-service.enabled': False,
    'network.connectivity-service.enabled': False,
    'services.settings.server': 'data:,#remote-settings-dummy/v1',
    'toolkit.telemetry.reportingpolicy.firstRun': False,
}

_CALL_TIMEOUT_S = 600


def _free_port():
    with socket.socket() as s:
        s.bind(('127.0.0.1', 0))
        return s.getsockname()[1]


def _local(value):
    """A Python value as a BiDi LocalValue."""
    if value is None:
        return {'type': 'null'}
    if isinstance(value, bool):
        return {'type': 'boolean', 'value': value}
    if isinstance(value, (int, float)):
        return {'type': 'number', 'value': value}
    if isinstance(value, str):
        return {'type': 'string', 'value': value}
    if isinstance(value, (list, tuple)):
        return {'type': 'array', 'value': [_local(v) for v in value]}
    if isinstance(value, dict) and 'sharedId' in value:  # an element the browser gave
        return {'sharedId': value['sharedId']}
    if isinstance(value, dict):
        return {'type': 'object', 'value': [[k, _local(v)] for k, v in value.items()]}
    raise TypeError('cannot pass %r to the page' % (value,))


def _python(remote):
    """A BiDi RemoteValue as a Python value, as WebDriver classic would give it."""
    kind = remote['type']
    if kind in ('undefined', 'null'):
        return None
    if kind == 'number':
        value = remote['value']
        return float(value) if isinstance(value, str) else value
    if kind in ('string', 'boolean'):
        return remote['value']
    if kind in ('array', 'set'):
        return [_python(v) for v in remote.get('value', [])]
    if kind in ('object', 'map'):
        return {(k if isinstance(k, str) else _python(k)): _python(v)
                for k, v in remote.get('value', [])}
    return None


class _Connection:
    """The WebSocket on its loop: commands out, answers to their waiters, events to a list."""

    def __init__(self, url):
        self._loop = asyncio.new_event_loop()
        self._thread = threading.Thread(target=self._loop.run_forever, daemon=True)
        self._thread.start()
        self._next_id = 0
        self._waiting = {}
        self.events = []
        self._socket = self._wait(self._connect(url), 30)

    def _wait(self, coroutine, timeout):
        return asyncio.run_coroutine_threadsafe(coroutine, self._loop).result(timeout)

    async def _connect(self, url):
        socket_ = await websockets.connect(url, max_size=None, ping_interval=None)
        self._loop.create_task(self._read(socket_))
        return socket_

    async def _read(self, socket_):
        try:
            async for text in socket_:
                message = json.loads(text)
                waiter = self._waiting.pop(message.get('id'), None)
                if waiter is not None:
                    waiter.set_result(message)
                elif message.get('type') == 'event':
                    self.events.append(message)
        except websockets.ConnectionClosed:
            pass
        for waiter in self._waiting.values():
            waiter.set_exception(RuntimeError('Firefox closed the connection'))

    async def _send(self, method, params):
        self._next_id += 1
        waiter = self._loop.create_future()
        self._waiting[self._next_id] = waiter
        await self._socket.send(json.dumps({'id': self._next_id, 'method': method,
                                            'params': params}))
        return await waiter

    def call(self, method, params):
        answer = self._wait(self._send(method, params), _CALL_TIMEOUT_S)
        if answer.get('type') == 'error':
            raise RuntimeError('BiDi %s: %s: %s' % (method, answer.get('error'),
                                                     answer.get('message')))
        return answer['result']

    def close(self):
        try:
            self._wait(self._socket.close(), 10)
        finally:
            self._loop.call_soon_threadsafe(self._loop.stop)
            self._thread.join(10)


class Firefox(WebDriverInput):
    WINDOW_SIZE = WINDOW_SIZE

    def __init__(self):
        self._profile = tempfile.mkdtemp(prefix='tessel-firefox-')
        with open(os.path.join(self._profile, 'user.js'), 'w') as prefs:
            for name, value in _PREFS.items():
                prefs.write('user_pref(%s, %s);\n' % (json.dumps(name), json.dumps(value)))
        port = _free_port()
        self._process = subprocess.Popen(
            ['firefox-esr', '--headless', '--remote-debugging-port=%d' % port, '--profile',
             self._profile, '--no-remote', '--width=%d' % WINDOW_SIZE[0],
             '--height=%d' % WINDOW_SIZE[1], 'about:blank'],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self._connection = None
        try:
            self._connection = self._connect('ws://127.0.0.1:%d/session' % port)
            self._connection.call('session.new', {'capabilities': {}})
            # A tab of its own: the one Firefox starts with never has the keyboard's focus
            # headless, and without it Firefox keeps a key's default action (Space pressing the
            # focused button) from the page.
            self._context = self._connection.call('browsingContext.create',
                                                  {'type': 'tab'})['context']
            self._connection.call('session.subscribe', {'events': ['log.entryAdded']})
            self.set_window_size(*WINDOW_SIZE)
        except BaseException:
            self.close()
            raise

    def _connect(self, url):
        deadline = time.monotonic() + 60
        while True:
            try:
                return _Connection(url)
            except (OSError, asyncio.TimeoutError, websockets.InvalidHandshake):
                if time.monotonic() > deadline or self._process.poll() is not None:
                    raise RuntimeError('Firefox did not come up')
                time.sleep(0.1)

    def close(self):
        try:
            if self._connection:
                try:
                    self._connection.call('session.end', {})
                finally:
                    self._connection.close()
        finally:
            self._process.terminate()
            try:
                self._process.wait(20)
            except subprocess.TimeoutExpired:
                self._process.kill()
                self._process.wait()
            shutil.rmtree(self._profile, ignore_errors=True)

    def set_window_size(self, width, height):
        self._connection.call('browsingContext.setViewport', {
            'context': self._context, 'viewport': {'width': width, 'height': height}})

    def load(self, url):
        self._connection.call('browsingContext.navigate',
                              {'context': self._context, 'url': url, 'wait': 'complete'})

    def _call_function(self, declaration, args):
        answer = self._connection.call('script.callFunction', {
            'functionDeclaration': declaration, 'arguments': [_local(a) for a in args],
            'target': {'context': self._context}, 'awaitPromise': True,
            'resultOwnership': 'none', 'serializationOptions': {'maxObjectDepth': 20}})
        if answer['type'] == 'exception':
            details = answer['exceptionDetails']
            raise RuntimeError('script failed: %s' % details.get('text'))
        return _python(answer['result'])

    def run(self, script, *args):
        return self._call_function('function() {\n' + script + '\n}', args)

    # The script's last argument is the callback that ends it with its result.
    def run_async(self, script, *args):
        return self._call_function(
            'function() { const args = [...arguments]; return new Promise((resolve) => {'
            ' (function() {\n' + script + '\n}).apply(this, args.concat([resolve])); }); }',
            args)

    def locate_accessible(self, role, name, within=None):
        """The elements whose accessible role and name Firefox computes as these, inside the
        element `within` (as a script gave it) or anywhere."""
        params = {'context': self._context,
                  'locator': {'type': 'accessibility', 'value': {'role': role, 'name': name}}}
        if within is not None:
            params['startNodes'] = [{'sharedId': within['sharedId']}]
        return self._connection.call('browsingContext.locateNodes', params)['nodes']

    def errors(self):
        """What the page logged as errors, and the exceptions it did not catch, since the last
        call."""
        events, self._connection.events = self._connection.events, []
        return ['%s: %s' % (e['params'].get('type'), e['params'].get('text'))
                for e in events
                if e.get('method') == 'log.entryAdded' and e['params'].get('level') == 'error']

    def screenshot_png(self, clip=None):
        """The viewport, or the clip (x, y, width, height) of it, as PNG bytes, base64-encoded."""
        params = {'context': self._context, 'origin': 'viewport'}
        if clip is not None:
            x, y, width, height = clip
            params['clip'] = {'type': 'box', 'x': x, 'y': y, 'width': width, 'height': height}
        return self._connection.call('browsingContext.captureScreenshot', params)['data']

    def _perform(self, source):
        self._connection.call('input.performActions',
                              {'context': self._context, 'actions': [source]})
