#include "command_tail.h"

#include <gtest/gtest.h>

#include <string>

namespace {
const char *ByteStep(const char *position) {
    return *position ? position + 1 : position;
}

// A double-byte code page in miniature: 0x81 leads a two-byte character.
const char *DoubleByteStep(const char *position) {
    if (*position == 0)
        return position;
    if (static_cast<unsigned char>(*position) == 0x81 && position[1] != 0)
        return position + 2;
    return position + 1;
}

std::string Tail(const char *line, NextCharStep step = ByteStep) {
    return CutCommandTail(line, step);
}

TEST(CommandTail, SkipsAPlainProgramNameAndTheBlanksAfterIt) {
    EXPECT_EQ(Tail("saver.scr /s"), "/s");
    EXPECT_EQ(Tail("saver.scr    /p 123"), "/p 123");
    EXPECT_EQ(Tail("saver.scr"), "");
    EXPECT_EQ(Tail(""), "");
}

TEST(CommandTail, SkipsAQuotedPathWithBlanksWhole) {
    EXPECT_EQ(Tail("\"C:\\Some Dir\\saver\" /s"), "/s");
    EXPECT_EQ(Tail("\"C:\\Some Dir\\saver\"/s"), "/s");
    EXPECT_EQ(Tail("\"saver\""), "");
    EXPECT_EQ(Tail("\"\" /c"), "/c");
}

TEST(CommandTail, AnUnterminatedQuoteLeavesAnEmptyTail) {
    EXPECT_EQ(Tail("\"C:\\Some Dir\\saver /s"), "");
}

TEST(CommandTail, TabsAndControlBytesAfterTheNameAreSkippedButNotInsideTheTail) {
    EXPECT_EQ(Tail("saver\t\t/s"), "/s");
    EXPECT_EQ(Tail("saver \x01\x1f /s\t"), "/s\t");
    EXPECT_EQ(Tail("saver /\ts"), "/\ts");
}

TEST(CommandTail, ALeadingBlankOrControlByteSkipsNoName) {
    EXPECT_EQ(Tail(" /s"), "/s");
    EXPECT_EQ(Tail("\t/s"), "/s");
}

TEST(CommandTail, BytesAbove0x7FAreOrdinaryCharacters) {
    EXPECT_EQ(Tail("sav\xE9r.scr /s"), "/s");
    EXPECT_EQ(Tail("saver\xA0/s"), "");
    EXPECT_EQ(Tail("saver \xA0/s"), "\xA0/s");
    EXPECT_EQ(Tail("\"D\xFCr\" /s"), "/s");
}

TEST(CommandTail, ADoubleByteCharacterIsSteppedOverWhole) {
    // The trail bytes are a double quote and a blank: with the double-byte step they belong
    // to the character and end neither the quoted path nor the name.
    EXPECT_EQ(Tail("\"C:\\\x81\"x\" /s", DoubleByteStep), "/s");
    EXPECT_EQ(Tail("\"C:\\\x81\"x\" /s", ByteStep), "x\" /s");
    EXPECT_EQ(Tail("ab\x81 c /s", DoubleByteStep), "/s");
    EXPECT_EQ(Tail("ab\x81 c /s", ByteStep), "c /s");
}
} // namespace
