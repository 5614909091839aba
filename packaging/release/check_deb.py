#!/usr/bin/env python3
"""Checks a release Debian package of the Linux hack: its control fields (name, version,
the architecture asked for, Depends naming the target's libraries the hack links), the
files it installs, the hack a 64-bit ELF program for that architecture that the theme
entry names, and the .sha256 file beside it.

Usage: check_deb.py PACKAGE.deb ARCHITECTURE VERSION
"""
import os
import struct
import subprocess
import sys
import tempfile

from check_package import checksum_problems, report

HACK = "usr/libexec/xscreensaver/sinuet"
ENTRY = "usr/share/applications/screensavers/sinuet.desktop"
EXPECTED_FILES = sorted([
    HACK,
    ENTRY,
    "usr/share/man/man6/sinuet.6",
    "usr/share/xscreensaver/config/sinuet.xml",
])
ELF_MACHINES = {"amd64": 62, "arm64": 183}  # EM_X86_64, EM_AARCH64
REQUIRED_DEPENDS = {"libc6", "libstdc++6", "libx11-6"}


def dpkg_deb(*arguments):
    return subprocess.run(["dpkg-deb", *arguments], check=True, capture_output=True,
                          text=True).stdout


def control_problems(package, architecture, version):
    problems = []
    fields = {}
    for line in dpkg_deb("-f", package, "Package", "Version", "Architecture",
                         "Depends").splitlines():
        name, _, value = line.partition(": ")
        fields[name] = value
    wanted = {"Package": "sinuet", "Version": version, "Architecture": architecture}
    for name, value in wanted.items():
        if fields.get(name) != value:
            problems.append(f"{name} is {fields.get(name)!r}, not {value!r}")
    depends = {entry.split()[0] for entry in fields.get("Depends", "").split(",") if entry}
    missing = REQUIRED_DEPENDS - depends
    if missing:
        problems.append(f"Depends lacks {sorted(missing)}: {fields.get('Depends')!r}")
    # A library found in the cross toolchain's tree would name a package no target has.
    foreign = [name for name in depends if ":" in name or name.endswith("-cross")]
    if foreign:
        problems.append(f"Depends names build-machine packages {foreign}")
    return problems


def elf_machine(path):
    """(class, machine) from an ELF header: class 2 is 64-bit."""
    with open(path, "rb") as program:
        header = program.read(20)
    if header[:4] != b"\x7fELF":
        raise ValueError("not an ELF file")
    return header[4], struct.unpack_from("<H", header, 18)[0]


def content_problems(package, architecture):
    listed = sorted(line.split()[-1].lstrip("./") for line in
                    dpkg_deb("-c", package).splitlines() if line.startswith("-"))
    if listed != EXPECTED_FILES:
        return [f"installs {listed}, not {EXPECTED_FILES}"]
    with tempfile.TemporaryDirectory() as tree:
        dpkg_deb("-x", package, tree)
        hack = os.path.join(tree, HACK)
        if not os.access(hack, os.X_OK):
            return [f"{HACK} is not executable"]
        elf_class, machine = elf_machine(hack)
        if (elf_class, machine) != (2, ELF_MACHINES[architecture]):
            return [f"{HACK} is ELF class {elf_class} machine {machine}, "
                    f"not a 64-bit {architecture} program"]
        with open(os.path.join(tree, ENTRY)) as entry:
            lines = entry.read().splitlines()
        if not {f"TryExec=/{HACK}", f"Exec=/{HACK} --root"} <= set(lines):
            return [f"{ENTRY} does not name /{HACK} in TryExec and Exec"]
    return []


def main():
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    package, architecture, version = sys.argv[1:]
    problems = (control_problems(package, architecture, version) +
                content_problems(package, architecture) + checksum_problems(package))
    report(package, problems, f"{architecture} control fields, the four files, an "
           f"{architecture} hack named by the theme entry and the checksum are right")


if __name__ == "__main__":
    main()
