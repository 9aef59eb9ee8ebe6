"""What a test script finds wrong: each failure said at once on standard error and kept, so that
the script goes on to its end and then ends with status 1."""

import sys

FAILURES = []


def fail(message):
    FAILURES.append(message)
    print('FAIL: ' + message, file=sys.stderr)


def expect(holds, what):
    if not holds:
        fail(what)


def status():
    """The script's exit status: 1 if anything failed, else 0."""
    return 1 if FAILURES else 0
