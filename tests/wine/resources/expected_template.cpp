#include "expected_template.h"

#include <windows.h>

#include <cstdint>

namespace {

// The predefined classes by their ordinals.
enum : uint16_t { BUTTON = 0x0080, EDIT = 0x0081, STATIC = 0x0082 };

struct Control {
    int32_t id;
    uint16_t windowClass;
    const char *text; // null: the picture's bitmap by ordinal
    uint16_t bitmap;
    uint32_t style; // besides WS_CHILD | WS_VISIBLE
    uint32_t exStyle;
    int16_t x, y, width, height;
};

const Control CONTROLS[] = {
    {1011, BUTTON, "OK", 0, BS_PUSHBUTTON | BS_MULTILINE | WS_TABSTOP, 0, 7, 175, 113, 23},
    {1012, BUTTON, "CANCEL", 0, BS_PUSHBUTTON | BS_MULTILINE | WS_TABSTOP, 0, 124, 175, 57, 23},
    {1029, EDIT, "", 0, ES_LEFT | ES_NUMBER | WS_BORDER | WS_TABSTOP, WS_EX_RIGHT, 7, 110, 15, 12},
    {-1, STATIC, "Version 1.5", 0, SS_LEFT | SS_CENTERIMAGE | WS_GROUP, 0, 9, 70, 56, 11},
    {-1, STATIC, "loops per minute (1..10)", 0, SS_LEFT | WS_GROUP, 0, 25, 114, 106, 8},
    {1004, BUTTON, "Show me that somehow drunken frog.", 0, BS_AUTOCHECKBOX, 0, 7, 124, 163, 10},
    {-1, STATIC, nullptr, 112, SS_BITMAP | SS_CENTERIMAGE | SS_SUNKEN,
     WS_EX_STATICEDGE | WS_EX_CLIENTEDGE, 7, 200, 174, 25},
    {1024, BUTTON, "About", 0, BS_PUSHBUTTON | WS_TABSTOP, 0, 141, 85, 40, 12},
    {1027, BUTTON, "Fade out colors of outer sinuets.", 0, BS_AUTOCHECKBOX | WS_TABSTOP, 0, 7, 146,
     157, 10},
    {-1, STATIC, nullptr, 107, SS_BITMAP | SS_CENTERIMAGE | SS_SUNKEN | WS_BORDER, 0, 7, 7, 174,
     62},
    {1026, BUTTON, "Push", 0, BS_PUSHBUTTON | BS_CENTER | WS_TABSTOP, 0, 7, 158, 26, 10},
    {-1, STATIC, "to choose a color for the sinuets.", 0, SS_LEFT | WS_GROUP, 0, 36, 159, 120, 8},
    {1032, BUTTON, "Help", 0, BS_PUSHBUTTON | WS_TABSTOP, 0, 141, 71, 40, 12},
    {1033, BUTTON, "Use that incredible 3D view.", 0, BS_AUTOCHECKBOX | WS_TABSTOP, 0, 7, 135, 149,
     10},
    {1035, EDIT, "", 0, ES_LEFT | ES_NUMBER | WS_BORDER | WS_TABSTOP, WS_EX_RIGHT, 7, 96, 15, 12},
    {1036, STATIC, "sinuets (1..50)", 0, SS_LEFT | WS_GROUP, 0, 25, 100, 85, 8},
};

struct Writer {
    std::string bytes;
    void Word(uint16_t value) { bytes.append(reinterpret_cast<const char *>(&value), 2); }
    void Dword(uint32_t value) { bytes.append(reinterpret_cast<const char *>(&value), 4); }
    // ASCII text as UTF-16 with its terminating zero.
    void Text(const char *text) {
        for (; *text; ++text)
            Word(static_cast<uint8_t>(*text));
        Word(0);
    }
    void Ordinal(uint16_t value) {
        Word(0xFFFF);
        Word(value);
    }
    void AlignToDword() {
        while (bytes.size() % 4)
            bytes += '\0';
    }
};

} // namespace

std::string ExpectedConfigTemplate() {
    Writer w;
    w.Word(1);      // version of the extended format
    w.Word(0xFFFF); // its signature
    w.Dword(0);     // help id
    w.Dword(0);     // extended style
    w.Dword(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT);
    w.Word(sizeof CONTROLS / sizeof CONTROLS[0]);
    w.Word(0); // x
    w.Word(0); // y
    w.Word(188);
    w.Word(232);
    w.Word(0); // no menu
    w.Word(0); // the standard dialog class
    w.Text("Sinuet Configuration");
    w.Word(10);      // points
    w.Word(0);       // weight
    w.bytes += '\0'; // not italic
    w.bytes += '\1'; // DEFAULT_CHARSET
    w.Text("Arial");
    for (const Control &control : CONTROLS) {
        w.AlignToDword();
        w.Dword(0); // help id
        w.Dword(control.exStyle);
        w.Dword(WS_CHILD | WS_VISIBLE | control.style);
        w.Word(static_cast<uint16_t>(control.x));
        w.Word(static_cast<uint16_t>(control.y));
        w.Word(static_cast<uint16_t>(control.width));
        w.Word(static_cast<uint16_t>(control.height));
        w.Dword(static_cast<uint32_t>(control.id));
        w.Ordinal(control.windowClass);
        if (control.text)
            w.Text(control.text);
        else
            w.Ordinal(control.bitmap);
        w.Word(0); // no creation data
    }
    return w.bytes;
}
