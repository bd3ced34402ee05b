#!/usr/bin/env python3
"""Checks the Windows download as a teacher unpacks it.

  windows_download_test.py ZIP WINDOWS_BUILD_DIR

Exactly the read-me and the two programs, each the very file the build made
for its folder's processor; the read-me as Windows' Notepad reads it (UTF-8
with a byte order mark, CR LF line ends), in Bulgarian (Cyrillic) and
naming each program by the path Windows shows.
"""

import pathlib
import sys
import zipfile


def main(argv):
    archive, build = pathlib.Path(argv[0]), pathlib.Path(argv[1])
    failures = []
    with zipfile.ZipFile(archive) as download:
        names = sorted(n for n in download.namelist() if not n.endswith("/"))
        wanted = ["README.txt", "i686/Trovanel.exe", "x86_64/Trovanel.exe"]
        if names != wanted:
            failures.append(f"entries {names}, wanted {wanted}")
        for arch in ("i686", "x86_64"):
            name = f"{arch}/Trovanel.exe"
            if name in names and download.read(name) != (
                    build / arch / "Trovanel.exe").read_bytes():
                failures.append(f"{name} is not the {arch} build")
        readme = download.read("README.txt") if "README.txt" in names else b""
    if not readme.startswith(b"\xef\xbb\xbf"):
        failures.append("README.txt has no UTF-8 byte order mark")
    bare = readme.replace(b"\r\n", b"")
    if b"\n" in bare or b"\r" in bare:
        failures.append("README.txt has line ends other than CR LF")
    text = readme.decode("utf-8-sig", errors="replace")
    if not any("\u0400" <= c <= "\u04ff" for c in text):
        failures.append("README.txt has no Bulgarian text")
    for name in wanted[1:]:
        if name.replace("/", "\\") not in text:
            failures.append(f"README.txt does not name {name}")
    for failure in failures:
        print(f"windows_download_test: {failure}")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
