#!/usr/bin/env python3
"""The icon's PNG and ICO, made by tools/icon_convert.py, decoded again
independently and compared pixel by pixel with the XPM they come from."""

import os
import struct
import subprocess
import sys
import tempfile
import unittest
import zlib

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
TOOL = os.path.join(ROOT, "tools", "icon_convert.py")
SOURCE = os.path.join(ROOT, "resources", "trovanel.xpm")

sys.path.insert(0, os.path.join(ROOT, "tools"))
from icon_convert import read_xpm  # noqa: E402


def convert(kind, source=SOURCE):
    out = tempfile.NamedTemporaryFile(suffix="." + kind, delete=False)
    out.close()
    result = subprocess.run([sys.executable, TOOL, "--" + kind, out.name, source],
                            capture_output=True, text=True)
    with open(out.name, "rb") as f:
        data = f.read()
    os.unlink(out.name)
    return result, data


def decode_png(data):
    assert data[:8] == b"\x89PNG\r\n\x1a\n"
    pos, idat, header = 8, b"", None
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        crc, = struct.unpack(">I", data[pos + 8 + length:pos + 12 + length])
        assert crc == zlib.crc32(kind + body), kind
        if kind == b"IHDR":
            header = struct.unpack(">IIBBBBB", body)
        elif kind == b"IDAT":
            idat += body
        pos += 12 + length
    width, height, depth, colour_type = header[:4]
    assert (depth, colour_type) == (8, 6), "expected 8-bit RGBA"
    raw = zlib.decompress(idat)
    stride = 1 + 4 * width
    rows = []
    for y in range(height):
        line = raw[y * stride:(y + 1) * stride]
        assert line[0] == 0, "filter"
        rows.append([None if line[1 + 4 * x + 3] == 0 else tuple(line[1 + 4 * x:4 + 4 * x])
                     for x in range(width)])
    return width, height, rows


def decode_ico(data):
    reserved, kind, count = struct.unpack("<HHH", data[:6])
    assert (reserved, kind, count) == (0, 1, 1)
    w, h, colours, _, planes, bits, size, offset = struct.unpack("<BBBBHHII", data[6:22])
    assert (planes, bits) == (1, 8) and offset + size == len(data)
    image = data[offset:]
    header_size, width, double_height, _, bit_count = struct.unpack("<IiiHH", image[:16])
    assert header_size == 40 and bit_count == 8 and double_height == 2 * width
    assert (w or 256, h or 256) == (width, width)
    palette = [tuple(image[40 + 4 * i:43 + 4 * i][::-1]) for i in range(256)]
    colour_stride = (width + 3) & ~3
    mask_stride = ((width + 31) // 32) * 4
    pixels_at = 40 + 4 * 256
    mask_at = pixels_at + colour_stride * width
    assert mask_at + mask_stride * width == len(image)
    rows = []
    for y in range(width - 1, -1, -1):  # bottom-up
        row = []
        for x in range(width):
            transparent = image[mask_at + y * mask_stride + x // 8] & (0x80 >> (x % 8))
            index = image[pixels_at + y * colour_stride + x]
            row.append(None if transparent else palette[index])
        rows.append(row)
    return width, width, rows


class IconConvertTest(unittest.TestCase):
    def setUp(self):
        with open(SOURCE, encoding="ascii") as f:
            self.width, self.height, self.pixels = read_xpm(f.read())

    def test_source_is_a_32_by_32_picture_with_transparency(self):
        self.assertEqual((self.width, self.height), (32, 32))
        flat = [p for row in self.pixels for p in row]
        self.assertIn(None, flat)
        self.assertGreater(len(set(flat) - {None}), 5)

    def test_png_shows_the_same_pixels(self):
        result, data = convert("png")
        self.assertEqual(result.returncode, 0, result.stderr)
        self.assertEqual(decode_png(data), (32, 32, self.pixels))

    def test_ico_is_one_256_colour_image_with_the_same_pixels(self):
        result, data = convert("ico")
        self.assertEqual(result.returncode, 0, result.stderr)
        self.assertEqual(decode_ico(data), (32, 32, self.pixels))

    def test_broken_source_is_refused_with_one_line(self):
        with tempfile.NamedTemporaryFile("w", suffix=".xpm", delete=False) as bad:
            bad.write('static char *x[] = {"2 1 1 1", "a c #000000", "ab"};')
        result, _ = convert("png", bad.name)
        os.unlink(bad.name)
        self.assertEqual(result.returncode, 1)
        self.assertEqual(result.stderr.count("\n"), 1, result.stderr)


if __name__ == "__main__":
    unittest.main()
