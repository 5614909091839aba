// The registry text format of the six settings, byte by byte, and the decoding rules.
#include "settings.h"

#include "figures.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

std::string Encoded(const SaverSettings &settings, SettingValue value, uint32_t &size,
                    char &after) {
    char data[16];
    std::memset(data, 0, sizeof data);
    size = EncodeSettingValue(settings, value, data);
    after = data[size];
    return std::string(data, size);
}

SaverSettings Defaults() {
    SaverSettings settings{};
    SetDefaultSettings(settings);
    return settings;
}

void Decode(SaverSettings &settings, SettingValue value, const char *bytes, uint32_t length) {
    DecodeSettingValue(settings, value, reinterpret_cast<const unsigned char *>(bytes), length);
}

TEST(SettingsFormat, DefaultsAreTheDocumentedValues) {
    const SaverSettings s = Defaults();
    EXPECT_EQ(s.count, 10);
    EXPECT_EQ(s.loopsPerMinute, 2);
    EXPECT_EQ(s.showFrog, 1);
    EXPECT_EQ(s.fade, 1);
    EXPECT_EQ(s.view3D, 0);
    EXPECT_EQ(s.color, 0xFF0080u);
    EXPECT_STREQ(SETTINGS_KEY, "SinuetSet9");
    const char *const names[] = {"N", "LM", "DF", "FA", "VI", "CO"};
    const uint32_t sizes[] = {8, 8, 2, 2, 2, 8};
    for (int v = 0; v < SETTING_VALUE_COUNT; ++v) {
        EXPECT_STREQ(SETTING_VALUE_NAMES[v], names[v]);
        EXPECT_EQ(SETTING_DATA_SIZES[v], sizes[v]);
    }
}

// Each value is stored at its fixed size; the byte after the data is never NUL, so that a
// REG_SZ write keeps that size even when the data does not end in NUL.
TEST(SettingsFormat, EncodesTheDefaultsByteByByte) {
    const SaverSettings s = Defaults();
    uint32_t size = 0;
    char after = 0;
    EXPECT_EQ(Encoded(s, VALUE_N, size, after), std::string("10\0\0\0\0\0\0", 8));
    EXPECT_EQ(size, 8u);
    EXPECT_NE(after, '\0');
    EXPECT_EQ(Encoded(s, VALUE_LM, size, after), std::string("2\0\0\0\0\0\0\0", 8));
    EXPECT_EQ(size, 8u);
    EXPECT_NE(after, '\0');
    EXPECT_EQ(Encoded(s, VALUE_DF, size, after), std::string("1\0", 2));
    EXPECT_NE(after, '\0');
    EXPECT_EQ(Encoded(s, VALUE_FA, size, after), std::string("1\0", 2));
    EXPECT_EQ(Encoded(s, VALUE_VI, size, after), std::string("0\0", 2));
    EXPECT_EQ(size, 2u);
    EXPECT_NE(after, '\0');
    EXPECT_EQ(Encoded(s, VALUE_CO, size, after), std::string("16711808", 8));
    EXPECT_EQ(size, 8u);
    EXPECT_NE(after, '\0');
}

TEST(SettingsFormat, EncodesShortAndLongColours) {
    SaverSettings s = Defaults();
    uint32_t size = 0;
    char after = 0;
    s.color = 0x808080;
    EXPECT_EQ(Encoded(s, VALUE_CO, size, after), std::string("8421504\0", 8));
    s.color = 0;
    EXPECT_EQ(Encoded(s, VALUE_CO, size, after), std::string("0\0\0\0\0\0\0\0", 8));
    s.color = 0xFFFFFF;
    EXPECT_EQ(Encoded(s, VALUE_CO, size, after), std::string("16777215", 8));
    EXPECT_NE(after, '\0');
    s.count = 50;
    s.loopsPerMinute = 1;
    EXPECT_EQ(Encoded(s, VALUE_N, size, after), std::string("50\0\0\0\0\0\0", 8));
    EXPECT_EQ(Encoded(s, VALUE_LM, size, after), std::string("1\0\0\0\0\0\0\0", 8));
}

