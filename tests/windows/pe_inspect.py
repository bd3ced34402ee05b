#!/usr/bin/env python3
"""Checks a built Trovanel.exe without running it (the 32-bit build cannot run
here): the PE header and the imports (through mingw's objdump), the icon group
and the version record (their bytes through wrestool, of icoutils).

  pe_inspect.py EXE --arch i686|x86_64 --title-host HOST --max-kb N --ico ICO

ICO is the icon the build made from the one source picture; the executable
must carry exactly its image.

Prints one line per failed check and exits 1 when any failed.
"""

import argparse
import os
import re
import struct
import subprocess
import sys
from urllib.parse import urlparse

# objdump's name for each machine, and the optional header's kind.
MACHINES = {"i686": ("pei-i386", "PE32"), "x86_64": ("pei-x86-64", "PE32+")}
SUBSYSTEM_GUI = 2
DYNAMIC_BASE, NX_COMPAT, HIGH_ENTROPY_VA = 0x40, 0x100, 0x20
RT_ICON, RT_GROUP_ICON, RT_VERSION = 3, 14, 16
# What a program may import: the system's own libraries, never a compiler's
# runtime (libstdc++, libgcc, winpthread).
SYSTEM_DLLS = {"kernel32.dll", "user32.dll", "gdi32.dll", "comctl32.dll",
               "msvcrt.dll", "advapi32.dll", "shell32.dll", "ntdll.dll"}
PUBLISHER_FIELDS = ("CompanyName", "LegalCopyright", "LegalTrademarks")


class Pe:
    def __init__(self, path):
        self.path = path
        dump = subprocess.check_output(
            ["x86_64-w64-mingw32-objdump", "-p", path], text=True)

        def field(pattern):
            found = re.search(pattern, dump, re.MULTILINE)
            if not found:
                raise ValueError(f"objdump shows no {pattern!r}")
            return found.group(1)
        self.format = field(r"file format (\S+)")
        self.magic = field(r"^Magic\s+\S+\s+\((\S+)\)")
        self.subsystem = int(field(r"^Subsystem\s+(\S+)"), 16)
        self.dll_characteristics = int(field(r"^DllCharacteristics\s+(\S+)"), 16)
        self.imports = re.findall(r"DLL Name: (\S+)", dump)
        listing = subprocess.check_output(["wrestool", "-l", path], text=True)
        self.resource_ids = [tuple(map(int, found)) for found in re.findall(
            r"--type=(\d+) --name=(\d+)", listing)]

    def resource(self, kind, ident):
        return subprocess.check_output(
            ["wrestool", "-x", "--raw", f"--type={kind}", f"--name={ident}",
             self.path])


def version_blocks(data, at=0, end=None):
    """Walks VS_VERSIONINFO-style blocks: yields (key, value bytes, is_text, children)."""
    end = len(data) if end is None else end
    while at + 6 <= end:
        length, value_length, is_text = struct.unpack_from("<HHH", data, at)
        if length == 0:
            break
        key_end = at + 6
        while data[key_end:key_end + 2] != b"\0\0":
            key_end += 2
        key = data[at + 6:key_end].decode("utf-16-le")
        value_at = (key_end + 2 + 3) & ~3
        value_size = value_length * 2 if is_text else value_length
        value = data[value_at:value_at + value_size]
        children_at = (value_at + value_size + 3) & ~3
        yield key, value, is_text, (children_at, at + length)
        at = (at + length + 3) & ~3


def ico_image(path):
    """The image bytes of a one-image .ico file."""
    data = open(path, "rb").read()
    _, kind, count = struct.unpack_from("<HHH", data, 0)
    if kind != 1 or count != 1:
        raise ValueError(f"{path} holds {count} images")
    size, offset = struct.unpack_from("<II", data, 6 + 8)
    return data[offset:offset + size]


