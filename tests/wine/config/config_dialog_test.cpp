// The configuration dialog of the built sinuet.scr, driven from outside through its
// controls, with the real registry key HKEY_CURRENT_USER\SinuetSet9.
#include "dialog_driver.h"
#include "settings_key.h"

#include <gtest/gtest.h>

#include <colordlg.h>

namespace {

const char HELP_CAPTION[] = "How to use this f***ing hip screensaver ?";
const char ABOUT_CAPTION[] = "Who did this f***ing hip screensaver ?";

std::string ExpectedHelpText() {
    const char *const lines[] = {
        "SINUETS field:",
        " Enter the number of sinuets (max. 50), that you want to see.",
        " If you choose a 'forbidden' number it gets corrected automatically.",
        "",
        " LOOPS field:",
        "Enter the number of loops, that you want the sinuets to do each minute.",
        "The allowed range is from 1 to 10. For slow PCs choose lower numbers.",
        "",
        "'SHOW ME ZE FROG' box:",
        "Select this box when you want to see the frog in the middle of the screen.",
        "If you don't select it the center of your screen remains blank (and more serious).",
        "",
        "'3D' box:",
        "When selected you see the sinuets from a 3D point of view.",
        "",
        "FADE OUT box:",
        "Select to color the outer sinuets darker, than the one in the middle.",
        "",
        "COLOR button:",
        "When clicking this button you can select any color you want the sinuets to have.",
        "",
        "All your settings will be used and saved automatically when you hit the OK button.",
        "In case you hit the CANCEL button you leave the dialog without making any changes.",
        "",
        "If you want to know who programmed this saver and how to get updates: Click on 'ABOUT'.",
    };
    std::string text;
    for (const char *line : lines) {
        if (!text.empty() || line != lines[0])
            text += '\r';
        text += line;
    }
    return text;
}

// A REG_SZ value of the fixed size whose text ends at its first NUL, or fills it.
void ExpectSaved(const KeySnapshot &key, const char *name, const std::string &text, size_t size) {
    SCOPED_TRACE(name);
    auto found = key.find(name);
    ASSERT_NE(found, key.end());
    EXPECT_EQ(found->second.type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(found->second.bytes.size(), size);
    EXPECT_EQ(TextOf(found->second), text);
}

// The key as the saver writes it for these texts, with filler bytes that are not zero, so
// that a rewrite of any value shows.
void SeedKey(const char *n, const char *lm, const char *df, const char *fa, const char *vi,
             const char *co) {
    auto padded = [](const char *text, size_t size) {
        std::string bytes(text);
        if (bytes.size() < size)
            bytes += '\0';
        while (bytes.size() < size)
            bytes += 'z';
        return bytes;
    };
    WriteRawValue("N", REG_SZ, padded(n, 8));
    WriteRawValue("LM", REG_SZ, padded(lm, 8));
    WriteRawValue("DF", REG_SZ, padded(df, 2));
    WriteRawValue("FA", REG_SZ, padded(fa, 2));
    WriteRawValue("VI", REG_SZ, padded(vi, 2));
    WriteRawValue("CO", REG_SZ, padded(co, 8));
}

// The static control of a message box that holds its text: the one with the longest text.
std::string MessageBoxText(HWND box) {
    std::string longest;
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        char className[32] = "";
        GetClassNameA(child, className, sizeof className);
        if (lstrcmpiA(className, "Static") != 0)
            continue;
        char text[4096] = "";
        SendMessageA(child, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
        if (lstrlenA(text) > static_cast<int>(longest.size()))
            longest = text;
    }
    return longest;
}

// Posts a mouse press and release at a point of `window`'s client area.
void PostClickAt(HWND window, POINT point) {
    const LPARAM where = MAKELPARAM(point.x, point.y);
    PostMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, where);
    PostMessageA(window, WM_LBUTTONUP, 0, where);
}

// Centre of the first custom-colour cell of the chooser, in the chooser's client area.
POINT FirstCustomCell(HWND chooser) {
    RECT area;
    GetWindowRect(GetDlgItem(chooser, COLOR_CUSTOM1), &area);
    MapWindowPoints(nullptr, chooser, reinterpret_cast<POINT *>(&area), 2);
    return POINT{area.left + (area.right - area.left) / 16,
                 area.top + (area.bottom - area.top) / 4};
}

HWND FocusOf(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
    return info.hwndFocus;
}

class ConfigDialog : public ::testing::Test {
  protected:
    void SetUp() override { DeleteSettingsKey(); }
    void TearDown() override { DeleteSettingsKey(); }

