#!/usr/bin/env python3
"""The setup program's silent round trips under Wine, in the prefix WINEPREFIX names (made
anew by run_setup_tests.sh): x86 in a 32-bit prefix, x64 in a 64-bit one; "restart" runs
install, upgrade and uninstall sequences with restarts in a 64-bit prefix, with 64-bit test
builds of the same script (WINE64 names the 64-bit loader). What each checks:
docs/setup-program.md.

Usage: setup_test.py x86|x64|restart RELEASE_DIR VERSION [SAVER_ROUND_TRIP.exe]
"""
import contextlib
import os
import re
import shutil
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
SESSION_MANAGER = r"HKLM\SYSTEM\CurrentControlSet\Control\Session Manager"
EFFECT_LIMIT_S = 120  # the uninstaller copies itself to the temp folder and returns at once
SOURCE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "..")
LOADER = ["wine"]

failures = []


def expect(condition, what):
    print(("ok   " if condition else "FAIL ") + what, flush=True)
    if not condition:
        failures.append(what)


def wine(*args):
    return subprocess.run([*LOADER, *args], capture_output=True, text=True, timeout=300)


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


def uninstall_quietly(entry, *options, saver_running=False):
    """Runs the entry's quiet uninstall command and waits for its last effect, the program
    folder gone; the saver (unless it is running) and the entry must be gone then too."""
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
    if not saver_running:
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


# From nothing installed: a letter installs that test build (B and C are upgrades),
# "uninstall" runs the quiet uninstall, "run" starts the installed saver and "stop" ends it.
# After a restart the saver and the entry must be those of the build named, or gone (None).
RESTART_SEQUENCES = [
    ("A run uninstall stop A", "A"), ("A run uninstall A stop", "A"),
    ("A run B stop uninstall", None), ("A run B uninstall stop", None),
    ("A run B stop C", "C"), ("A run B C stop uninstall", None),
]


def build_test_setups(release, version, folder):
    """The script built for 64-bit Windows: A with the x64 ZIP's saver, B and C newer
    versions whose savers carry a marker after their end. {letter: (setup, version, saver)}"""
    os.makedirs(folder, exist_ok=True)
    with zipfile.ZipFile(os.path.join(release, f"sinuet-{version}-windows-x64.zip")) as z:
        saver = z.read("sinuet.scr")
    builds = {}
    for n, letter in enumerate("ABC"):
        payload, path = saver + b"\0test build " * n, os.path.join(folder, letter)
        with open(path + ".scr", "wb") as out:
            out.write(payload)
        # ${RunningX64} is always true for amd64, so some branches go unused (warning 6012).
        subprocess.run(["makensis", "-V2", "-WX", "-INPUTCHARSET", "UTF8",
                        "-XTarget amd64-unicode", "-X!pragma warning disable 6012",
                        f"-DVERSION={version}.{n}", "-DVERSION_NUMBERS=1.0.0.0",
                        f"-DSAVER_X86={path}.scr", f"-DSAVER_X64={path}.scr",
                        f"-DLICENSE_FILE={SOURCE}/LICENSE",
                        f"-DICON={SOURCE}/resources/sinuet.ico", f"-DOUTFILE={path}.exe",
                        f"{SOURCE}/packaging/setup/sinuet.nsi"], check=True)
        builds[letter] = (path + ".exe", f"{version}.{n}", payload)
    return builds


def start_saver():
    """The installed saver, once its process has mapped the file."""
    saver = subprocess.Popen([*LOADER, SAVER, "/s"], stderr=subprocess.DEVNULL)
    deadline = time.monotonic() + 60
    while saver.poll() is None and time.monotonic() < deadline:
        with open(f"/proc/{saver.pid}/maps") as maps:
            if unix_path(SAVER) in maps.read():
                return saver
        time.sleep(0.2)
    expect(False, "the installed saver starts and maps its file")
    return saver


def reset_prefix():
    """Nothing of Sinuet installed; queued for the restart only another program's rename."""
    shutil.rmtree(unix_path(INSTALL_DIR), ignore_errors=True)
    for name in leftovers() + ["sinuet.scr"]:
        with contextlib.suppress(FileNotFoundError):
            os.remove(os.path.join(unix_path(r"C:\windows\system32"), name))
    wine("reg", "delete", UNINSTALL_KEY + r"\Sinuet", "/f")
    with contextlib.suppress(FileNotFoundError):
        os.remove(unix_path(r"C:\other.new"))
    open(unix_path(r"C:\other.tmp"), "wb").close()
    wine("reg", "add", SESSION_MANAGER, "/v", "PendingFileRenameOperations", "/t", "REG_MULTI_SZ",
         "/d", r"\??\C:\other.tmp\0\??\C:\other.new", "/f")


def run_sequence(steps, builds):
    saver = None
    for step in steps.split():
        if step == "run":
            saver = start_saver()
        elif step == "stop":
            saver.kill()
            saver.wait()
            saver = None
        elif step == "uninstall":
            uninstall_quietly(reg_query(UNINSTALL_KEY + r"\Sinuet") or {},
                              saver_running=saver is not None)
        else:  # over a running saver: 3010, of which the loader passes on the low byte
            code, wanted = wine(builds[step][0], "/S").returncode, 3010 % 256 if saver else 0
            expect(code == wanted, f"{steps}: {step} exits with {wanted} (got {code})")


def test_restarts(release, version):
    builds = build_test_setups(release, version, os.environ["WINEPREFIX"] + "-builds")
    for steps, last in RESTART_SEQUENCES:
        reset_prefix()
        run_sequence(steps, builds)
        wine("wineboot", "--restart")
        entry = reg_query(UNINSTALL_KEY + r"\Sinuet")
        found = (read(SAVER), entry and entry.get("DisplayVersion"))
        expect(found == (builds[last][2], builds[last][1]) if last else found == (None, None),
               f"{steps}, restart: {'the saver and entry of ' + last if last else 'nothing'}"
               " is installed")
        expect(not leftovers(), f"{steps}, restart: no waiting file in system32")
        expect(read(r"C:\other.new") is not None, f"{steps}, restart: the other rename is done")


def main():
    if len(sys.argv) not in (4, 5):
        sys.exit(__doc__)
    arch, release, version = sys.argv[1:4]
    setup = os.path.join(release, f"sinuet-{version}-setup.exe")
    if arch == "x86":
        test_x86(setup, release, version, sys.argv[4])
    elif arch == "x64":
        test_x64(setup, release, version)
    else:
        LOADER[:] = [os.environ["WINE64"]]
        test_restarts(release, version)
    if failures:
        sys.exit(f"{len(failures)} setup check(s) failed under {arch} Wine")


if __name__ == "__main__":
    main()
