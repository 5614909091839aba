#!/usr/bin/env python3
"""The setup program's silent round trips under Wine, in the prefix that WINEPREFIX names
(made by run_setup_tests.sh): x86 in a 32-bit prefix, x64 in a 64-bit one.

x86: /S installs the 32-bit saver into system32 with the Uninstall entry and an uninstaller
     that carries the version information; the installed saver runs full screen and closes,
     and a second install while it runs ends with 3010 and replaces the file at the restart;
     one saver and one entry stay; the quiet uninstall command, as the entry gives it,
     removes the saver, the entry and the folder, and turns the screen saver setting off,
     since it named the installed saver.
x64: /S installs the 64-bit saver into the real system32, nothing into syswow64, the entry
     into the 64-bit registry view; a second install replaces it at once; the quiet
     uninstall removes them and keeps a screen saver setting that names another saver.

Usage: setup_test.py x86|x64 RELEASE_DIR VERSION [SAVER_ROUND_TRIP.exe]
"""
import os
import re
import subprocess
import sys
import time
import zipfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)),
                                "..", "..", "..", "packaging", "setup"))
from check_setup import pe_format, version_problems  # noqa: E402

UNINSTALL_KEY = r"HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall"
DESKTOP_KEY = r"HKCU\Control Panel\Desktop"
INSTALL_DIR = r"C:\Program Files\Sinuet"
SAVER = r"C:\windows\system32\sinuet.scr"
EFFECT_LIMIT_S = 120  # the uninstaller copies itself to the temp folder and returns at once

failures = []


def expect(condition, what):
    print(("ok   " if condition else "FAIL ") + what, flush=True)
    if not condition:
        failures.append(what)


def wine(*args, timeout=300):
    return subprocess.run(["wine", *args], capture_output=True, text=True, timeout=timeout)


def unix_path(windows_path):
    """Where a C: path of the prefix lies; Wine's folders are lower case."""
    rest = windows_path[3:].replace("\\", "/")
    for name in ("windows/system32", "windows/syswow64", "windows"):
        if rest.lower().startswith(name):
            rest = name + rest[len(name):]
    return os.path.join(os.environ["WINEPREFIX"], "drive_c", rest)


def windows_path(path):
    return "Z:" + os.path.abspath(path).replace("/", "\\")


def reg_query(key, *options):
    """{value name: (type, data)} of a registry key, or None when it does not exist."""
    result = wine("reg", "query", key, *options)
    if result.returncode != 0:
        return None
    values = {}
    for line in result.stdout.splitlines():
        match = re.match(r"^    (\S.*?)    (REG_\w+)    ?(.*?)\s*$", line)
        if match:
            values[match.group(1)] = (match.group(2), match.group(3))
    return values


def sinuet_entries(*options):
    """The Uninstall subkeys whose DisplayName is Sinuet, by name."""
    result = wine("reg", "query", UNINSTALL_KEY, "/s", *options)
    entries = []
    for block in result.stdout.split("\n\n"):
        lines = block.strip().splitlines()
        if lines and re.search(r"^    DisplayName    REG_SZ    Sinuet\s*$", block, re.M):
            entries.append(lines[0].strip())
    return entries