    void Finish(ConfigRun &run, int button) {
        Click(run.dialog, button);
        EXPECT_EQ(WaitForExit(run), 1);
    }

    // Opens the chooser with Push and checks how it opens.
    HWND Push(ConfigRun &run) {
        Click(run.dialog, PUSH_BUTTON);
        HWND chooser = WaitForOtherDialog(run, run.dialog, nullptr);
        EXPECT_NE(chooser, nullptr) << "Push opened no colour chooser";
        if (!chooser)
            return nullptr;
        EXPECT_EQ(FieldText(chooser, COLOR_RED), "128");
        EXPECT_EQ(FieldText(chooser, COLOR_GREEN), "128");
        EXPECT_EQ(FieldText(chooser, COLOR_BLUE), "128");
        EXPECT_EQ(GetWindow(chooser, GW_OWNER), nullptr);
        EXPECT_TRUE(IsWindowEnabled(run.dialog));
        // Opened full: the custom-colour part is there, so its button is of no use.
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(chooser, COLOR_MIX)));
        return chooser;
    }

    void ChooseColor(ConfigRun &run, HWND chooser, const char *red, const char *green,
                     const char *blue) {
        SetFieldText(chooser, COLOR_RED, red);
        SetFieldText(chooser, COLOR_GREEN, green);
        SetFieldText(chooser, COLOR_BLUE, blue);
        Settle(run);
    }

    void CloseChooser(ConfigRun &run, HWND chooser, int button) {
        Click(chooser, button);
        EXPECT_TRUE(WaitUntilClosed(chooser));
        Settle(run);
    }
};

TEST_F(ConfigDialog, ShowsDefaultsAndSavesTypedNumbersCorrected) {
    ConfigRun run;
    ASSERT_TRUE(OpenConfig("/c", run));
    EXPECT_EQ(FieldText(run.dialog, COUNT_FIELD), "10");
    EXPECT_EQ(FieldText(run.dialog, LOOPS_FIELD), "2");
    EXPECT_TRUE(IsChecked(run.dialog, FROG_BOX));
    EXPECT_TRUE(IsChecked(run.dialog, FADE_BOX));
    EXPECT_FALSE(IsChecked(run.dialog, VIEW3D_BOX));
    EXPECT_FALSE(SettingsKeyExists()) << "opening the dialog wrote to the registry";

    SetFieldText(run.dialog, COUNT_FIELD, "0");
    SetFieldText(run.dialog, LOOPS_FIELD, "");
    Finish(run, OK_BUTTON);
    KeySnapshot key = ReadSettingsKey();
    EXPECT_EQ(key.size(), 6u);
    ExpectSaved(key, "N", "1", 8);
    ExpectSaved(key, "LM", "1", 8);
    ExpectSaved(key, "DF", "1", 2);
    ExpectSaved(key, "FA", "1", 2);
    ExpectSaved(key, "VI", "0", 2);
    ExpectSaved(key, "CO", "16711808", 8); // eight digits fill the value: no NUL

    ConfigRun above;
    ASSERT_TRUE(OpenConfig("/c", above));
    EXPECT_EQ(FieldText(above.dialog, COUNT_FIELD), "1");
    SetFieldText(above.dialog, COUNT_FIELD, "75");
    SetFieldText(above.dialog, LOOPS_FIELD, "12");
    Finish(above, OK_BUTTON);
    key = ReadSettingsKey();
    ExpectSaved(key, "N", "50", 8);
    ExpectSaved(key, "LM", "10", 8);

    ConfigRun inside;
    ASSERT_TRUE(OpenConfig("/c", inside));
    EXPECT_EQ(FieldText(inside.dialog, COUNT_FIELD), "50");
    EXPECT_EQ(FieldText(inside.dialog, LOOPS_FIELD), "10");
    SetFieldText(inside.dialog, COUNT_FIELD, "37");
    SetFieldText(inside.dialog, LOOPS_FIELD, "7");
    Finish(inside, OK_BUTTON);
    key = ReadSettingsKey();
    ExpectSaved(key, "N", "37", 8);
    ExpectSaved(key, "LM", "7", 8);
}

