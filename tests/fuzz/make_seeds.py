#!/usr/bin/env python3
"""Writes the hand-made seed inputs of the fuzz targets into corpus/<target>/seed-*.

The layouts are those described at the top of each target's LLVMFuzzerTestOneInput.
Run from anywhere; existing seeds are overwritten, other corpus files are left alone."""
import os
import struct

here = os.path.dirname(os.path.abspath(__file__))


def write(target, name, data):
    folder = os.path.join(here, "corpus", target)
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, "seed-" + name), "wb") as f:
        f.write(data)


FROG, FADE, TILTED, TWO_TICKS, JUMP = 1, 2, 4, 8, 16


def drawing(width, height, count, loops, switches, colour=0xFF0080, seed=7, clock=0.0):
    return struct.pack("<HHBBBII I", width, height, count, loops, switches, colour, seed,
                       int(clock * (1 << 20)))


sizes = {
    "0x0": (0, 0), "1x1": (1, 1), "1x65535": (1, 65535), "65535x1": (65535, 1),
    "65535x65535": (65535, 65535), "32768x32768": (32768, 32768), "46341x1": (46341, 1),
    "40000x30000": (40000, 30000), "65535x100": (65535, 100), "10000x1000": (10000, 1000),
    "1920x1080": (1920, 1080), "1024x768": (1024, 768), "152x112": (152, 112),
    "1023x767": (1023, 767),
}
for name, (w, h) in sizes.items():
    write("fuzz_drawing_core", name + "-flat", drawing(w, h, 50, 10, FROG | FADE | TWO_TICKS))
    write("fuzz_drawing_core", name + "-tilted", drawing(w, h, 50, 10, FROG | TILTED | TWO_TICKS))
write("fuzz_drawing_core", "count0", drawing(1024, 768, 0, 2, FROG))
write("fuzz_drawing_core", "count1-nofrog", drawing(640, 480, 1, 1, TILTED))
write("fuzz_drawing_core", "loops0", drawing(1024, 768, 10, 0, FROG | FADE))
write("fuzz_drawing_core", "wrap", drawing(1920, 1080, 50, 10, FROG | TILTED | TWO_TICKS | JUMP,
                                           clock=3599.96))


def settings(values, defaults=0):
    out = bytes([defaults])
    for v in values:
        if v is None:
            out += bytes([0x80])
        else:
            out += bytes([len(v)]) + v
    return out


saved = [b"10\0\0\0\0\0\0", b"2\0\0\0\0\0\0\0", b"1\0", b"1\0", b"0\0", b"16711808"]
write("fuzz_settings_decode", "saved-defaults", settings(saved))
write("fuzz_settings_decode", "all-missing", settings([None] * 6, 1))
write("fuzz_settings_decode", "all-empty", settings([b""] * 6))
write("fuzz_settings_decode", "long-no-nul",
      settings([b"65535999", b"4294967296", b"10", b"yes", b" 1", b"99999999999"]))
write("fuzz_settings_decode", "signs-spaces",
      settings([b" \t-1\0", b"+7\0", b"2\0", b"1", b"1\0\0\0", b"-16711808"]))
write("fuzz_settings_decode", "above-fifty", settings([b"51", b"65536", b"1", b"1", b"1", b"0"]))


def command_line(text, double_byte=False, win9x=False):
    return bytes([int(double_byte) | (int(win9x) << 1)]) + text


lines = {
    "plain-s": b"saver.scr /s", "quoted": b'"C:\\Some Dir\\saver.scr" /s',
    "unterminated": b'"C:\\Some Dir\\saver', "empty": b"", "blanks": b"saver.scr    ",
    "separators": b"saver.scr - /", "preview": b"saver.scr /p 1234", "preview-glued": b"x /p1234",
    "preview-colon": b"x /p:1234", "l": b"x /l 99", "configure-colon": b"x /c:1234",
    "configure-blank": b"x /c 1234", "password": b"x /a 77", "tab": b"x /\ts", "mixed": b"x -/S",
    "digit": b"x 1", "high": b"x \xe0\x80 /s", "lead-at-end": b"\x82", "control": b"\x01\x02 /s",
}
for name, text in lines.items():
    write("fuzz_command_line", name, command_line(text))
    write("fuzz_command_line", name + "-dbcs-9x", command_line(text, True, True))

for name, text in {"digits": b"1234", "wrap": b"4294967296", "long": b"9" * 40,
                   "stop": b"12x34", "empty": b"", "sign": b"-5", "blank": b" 7"}.items():
    write("fuzz_decimal_handle", name, text)