def size_kb(*windows_paths):
    return sum((os.path.getsize(unix_path(path)) + 1023) // 1024 for path in windows_paths)


def zip_saver(release, arch, version):
    with zipfile.ZipFile(os.path.join(release, f"sinuet-{version}-windows-{arch}.zip")) as z:
        return z.read("sinuet.scr")


def read(windows_path):
    try:
        with open(unix_path(windows_path), "rb") as installed:
            return installed.read()
    except OSError:
        return None


def install(setup, what):
    result = wine(setup, "/S")
    expect(result.returncode == 0, f"{what}: setup /S exits with 0 (got {result.returncode})")


def check_saver(release, arch, version, expected_format):
    installed = read(SAVER)
    expect(installed == zip_saver(release, arch, version),
           f"system32 holds the {arch} ZIP's sinuet.scr, byte for byte")
    expect(installed is not None and pe_format(installed) == expected_format,
           f"the installed saver is {expected_format}")


def check_entry(version, *options):
    entry = reg_query(UNINSTALL_KEY + r"\Sinuet", *options) or {}
    uninstaller = INSTALL_DIR + r"\uninstall.exe"
    expected = {
        "DisplayName": ("REG_SZ", "Sinuet"),
        "DisplayVersion": ("REG_SZ", version),
        "Publisher": ("REG_SZ", "the Sinuet team"),
        "DisplayIcon": ("REG_SZ", SAVER + ",0"),
        "UninstallString": ("REG_SZ", f'"{uninstaller}"'),
        "QuietUninstallString": ("REG_SZ", f'"{uninstaller}" /S'),
        "NoModify": ("REG_DWORD", "0x1"),
        "NoRepair": ("REG_DWORD", "0x1"),
    }
    for name, (kind, data) in expected.items():
        found = entry.get(name, ("", ""))
        expect(found[0] == kind and found[1].lower() == data.lower(),
               f"Uninstall entry {name} = {data} (got {found[1]!r})")
    size = size_kb(SAVER, uninstaller, INSTALL_DIR + r"\LICENSE.txt")
    found = entry.get("EstimatedSize", ("", "0"))
    expect(found[0] == "REG_DWORD" and int(found[1], 16) == size,
           f"Uninstall entry EstimatedSize = {size} KB (got {found[1]!r})")
    image = read(uninstaller)
    expect(image is not None and not version_problems(image, version, version_numbers(version)),
           "the uninstaller carries Sinuet's version information")
    return entry


def version_numbers(version):
    return ".".join((version.split(".") + ["0"] * 4)[:4])


def wait_until(condition, limit_s=EFFECT_LIMIT_S):
    deadline = time.monotonic() + limit_s
    while not condition():
        if time.monotonic() > deadline:
            return False
        time.sleep(0.5)
    return True


def leftovers():
    """Files that setup or the uninstaller left beside the saver (a temp file of its own)."""
    folder = unix_path(r"C:\windows\system32")
    return [name for name in os.listdir(folder) if re.fullmatch(r"ns.*\.tmp", name, re.I)]


def uninstall_quietly(entry, *options):
    """Runs the entry's quiet uninstall command and waits for its last effect, the program
    folder gone; then the saver and the entry must be gone too."""
    quiet = entry.get("QuietUninstallString", ("", ""))[1]
    command = re.fullmatch(r'"([^"]+)"(.*)', quiet)
    expect(command is not None, f"the quiet uninstall command is a quoted path (got {quiet!r})")
    if command:
        result = wine(command.group(1), *command.group(2).split())
        expect(result.returncode == 0, "the quiet uninstall command starts")
        expect(wait_until(lambda: not os.path.exists(unix_path(INSTALL_DIR))),
               "the quiet uninstall removes the program folder")
    expect(read(SAVER) is None, "the quiet uninstall removes the saver")
    expect(reg_query(UNINSTALL_KEY + r"\Sinuet", *options) is None,
           "the quiet uninstall removes the entry")


def test_x86(setup, release, version, round_trip):
    install(setup, "first install")
    check_saver(release, "x86", version, "PE32 i386")
    entry = check_entry(version)
    # The second install runs while the installed saver is shown, so its file is in use.
    result = wine(round_trip, SAVER, windows_path(setup) + " /S")
    expect(result.returncode == 0, "the installed saver runs full screen and closes: "
           + (result.stdout + result.stderr).strip())
    expect("command exit code 3010" in result.stdout,
           "the second install, with the saver running, asks for a restart (3010)")
    expect(len(leftovers()) == 1, "the new saver waits beside the running one")
    wine("wineboot", "--restart")
    expect(not leftovers() and read(SAVER) == zip_saver(release, "x86", version),
           "at the restart the new saver takes the old one's place")
    expect(len(sinuet_entries()) == 1, "one Uninstall entry after two installs")
    expect(sorted(os.listdir(unix_path(INSTALL_DIR))) == ["LICENSE.txt", "uninstall.exe"],
           "the program folder holds LICENSE.txt and uninstall.exe only")

    # The setting as the display control panel of Windows XP writes it, in upper case.
    wine("reg", "add", DESKTOP_KEY, "/v", "SCRNSAVE.EXE", "/d", SAVER.upper(), "/f")
    uninstall_quietly(entry)
    desktop = reg_query(DESKTOP_KEY) or {}
    expect("SCRNSAVE.EXE" not in desktop, "SCRNSAVE.EXE, which named the saver, is cleared")
    expect(desktop.get("ScreenSaveActive", ("", ""))[1] == "0", "the screen saver is off")


def test_x64(setup, release, version):
    other = r"C:\windows\system32\other.scr"
    wine("reg", "add", DESKTOP_KEY, "/v", "SCRNSAVE.EXE", "/d", other, "/f")
    install(setup, "install")
    check_saver(release, "x64", version, "PE32+ x86-64")
    expect(read(r"C:\windows\syswow64\sinuet.scr") is None, "nothing in syswow64")
    entry = check_entry(version, "/reg:64")
    expect(reg_query(UNINSTALL_KEY + r"\Sinuet", "/reg:32") is None,
           "no entry in the 32-bit registry view")
    install(setup, "second install")
    expect(not leftovers(), f"the second install replaces the saver at once (got {leftovers()})")
    expect(len(sinuet_entries("/reg:64")) == 1, "one Uninstall entry after two installs")

    uninstall_quietly(entry, "/reg:64")
    found = (reg_query(DESKTOP_KEY) or {}).get("SCRNSAVE.EXE", ("", ""))[1]
    expect(found == other, f"SCRNSAVE.EXE naming another saver stays (got {found!r})")


def main():
    if len(sys.argv) not in (4, 5):
        sys.exit(__doc__)
    arch, release, version = sys.argv[1:4]
    setup = os.path.join(release, f"sinuet-{version}-setup.exe")
    if arch == "x86":
        test_x86(setup, release, version, sys.argv[4])
    else:
        test_x64(setup, release, version)
    if failures:
        sys.exit(f"{len(failures)} setup check(s) failed under {arch} Wine")


if __name__ == "__main__":
    main()