TEST_F(ConfigDialog, CancelLeavesTheKeyAsItWas) {
    SeedKey("7", "3", "0", "1", "1", "255");
    const KeySnapshot before = ReadSettingsKey();
    ConfigRun run;
    ASSERT_TRUE(OpenConfig("/c", run));
    EXPECT_EQ(FieldText(run.dialog, COUNT_FIELD), "7");
    EXPECT_EQ(FieldText(run.dialog, LOOPS_FIELD), "3");
    EXPECT_FALSE(IsChecked(run.dialog, FROG_BOX));
    EXPECT_TRUE(IsChecked(run.dialog, FADE_BOX));
    EXPECT_TRUE(IsChecked(run.dialog, VIEW3D_BOX));
    Click(run.dialog, FROG_BOX);
    Click(run.dialog, FADE_BOX);
    Click(run.dialog, VIEW3D_BOX);
    SetFieldText(run.dialog, COUNT_FIELD, "44");
    Settle(run);
    EXPECT_TRUE(IsChecked(run.dialog, FROG_BOX));
    Finish(run, CANCEL_BUTTON);
    EXPECT_EQ(ReadSettingsKey(), before);
}

TEST_F(ConfigDialog, EachClickFlipsItsBoxAndFlag) {
    ConfigRun run;
    ASSERT_TRUE(OpenConfig("/c", run));
    Click(run.dialog, FROG_BOX);
    Click(run.dialog, FROG_BOX);
    Click(run.dialog, FADE_BOX);
    Click(run.dialog, VIEW3D_BOX);
    Settle(run);
    EXPECT_TRUE(IsChecked(run.dialog, FROG_BOX));
    EXPECT_FALSE(IsChecked(run.dialog, FADE_BOX));
    EXPECT_TRUE(IsChecked(run.dialog, VIEW3D_BOX));
    Finish(run, OK_BUTTON);
    KeySnapshot key = ReadSettingsKey();
    ExpectSaved(key, "DF", "1", 2);
    ExpectSaved(key, "FA", "0", 2);
    ExpectSaved(key, "VI", "1", 2);
}

TEST_F(ConfigDialog, PushOpensOnMidGreyAndOkSavesTheChosenColour) {
    SeedKey("10", "2", "1", "1", "0", "255");
    ConfigRun run;
    ASSERT_TRUE(OpenConfig("/c", run));
    HWND chooser = Push(run);
    ASSERT_NE(chooser, nullptr);
    ChooseColor(run, chooser, "10", "200", "30");
    CloseChooser(run, chooser, IDOK);
    // The request is filled anew: mid grey again, not the colour just chosen.
    chooser = Push(run);
    ASSERT_NE(chooser, nullptr);
    CloseChooser(run, chooser, IDCANCEL);
    Finish(run, OK_BUTTON);
    ExpectSaved(ReadSettingsKey(), "CO", "2017290", 8); // red 10, green 200, blue 30
}

TEST_F(ConfigDialog, ChosenColourIsNotSavedOnCancel) {
    SeedKey("10", "2", "1", "1", "0", "255");
    const KeySnapshot before = ReadSettingsKey();
    ConfigRun run;
    ASSERT_TRUE(OpenConfig("/c", run));
    HWND chooser = Push(run);
    ASSERT_NE(chooser, nullptr);
    ChooseColor(run, chooser, "1", "2", "3");
    CloseChooser(run, chooser, IDOK);
    Finish(run, CANCEL_BUTTON);
    EXPECT_EQ(ReadSettingsKey(), before);
}

