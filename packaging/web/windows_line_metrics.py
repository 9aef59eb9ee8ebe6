#!/usr/bin/python3
"""windows_line_metrics.py FONT: gives the font, in place, the line Windows lays it out with.

Windows takes a line's height from the face's own Windows ascent and descent (usWinAscent and
usWinDescent in the OS/2 table); browsers take it from the hhea table, or from the typographic
metrics where the face asks for them, which for some faces are several pixels shorter. With all
three set to the Windows line, the page measures and places its text as the other targets do.
"""
import sys

from fontTools.ttLib import TTFont


def main(path):
    font = TTFont(path, recalcTimestamp=False)  # the same bytes from every build
    os2, hhea = font["OS/2"], font["hhea"]
    ascent, descent = os2.usWinAscent, os2.usWinDescent
    hhea.ascent, hhea.descent, hhea.lineGap = ascent, -descent, 0
    os2.sTypoAscender, os2.sTypoDescender, os2.sTypoLineGap = ascent, -descent, 0
    font.save(path)


if __name__ == "__main__":
    main(sys.argv[1])
