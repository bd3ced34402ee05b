#!/usr/bin/env python3
"""Compares a picture of a window with its reviewed reference image.

  reference_image.py ACTUAL REFERENCE.png --out DIR   compare; exit 1 on a mismatch
  reference_image.py ACTUAL REFERENCE.png --update    make ACTUAL the reference

ACTUAL is a binary PPM (as the test drivers write) or a PNG. Two pixels
differ when one of their channels differs by more than CHANNEL_TOLERANCE;
the pictures match when at most PIXEL_TOLERANCE pixels differ. The reference
images are taken with the same fonts on the same X server, so the pictures
agree exactly; the smallest real change, a full stop dropped, moves 4 pixels. On a
mismatch, DIR/NAME.actual.png and DIR/NAME.diff.png are written (differing
pixels red on a faded copy of the reference) and named on stderr.

Standard library only: PNG is read (8-bit RGB or RGBA, any filter) and
written (8-bit RGB) here with zlib.
"""

import argparse
import os
import re
import struct
import sys
import zlib

CHANNEL_TOLERANCE = 2
PIXEL_TOLERANCE = 2

PNG_SIGNATURE = b"\x89PNG\r\n\x1a\n"


class ImageError(Exception):
    pass


class Image:
    def __init__(self, width, height, rgb):
        if len(rgb) != width * height * 3:
            raise ImageError("pixel data does not fit the size")
        self.width, self.height, self.rgb = width, height, bytes(rgb)

    def pixel(self, index):
        return self.rgb[index * 3:index * 3 + 3]


def read_ppm(data):
    header = re.match(rb"P6\s+(\d+)\s+(\d+)\s+255\s", data)
    if not header:
        raise ImageError("not an 8-bit binary PPM")
    width, height = int(header.group(1)), int(header.group(2))
    return Image(width, height, data[header.end():header.end() + width * height * 3])


def _paeth(a, b, c):
    p = a + b - c
    pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
    return a if pa <= pb and pa <= pc else b if pb <= pc else c


def read_png(data):
    if data[:8] != PNG_SIGNATURE:
        raise ImageError("not a PNG")
    pos, compressed, header = 8, b"", None
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        pos += 12 + length
        if kind == b"IHDR":
            header = struct.unpack(">IIBBBBB", body)
        elif kind == b"IDAT":
            compressed += body
        elif kind == b"IEND":
            break
    if header is None:
        raise ImageError("PNG without a header")
    width, height, depth, colour, _, _, interlace = header
    if depth != 8 or colour not in (2, 6) or interlace:
        raise ImageError("only 8-bit, non-interlaced RGB or RGBA PNGs are read")
    channels = 3 if colour == 2 else 4
    stride = width * channels
    raw = zlib.decompress(compressed)
    previous = bytearray(stride)
    rgb = bytearray()
    for y in range(height):
        kind = raw[y * (stride + 1)]
        line = bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for i in range(stride):
            left = line[i - channels] if i >= channels else 0
            up = previous[i]
            corner = previous[i - channels] if i >= channels else 0
            if kind == 1:
                line[i] = (line[i] + left) & 0xFF
            elif kind == 2:
                line[i] = (line[i] + up) & 0xFF
            elif kind == 3:
                line[i] = (line[i] + (left + up) // 2) & 0xFF
            elif kind == 4:
                line[i] = (line[i] + _paeth(left, up, corner)) & 0xFF
        previous = line
        for x in range(width):
            rgb += line[x * channels:x * channels + 3]
    return Image(width, height, rgb)


def read_image(path):
    with open(path, "rb") as f:
        data = f.read()
    return read_png(data) if data.startswith(PNG_SIGNATURE) else read_ppm(data)


def png_bytes(image):
    def chunk(kind, body):
        return (struct.pack(">I", len(body)) + kind + body
                + struct.pack(">I", zlib.crc32(kind + body)))

    stride = image.width * 3
    raw = b"".join(b"\0" + image.rgb[y * stride:(y + 1) * stride]
                   for y in range(image.height))
    header = struct.pack(">IIBBBBB", image.width, image.height, 8, 2, 0, 0, 0)
    return (PNG_SIGNATURE + chunk(b"IHDR", header)
            + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def write_png(image, path):
    with open(path, "wb") as out:
        out.write(png_bytes(image))


def differing_pixels(actual, reference):
    """Indexes of the pixels that differ beyond the channel tolerance."""
    a, r = actual.rgb, reference.rgb
    return [i // 3 for i in range(0, len(a), 3)
            if max(abs(a[i] - r[i]), abs(a[i + 1] - r[i + 1]),
                   abs(a[i + 2] - r[i + 2])) > CHANNEL_TOLERANCE]


def difference_image(reference, differing):
    faded = bytearray(255 - (255 - value) // 4 for value in reference.rgb)
    for index in differing:
        faded[index * 3:index * 3 + 3] = b"\xff\x00\x00"
    return Image(reference.width, reference.height, faded)


def compare(actual_path, reference_path, out_dir):
    """None when the pictures match, else what differs (and writes the
    actual and difference images to out_dir)."""
    name = os.path.splitext(os.path.basename(reference_path))[0]
    actual = read_image(actual_path)
    if not os.path.exists(reference_path):
        problem = "there is no reference image yet"
        reference = None
    else:
        reference = read_image(reference_path)
        if (actual.width, actual.height) != (reference.width, reference.height):
            problem = (f"the window is {actual.width}x{actual.height}, the reference "
                       f"{reference.width}x{reference.height}")
        else:
            differing = differing_pixels(actual, reference)
            if len(differing) <= PIXEL_TOLERANCE:
                return None
            problem = (f"{len(differing)} pixels differ by more than "
                       f"{CHANNEL_TOLERANCE} in a channel (at most {PIXEL_TOLERANCE} may)")
    os.makedirs(out_dir, exist_ok=True)
    written = [os.path.join(out_dir, name + ".actual.png")]
    write_png(actual, written[0])
    if reference is not None and (actual.width, actual.height) == (
            reference.width, reference.height):
        written.append(os.path.join(out_dir, name + ".diff.png"))
        write_png(difference_image(reference, differing), written[1])
    return f"{name}: {problem}; see " + " and ".join(written)


def main(argv):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("actual")
    parser.add_argument("reference")
    action = parser.add_mutually_exclusive_group(required=True)
    action.add_argument("--out", help="where a mismatch leaves its images")
    action.add_argument("--update", action="store_true")
    args = parser.parse_args(argv)
    try:
        if args.update:
            write_png(read_image(args.actual), args.reference)
            return 0
        problem = compare(args.actual, args.reference, args.out)
    except (OSError, ImageError, zlib.error) as error:
        print(f"reference_image: {error}", file=sys.stderr)
        return 1
    if problem:
        print(problem, file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
