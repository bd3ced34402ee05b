#!/usr/bin/env python3
"""Packs a page's module into one text for a page in one file: base64 of the
gzip of the script's length (4 bytes, little-endian), the script and its
WebAssembly. forms/web/packed_module.js unpacks it in the browser.
  pack_module.py SCRIPT.js MODULE.wasm OUT"""
import base64
import gzip
import struct
import sys


def main(script_path, wasm_path, out_path):
    with open(script_path, 'rb') as script, open(wasm_path, 'rb') as wasm:
        script_bytes = script.read()
        packed = struct.pack('<I', len(script_bytes)) + script_bytes + wasm.read()
    # No time stamp: the same module packs to the same text.
    text = base64.b64encode(gzip.compress(packed, compresslevel=9, mtime=0))
    with open(out_path, 'wb') as out:
        out.write(text)


if __name__ == '__main__':
    main(*sys.argv[1:])
