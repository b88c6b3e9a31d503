#!/usr/bin/env python3
"""Reads every .html file of a folder with html.parser. Mode "links": prints
each href/src (percent-decoded) that names no file of the folder, absolute
addresses left out. Mode "text FILE": prints the text content of one page."""
import html.parser
import os
import sys
import urllib.parse


class Links(html.parser.HTMLParser):
    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.targets = []
        self.text = []

    def handle_starttag(self, tag, attrs):
        for name, value in attrs:
            if name in ("href", "src", "background") and value is not None:
                self.targets.append(value)

    def handle_data(self, data):
        self.text.append(data)


def parse(path):
    parser = Links()
    with open(path, encoding="utf-8-sig") as f:
        parser.feed(f.read())
    return parser


def main():
    folder = sys.argv[2]
    if sys.argv[1] == "text":
        print("".join(parse(os.path.join(folder, sys.argv[3])).text), end="")
        return 0
    for page in sorted(os.listdir(folder)):
        if not page.endswith(".html"):
            continue
        for target in parse(os.path.join(folder, page)).targets:
            if urllib.parse.urlparse(target).scheme:
                continue
            name = urllib.parse.unquote(target)
            if "/" in name or not os.path.isfile(os.path.join(folder, name)):
                print(f"{page}: {target}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
