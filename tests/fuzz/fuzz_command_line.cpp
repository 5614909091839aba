// The process command line, any bytes: cutting the command tail and deciding the mode never
// read past the line's end, the tail starts at its end or at a byte above 0x20, and the
// mode's argument lies inside the tail.
#include "command_tail.h"
#include "decimal_handle.h"
#include "fuzz_check.h"
#include "mode_decision.h"

#include <cstdint>
#include <cstring>
#include <memory>

namespace {

// CharNextA of a single-byte code page: one byte, none at the end.
const char *NextByte(const char *position) {
    return *position != 0 ? position + 1 : position;
}

// CharNextA of a double-byte code page (Shift-JIS lead bytes): a lead byte and the byte
// after it are one character, unless that byte ends the text.
const char *NextDoubleByte(const char *position) {
    const unsigned char byte = static_cast<unsigned char>(*position);
    if (byte == 0) {
        return position;
    }
    const bool lead = (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
    return lead && position[1] != 0 ? position + 2 : position + 1;
}

// The switch letter after any blanks, dashes and slashes names the mode.
SaverMode ExpectedMode(const char *tail, int win9x) {
    while (*tail == ' ' || *tail == '-' || *tail == '/') {
        ++tail;
    }
    switch (*tail) {
        case 0:
            return MODE_CONFIGURE_UNOWNED;
        case 's':
        case 'S':
            return MODE_FULL_SCREEN;
        case 'p':
        case 'P':
        case 'l':
        case 'L':
            return MODE_PREVIEW;
        case 'c':
        case 'C':
            return MODE_CONFIGURE;
        case 'a':
        case 'A':
            return win9x == 1 ? MODE_CHANGE_PASSWORD : MODE_UNRECOGNISED;
        default:
            return MODE_UNRECOGNISED;
    }
}

bool Inside(const char *p, const char *begin, const char *end) {
    return p >= begin && p <= end;
}

} // namespace

// Input layout: one byte (bit 0: double-byte stepping, bit 1: the Windows 95/98/Me family),
// then the command line's bytes, which end at the first NUL or at the input's end.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    if (size == 0) {
        return 0;
    }
    const uint8_t options = data[0];
    const size_t length = size - 1;
    std::unique_ptr<char[]> line(new char[length + 1]);
    std::memcpy(line.get(), data + 1, length);
    line[length] = 0;
    const char *const end = line.get() + std::strlen(line.get());

    const char *tail = CutCommandTail(line.get(), (options & 1) ? NextDoubleByte : NextByte);
    FUZZ_CHECK(Inside(tail, line.get(), end));
    FUZZ_CHECK(*tail == 0 || static_cast<unsigned char>(*tail) > 0x20);

    const int win9x = (options >> 1) & 1;
    const ModeDecision decision = DecideMode(tail, win9x);
    FUZZ_CHECK(decision.mode == ExpectedMode(tail, win9x));
    if (decision.mode == MODE_PREVIEW || decision.mode == MODE_CHANGE_PASSWORD) {
        FUZZ_CHECK(decision.argument != nullptr);
    }
    if (decision.argument != nullptr) {
        FUZZ_CHECK(Inside(decision.argument, tail, end));
        ParseDecimalHandle(decision.argument);
    }
    return 0;
}
