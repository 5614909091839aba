#!/usr/bin/env python3
"""Checks the setup program: a 32-bit Windows GUI program (so that every Windows of the NT
family runs it) that asks for administrator rights, with version information naming Sinuet
and its version, and its .sha256 file beside it in sha256sum's format.

Usage: check_setup.py SETUP.exe VERSION VERSION_NUMBERS   (e.g. 1.5 1.5.0.0)
The Wine test of the installer imports pe_format and version_problems from here.
"""
import os
import re
import struct
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "release"))
from check_package import checksum_problems, file_header, report, subsystem  # noqa: E402

IMAGE_SUBSYSTEM_WINDOWS_GUI = 2
VS_FIXEDFILEINFO_SIGNATURE = 0xFEEF04BD


def pe_format(image):
    """"PE32" or "PE32+" with the machine: "PE32 i386", "PE32+ x86-64" or something else."""
    header = file_header(image)
    (machine,) = struct.unpack_from("<H", image, header)
    (magic,) = struct.unpack_from("<H", image, header + 20)
    formats = {0x10B: "PE32", 0x20B: "PE32+"}
    machines = {0x14C: "i386", 0x8664: "x86-64"}
    return f"{formats.get(magic, hex(magic))} {machines.get(machine, hex(machine))}"


def version_string(image, name):
    """A string value of the version resource (a String block: its name, a NUL, padding to
    32 bits, the value and a NUL, all UTF-16LE), or None."""
    pattern = re.escape((name + "\0").encode("utf-16-le")) + rb"(?:\0\0)?((?:[^\0].|\0[^\0])*?)\0\0"
    found = re.search(pattern, image, re.S)
    return found.group(1).decode("utf-16-le") if found else None


def file_version(image):
    """The four numbers of VS_FIXEDFILEINFO's file version, as "1.5.0.0", or None."""
    at = image.find(struct.pack("<I", VS_FIXEDFILEINFO_SIGNATURE))
    if at < 0:
        return None
    high, low = struct.unpack_from("<II", image, at + 8)
    return f"{high >> 16}.{high & 0xFFFF}.{low >> 16}.{low & 0xFFFF}"


def version_problems(image, version, numbers):
    """What in the version information does not name Sinuet at this version."""
    problems = []
    if file_version(image) != numbers:
        problems.append(f"file version {file_version(image)}, not {numbers}")
    for name, expected in (("ProductName", "Sinuet"), ("ProductVersion", version),
                           ("FileVersion", version)):
        if version_string(image, name) != expected:
            problems.append(f"{name} is {version_string(image, name)!r}, not {expected!r}")
    return problems


def check(setup, version, numbers):
    with open(setup, "rb") as program:
        image = program.read()
    problems = []
    if pe_format(image) != "PE32 i386":
        problems.append(f"is {pe_format(image)}, not a 32-bit program")
    if subsystem(image)[0] != IMAGE_SUBSYSTEM_WINDOWS_GUI:
        problems.append("is not a Windows GUI program")
    if b'level="requireAdministrator"' not in image:
        problems.append("its manifest does not ask for administrator rights")
    return problems + version_problems(image, version, numbers) + checksum_problems(setup)


def main():
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    report(sys.argv[1], check(*sys.argv[1:]),
           f"32-bit GUI program for administrators, version {sys.argv[2]}, checksum right")


if __name__ == "__main__":
    main()
