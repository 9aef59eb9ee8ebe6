#!/usr/bin/python3
"""rename_face.py FONT FAMILY: gives the font, in place, a family name of its own.

A font under the SIL Open Font License with a Reserved Font Name may be cut down only under
another name: the family, full, unique and PostScript names become FAMILY's; the copyright,
trademark and licence records stay, and the description says what the font was cut from.
"""
import sys

from fontTools.ttLib import TTFont


def main(path, family):
    font = TTFont(path, recalcTimestamp=False)  # the same bytes from every build
    names = font["name"]
    style = names.getDebugName(2) or "Regular"
    origin = names.getDebugName(4)
    version = names.getDebugName(5) or ""
    postscript = family.replace(" ", "") + "-" + style.replace(" ", "")
    new = {1: family, 3: postscript + ";" + version, 4: family + " " + style, 6: postscript,
           16: family, 17: style,
           10: "%s, cut down to code page 1252 without hinting for Tessel 98's web page; a "
               "Modified Version under the SIL Open Font License 1.1." % origin}
    for record in list(names.names):
        if record.nameID in new:
            names.removeNames(nameID=record.nameID)
    for name_id, text in new.items():
        names.setName(text, name_id, 3, 1, 0x409)
        names.setName(text, name_id, 1, 0, 0)
    font.save(path)


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])
