// LoadSettings and SaveSettings against the real registry (Wine's, in the test prefix):
// exact value types, sizes and bytes, and what a damaged key loads as.
#include "settings.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

void DeleteKey() {
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, SETTINGS_KEY, 0, KEY_ALL_ACCESS, &key) == ERROR_SUCCESS) {
        for (const char *name : SETTING_VALUE_NAMES) {
            RegDeleteValueA(key, name);
        }
        RegCloseKey(key);
    }
    RegDeleteKeyA(HKEY_CURRENT_USER, SETTINGS_KEY);
}

bool KeyExists() {
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, SETTINGS_KEY, 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return false;
    }
    RegCloseKey(key);
    return true;
}

// Writes one value with exactly the given bytes and type.
void Store(const char *name, DWORD type, const std::string &bytes) {
    HKEY key;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, SETTINGS_KEY, 0, nullptr, 0, KEY_WRITE, nullptr,
                              &key, nullptr),
              ERROR_SUCCESS);
    // A non-NUL byte after the data keeps REG_SZ writes at the size given.
    std::string buffer = bytes + "#";
    ASSERT_EQ(RegSetValueExA(key, name, 0, type, reinterpret_cast<const BYTE *>(buffer.data()),
                             static_cast<DWORD>(bytes.size())),
              ERROR_SUCCESS);
    RegCloseKey(key);
}

struct StoredValue {
    DWORD type = 0;
    std::string bytes;
};

StoredValue Stored(const char *name) {
    StoredValue value;
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, SETTINGS_KEY, 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return value;
    }
    BYTE data[64];
    DWORD size = sizeof data;
    if (RegQueryValueExA(key, name, nullptr, &value.type, data, &size) == ERROR_SUCCESS) {
        value.bytes.assign(reinterpret_cast<char *>(data), size);
    }
    RegCloseKey(key);
    return value;
}

class SettingsRegistry : public ::testing::Test {
  protected:
    void SetUp() override { DeleteKey(); }
    void TearDown() override { DeleteKey(); }
};

TEST_F(SettingsRegistry, NoKeyGivesTheDefaultsAndCreatesNoKey) {
    saverSettings = SaverSettings{0, 0, 0, 0, 1, 5};
    LoadSettings();
    SaverSettings defaults{};
    SetDefaultSettings(defaults);
    EXPECT_EQ(std::memcmp(&saverSettings, &defaults, sizeof defaults), 0);
    EXPECT_FALSE(KeyExists());
}

TEST_F(SettingsRegistry, SavedDefaultsHaveTheirExactSizesAndBytes) {
    SetDefaultSettings(saverSettings);
    SaveSettings();
    const struct {
        const char *name;
        std::string bytes;
    } expected[] = {{"N", std::string("10\0", 3)}, {"LM", std::string("2\0", 2)},
                    {"DF", std::string("1\0", 2)}, {"FA", std::string("1\0", 2)},
                    {"VI", std::string("0\0", 2)}, {"CO", "16711808"}};
    for (const auto &e : expected) {
        const StoredValue value = Stored(e.name);
        EXPECT_EQ(value.type, static_cast<DWORD>(REG_SZ)) << e.name;
        const size_t size =
            std::string(e.name) == "N" || std::string(e.name) == "LM" || std::string(e.name) == "CO"
                ? 8
                : 2;
        ASSERT_EQ(value.bytes.size(), size) << e.name;
        EXPECT_EQ(value.bytes.substr(0, e.bytes.size()), e.bytes) << e.name;
    }
    saverSettings = SaverSettings{};
    LoadSettings();
    SaverSettings defaults{};
    SetDefaultSettings(defaults);
    EXPECT_EQ(std::memcmp(&saverSettings, &defaults, sizeof defaults), 0);
}

TEST_F(SettingsRegistry, OtherRecordsSurviveSaveAndLoad) {
    const SaverSettings records[] = {{1, 10, 0, 0, 1, 0},
                                     {50, 1, 1, 0, 1, 0xFFFFFF},
                                     {7, 3, 0, 1, 0, 0x808080},
                                     {23, 9, 1, 1, 1, 10000000}};
    for (const SaverSettings &record : records) {
        saverSettings = record;
        SaveSettings();
        EXPECT_EQ(Stored("CO").bytes.size(), 8u);
        saverSettings = SaverSettings{};
        LoadSettings();
        EXPECT_EQ(std::memcmp(&saverSettings, &record, sizeof record), 0) << record.count;
    }
}

// Missing values and values too long for the 8-byte buffer take their defaults instead of
// whatever an earlier value left behind.
TEST_F(SettingsRegistry, MissingAndOverlongValuesTakeTheirDefaults) {
    Store("N", REG_SZ, std::string("12\0", 3));
    Store("DF", REG_SZ, std::string("0\0", 2));
    Store("VI", REG_SZ, std::string("1\0", 2));
    Store("CO", REG_SZ, "123456789"); // 9 bytes
    saverSettings = SaverSettings{0, 0, 0, 0, 0, 0};
    LoadSettings();
    EXPECT_EQ(saverSettings.count, 12);
    EXPECT_EQ(saverSettings.loopsPerMinute, 2); // missing, after "N" = 12
    EXPECT_EQ(saverSettings.showFrog, 0);
    EXPECT_EQ(saverSettings.fade, 1); // missing, after "DF" = 0
    EXPECT_EQ(saverSettings.view3D, 1);
    EXPECT_EQ(saverSettings.color, 0xFF0080u); // too long
    Store("LM", REG_SZ, std::string(300, '7'));
    LoadSettings();
    EXPECT_EQ(saverSettings.loopsPerMinute, 2);
}

// Whatever the type, the bytes are text; a count beyond the arrays is capped.
TEST_F(SettingsRegistry, ValuesOfAnyTypeAndLengthAreReadSafely) {
    Store("N", REG_BINARY, "99");
    Store("LM", REG_BINARY, "00000004"); // 8 digits, no NUL
    Store("DF", REG_DWORD, std::string("\1\0\0\0", 4));
    Store("FA", REG_BINARY, "1");
    Store("VI", REG_SZ, "");
    Store("CO", REG_SZ, "16777215"); // 8 digits, no NUL
    saverSettings = SaverSettings{0, 0, 1, 0, 1, 0};
    LoadSettings();
    EXPECT_EQ(saverSettings.count, 50);
    EXPECT_EQ(saverSettings.loopsPerMinute, 4);
    EXPECT_EQ(saverSettings.showFrog, 0); // byte 1, not the character "1"
    EXPECT_EQ(saverSettings.fade, 1);
    EXPECT_EQ(saverSettings.view3D, 0); // no bytes at all
    EXPECT_EQ(saverSettings.color, 0xFFFFFFu);
}

// Text that holds no number leaves the field as it was before the load.
TEST_F(SettingsRegistry, TextWithoutANumberKeepsTheField) {
    SetDefaultSettings(saverSettings);
    SaveSettings();
    Store("N", REG_SZ, std::string("many\0", 5));
    Store("CO", REG_SZ, std::string("\0", 1));
    saverSettings.count = 33;
    saverSettings.color = 0x123456;
    LoadSettings();
    EXPECT_EQ(saverSettings.count, 33);
    EXPECT_EQ(saverSettings.color, 0x123456u);
    EXPECT_EQ(saverSettings.loopsPerMinute, 2);
}

} // namespace