def check(exe, arch, title_host, max_kb, ico):
    failures = []

    def expect(ok, what):
        if not ok:
            failures.append(what)

    pe = Pe(exe)
    file_format, magic = MACHINES[arch]
    expect(pe.format == file_format, f"format {pe.format}, wanted {file_format}")
    expect(pe.magic == magic, f"optional header {pe.magic}, wanted {magic}")
    expect(pe.subsystem == SUBSYSTEM_GUI, f"subsystem {pe.subsystem}, wanted GUI")
    wanted = DYNAMIC_BASE | NX_COMPAT | (HIGH_ENTROPY_VA if arch == "x86_64" else 0)
    expect(pe.dll_characteristics & wanted == wanted,
           f"DLL characteristics {pe.dll_characteristics:#x} lack {wanted:#x}")
    others = [name for name in pe.imports if name.lower() not in SYSTEM_DLLS]
    expect(not others, f"imports beyond the system's libraries: {others}")
    size = os.path.getsize(exe)
    expect(size <= max_kb * 1024, f"{size} bytes, more than {max_kb} KB")

    groups = sorted(ident for kind, ident in pe.resource_ids
                    if kind == RT_GROUP_ICON)
    expect(groups == [1], f"icon groups {groups}, wanted only group 1")
    if groups == [1]:
        group = pe.resource(RT_GROUP_ICON, 1)
        _, kind, count = struct.unpack_from("<HHH", group, 0)
        expect(kind == 1 and count == 1, f"icon group holds {count} images")
        width, height, colours, _, planes, bits, _, ident = struct.unpack_from(
            "<BBBBHHIH", group, 6)
        expect((width, height, bits) == (32, 32, 8),
               f"icon image {width}x{height} at {bits} bits, wanted 32x32 at 8")
        image = pe.resource(RT_ICON, ident)
        header = struct.unpack_from("<IiiHH", image, 0) if len(image) >= 16 else None
        expect(header is not None and header[1] == 32 and header[2] == 64
               and header[4] == 8,
               f"icon bitmap header {header}, wanted 32x32 (AND mask) at 8 bits")
        expect(image == ico_image(ico), f"the icon is not the image of {ico}")

    versions = [ident for kind, ident in pe.resource_ids if kind == RT_VERSION]
    expect(versions == [1], "one version record")
    if versions:
        failures += check_version(pe.resource(RT_VERSION, 1), title_host)
    return failures


def check_version(data, title_host):
    failures = []
    (key, fixed, _, (child, end)), = list(version_blocks(data))[:1]
    signature, _, file_ms, file_ls, product_ms, product_ls = struct.unpack_from(
        "<IIIIII", fixed, 0)
    if key != "VS_VERSION_INFO" or signature != 0xFEEF04BD:
        return ["no fixed version information"]
    for name, (ms, ls) in (("file", (file_ms, file_ls)),
                           ("product", (product_ms, product_ls))):
        parts = (ms >> 16, ms & 0xFFFF, ls >> 16, ls & 0xFFFF)
        if parts != (1, 0, 0, 0):
            failures.append(f"{name} version {parts}, wanted 1.0.0.0")

    strings, translations = {}, []
    for block, _, _, (inner, inner_end) in version_blocks(data, child, end):
        if block == "StringFileInfo":
            tables = list(version_blocks(data, inner, inner_end))
            if [t[0] for t in tables] != ["040904B0"]:
                failures.append(f"string tables {[t[0] for t in tables]}, wanted 040904B0")
            for _, _, _, (at, stop) in tables[:1]:
                for name, value, _, _ in version_blocks(data, at, stop):
                    strings[name] = value.decode("utf-16-le").rstrip("\0")
        elif block == "VarFileInfo":
            for _, value, _, _ in version_blocks(data, inner, inner_end):
                translations += list(struct.iter_unpack("<HH", value))
    if translations != [(0x0409, 1200)]:
        failures.append(f"translations {translations}, wanted 0409 / 1200")

    wanted = {"ProductName": "Trovanel", "FileDescription": "Trovanel",
              "InternalName": "Trovanel", "OriginalFilename": "Trovanel.exe",
              "FileVersion": "1.00", "ProductVersion": "1.00"}
    for name, value in wanted.items():
        if strings.get(name) != value:
            failures.append(f"{name} is {strings.get(name)!r}, wanted {value!r}")
    addresses = {strings.get(name) for name in PUBLISHER_FIELDS}
    if len(addresses) != 1:
        failures.append(f"{', '.join(PUBLISHER_FIELDS)} differ: {addresses}")
    else:
        address = addresses.pop() or ""
        host = urlparse(address if "//" in address else "//" + address).hostname
        if not host or host == title_host or not host.endswith(".example"):
            failures.append(f"publisher host {host!r}: wanted a reserved name "
                            f"other than the title's {title_host!r}")
    return failures


def main(argv):
    parser = argparse.ArgumentParser()
    parser.add_argument("exe")
    parser.add_argument("--arch", choices=sorted(MACHINES), required=True)
    parser.add_argument("--title-host", required=True)
    parser.add_argument("--max-kb", type=int, required=True)
    parser.add_argument("--ico", required=True)
    args = parser.parse_args(argv)
    try:
        failures = check(args.exe, args.arch, args.title_host, args.max_kb,
                         args.ico)
    except (OSError, ValueError, struct.error,
            subprocess.CalledProcessError) as error:
        failures = [f"cannot read {args.exe}: {error}"]
    for failure in failures:
        print(f"FAIL: {failure}")
    print(f"{args.exe}: {'ok' if not failures else f'{len(failures)} failed'}")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
