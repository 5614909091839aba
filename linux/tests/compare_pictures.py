#!/usr/bin/env python3
"""Compares screenshots of the hack's own window drawn by two builds with the same seed
and settings (flat view). They are taken at different moments, so the bands may have
swung to other angles; what must agree: the frog picture unchanged at the same place in
both, and wherever both show something, the same colour, over enough pixels outside the
frog to matter.

Usage: compare_pictures.py FIRST.ppm SECOND.ppm FROG.ppm
"""
import sys

MIN_SHARED = 5000  # band pixels both screenshots show


def read_ppm(path):
    """(width, height, RGB bytes) of a binary PPM with 8-bit samples, as ImageMagick
    writes it (no comments)."""
    with open(path, "rb") as f:
        data = f.read()
    magic, width, height, depth = data.split(maxsplit=4)[:4]
    width, height = int(width), int(height)
    if magic != b"P6" or depth != b"255" or len(data) < 3 * width * height:
        raise ValueError(f"{path}: not an 8-bit binary PPM")
    return width, height, data[len(data) - 3 * width * height:]


def main():
    first_w, first_h, first = read_ppm(sys.argv[1])
    second_w, second_h, second = read_ppm(sys.argv[2])
    frog_w, frog_h, frog = read_ppm(sys.argv[3])
    if (first_w, first_h) != (second_w, second_h):
        print(f"sizes differ: {first_w}x{first_h} and {second_w}x{second_h}")
        return 1
    width, height = first_w, first_h
    # The frog's place in the flat view: centred, as the core rounds it.
    left, top = width // 2 - frog_w // 2, height // 2 - frog_h // 2
    problems = []
    frog_wrong = [0, 0]
    for y in range(frog_h):
        row = frog[3 * y * frog_w:3 * (y + 1) * frog_w]
        start = 3 * ((top + y) * width + left)
        for k, shot in enumerate((first, second)):
            frog_wrong[k] += shot[start:start + 3 * frog_w] != row
    for k, name in enumerate((sys.argv[1], sys.argv[2])):
        if frog_wrong[k]:
            problems.append(f"{name}: {frog_wrong[k]} rows of the frog differ from the picture")

    black = b"\0\0\0"
    shared = differing = only_one = 0
    for y in range(height):
        in_frog_rows = top <= y < top + frog_h
        for x in range(width):
            if in_frog_rows and left <= x < left + frog_w:
                continue
            i = 3 * (y * width + x)
            a, b = first[i:i + 3], second[i:i + 3]
            if a != black and b != black:
                shared += 1
                differing += a != b
            elif a != black or b != black:
                only_one += 1
    print(f"band pixels both show: {shared}, of them in different colours: {differing}; "
          f"shown by one only: {only_one}")
    if differing:
        problems.append(f"{differing} pixels that both show differ in colour")
    if shared < MIN_SHARED:
        problems.append(f"only {shared} band pixels shown by both (at least {MIN_SHARED})")
    for problem in problems:
        print(problem)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
