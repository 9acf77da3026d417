"""Checks a compiled help file against its sources, from the unpacked CHM:

    python3 check_chm.py UNPACKED_DIR SOURCE_LANG_DIR

- every source page is in the CHM with the same bytes, and so is the style sheet;
- the contents tree (contents.hhc) lists every page, and every page it lists exists;
- every link and reference in every page resolves inside the CHM, anchors
  included; links that leave the help (http:, mailto:) are not followed.

Prints one line per problem and exits 1 if there was any.
"""
import sys
from html.parser import HTMLParser
from pathlib import Path
from urllib.parse import unquote, urlsplit


class Links(HTMLParser):
    def __init__(self) -> None:
        super().__init__()
        self.targets: list[str] = []
        self.ids: set[str] = set()
        self.locals: list[str] = []

    def handle_starttag(self, tag, attrs):
        a = dict(attrs)
        for key in ("href", "src"):
            if a.get(key):
                self.targets.append(a[key])
        for key in ("id", "name"):
            if a.get(key) and tag != "param":
                self.ids.add(a[key])
        if tag == "param" and a.get("name", "").lower() == "local":
            self.locals.append(a.get("value", ""))


def parse(path: Path, encoding: str = "utf-8") -> Links:
    links = Links()
    links.feed(path.read_text(encoding=encoding))
    return links


def main(unpacked: str, sources: str) -> int:
    chm, src = Path(unpacked), Path(sources)
    problems: list[str] = []
    pages = sorted(p.name for p in src.glob("*.html"))
    if "index.html" not in pages:
        problems.append(f"{src}: no index.html")
    for name in pages + ["help.css"]:
        origin = src / name if name != "help.css" else src.parent / name
        if not (chm / name).is_file():
            problems.append(f"missing in the CHM: {name}")
        elif (chm / name).read_bytes() != origin.read_bytes():
            problems.append(f"differs from its source: {name}")

    contents = chm / "contents.hhc"
    listed = parse(contents, "cp1252").locals if contents.is_file() else []
    if not listed:
        problems.append("no contents tree")
    for name in sorted(set(pages) - set(listed)):
        problems.append(f"not in the contents tree: {name}")
    for name in listed:
        if not (chm / name).is_file():
            problems.append(f"the contents tree names a missing page: {name}")

    parsed = {name: parse(chm / name) for name in pages if (chm / name).is_file()}
    for name, links in parsed.items():
        for target in links.targets:
            parts = urlsplit(target)
            if parts.scheme or parts.netloc:
                continue
            file = unquote(parts.path) or name
            if not (chm / file).is_file():
                problems.append(f"{name}: link to a missing file: {target}")
            elif parts.fragment and parts.fragment not in parsed.get(file, Links()).ids:
                problems.append(f"{name}: link to a missing anchor: {target}")

    for p in problems:
        print(f"check_chm: {p}")
    print(f"check_chm: {chm}: {len(pages)} pages, {sum(len(l.targets) for l in parsed.values())} links, "
          f"{len(problems)} problems")
    return 1 if problems else 0


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    sys.exit(main(sys.argv[1], sys.argv[2]))
