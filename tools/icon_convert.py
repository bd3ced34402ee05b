#!/usr/bin/env python3
"""Turns the icon's one source picture (an XPM) into the files the platforms use.

  icon_convert.py --png OUT.png SOURCE.xpm   32-bit RGBA PNG (Linux desktops)
  icon_convert.py --ico OUT.ico SOURCE.xpm   one 8-bit (256-colour) image (Windows)
  icon_convert.py --data-uri-header OUT.h SOURCE.xpm
                                             the PNG as a data: address in a C++
                                             header (kIconDataUri), for a page in one file

Standard library only. Reads the XPM subset we write: one string per line, a
"c" key per colour, colours as #RGB / #RRGGBB / #RRRRGGGGBBBB or None.
"""

import argparse
import base64
import re
import struct
import sys
import zlib

TRANSPARENT = None


class XpmError(Exception):
    pass


def parse_colour(value):
    if value.lower() == "none":
        return TRANSPARENT
    match = re.fullmatch(r"#([0-9a-fA-F]+)", value)
    if not match or len(match.group(1)) % 3:
        raise XpmError(f"unsupported colour {value!r}")
    digits = match.group(1)
    step = len(digits) // 3
    channels = [int(digits[i * step:(i + 1) * step], 16) for i in range(3)]
    top = 16 ** step - 1
    return tuple(round(c * 255 / top) for c in channels)


def read_xpm(text):
    """Returns (width, height, rows of (r, g, b) or None)."""
    strings = re.findall(r'"((?:[^"\\]|\\.)*)"', re.sub(r"/\*.*?\*/", "", text, flags=re.S))
    if not strings:
        raise XpmError("no XPM strings found")
    header = strings[0].split()
    if len(header) < 4:
        raise XpmError("bad XPM header")
    width, height, ncolours, cpp = (int(v) for v in header[:4])
    if len(strings) < 1 + ncolours + height:
        raise XpmError("XPM is shorter than its header says")
    palette = {}
    for line in strings[1:1 + ncolours]:
        key, rest = line[:cpp], line[cpp:].split()
        if "c" not in rest[::2]:
            raise XpmError(f"colour {key!r} has no 'c' value")
        palette[key] = parse_colour(rest[rest[::2].index("c") * 2 + 1])
    pixels = []
    for y, line in enumerate(strings[1 + ncolours:1 + ncolours + height]):
        if len(line) != width * cpp:
            raise XpmError(f"row {y} has {len(line)} characters, expected {width * cpp}")
        try:
            pixels.append([palette[line[x:x + cpp]] for x in range(0, len(line), cpp)])
        except KeyError as error:
            raise XpmError(f"row {y} uses undefined colour {error}") from None
    return width, height, pixels


def png_bytes(width, height, pixels):
    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    raw = bytearray()
    for row in pixels:
        raw.append(0)  # filter: none
        for pixel in row:
            raw += bytes((0, 0, 0, 0)) if pixel is TRANSPARENT else bytes((*pixel, 255))
    header = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
            + chunk(b"IDAT", zlib.compress(bytes(raw), 9)) + chunk(b"IEND", b""))


def ico_bytes(width, height, pixels):
    """One 8-bit palette image: BITMAPINFOHEADER, 256 BGRX entries, the
    colour rows and the 1-bit transparency mask, both bottom-up."""
    colours = sorted({p for row in pixels for p in row if p is not TRANSPARENT})
    if len(colours) > 256:
        raise XpmError(f"{len(colours)} colours do not fit a 256-colour icon")
    index = {colour: i for i, colour in enumerate(colours)}
    palette = b"".join(bytes((b, g, r, 0)) for r, g, b in colours)
    palette += bytes(4 * (256 - len(colours)))

    colour_stride = (width + 3) & ~3
    mask_stride = ((width + 31) // 32) * 4
    colour_rows, mask_rows = bytearray(), bytearray()
    for row in reversed(pixels):
        line = bytes(0 if p is TRANSPARENT else index[p] for p in row)
        colour_rows += line + bytes(colour_stride - width)
        mask = bytearray(mask_stride)
        for x, pixel in enumerate(row):
            if pixel is TRANSPARENT:
                mask[x // 8] |= 0x80 >> (x % 8)
        mask_rows += mask

    image_size = len(colour_rows) + len(mask_rows)
    info = struct.pack("<IiiHHIIiiII", 40, width, height * 2, 1, 8, 0,
                       image_size, 0, 0, 256, 0)
    image = info + palette + bytes(colour_rows) + bytes(mask_rows)
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", width % 256, height % 256, 0, 0, 1, 8,
                        len(image), 6 + 16)
    return directory + entry + image


def main(argv):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    group = parser.add_mutually_exclusive_group(required=True)
    group.add_argument("--png", metavar="OUT")
    group.add_argument("--ico", metavar="OUT")
    group.add_argument("--data-uri-header", metavar="OUT")
    parser.add_argument("source", metavar="SOURCE.xpm")
    args = parser.parse_args(argv)
    try:
        with open(args.source, encoding="ascii") as source:
            width, height, pixels = read_xpm(source.read())
        if args.ico and (width > 256 or height > 256):
            raise XpmError("an icon image is at most 256 x 256")
        if args.ico:
            data = ico_bytes(width, height, pixels)
        else:
            data = png_bytes(width, height, pixels)
        if args.data_uri_header:
            uri = "data:image/png;base64," + base64.b64encode(data).decode("ascii")
            data = (f"// Made by icon_convert.py from {args.source.rsplit('/', 1)[-1]}.\n"
                    f'inline constexpr char kIconDataUri[] = "{uri}";\n').encode("ascii")
    except (OSError, ValueError, XpmError) as error:
        print(f"icon_convert: {args.source}: {error}", file=sys.stderr)
        return 1
    with open(args.png or args.ico or args.data_uri_header, "wb") as out:
        out.write(data)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
