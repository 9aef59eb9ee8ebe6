#!/usr/bin/env python3
"""What a browser's screen reader finds in the page: Chromium's accessibility tree, read through
its DevTools protocol, against what AT-SPI reads of the Linux program.

    accessible_tree_test.py PAGE_FOLDER EXPECTED_DIR [chromium|firefox]

Opens the windows with real clicks and compares each window's tree with the role, name and
description of every line of EXPECTED_DIR/<window>.txt (tests/accessibility/expected): the same
window names, the same buttons and labels in the same reading order, the close box last. The
states are AT-SPI's own and are left out. The browser computes names and descriptions with runs
of blanks made one and none at either end, whatever the page gives it; they are compared so.
A label's text keeps its blanks. A result label must announce its rolls (a live region).

Firefox gives no whole tree over WebDriver BiDi, but finds nodes by the role and name its
accessibility engine computes: there each window is found by its role and name, each of its
buttons inside it by theirs, and each label's text in it."""

import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', '..',
                                'tools', 'web'))
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'support'))
from failures import fail, status  # noqa: E402
from tessel_page import START, TesselPage  # noqa: E402

# Chromium's roles under AT-SPI's names: a window that is not modal is a region of the page.
ROLES = {'region': 'frame', 'dialog': 'dialog', 'button': 'push button'}
def computed(text):
    """A name or description as the browser computes one."""
    return ' '.join(text.split())


def value(node, field):
    return node.get(field, {}).get('value', '')


def properties(node):
    return {p['name']: p['value'].get('value') for p in node.get('properties', [])}


class Tree:
    def __init__(self, page):
        page.browser.devtools('Accessibility.enable', {})
        self.nodes = {n['nodeId']: n
                      for n in page.browser.devtools('Accessibility.getFullAXTree', {})['nodes']}

    def children(self, node):
        """The node's children as a screen reader meets them: ignored nodes give way to theirs."""
        for child in (self.nodes[i] for i in node.get('childIds', [])):
            if child.get('ignored'):
                yield from self.children(child)
            else:
                yield child

    def window(self, name):
        for node in self.nodes.values():
            if value(node, 'role') in ('region', 'dialog') and value(node, 'name') == computed(name):
                return node
        return None

    # The window's buttons and labels in reading order: a label is the text it holds.
    def read(self, window, faces):
        lines = ['%s "%s" ""' % (ROLES[value(window, 'role')], value(window, 'name'))]
        for child in self.children(window):
            role = value(child, 'role')
            if role == 'button':
                lines.append('  push button "%s" "%s"' % (value(child, 'name'),
                                                          value(child, 'description')))
                continue
            texts = [value(t, 'name') for t in self.children(child)
                     if value(t, 'role') == 'StaticText']
            if not texts:
                continue
            text = ''.join(texts)
            if faces and text.isdigit():
                if properties(child).get('live') != 'polite':
                    fail('the result label %s announces no roll' % text)
                text = '<face 1 to %d>' % faces
            lines.append('  label "%s" ""' % text)
        return lines


def expected(folder, window):
    """The lines of AT-SPI's tree without the states, names and descriptions as computed."""
    lines = []
    with open(os.path.join(folder, window + '.txt'), encoding='utf-8') as f:
        for line in f.read().splitlines():
            indent, rest = line[:len(line) - len(line.lstrip())], line.lstrip()
            role, name, _, description = rest[:rest.rindex('"')].split('"')[:4]
            if role.strip() != 'label':
                name, description = computed(name), computed(description)
            lines.append('%s%s"%s" "%s"' % (indent, role, name, description))
    return lines


class LocatedTree:
    """Firefox's accessibility engine, asked through BiDi's accessibility locator."""

    ROLES = {'frame': 'region', 'dialog': 'dialog', 'push button': 'button'}
    LABELS = """return [...arguments[0].querySelectorAll('.tessel-label')].map((l) => l.textContent);"""

    def __init__(self, page):
        self.browser = page.browser

    def locate(self, role, name, within=None):
        for asked in (name, computed(name)):
            nodes = self.browser.locate_accessible(role, asked, within)
            if nodes:
                return nodes
        return []

    def check(self, lines, faces):
        role, name = lines[0].split('"')[0].strip(), lines[0].split('"')[1]
        windows = self.locate(self.ROLES[role], name)
        if len(windows) != 1:
            fail('Firefox finds %d windows %s "%s"' % (len(windows), role, name))
            return
        labels = self.browser.run(self.LABELS, windows[0])
        for line in lines[1:]:
            role, name = line.split('"')[0].strip(), line.split('"')[1]
            if role == 'label':
                face = name.startswith('<face')
                if not any((text.isdigit() and 1 <= int(text) <= faces) if face else text == name
                           for text in labels):
                    fail('Firefox finds no label "%s" in "%s"' % (name, lines[0]))
            elif len(self.locate(self.ROLES[role], name, windows[0])) != 1:
                fail('Firefox finds no %s "%s" in %s' % (role, name, lines[0]))


def compare(tree, folder, window, caption, faces=0):
    if isinstance(tree, LocatedTree):
        tree.check(expected(folder, window), faces)
        return
    node = tree.window(caption)
    if node is None:
        fail('no window named "%s"' % caption)
        return
    read = tree.read(node, faces)
    if read != expected(folder, window):
        fail('%s reads\n%s\ninstead of\n%s' % (window, '\n'.join(read),
                                               '\n'.join(expected(folder, window))))


def main():
    browser = sys.argv[3] if len(sys.argv) > 3 else 'chromium'
    page = TesselPage(sys.argv[1], browser=browser)
    folder = sys.argv[2]
    read = LocatedTree if browser == 'firefox' else Tree
    try:
        page.load()
        page.press('6er Tessel')
        page.press('20er Tessel')
        page.windows(['20er Tessel'])
        tree = read(page)
        compare(tree, folder, 'WStart', START)
        compare(tree, folder, 'W6Form', '6er Tessel', faces=6)
        compare(tree, folder, 'W20Form', '20er Tessel', faces=20)
        page.press('Info ...')
        page.windows(['About ...'])
        compare(read(page), folder, 'InfoFR', 'About ...')
    finally:
        page.close()
    return status()


if __name__ == '__main__':
    sys.exit(main())
