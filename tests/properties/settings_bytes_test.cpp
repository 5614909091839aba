// Settings written by other means: whatever bytes another program stores in the six values,
// loading them neither crashes nor gives the saver a count or a flag it cannot use.
#include "figures.h"
#include "settings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <random>
#include <cstring>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

// Bytes that a stored value may hold, biased toward what the decoder looks at.
unsigned char RandomByte(std::mt19937 &random) {
    static const unsigned char likely[] = {'0', '1', '5', '9', ' ', '\t', '+', '-', 0, 0xFF};
    const uint32_t pick = random() % 4;
    if (pick == 0) {
        return static_cast<unsigned char>(random());
    }
    return likely[random() % sizeof likely];
}

std::vector<unsigned char> RandomValue(std::mt19937 &random) {
    // Empty, the fixed sizes, and longer than any size the saver writes.
    std::vector<unsigned char> bytes(random() % 25);
    for (unsigned char &byte : bytes) {
        byte = RandomByte(random);
    }
    return bytes;
}

// The fields the saver indexes arrays with or computes with as 0/1.
void ExpectUsable(const SaverSettings &settings) {
    EXPECT_GE(settings.count, 0);
    EXPECT_LE(settings.count, MAX_FIGURES);
    EXPECT_TRUE(settings.showFrog == 0 || settings.showFrog == 1) << settings.showFrog;
    EXPECT_TRUE(settings.fade == 0 || settings.fade == 1) << settings.fade;
    EXPECT_TRUE(settings.view3D == 0 || settings.view3D == 1) << settings.view3D;
}

// Each value is decoded from a buffer exactly as long as its bytes, so that a read past
// them shows under AddressSanitizer. The record starts as at process start (zeros) and, in
// half the trials, from the defaults.
TEST(SettingsBytes, AnyBytesDecodeToUsableValues) {
    std::mt19937 random(6);
    int32_t countsAboveFifty = 0;
    for (int trial = 0; trial < 20000; ++trial) {
        SaverSettings settings = {};
        if (trial % 2 == 1) {
            SetDefaultSettings(settings);
        }
        for (int value = 0; value < SETTING_VALUE_COUNT; ++value) {
            const std::vector<unsigned char> bytes = RandomValue(random);
            // new[] of 0 bytes still gives a block of its own: any read of it is caught.
            std::unique_ptr<unsigned char[]> exact(new unsigned char[bytes.size()]);
            std::copy(bytes.begin(), bytes.end(), exact.get());
            DecodeSettingValue(settings, static_cast<SettingValue>(value), exact.get(),
                               static_cast<uint32_t>(bytes.size()));
            if (value == VALUE_N && bytes.size() > 1 && bytes[0] == '9' && bytes[1] >= '0' &&
                bytes[1] <= '9') {
                ++countsAboveFifty;
            }
        }
        ExpectUsable(settings);
        if (HasFailure()) {
            FAIL() << "trial " << trial;
        }
    }
    // The trials did reach numbers the figure arrays cannot hold.
    EXPECT_GT(countsAboveFifty, 100);
}

// Numbers that a 16-bit or 32-bit reading could carry out of range.
TEST(SettingsBytes, LargeAndSignedCountsStayWithinTheArrays) {
    const char *const texts[] = {"51",       "65535",  "65536", "65586", "4294967295",
                                 "99999999", "-1",     "-50",   "+70",   " 0051",
                                 "\t\n 50",  "131122", "1e9",   "0x40"};
    for (const char *text : texts) {
        SaverSettings settings = {};
        const std::vector<unsigned char> bytes(text, text + std::strlen(text));
        DecodeSettingValue(settings, VALUE_N, bytes.data(), static_cast<uint32_t>(bytes.size()));
        EXPECT_GE(settings.count, 0) << text;
        EXPECT_LE(settings.count, MAX_FIGURES) << text;
    }
}

// A colour written by other means beyond 8 digits ("-1" reads as 4294967295) is saved
// again as the colour that was drawn, not as its first 8 digits.
TEST(SettingsBytes, OutOfRangeColourKeepsItsChannelsWhenSavedAgain) {
    const char *const texts[] = {"-1", "-2", "-16711808", "+99999999", "4294967"};
    for (const char *text : texts) {
        SaverSettings loaded = {};
        DecodeSettingValue(loaded, VALUE_CO, reinterpret_cast<const unsigned char *>(text),
                           static_cast<uint32_t>(std::strlen(text)));
        char data[16];
        const uint32_t size = EncodeSettingValue(loaded, VALUE_CO, data);
        SaverSettings saved = {};
        DecodeSettingValue(saved, VALUE_CO, reinterpret_cast<const unsigned char *>(data), size);
        EXPECT_EQ(saved.color, loaded.color & 0xFFFFFFu) << text;
    }
}

#ifdef _WIN32
// The same through the registry: another program writes random bytes of random types and
// sizes (or nothing) into the six values, and LoadSettings reads them.
TEST(SettingsBytes, AnyStoredValuesLoadToUsableValues) {
    std::mt19937 random(9);
    const DWORD types[] = {REG_SZ, REG_BINARY, REG_DWORD, REG_EXPAND_SZ, REG_MULTI_SZ};
    for (int trial = 0; trial < 150; ++trial) {
        HKEY key;
        ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, SETTINGS_KEY, 0, nullptr, 0, KEY_ALL_ACCESS,
                                  nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        for (int value = 0; value < SETTING_VALUE_COUNT; ++value) {
            RegDeleteValueA(key, SETTING_VALUE_NAMES[value]);
            if (random() % 6 == 0) {
                continue; // missing
            }
            std::vector<unsigned char> bytes = RandomValue(random);
            bytes.push_back('#'); // so that REG_SZ stores exactly the size given
            RegSetValueExA(key, SETTING_VALUE_NAMES[value], 0, types[random() % 5], bytes.data(),
                           static_cast<DWORD>(bytes.size() - 1));
        }
        RegCloseKey(key);
        saverSettings = SaverSettings{};
        LoadSettings();
        ExpectUsable(saverSettings);
        if (HasFailure()) {
            FAIL() << "trial " << trial;
        }
    }
    RegDeleteKeyA(HKEY_CURRENT_USER, SETTINGS_KEY);
}
#endif

} // namespace
