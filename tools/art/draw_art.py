#!/usr/bin/env python3
"""Draws Sinuet's pictures and writes the resource files:
    header.bmp (bitmap 107), footer.bmp (bitmap 112), frog.bmp ("IDB_FROG"), sinuet.ico.
Usage: draw_art.py OUTPUT_DIR. The result depends on nothing but this code."""

import os
import sys

sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import footer  # noqa: E402
import frog  # noqa: E402
import header  # noqa: E402
import icon  # noqa: E402
from imagefiles import write_bmp8, write_ico16  # noqa: E402


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else "."
    os.makedirs(out, exist_ok=True)
    write_bmp8(os.path.join(out, "header.bmp"), header.draw())
    write_bmp8(os.path.join(out, "footer.bmp"), footer.draw())
    write_bmp8(os.path.join(out, "frog.bmp"), frog.draw(), keep=[(0, 0, 0)])
    write_ico16(os.path.join(out, "sinuet.ico"), icon.draw())


if __name__ == "__main__":
    main()
