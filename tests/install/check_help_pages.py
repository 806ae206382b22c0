#!/usr/bin/env python3
"""Checks the help pages: each one well formed (every element closed in order, one title, a
language, unique ids) and every relative link, with its #fragment, reaching an existing page and
id. Usage: check_help_pages.py HELP_DIR PAGE..."""

import sys
from html.parser import HTMLParser
from pathlib import Path
from urllib.parse import unquote, urlsplit

VOID = {"area", "base", "br", "col", "embed", "hr", "img", "input", "link", "meta", "source",
        "track", "wbr"}


class Page(HTMLParser):
    def __init__(self, path):
        super().__init__(convert_charrefs=True)
        self.path = path
        self.faults = []
        self.open = []
        self.ids = set()
        self.links = []
        self.titles = 0
        self.lang = None
        self.feed(path.read_text(encoding="utf-8"))
        self.close()
        if self.open:
            self.fault(f"unclosed elements at the end: {self.open}")
        if self.titles != 1:
            self.fault(f"{self.titles} title elements")
        if not self.lang:
            self.fault("no lang attribute on html")

    def fault(self, text):
        line, _ = self.getpos()
        self.faults.append(f"{self.path}:{line}: {text}")

    def handle_starttag(self, tag, attrs):
        attrs = dict(attrs)
        if tag == "html":
            self.lang = attrs.get("lang")
        if tag == "title":
            self.titles += 1
        if "id" in attrs:
            if attrs["id"] in self.ids:
                self.fault(f"duplicate id {attrs['id']}")
            self.ids.add(attrs["id"])
        if tag == "a" and "href" in attrs:
            self.links.append((self.getpos()[0], attrs["href"]))
        if tag not in VOID:
            self.open.append(tag)

    def handle_startendtag(self, tag, attrs):
        self.handle_starttag(tag, attrs)
        if tag not in VOID:
            self.open.pop()

    def handle_endtag(self, tag):
        if not self.open or self.open[-1] != tag:
            self.fault(f"</{tag}> closes {self.open[-1] if self.open else 'nothing'}")
            if tag in self.open:
                del self.open[len(self.open) - 1 - self.open[::-1].index(tag):]
        else:
            self.open.pop()


def main():
    root = Path(sys.argv[1]).resolve()
    pages = {(root / name).resolve(): Page(root / name) for name in sys.argv[2:]}
    faults = [f for page in pages.values() for f in page.faults]
    for path, page in pages.items():
        for line, href in page.links:
            url = urlsplit(href)
            if url.scheme or url.netloc:
                faults.append(f"{path}:{line}: link leaves the help pages: {href}")
                continue
            target = (path.parent / unquote(url.path)).resolve() if url.path else path
            if target not in pages:
                faults.append(f"{path}:{line}: link to a page that is not shipped: {href}")
            elif url.fragment and url.fragment not in pages[target].ids:
                faults.append(f"{path}:{line}: no id {url.fragment} in {target.name}")
    print("\n".join(faults) if faults else f"{len(pages)} pages checked")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
