// Opens the configuration dialog with the default settings and saves a picture of it,
// as the screen shows it, to dialog.png in the build directory (for the README).
#include "dialog_driver.h"
#include "png_file.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace {

// Without a window manager Wine leaves the caption to one; this asks Wine to draw the
// frame and caption of the saver's windows itself while the picture is taken.
const char DECORATION_KEY[] = "Software\\Wine\\AppDefaults\\sinuet.scr\\X11 Driver";

struct WineDrawsCaption {
    WineDrawsCaption() {
        HKEY key;
        if (RegCreateKeyExA(HKEY_CURRENT_USER, DECORATION_KEY, 0, nullptr, 0, KEY_WRITE, nullptr,
                            &key, nullptr) == ERROR_SUCCESS) {
            RegSetValueExA(key, "Decorated", 0, REG_SZ, reinterpret_cast<const BYTE *>("N"), 2);
            RegCloseKey(key);
        }
    }
    ~WineDrawsCaption() { RegDeleteKeyA(HKEY_CURRENT_USER, DECORATION_KEY); }
};

// The window's pixels on the screen, rows from the top, RGB.
std::vector<uint8_t> Capture(const RECT &area) {
    std::vector<uint8_t> rgb;
    for (uint32_t pixel : CaptureScreenArea(area)) {
        rgb.push_back(static_cast<uint8_t>(pixel >> 16));
        rgb.push_back(static_cast<uint8_t>(pixel >> 8));
        rgb.push_back(static_cast<uint8_t>(pixel));
    }
    return rgb;
}

TEST(DialogScreenshot, SavedBesideTheBuild) {
    DeleteSettingsKey();
    WineDrawsCaption caption;
    ConfigRun run;
    ASSERT_TRUE(OpenConfig("/c", run));
    RedrawWindow(run.dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN);
    Settle(run);
    RECT area;
    GetWindowRect(run.dialog, &area);
    const std::vector<uint8_t> rgb = Capture(area);
    Click(run.dialog, CANCEL_BUTTON);
    EXPECT_EQ(WaitForExit(run), 1);

    // A real picture of the dialog has its pictures' many colours, not a blank area.
    std::set<uint32_t> colours;
    for (size_t i = 0; i + 2 < rgb.size(); i += 3)
        colours.insert(rgb[i] << 16 | rgb[i + 1] << 8 | rgb[i + 2]);
    EXPECT_GT(colours.size(), 100u);
    const std::string path = TestBinDir() + "..\\dialog.png";
    EXPECT_TRUE(WritePng(path, static_cast<uint32_t>(area.right - area.left),
                         static_cast<uint32_t>(area.bottom - area.top), rgb))
        << path;
}

} // namespace
