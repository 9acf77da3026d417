"""Writes a zip whose bytes depend only on the files' names and contents.

    python3 make_zip.py OUT.zip EPOCH FILE...

Every entry gets the time EPOCH (seconds since 1970, UTC), plain read/write
permissions and the order given; the zip holds no other metadata of the
machine that made it.
"""
import sys
import time
import zipfile
from pathlib import Path


def main(out: str, epoch: str, files: list[str]) -> None:
    # The DOS time in a zip entry cannot be earlier than 1980.
    stamp = time.gmtime(max(int(epoch), 315532800))[:6]
    with zipfile.ZipFile(out, "w") as archive:
        for name in files:
            entry = zipfile.ZipInfo(Path(name).name, date_time=stamp)
            entry.compress_type = zipfile.ZIP_DEFLATED
            entry.create_system = 0  # MS-DOS: no Unix owner or mode bits
            entry.external_attr = 0
            archive.writestr(entry, Path(name).read_bytes(), compresslevel=9)


if __name__ == "__main__":
    if len(sys.argv) < 4:
        sys.exit(__doc__)
    main(sys.argv[1], sys.argv[2], sys.argv[3:])
