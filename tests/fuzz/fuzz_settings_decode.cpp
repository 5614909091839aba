// The six settings values from arbitrary bytes of any length (empty, beyond the 8-byte
// buffer, without NUL, or missing): the fields the saver depends on stay in range, and
// what was decoded survives being written and read back.
#include "figures.h"
#include "fuzz_check.h"
#include "fuzz_input.h"
#include "settings.h"

#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

namespace {

const uint32_t QUERY_BUFFER = 8; // the loader's one buffer for all six queries

// A value's bytes in a block of exactly their length, so that any read beyond is caught.
std::unique_ptr<uint8_t[]> ExactCopy(const std::vector<uint8_t> &bytes) {
    std::unique_ptr<uint8_t[]> block(new uint8_t[bytes.size()]);
    if (!bytes.empty()) {
        std::memcpy(block.get(), bytes.data(), bytes.size());
    }
    return block;
}

void CheckUsable(const SaverSettings &settings) {
    FUZZ_CHECK(settings.count >= 0 && settings.count <= MAX_FIGURES);
    FUZZ_CHECK(settings.loopsPerMinute >= 0 && settings.loopsPerMinute <= 65535);
    FUZZ_CHECK(settings.showFrog == 0 || settings.showFrog == 1);
    FUZZ_CHECK(settings.fade == 0 || settings.fade == 1);
    FUZZ_CHECK(settings.view3D == 0 || settings.view3D == 1);
}

// Written with the saver's own format and read back, a loaded record is unchanged (the
// colour in the bits that the drawing uses).
void CheckRoundTrip(const SaverSettings &loaded) {
    SaverSettings reread = {};
    for (int value = 0; value < SETTING_VALUE_COUNT; ++value) {
        char data[16];
        std::memset(data, 0x5A, sizeof data);
        const uint32_t stored = EncodeSettingValue(loaded, static_cast<SettingValue>(value), data);
        FUZZ_CHECK(stored == SETTING_DATA_SIZES[value]);
        FUZZ_CHECK(data[stored] != 0); // a REG_SZ write stores exactly `stored` bytes
        const std::vector<uint8_t> bytes(data, data + stored);
        const std::unique_ptr<uint8_t[]> exact = ExactCopy(bytes);
        DecodeSettingValue(reread, static_cast<SettingValue>(value), exact.get(), stored);
    }
    FUZZ_CHECK(reread.count == loaded.count);
    FUZZ_CHECK(reread.loopsPerMinute == loaded.loopsPerMinute);
    FUZZ_CHECK(reread.showFrog == loaded.showFrog);
    FUZZ_CHECK(reread.fade == loaded.fade);
    FUZZ_CHECK(reread.view3D == loaded.view3D);
    FUZZ_CHECK(reread.color == (loaded.color & 0xFFFFFFu)); // the channels drawn
}

} // namespace

// Input layout: one byte whose bit 0 starts both records from the defaults instead of
// zeros; then per value, in the order N, LM, DF, FA, VI, CO, a header byte (bit 7: the value
// is missing; bits 0..4: its length, 0..31) and that many bytes.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    FuzzInput input = {data, size, 0};
    SaverSettings direct = {};  // every value's bytes decoded whatever their length
    SaverSettings through = {}; // as the loader takes them through its 8-byte buffer
    if ((TakeByte(input) & 1) != 0) {
        SetDefaultSettings(direct);
        SetDefaultSettings(through);
    }
    for (int k = 0; k < SETTING_VALUE_COUNT; ++k) {
        const SettingValue value = static_cast<SettingValue>(k);
        const uint8_t header = TakeByte(input);
        const bool missing = (header & 0x80) != 0;
        const uint8_t *start = nullptr;
        const size_t length = TakeBytes(input, header & 0x1F, start);
        const std::vector<uint8_t> bytes(start, start + length);
        const std::unique_ptr<uint8_t[]> exact = ExactCopy(bytes);
        DecodeSettingValue(direct, value, exact.get(), static_cast<uint32_t>(bytes.size()));
        if (missing || bytes.size() > QUERY_BUFFER) {
            SetDefaultSettingValue(through, value);
        } else {
            DecodeSettingValue(through, value, exact.get(), static_cast<uint32_t>(bytes.size()));
        }
    }
    CheckUsable(direct);
    CheckUsable(through);
    CheckRoundTrip(through);
    return 0;
}
