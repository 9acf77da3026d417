"""Compiles one language of the help (docs/help/LANG) into a CHM file whose
bytes depend only on the sources and EPOCH.

    python3 make_chm.py HELP_DIR LANG OUT.chm EPOCH

The contents tree follows the list of links on the language's index.html, in
its order. chmcmd (Free Pascal's CHM compiler) does the compiling; it stamps
the build's time of day, in milliseconds, into two places and knows no
SOURCE_DATE_EPOCH:

  - the ITSF header's time stamp (offset 0x10, 32-bit big-endian);
  - record 10 of the internal file #SYSTEM (32-bit little-endian).

Both are set to EPOCH's time of day (UTC) after the build. #SYSTEM lies in
the uncompressed section, found through the archive's directory; a file
without both fields is refused, so a chmcmd that changes its layout stops the
release instead of slipping a build time through.
"""
import shutil
import struct
import subprocess
import sys
import tempfile
from html.parser import HTMLParser
from pathlib import Path

LANGUAGES = {"de": "0x407 German (Germany)", "en": "0x409 English (United States)"}
# The viewer reads the project and the contents tree in the language's ANSI code page.
CODEPAGE = "cp1252"
SYSTEM_TIMESTAMP_RECORD = 10


class Contents(HTMLParser):
    """The page title and the (target, text) of every link inside a list item."""

    def __init__(self) -> None:
        super().__init__()
        self.title = ""
        self.entries: list[tuple[str, str]] = []
        self._in_title = False
        self._in_item = False
        self._link: str | None = None
        self._text = ""

    def handle_starttag(self, tag, attrs):
        if tag == "title":
            self._in_title = True
        elif tag == "li":
            self._in_item = True
        elif tag == "a" and self._in_item:
            self._link, self._text = dict(attrs).get("href"), ""

    def handle_endtag(self, tag):
        if tag == "title":
            self._in_title = False
        elif tag == "li":
            self._in_item = False
        elif tag == "a" and self._link:
            self.entries.append((self._link, " ".join(self._text.split())))
            self._link = None

    def handle_data(self, data):
        if self._in_title:
            self.title += data
        elif self._link:
            self._text += data


def sitemap_item(name: str, local: str) -> str:
    quoted = name.replace("&", "&amp;").replace('"', "&quot;")
    return (f'<li><object type="text/sitemap"><param name="Name" value="{quoted}">'
            f'<param name="Local" value="{local}"></object>\n')


def write_project(work: Path, lang: str, pages: list[str]) -> None:
    index = Contents()
    index.feed((work / "index.html").read_text(encoding="utf-8"))
    if not index.entries:
        sys.exit(f"make_chm: {lang}/index.html lists no topics")
    toc = "<html><body><ul>\n" + sitemap_item(index.title.strip(), "index.html")
    toc += "<ul>\n" + "".join(sitemap_item(text, target) for target, text in index.entries) + "</ul>\n"
    toc += "</ul></body></html>\n"
    (work / "contents.hhc").write_bytes(toc.encode(CODEPAGE))
    project = "\n".join([
        "[OPTIONS]",
        "Compatibility=1.1 or later",
        "Compiled file=help.chm",
        "Contents file=contents.hhc",
        "Default topic=index.html",
        "Display compile progress=No",
        f"Language={LANGUAGES[lang]}",
        f"Title={index.title.strip()}",
        "",
        "[FILES]",
        *pages,
        "",
    ])
    (work / "help.hhp").write_bytes(project.replace("\n", "\r\n").encode(CODEPAGE))


def encint(data: bytes, pos: int) -> tuple[int, int]:
    value = 0
    while True:
        byte = data[pos]
        pos += 1
        value = (value << 7) | (byte & 0x7F)
        if byte < 0x80:
            return value, pos


def find_section0_file(data: bytes, name: str) -> tuple[int, int]:
    """Offset and length in the file of an entry of the uncompressed section."""
    if data[:4] != b"ITSF" or struct.unpack_from("<I", data, 4)[0] != 3:
        raise ValueError("not an ITSF version 3 file")
    directory = struct.unpack_from("<Q", data, 0x48)[0]
    content = struct.unpack_from("<Q", data, 0x58)[0]
    if data[directory:directory + 4] != b"ITSP":
        raise ValueError("no ITSP directory")
    header_len, chunk_size = struct.unpack_from("<I", data, directory + 8)[0], struct.unpack_from(
        "<I", data, directory + 0x10)[0]
    chunk_no = struct.unpack_from("<i", data, directory + 0x20)[0]
    wanted = name.encode("utf-8")
    seen = set()
    while chunk_no != -1 and chunk_no not in seen:
        seen.add(chunk_no)
        chunk = directory + header_len + chunk_no * chunk_size
        if data[chunk:chunk + 4] != b"PMGL":
            raise ValueError("directory chunk is not a PMGL chunk")
        end = chunk + chunk_size - struct.unpack_from("<I", data, chunk + 4)[0]
        pos = chunk + 0x14
        while pos < end:
            length, pos = encint(data, pos)
            entry = data[pos:pos + length]
            pos += length
            section, pos = encint(data, pos)
            offset, pos = encint(data, pos)
            size, pos = encint(data, pos)
            if entry == wanted:
                if section != 0:
                    raise ValueError(f"{name} is not in the uncompressed section")
                return content + offset, size
        chunk_no = struct.unpack_from("<i", data, chunk + 0x10)[0]
    raise ValueError(f"{name} not found")


def stamp(chm: Path, epoch: int) -> None:
    data = bytearray(chm.read_bytes())
    millis = (epoch % 86400) * 1000
    struct.pack_into(">I", data, 0x10, millis)
    offset, size = find_section0_file(bytes(data), "/#SYSTEM")
    pos, end, stamped = offset + 4, offset + size, 0  # after the #SYSTEM version
    while pos + 4 <= end:
        code, length = struct.unpack_from("<HH", data, pos)
        if code == SYSTEM_TIMESTAMP_RECORD:
            if length != 4:
                raise ValueError(f"#SYSTEM record {code} has {length} bytes, expected 4")
            struct.pack_into("<I", data, pos + 4, millis)
            stamped += 1
        pos += 4 + length
    if stamped != 1:
        raise ValueError(f"#SYSTEM holds {stamped} time stamp records, expected 1")
    chm.write_bytes(data)


def main(help_dir: str, lang: str, out: str, epoch: str) -> None:
    if lang not in LANGUAGES:
        sys.exit(f"make_chm: unknown language {lang}")
    source = Path(help_dir)
    pages = sorted(p.name for p in (source / lang).glob("*.html"))
    with tempfile.TemporaryDirectory() as tmp:
        work = Path(tmp)
        for page in pages:
            shutil.copyfile(source / lang / page, work / page)
        shutil.copyfile(source / "help.css", work / "help.css")
        write_project(work, lang, pages + ["help.css"])
        run = subprocess.run(["chmcmd", "help.hhp"], cwd=work, capture_output=True, text=True)
        built = work / "help.chm"
        # chmcmd warns of a linked file it cannot find and still writes the CHM.
        complained = "Error" in run.stdout or "Warning" in run.stdout
        if run.returncode != 0 or not built.is_file() or complained:
            sys.exit(f"make_chm: chmcmd failed for {lang}:\n{run.stdout}{run.stderr}")
        stamp(built, int(epoch))
        shutil.copyfile(built, out)


if __name__ == "__main__":
    if len(sys.argv) != 5:
        sys.exit(__doc__)
    main(*sys.argv[1:])
