#include "decimal_handle.h"

uint32_t ParseDecimalHandle(const char *text) {
    uint32_t value = 0;
    for (; *text >= '0' && *text <= '9'; ++text)
        value = value * 10u + static_cast<uint32_t>(*text - '0');
    return value;
}

intptr_t HandleValue(uint32_t number) {
    return static_cast<intptr_t>(static_cast<int32_t>(number));
}