TEST(SettingsFormat, EveryValidRecordSurvivesEncodeAndDecode) {
    const uint32_t colours[] = {0, 1, 9, 10, 0x808080, 0xFF0080, 9999999, 10000000, 0xFFFFFF};
    for (int32_t count = 1; count <= MAX_FIGURES; ++count) {
        for (int32_t loops = 1; loops <= 10; ++loops) {
            for (uint32_t colour : colours) {
                const int32_t flags = (count + loops) % 8;
                const SaverSettings s{count,      loops, flags & 1, (flags >> 1) & 1,
                                      flags >> 2, colour};
                SaverSettings back{};
                for (int v = 0; v < SETTING_VALUE_COUNT; ++v) {
                    char data[16];
                    const uint32_t size = EncodeSettingValue(s, static_cast<SettingValue>(v), data);
                    DecodeSettingValue(back, static_cast<SettingValue>(v),
                                       reinterpret_cast<unsigned char *>(data), size);
                }
                ASSERT_EQ(std::memcmp(&s, &back, sizeof s), 0)
                    << count << " " << loops << " " << colour;
            }
        }
    }
}

// Only the first byte counts, and only the character "1" is on.
TEST(SettingsFormat, FlagsAreOnOnlyForALeadingOne) {
    struct Case {
        const char *bytes;
        uint32_t length;
        int32_t flag;
    };
    const Case cases[] = {{"1", 2, 1},
                          {"10", 3, 1},
                          {"1x", 2, 1},
                          {"1", 1, 1},
                          {"2", 2, 0},
                          {" 1", 3, 0},
                          {"yes", 4, 0},
                          {"0", 2, 0},
                          {"", 1, 0},
                          {"1", 0, 0},
                          {"\0"
                           "1",
                           2, 0}};
    for (const Case &c : cases) {
        for (SettingValue v : {VALUE_DF, VALUE_FA, VALUE_VI}) {
            SaverSettings s = Defaults();
            s.showFrog = s.fade = s.view3D = 7; // not 0 or 1: shows the field was written
            Decode(s, v, c.bytes, c.length);
            const int32_t got = v == VALUE_DF ? s.showFrog : v == VALUE_FA ? s.fade : s.view3D;
            EXPECT_EQ(got, c.flag) << "\"" << c.bytes << "\" length " << c.length;
        }
    }
}

TEST(SettingsFormat, NumbersFollowTheUnsignedConversions) {
    SaverSettings s = Defaults();
    Decode(s, VALUE_N, "0", 2);
    EXPECT_EQ(s.count, 0);
    Decode(s, VALUE_N, " 12", 4);
    EXPECT_EQ(s.count, 12);
    Decode(s, VALUE_LM, "\t7", 3);
    EXPECT_EQ(s.loopsPerMinute, 7);
    Decode(s, VALUE_LM, "65537", 6); // stored as 16 bits
    EXPECT_EQ(s.loopsPerMinute, 1);
    Decode(s, VALUE_CO, "16711808", 8); // 8 digits, no NUL
    EXPECT_EQ(s.color, 0xFF0080u);
    Decode(s, VALUE_CO, "8421504", 8);
    EXPECT_EQ(s.color, 0x808080u);
}

// Text without a number leaves the field as it was.
TEST(SettingsFormat, TextWithoutANumberKeepsTheField) {
    const char *const texts[] = {"", "abc", " ", "x12", "+", "-", " -"};
    for (const char *text : texts) {
        SaverSettings s = Defaults();
        s.count = 33;
        s.loopsPerMinute = 44;
        s.color = 0x123456;
        const uint32_t length = static_cast<uint32_t>(std::strlen(text)) + 1;
        Decode(s, VALUE_N, text, length);
        Decode(s, VALUE_LM, text, length);
        Decode(s, VALUE_CO, text, length);
        EXPECT_EQ(s.count, 33) << text;
        EXPECT_EQ(s.loopsPerMinute, 44) << text;
        EXPECT_EQ(s.color, 0x123456u) << text;
    }
}

