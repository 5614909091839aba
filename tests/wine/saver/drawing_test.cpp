// The real saver's drawing, read back from the screen: the bands in the stored colour, the
// picture changing from tick to tick, and the frog at its computed place only when shown.
#include "saver_test_support.h"

#include <gtest/gtest.h>

namespace {
const int SCREEN_WIDTH = 1024;
const int SCREEN_HEIGHT = 768;

SaverSettings Settings(int showFrog, int view3D, uint32_t color) {
    SaverSettings settings;
    SetDefaultSettings(settings);
    settings.count = 12;
    settings.loopsPerMinute = 10;
    settings.showFrog = showFrog;
    settings.fade = 0;
    settings.view3D = view3D;
    settings.color = color;
    return settings;
}

// The frog picture from the saver's own resources, as 0x00RRGGBB pixels.
Capture FrogPicture() {
    Capture picture;
    HMODULE image = LoadLibraryExA(SaverPath().c_str(), nullptr, DONT_RESOLVE_DLL_REFERENCES);
    HBITMAP bitmap = image ? LoadBitmapA(image, "IDB_FROG") : nullptr;
    BITMAP size;
    if (bitmap && GetObjectA(bitmap, sizeof size, &size)) {
        picture.width = size.bmWidth;
        picture.height = size.bmHeight;
        picture.pixels.resize(static_cast<size_t>(size.bmWidth) * size.bmHeight);
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = size.bmWidth;
        info.bmiHeader.biHeight = -size.bmHeight;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        HDC screen = GetDC(nullptr);
        GetDIBits(screen, bitmap, 0, size.bmHeight, picture.pixels.data(), &info, DIB_RGB_COLORS);
        ReleaseDC(nullptr, screen);
        for (uint32_t &pixel : picture.pixels)
            pixel &= 0xFFFFFFu;
    }
    if (bitmap)
        DeleteObject(bitmap);
    if (image)
        FreeLibrary(image);
    return picture;
}

// Share of the picture's coloured (not black) pixels found unchanged at (x, y) of the
// capture.
double FrogMatch(const Capture &screen, const Capture &frog, int x, int y) {
    int same = 0, coloured = 0;
    for (int row = 0; row < frog.height; ++row)
        for (int column = 0; column < frog.width; ++column) {
            if (frog.At(column, row) == 0)
                continue;
            ++coloured;
            same += screen.At(x + column, y + row) == frog.At(column, row);
        }
    return coloured ? static_cast<double>(same) / coloured : 0.0;
}

class Drawing : public testing::Test {
  protected:
    void TearDown() override { DeleteSettingsKey(); }
};

TEST_F(Drawing, BandsAppearInTheStoredColourAndMoveFromTickToTick) {
    const uint32_t color = 0x3080F0; // red F0, green 80, blue 30: the byte order shows
    StoreSettings(Settings(0, 0, color));
    ChildProcess child;
    HWND window = StartFullScreen(child);
    ASSERT_NE(window, nullptr);
    PumpMessages(600);
    Capture first = CaptureScreen(0, 0, SCREEN_WIDTH, SCREEN_HEIGHT);
    PumpMessages(200);
    Capture second = CaptureScreen(0, 0, SCREEN_WIDTH, SCREEN_HEIGHT);
    EXPECT_EQ(CloseAndExitCode(child, window), 0);

    const uint32_t band = PixelOf(color);
    int banded = 0, other = 0, changed = 0;
    for (size_t i = 0; i < first.pixels.size(); ++i) {
        for (uint32_t pixel : {first.pixels[i], second.pixels[i]}) {
            banded += pixel == band;
            other += pixel != band && pixel != 0;
        }
        changed += first.pixels[i] != second.pixels[i];
    }
    EXPECT_GT(banded, 20000);
    EXPECT_EQ(other, 0) << "pixels neither black nor the band colour";
    EXPECT_GT(changed, 500);
}

TEST_F(Drawing, TheFrogSitsAtItsPlaceOnlyWhenShown) {
    Capture frog = FrogPicture();
    ASSERT_EQ(frog.width, 188);
    ASSERT_EQ(frog.height, 149);
    struct Case {
        int view3D;
        int x, y;
    };
    for (Case c : {Case{0, 418, 310}, Case{1, 418, 118}}) {
        StoreSettings(Settings(1, c.view3D, 0x00FF00));
        ChildProcess child;
        HWND window = StartFullScreen(child);
        ASSERT_NE(window, nullptr);
        PumpMessages(500);
        Capture screen = CaptureScreen(0, 0, SCREEN_WIDTH, SCREEN_HEIGHT);
        EXPECT_EQ(CloseAndExitCode(child, window), 0);
        EXPECT_GT(FrogMatch(screen, frog, c.x, c.y), 0.97) << "view3D " << c.view3D;
        EXPECT_LT(FrogMatch(screen, frog, c.x + 3, c.y), 0.5) << "view3D " << c.view3D;
    }

    StoreSettings(Settings(0, 0, 0x00FF00));
    ChildProcess child;
    HWND window = StartFullScreen(child);
    ASSERT_NE(window, nullptr);
    PumpMessages(500);
    Capture screen = CaptureScreen(0, 0, SCREEN_WIDTH, SCREEN_HEIGHT);
    EXPECT_EQ(CloseAndExitCode(child, window), 0);
    EXPECT_LT(FrogMatch(screen, frog, 418, 310), 0.5);
}
} // namespace