TEST_F(ConfigDialog, CustomColoursLastForOneRun) {
    ConfigRun run;
    ASSERT_TRUE(OpenConfig("/c", run));
    HWND chooser = Push(run);
    ASSERT_NE(chooser, nullptr);
    ChooseColor(run, chooser, "40", "50", "60");
    Click(chooser, COLOR_ADD);
    Settle(run);
    CloseChooser(run, chooser, IDCANCEL);
    chooser = Push(run);
    ASSERT_NE(chooser, nullptr);
    PostClickAt(chooser, FirstCustomCell(chooser));
    Settle(run);
    CloseChooser(run, chooser, IDOK);
    Finish(run, OK_BUTTON);
    ExpectSaved(ReadSettingsKey(), "CO", "3945000", 8); // 0x3C3228

    // A new run starts with black custom colours.
    ConfigRun next;
    ASSERT_TRUE(OpenConfig("/c", next));
    chooser = Push(next);
    ASSERT_NE(chooser, nullptr);
    PostClickAt(chooser, FirstCustomCell(chooser));
    Settle(next);
    CloseChooser(next, chooser, IDOK);
    Finish(next, OK_BUTTON);
    ExpectSaved(ReadSettingsKey(), "CO", "0", 8);
}

TEST_F(ConfigDialog, EscapeEnterAndCloseBoxLeaveItOpen) {
    ConfigRun run;
    ASSERT_TRUE(OpenConfig("/c", run));
    HWND count = GetDlgItem(run.dialog, COUNT_FIELD);
    PostClickAt(count, POINT{3, 3});
    Settle(run);
    ASSERT_EQ(FocusOf(run.dialog), count);
    PostMessageA(count, WM_KEYDOWN, VK_RETURN, 0);
    PostMessageA(count, WM_KEYUP, VK_RETURN, 0);
    EXPECT_TRUE(StillOpenAfter(run, 200)) << "Enter in a number field ended the dialog";
    PostMessageA(count, WM_KEYDOWN, VK_ESCAPE, 0);
    PostMessageA(count, WM_KEYUP, VK_ESCAPE, 0);
    EXPECT_TRUE(StillOpenAfter(run, 200)) << "Escape ended the dialog";
    PostMessageA(run.dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_TRUE(StillOpenAfter(run, 200)) << "the close box ended the dialog";
    EXPECT_FALSE(SettingsKeyExists());
    Finish(run, CANCEL_BUTTON);
}

TEST_F(ConfigDialog, HelpAndAboutBoxesKeepTheDialogUsable) {
    ConfigRun run;
    ASSERT_TRUE(OpenConfig("/c", run));
    Click(run.dialog, HELP_BUTTON);
    HWND help = WaitForOtherDialog(run, run.dialog, HELP_CAPTION);
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(MessageBoxText(help), ExpectedHelpText());
    EXPECT_EQ(ChildTexts(help, "Button"), "OK");
    EXPECT_EQ(GetWindow(help, GW_OWNER), nullptr);
    EXPECT_TRUE(IsWindowEnabled(run.dialog));
    Click(run.dialog, VIEW3D_BOX); // answered while the box is open
    Settle(run);
    EXPECT_TRUE(IsChecked(run.dialog, VIEW3D_BOX));
    Click(help, IDOK);
    EXPECT_TRUE(WaitUntilClosed(help));

    Click(run.dialog, ABOUT_BUTTON);
    HWND about = WaitForOtherDialog(run, run.dialog, ABOUT_CAPTION);
    ASSERT_NE(about, nullptr);
    const std::string text = MessageBoxText(about);
    EXPECT_EQ(ChildTexts(about, "Button"), "OK");
    EXPECT_EQ(GetWindow(about, GW_OWNER), nullptr);
    EXPECT_EQ(text.find('\n'), std::string::npos) << "lines are joined by a single CR";
    EXPECT_NE(text.find('\r'), std::string::npos);
    EXPECT_NE(text.back(), '\r');
    for (const char *mention : {"Sinuet", "2026", "Updates", "free"})
        EXPECT_NE(text.find(mention), std::string::npos) << mention;
    EXPECT_TRUE(IsWindowEnabled(run.dialog));
    Click(about, IDOK);
    EXPECT_TRUE(WaitUntilClosed(about));

    Finish(run, OK_BUTTON);
    ExpectSaved(ReadSettingsKey(), "VI", "1", 2);
}

TEST_F(ConfigDialog, OddStoredValuesShowAsTheLoaderReadsThem) {
    WriteRawValue("N", REG_SZ, std::string(" 12\0", 4));
    WriteRawValue("LM", REG_SZ, std::string("yes\0", 4));
    WriteRawValue("DF", REG_SZ, std::string("10\0", 3));
    WriteRawValue("FA", REG_SZ, std::string("yes\0", 4));
    WriteRawValue("VI", REG_BINARY, "1");
    WriteRawValue("CO", REG_DWORD, std::string("\x31\0\0\0", 4));
    const KeySnapshot before = ReadSettingsKey();
    ConfigRun run;
    ASSERT_TRUE(OpenConfig("/c", run));
    EXPECT_EQ(FieldText(run.dialog, COUNT_FIELD), "12");
    EXPECT_EQ(FieldText(run.dialog, LOOPS_FIELD), "0"); // no number: the field keeps its 0
    EXPECT_TRUE(IsChecked(run.dialog, FROG_BOX));       // only the first byte counts
    EXPECT_FALSE(IsChecked(run.dialog, FADE_BOX));
    EXPECT_TRUE(IsChecked(run.dialog, VIEW3D_BOX)); // read as text whatever its type
    Finish(run, CANCEL_BUTTON);
    EXPECT_EQ(ReadSettingsKey(), before);
}

// A top-level window of the test that owns the dialog.
struct OwnerWindow {
    HWND window = nullptr;
    OwnerWindow() {
        window = CreateWindowExA(0, "STATIC", "Sinuet test owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                 200, 150, 420, 320, nullptr, nullptr, nullptr, nullptr);
        PumpMessages(50);
    }
    ~OwnerWindow() { DestroyWindow(window); }
};

TEST_F(ConfigDialog, OwnerFromTheCommandLineOrTheForeground) {
    OwnerWindow owner;
    ASSERT_NE(owner.window, nullptr);
    ConfigRun run;
    char arguments[32];
    wsprintfA(arguments, "/c:%lu",
              static_cast<unsigned long>(reinterpret_cast<ULONG_PTR>(owner.window)));
    ASSERT_TRUE(OpenConfig(arguments, run));
    EXPECT_EQ(GetWindow(run.dialog, GW_OWNER), owner.window);
    EXPECT_FALSE(IsWindowEnabled(owner.window)) << "a modal dialog disables its owner";
    POINT origin{0, 0};
    ClientToScreen(owner.window, &origin);
    RECT placed;
    GetWindowRect(run.dialog, &placed);
    EXPECT_NEAR(placed.left, origin.x, 40);
    EXPECT_NEAR(placed.top, origin.y, 40);
    Finish(run, CANCEL_BUTTON);
    PumpMessages(50);
    EXPECT_TRUE(IsWindowEnabled(owner.window));

    // "/c" without a handle: the foreground window owns the dialog.
    SetForegroundWindow(owner.window);
    PumpMessages(50);
    ASSERT_EQ(GetForegroundWindow(), owner.window);
    ConfigRun foreground;
    ASSERT_TRUE(OpenConfig("/c", foreground));
    EXPECT_EQ(GetWindow(foreground.dialog, GW_OWNER), owner.window);
    Finish(foreground, CANCEL_BUTTON);

    // No switch at all: the dialog has no owner and opens at the screen's corner.
    ConfigRun plain;
    ASSERT_TRUE(OpenConfig("", plain));
    EXPECT_EQ(GetWindow(plain.dialog, GW_OWNER), nullptr);
    GetWindowRect(plain.dialog, &placed);
    EXPECT_NEAR(placed.left, 0, 40);
    EXPECT_NEAR(placed.top, 0, 40);
    Finish(plain, CANCEL_BUTTON);
}

} // namespace
