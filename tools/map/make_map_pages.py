#!/usr/bin/env python3
"""Writes the program's two map pages from their one source.

    make_map_pages.py SOURCE ICON_FOLDER OUTPUT_FOLDER

Page 103 (the browser control) is written as UTF-8 and finds its icons
beside itself in the program; page 328 (the web view) is written as
UTF-16LE without a byte-order mark, with the icons inside it as data URLs.
In the source, the lines between "//#if <page>" and "//#endif" belong to
that page only; "@ICON_DATA@" stands for page 328's icon table. Standard
library only.
"""

import base64
import os
import sys

PAGES = ("103", "328")
ICONS = (180, 181, 182, 183, 184, 185, 186, 216, 221)


def page_lines(source, page):
    """The source's lines that belong to the page."""
    kept = []
    only_for = None
    for line in source.splitlines():
        marker = line.strip()
        if marker.startswith("//#if "):
            only_for = marker[len("//#if "):].strip()
            if only_for not in PAGES:
                sys.exit("unknown page in: " + line)
            continue
        if marker == "//#endif":
            only_for = None
            continue
        if only_for is None or only_for == page:
            kept.append(line)
    return kept


def icon_table(icon_folder):
    rows = []
    for icon in ICONS:
        with open(os.path.join(icon_folder, "%d.png" % icon), "rb") as picture:
            data = base64.b64encode(picture.read()).decode("ascii")
        rows.append("  %d: 'data:image/png;base64,%s'" % (icon, data))
    return ",\n".join(rows)


def main():
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    source_path, icon_folder, output = sys.argv[1:]
    with open(source_path, encoding="utf-8") as source_file:
        source = source_file.read()
    os.makedirs(output, exist_ok=True)
    for page in PAGES:
        text = "\n".join(page_lines(source, page)) + "\n"
        if page == "328":
            text = text.replace("@ICON_DATA@", icon_table(icon_folder))
            data = text.encode("utf-16-le")
        else:
            data = text.encode("utf-8")
        with open(os.path.join(output, page + ".html"), "wb") as out:
            out.write(data)


if __name__ == "__main__":
    main()
