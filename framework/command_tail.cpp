#include "command_tail.h"

namespace {
unsigned char ByteAt(const char *position) {
    return static_cast<unsigned char>(*position);
}
} // namespace

const char *CutCommandTail(const char *commandLine, NextCharStep next) {
    const char *position = commandLine;
    if (ByteAt(position) == '"') {
        do
            position = next(position);
        while (ByteAt(position) != '"' && ByteAt(position) != 0);
        if (ByteAt(position) == '"')
            position = next(position);
    } else {
        while (ByteAt(position) > ' ')
            position = next(position);
    }
    while (ByteAt(position) >= 0x01 && ByteAt(position) <= ' ')
        position = next(position);
    return position;
}
