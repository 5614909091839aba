#!/usr/bin/env python3
"""The setup program's silent round trips under Wine, in the prefix WINEPREFIX names (made
anew by run_setup_tests.sh): x86 in a 32-bit prefix, x64 in a 64-bit one. What each checks:
docs/setup-program.md.

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
from check_setup import file_version, pe_format, version_problems  # noqa: E402

UNINSTALL_KEY = r"HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall"
DESKTOP_KEY = r"HKCU\Control Panel\Desktop"
INSTALL_DIR = r"C:\Program Files\Sinuet"
UNINSTALLER = INSTALL_DIR + r"\uninstall.exe"
SAVER = r"C:\windows\system32\sinuet.scr"
EFFECT_LIMIT_S = 120  # the uninstaller copies itself to the temp folder and returns at once

failures = []


def expect(condition, what):
    print(("ok   " if condition else "FAIL ") + what, flush=True)
    if not condition:
        failures.append(what)


def wine(*args):
    return subprocess.run(["wine", *args], capture_output=True, text=True, timeout=300)


def unix_path(windows_path):
    """Where a C: path of the prefix lies (Wine's own folders are in lower case)."""
    rest = windows_path[3:].replace("\\", "/")
    if rest.lower().startswith("windows/"):
        rest = rest.lower()
    return os.path.join(os.environ["WINEPREFIX"], "drive_c", rest)


def read(windows_path):
    try:
        with open(unix_path(windows_path), "rb") as installed:
            return installed.read()
    except OSError:
        return None


def reg_query(key, *options):
    """{value name: data as reg prints it} of a key, or None when the key does not exist."""
    result = wine("reg", "query", key, *options)
    if result.returncode != 0:
        return None
    return dict(re.findall(r"^    (\S.*?)    REG_\w+    ?(.*?)\s*$", result.stdout, re.M))


def sinuet_entries(*options):
    result = wine("reg", "query", UNINSTALL_KEY, "/s", *options)
    return len(re.findall(r"^    DisplayName    REG_SZ    Sinuet\s*$", result.stdout, re.M))


def leftovers():
    """Temporary files of the setup program in system32."""
    folder = unix_path(r"C:\windows\system32")
    return [name for name in os.listdir(folder) if re.fullmatch(r"ns.*\.tmp", name, re.I)]


def install(setup, what):
    result = wine(setup, "/S")
    expect(result.returncode == 0, f"{what}: setup /S exits with 0 (got {result.returncode})")


def check_install(setup, release, version, arch, pe, *options):
    """The saver is the ZIP's, the Uninstall entry and the uninstaller are right."""
    with zipfile.ZipFile(os.path.join(release, f"sinuet-{version}-windows-{arch}.zip")) as z:
        expect(read(SAVER) == z.read("sinuet.scr"),
               f"system32 holds the {arch} ZIP's sinuet.scr, byte for byte")
    saver = read(SAVER)
    expect(saver is not None and pe_format(saver) == pe, f"the installed saver is {pe}")
    entry = reg_query(UNINSTALL_KEY + r"\Sinuet", *options) or {}
    files = (SAVER, UNINSTALLER, INSTALL_DIR + r"\LICENSE.txt")
    sizes = [len(read(path) or b"") for path in files]
    expected = {
        "DisplayName": "Sinuet", "DisplayVersion": version, "Publisher": "the Sinuet team",
        "DisplayIcon": SAVER + ",0", "UninstallString": f'"{UNINSTALLER}"',
        "QuietUninstallString": f'"{UNINSTALLER}" /S', "NoModify": "0x1", "NoRepair": "0x1",
        "EstimatedSize": hex(sum((size + 1023) // 1024 for size in sizes)),
    }
    for name, data in expected.items():
        expect(entry.get(name, "").lower() == data.lower(),
               f"Uninstall entry {name} = {data} (got {entry.get(name)!r})")
    with open(setup, "rb") as program:
        numbers = file_version(program.read())
    expect(not version_problems(read(UNINSTALLER) or b"", version, numbers),
           "the uninstaller carries Sinuet's version information")
    return entry


def uninstall_quietly(entry, *options):
    """Runs the entry's quiet uninstall command and waits for its last effect, the program
    folder gone; the saver and the entry must be gone then too."""
    command = re.fullmatch(r'"([^"]+)"(.*)', entry.get("QuietUninstallString", ""))
    expect(command is not None, "the quiet uninstall command is a quoted path")
    if command:
        expect(wine(command.group(1), *command.group(2).split()).returncode == 0,
               "the quiet uninstall command starts")
        deadline = time.monotonic() + EFFECT_LIMIT_S
        while os.path.exists(unix_path(INSTALL_DIR)) and time.monotonic() < deadline:
            time.sleep(0.5)
        expect(not os.path.exists(unix_path(INSTALL_DIR)),
               "the quiet uninstall removes the program folder")
    expect(read(SAVER) is None, "the quiet uninstall removes the saver")
    expect(reg_query(UNINSTALL_KEY + r"\Sinuet", *options) is None,
           "the quiet uninstall removes the entry")


def test_x86(setup, release, version, round_trip):
    install(setup, "first install")
    entry = check_install(setup, release, version, "x86", "PE32 i386")
    # The second install runs while the installed saver is shown, so its file is in use.
    result = wine(round_trip, SAVER, "Z:" + os.path.abspath(setup).replace("/", "\\") + " /S")
    expect(result.returncode == 0, "the installed saver runs full screen and closes: "
           + (result.stdout + result.stderr).strip())
    expect("command exit code 3010" in result.stdout,
           "a second install while the saver runs asks for a restart (3010)")
    expect(len(leftovers()) == 1, "the new saver waits beside the running one")
    wine("wineboot", "--restart")
    expect(not leftovers(), "at the restart the new saver takes the old one's place")
    check_install(setup, release, version, "x86", "PE32 i386")
    expect(sinuet_entries() == 1, "one Uninstall entry after two installs")
    expect(sorted(os.listdir(unix_path(INSTALL_DIR))) == ["LICENSE.txt", "uninstall.exe"],
           "the program folder holds LICENSE.txt and uninstall.exe only")

    # The setting as the display control panel of Windows XP writes it, in upper case.
    wine("reg", "add", DESKTOP_KEY, "/v", "SCRNSAVE.EXE", "/d", SAVER.upper(), "/f")
    uninstall_quietly(entry)
    desktop = reg_query(DESKTOP_KEY) or {}
    expect("SCRNSAVE.EXE" not in desktop, "SCRNSAVE.EXE, which named the saver, is cleared")
    expect(desktop.get("ScreenSaveActive") == "0", "the screen saver is off")


def test_x64(setup, release, version):
    other = r"C:\windows\system32\other.scr"
    wine("reg", "add", DESKTOP_KEY, "/v", "SCRNSAVE.EXE", "/d", other, "/f")
    install(setup, "install")
    entry = check_install(setup, release, version, "x64", "PE32+ x86-64", "/reg:64")
    expect(read(r"C:\windows\syswow64\sinuet.scr") is None, "nothing in syswow64")
    expect(reg_query(UNINSTALL_KEY + r"\Sinuet", "/reg:32") is None,
           "no entry in the 32-bit registry view")
    install(setup, "second install")
    expect(not leftovers(), "the second install replaces the saver at once")
    expect(sinuet_entries("/reg:64") == 1, "one Uninstall entry after two installs")
    uninstall_quietly(entry, "/reg:64")
    found = (reg_query(DESKTOP_KEY) or {}).get("SCRNSAVE.EXE")
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
