#!/usr/bin/env python3
"""Checks the setup program: a 32-bit Windows GUI program (so that every Windows of the NT
family runs it) that asks for administrator rights, with version information naming Sinuet
and its version, and its .sha256 file beside it in sha256sum's format.

Usage: check_setup.py SETUP.exe VERSION VERSION_NUMBERS   (e.g. 1.5 1.5.0.0)
The Wine test of the installer imports pe_format and version_info from here.
"""
import os
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


def _text_z(data, offset):
    """A NUL-ended UTF-16LE text at offset, and the offset after its NUL."""
    end = offset
    while data[end:end + 2] != b"\0\0":
        end += 2
    return data[offset:end].decode("utf-16-le"), end + 2


def _block(data, offset, start):
    """One block of a version resource (VS_VERSIONINFO, StringFileInfo, StringTable, String):
    its key, its value (text or bytes), where its children begin and where it ends. Members
    are aligned to 32 bits from the resource's start."""
    length, value_length, is_text = struct.unpack_from("<HHH", data, offset)
    key, value_at = _text_z(data, offset + 6)
    value_at += (start - value_at) % 4
    value_end = value_at + (value_length * 2 if is_text else value_length)
    value = data[value_at:value_end]
    if is_text:
        value = value.decode("utf-16-le").rstrip("\0")
    children = value_end + (start - value_end) % 4
    return key, value, children, offset + length


def version_info(image):
    """(file version numbers, {string name: value}) from the file's version resource, or None
    when it has none."""
    start = image.find("VS_VERSION_INFO\0".encode("utf-16-le")) - 6
    if start < 0:
        return None
    _, fixed, child, end = _block(image, start, start)
    signature, _, file_ms, file_ls = struct.unpack_from("<IIII", fixed)
    if signature != VS_FIXEDFILEINFO_SIGNATURE:
        return None
    numbers = f"{file_ms >> 16}.{file_ms & 0xFFFF}.{file_ls >> 16}.{file_ls & 0xFFFF}"
    strings = {}
    while child < end:
        key, _, table, child_end = _block(image, child, start)
        while key == "StringFileInfo" and table < child_end:
            _, _, entry, table_end = _block(image, table, start)
            while entry < table_end:
                name, value, _, entry_end = _block(image, entry, start)
                strings[name] = value
                entry = entry_end + (start - entry_end) % 4
            table = table_end + (start - table_end) % 4
        child = child_end + (start - child_end) % 4
    return numbers, strings


def version_problems(image, version, numbers):
    """What in the version information does not name Sinuet at this version."""
    info = version_info(image)
    if info is None:
        return ["no version information"]
    found_numbers, strings = info
    problems = []
    if found_numbers != numbers:
        problems.append(f"file version {found_numbers}, not {numbers}")
    for name, expected in (("ProductName", "Sinuet"), ("ProductVersion", version),
                           ("FileVersion", version)):
        if strings.get(name) != expected:
            problems.append(f"{name} is {strings.get(name)!r}, not {expected!r}")
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
