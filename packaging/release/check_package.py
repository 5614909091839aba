#!/usr/bin/env python3
"""Checks a release ZIP: exactly sinuet.scr, README.txt and LICENSE.txt; both texts with
CRLF line endings, LICENSE.txt being the repository's LICENSE; the .sha256 file beside it
in sha256sum's format and matching; the saver a Windows GUI program with the given PE
subsystem version.

Usage: check_package.py PACKAGE.zip SUBSYSTEM_VERSION LICENSE
"""
import hashlib
import os
import re
import struct
import sys
import zipfile

EXPECTED_FILES = ["LICENSE.txt", "README.txt", "sinuet.scr"]
IMAGE_SUBSYSTEM_WINDOWS_GUI = 2


def crlf_problem(text):
    """Why the text's line endings are not all CRLF, or None."""
    if not text.endswith(b"\r\n"):
        return "does not end with CRLF"
    if text.count(b"\n") != text.count(b"\r\n"):
        return "has a line feed without carriage return"
    if text.count(b"\r") != text.count(b"\r\n"):
        return "has a carriage return without line feed"
    return None


def file_header(image):
    """Offset of a PE file's COFF file header; its optional header follows 20 bytes later."""
    if image[:2] != b"MZ":
        raise ValueError("no MZ header")
    pe = struct.unpack_from("<I", image, 0x3C)[0]
    if image[pe:pe + 4] != b"PE\0\0":
        raise ValueError("no PE signature")
    return pe + 4


def subsystem(image):
    """(subsystem, major, minor) from a PE file's optional header."""
    optional = file_header(image) + 20
    # The same offsets in PE32 and PE32+ optional headers.
    major, minor = struct.unpack_from("<HH", image, optional + 48)
    (kind,) = struct.unpack_from("<H", image, optional + 68)
    return kind, major, minor


def check(package, subsystem_version, licence_path):
    problems = []
    with zipfile.ZipFile(package) as archive:
        names = sorted(archive.namelist())
        if names != EXPECTED_FILES:
            return [f"holds {names}, not {EXPECTED_FILES}"]
        for name in ("README.txt", "LICENSE.txt"):
            problem = crlf_problem(archive.read(name))
            if problem:
                problems.append(f"{name} {problem}")
        with open(licence_path, "rb") as licence:
            if archive.read("LICENSE.txt") != licence.read().replace(b"\n", b"\r\n"):
                problems.append("LICENSE.txt is not LICENSE")
        kind, major, minor = subsystem(archive.read("sinuet.scr"))
        if kind != IMAGE_SUBSYSTEM_WINDOWS_GUI:
            problems.append(f"sinuet.scr has subsystem {kind}, not Windows GUI")
        if f"{major}.{minor}" != subsystem_version:
            problems.append(f"sinuet.scr has subsystem version {major}.{minor}, "
                            f"not {subsystem_version}")

    return problems + checksum_problems(package)


def checksum_problems(package):
    """What is wrong with the .sha256 file beside the package (sha256sum's format)."""
    with open(package, "rb") as packed:
        digest = hashlib.sha256(packed.read()).hexdigest()
    try:
        with open(package + ".sha256", "rb") as sums:
            line = sums.read().decode("ascii")
    except (OSError, UnicodeDecodeError) as error:
        return [f"checksum file: {error}"]
    expected_line = f"{digest}  {os.path.basename(package)}\n"
    if not re.fullmatch(r"[0-9a-f]{64}  \S+\n", line):
        return [f"checksum file is not in sha256sum format: {line!r}"]
    if line != expected_line:
        return [f"checksum file says {line!r}, the package is {expected_line!r}"]
    return []


def report(path, problems, all_right):
    """Prints each problem and ends with status 1, or prints what is right."""
    for problem in problems:
        print(f"{path}: {problem}")
    if problems:
        sys.exit(1)
    print(f"{path}: {all_right}")


def main():
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    report(sys.argv[1], check(*sys.argv[1:]),
           f"the three files, CRLF texts, checksum and subsystem {sys.argv[2]} are right")


if __name__ == "__main__":
    main()
