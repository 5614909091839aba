// A window handle's decimal text, any bytes: ParseDecimalHandle reads no further than the
// digits and the byte that ends them, and gives the digits' value modulo 2^32.
#include "decimal_handle.h"
#include "fuzz_check.h"

#include <cstdint>
#include <cstring>
#include <memory>

// Input layout: the text's bytes; a NUL is added after them.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    std::unique_ptr<char[]> text(new char[size + 1]);
    std::memcpy(text.get(), data, size);
    text[size] = 0;
    uint64_t expected = 0;
    for (size_t k = 0; k < size && data[k] >= '0' && data[k] <= '9'; ++k) {
        expected = (expected * 10 + (data[k] - '0')) & 0xFFFFFFFFu;
    }
    FUZZ_CHECK(ParseDecimalHandle(text.get()) == static_cast<uint32_t>(expected));
    return 0;
}
