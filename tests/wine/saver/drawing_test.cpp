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
