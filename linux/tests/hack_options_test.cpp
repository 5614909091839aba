// The hack's options: defaults, both dash styles, the dialog's correction rule, window
// ids, colours and the refusal of what is malformed.
#include "hack_options.h"
#include "window_handle_text.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {
struct Parsed {
    int result;
    HackOptions options;
    std::string errors;
};

Parsed Parse(std::vector<const char *> words) {
    words.insert(words.begin(), "sinuet");
    Parsed parsed;
    testing::internal::CaptureStderr();
    parsed.result = ParseHackOptions(static_cast<int>(words.size()),
                                     const_cast<char **>(words.data()), parsed.options);
    parsed.errors = testing::internal::GetCapturedStderr();
    return parsed;
}
} // namespace

TEST(HackOptions, DefaultsAreTheSaversAndBothDashStylesWork) {
    const Parsed none = Parse({});
    ASSERT_EQ(none.result, OPTIONS_OK);
    const SaverSettings &s = none.options.settings;
    const SaverSettings windowsDefaults = {10, 2, 1, 1, 0, 0xFF0080};
    EXPECT_EQ(std::memcmp(&s, &windowsDefaults, sizeof s), 0);
    EXPECT_STREQ(none.options.colorText, "#8000FF");
    EXPECT_EQ(none.options.root, 0);
    EXPECT_EQ(none.options.windowIdGiven, 0);

    const Parsed given =
        Parse({"-count", "50", "--loops", "7", "-no-frog", "--no-fade", "-3d", "--root", "-seed",
               "4294967295", "--color", "#FF8000", "--ticks", "2147483647"});
    ASSERT_EQ(given.result, OPTIONS_OK) << given.errors;
    EXPECT_EQ(given.options.settings.count, 50);
    EXPECT_EQ(given.options.settings.loopsPerMinute, 7);
    EXPECT_EQ(given.options.settings.showFrog, 0);
    EXPECT_EQ(given.options.settings.fade, 0);
    EXPECT_EQ(given.options.settings.view3D, 1);
    EXPECT_EQ(given.options.settings.color, 0x0080FFu);
    EXPECT_EQ(given.options.root, 1);
    EXPECT_EQ(given.options.seedGiven, 1);
    EXPECT_EQ(given.options.seed, 4294967295u);
    EXPECT_EQ(none.options.tickLimit, 0);
    EXPECT_EQ(given.options.tickLimit, 2147483647);

    const Parsed back = Parse({"--no-3d", "--3d", "--no-3d", "--no-frog", "-frog"});
    EXPECT_EQ(back.options.settings.view3D, 0);
    EXPECT_EQ(back.options.settings.showFrog, 1);
}

TEST(HackOptions, NumbersAreCorrectedAsTheDialogDoes) {
    struct Case {
        const char *text;
        int32_t count;
    };
    const Case cases[] = {{"0", 1},           {"51", 50},        {"-3", 1},          {"+12", 12},
                          {"2147483647", 50}, {"3000000000", 1}, {"99999999999", 1}, {"007", 7}};
    for (const Case &c : cases) {
        const Parsed parsed = Parse({"--count", c.text, "--loops", c.text});
        ASSERT_EQ(parsed.result, OPTIONS_OK) << c.text;
        EXPECT_EQ(parsed.options.settings.count, c.count) << c.text;
        EXPECT_EQ(parsed.options.settings.loopsPerMinute, c.count > 10 ? 10 : c.count) << c.text;
    }
}

TEST(HackOptions, MalformedInputNamesItselfAndGivesTheUsage) {
    const std::vector<std::vector<const char *>> bad = {
        {"--bogus"},
        {"root"},
        {"--count"},
        {"--count", "ten"},
        {"--count", ""},
        {"--loops", "-"},
        {"--seed", "-1"},
        {"--seed", "4294967296"},
        {"--ticks", "2147483648"},
        {"--ticks", "-1"},
        {"--window-id", "0"},
        {"--color", "#12345"},
        {"--color", "#12345G"},
        {"---root"},
    };
    for (const auto &words : bad) {
        const Parsed parsed = Parse(words);
        EXPECT_EQ(parsed.result, OPTIONS_BAD) << words[0];
        EXPECT_NE(parsed.errors.find(words[0]), std::string::npos) << parsed.errors;
        EXPECT_NE(parsed.errors.find("\nusage: sinuet"), std::string::npos) << parsed.errors;
    }
    // An empty colour (a cleared settings field) is the default; a name waits for the X server.
    const Parsed empty = Parse({"--color", "#00FF00", "--color", ""});
    EXPECT_EQ(empty.result, OPTIONS_OK);
    EXPECT_EQ(empty.options.settings.color, 0xFF0080u);
    const Parsed named = Parse({"--color", "forest green"});
    EXPECT_EQ(named.result, OPTIONS_OK);
    EXPECT_STREQ(named.options.colorText, "forest green");
}

TEST(WindowHandleText, HexWithPrefixOrDecimal) {
    unsigned long window = 0;
    ASSERT_TRUE(ParseWindowHandle("0x1a00007", window));
    EXPECT_EQ(window, 0x1a00007ul);
    ASSERT_TRUE(ParseWindowHandle("0XFFFFFFFF", window));
    EXPECT_EQ(window, 0xFFFFFFFFul);
    ASSERT_TRUE(ParseWindowHandle("27262983", window));
    EXPECT_EQ(window, 27262983ul);
    for (const char *bad : {"", "0x", "0", "0x0", "12z", "1a00007", "0x100000000", "-5", " 12"}) {
        EXPECT_FALSE(ParseWindowHandle(bad, window)) << bad;
    }
    EXPECT_FALSE(ParseWindowHandle(nullptr, window));

    const Parsed parsed = Parse({"-window-id", "0x2c", "--root"});
    ASSERT_EQ(parsed.result, OPTIONS_OK);
    EXPECT_EQ(parsed.options.windowIdGiven, 1);
    EXPECT_EQ(parsed.options.windowId, 0x2cul);
}
