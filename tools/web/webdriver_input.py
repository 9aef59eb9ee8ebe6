"""Real input as WebDriver actions, which WebDriver classic (Chromium's driver) and WebDriver BiDi
(Firefox) take alike: a browser class gives _perform(source) and gains the pointer, touch and
key input the tests make."""

# WebDriver's codes for the keys the tests press.
KEYS = {
    'Tab': ['\ue004'], 'Backtab': ['\ue008', '\ue004'], 'Enter': ['\ue007'],
    'Space': ['\ue00d'], 'Escape': ['\ue00c'], 'AltF4': ['\ue00a', '\ue034'],
}


def _move(x, y, duration=0):
    return {'type': 'pointerMove', 'duration': duration, 'x': int(x), 'y': int(y),
            'origin': 'viewport'}


_DOWN = {'type': 'pointerDown', 'button': 0}
_UP = {'type': 'pointerUp', 'button': 0}


class WebDriverInput:
    def _perform(self, source):
        raise NotImplementedError

    def _pointer(self, steps, kind='mouse'):
        self._perform({'type': 'pointer', 'id': kind, 'parameters': {'pointerType': kind},
                       'actions': steps})

    def click(self, x, y):
        self._pointer([_move(x, y), _DOWN, _UP])

    def move(self, points):
        self._pointer([_move(x, y) for x, y in points])

    def drag(self, start, end):
        self._pointer([_move(*start), _DOWN, _move(*end), _UP])

    def tap(self, x, y, hold_ms=0):
        pause = [{'type': 'pause', 'duration': hold_ms}] if hold_ms else []
        self._pointer([_move(x, y), _DOWN] + pause + [_UP], 'touch')

    def taps(self, x, y, count):
        """Taps in one go, as quick as a finger can."""
        self._pointer([_move(x, y)] + [_DOWN, _UP] * count, 'touch')

    def touch_drag(self, start, end, steps=8):
        """A finger put down, moved in steps over 160 ms and lifted, and a moment before it
        comes down again: Chromium takes a tap within milliseconds of a drag's end for a part
        of the drag, and no finger is that quick."""
        moves = [_move(start[0] + (end[0] - start[0]) * i / steps,
                       start[1] + (end[1] - start[1]) * i / steps, 20) for i in range(1, steps + 1)]
        self._pointer([_move(*start), _DOWN] + moves + [_UP, {'type': 'pause', 'duration': 200}],
                      'touch')

    def press(self, key):
        codes = KEYS[key]
        steps = [{'type': 'keyDown', 'value': c} for c in codes]
        steps += [{'type': 'keyUp', 'value': c} for c in reversed(codes)]
        self._perform({'type': 'key', 'id': 'keyboard', 'actions': steps})