// The text ends at the first NUL or at the end of the bytes returned; nothing beyond
// either is read.
TEST(SettingsFormat, ReadsNoFurtherThanTheNulOrTheLength) {
    SaverSettings s = Defaults();
    Decode(s, VALUE_N, "12345678", 2);
    EXPECT_EQ(s.count, 12);
    Decode(s, VALUE_CO,
           "123\0"
           "456",
           8);
    EXPECT_EQ(s.color, 123u);
    Decode(s, VALUE_LM, "9999", 0);
    EXPECT_EQ(s.loopsPerMinute, 2);
    // A buffer whose every byte is a digit and whose length stops short of the end.
    const unsigned char digits[3] = {'4', '2', '7'};
    DecodeSettingValue(s, VALUE_N, digits, 2);
    EXPECT_EQ(s.count, 42);
}

// A stored count above what the figure arrays hold is brought to MAX_FIGURES.
TEST(SettingsFormat, CountNeverExceedsMaxFigures) {
    const struct {
        const char *text;
        int32_t count;
    } cases[] = {{"50", 50},       {"51", 50},   {"99", 50},    {"65535", 50},
                 {"99999999", 50}, {"65536", 0}, {"65586", 50}, {"1", 1}};
    for (const auto &c : cases) {
        SaverSettings s = Defaults();
        Decode(s, VALUE_N, c.text, static_cast<uint32_t>(std::strlen(c.text)));
        EXPECT_EQ(s.count, c.count) << c.text;
        EXPECT_LE(s.count, MAX_FIGURES);
    }
}

// The conversions agree with the C library's "%hu" and "%lu" wherever it finds a number.
TEST(SettingsFormat, ConversionsAgreeWithScanf) {
    const char *const texts[] = {"0",          "7",      "00012", " 12",   "\t\n 3", "+5",
                                 "-1",         "-65535", "12ab",  "65535", "65536",  "99999999",
                                 "4294967295", "1 2",    "\v9",   "\f8",   "\r6",    "-0"};
    for (const char *text : texts) {
        unsigned short shortValue = 0;
        unsigned long longValue = 0;
        const bool hasNumber = std::sscanf(text, "%hu", &shortValue) == 1;
        ASSERT_EQ(std::sscanf(text, "%lu", &longValue) == 1, hasNumber) << text;
        SaverSettings s = Defaults();
        s.loopsPerMinute = -5;
        s.color = 0xABCDEF;
        const uint32_t length = static_cast<uint32_t>(std::strlen(text));
        Decode(s, VALUE_LM, text, length);
        Decode(s, VALUE_CO, text, length);
        if (std::strlen(text) > 8) {
            continue; // longer than any stored value: only checked for its parse
        }
        EXPECT_EQ(s.loopsPerMinute, hasNumber ? static_cast<int32_t>(shortValue) : -5) << text;
        EXPECT_EQ(s.color, hasNumber ? static_cast<uint32_t>(longValue) : 0xABCDEFu) << text;
    }
}

TEST(SettingsFormat, CorrectionRuleCapsAndRaises) {
    EXPECT_EQ(CorrectSetting(51, 50), 50);
    EXPECT_EQ(CorrectSetting(50, 50), 50);
    EXPECT_EQ(CorrectSetting(49, 50), 49);
    EXPECT_EQ(CorrectSetting(1, 50), 1);
    EXPECT_EQ(CorrectSetting(0, 50), 1);
    EXPECT_EQ(CorrectSetting(-3, 10), 1);
    EXPECT_EQ(CorrectSetting(INT32_MIN, 10), 1);
    EXPECT_EQ(CorrectSetting(INT32_MAX, 10), 10);
    EXPECT_EQ(CorrectSetting(11, 10), 10);
}

} // namespace
