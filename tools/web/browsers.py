"""The browsers the page is tested in, by name: Chromium (WebDriver) and Firefox (WebDriver BiDi),
both headless, with the same calls."""

NAMES = ('chromium', 'firefox')


# Firefox's client needs python3-websockets, which only Debian's own Python has; a test that
# never opens Firefox runs with any.
def open_browser(name):
    if name == 'firefox':
        import headless_firefox  # pylint: disable=import-outside-toplevel
        return headless_firefox.Firefox()
    if name == 'chromium':
        import headless_chromium  # pylint: disable=import-outside-toplevel
        return headless_chromium.Chromium()
    raise ValueError('no such browser: %s (%s)' % (name, ', '.join(NAMES)))
