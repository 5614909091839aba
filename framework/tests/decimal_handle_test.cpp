#include "decimal_handle.h"

#include <gtest/gtest.h>

namespace {
TEST(ParseDecimalHandle, ReadsDigitsUpToTheFirstOtherByte) {
    EXPECT_EQ(ParseDecimalHandle("1234"), 1234u);
    EXPECT_EQ(ParseDecimalHandle("12x34"), 12u);
    EXPECT_EQ(ParseDecimalHandle("0077 9"), 77u);
    EXPECT_EQ(ParseDecimalHandle("4294967295"), 4294967295u);
}

TEST(ParseDecimalHandle, GivesZeroWhenTheTextDoesNotBeginWithADigit) {
    for (const char *text : {"", ":1234", " 5", "-5", "+5", "x10", "\xB5"})
        EXPECT_EQ(ParseDecimalHandle(text), 0u) << text;
    EXPECT_EQ(ParseDecimalHandle("0x10"), 0u);
}

TEST(ParseDecimalHandle, WrapsInUnsigned32BitArithmetic) {
    EXPECT_EQ(ParseDecimalHandle("4294967296"), 0u);
    EXPECT_EQ(ParseDecimalHandle("4294967297"), 1u);
    EXPECT_EQ(ParseDecimalHandle("99999999999"), 1215752191u);
}
TEST(HandleValue, KeepsThe32BitsAndSignExtendsThemToPointerSize) {
    EXPECT_EQ(HandleValue(0x00010086u), 0x00010086);
    EXPECT_EQ(HandleValue(0x7FFFFFFFu), 0x7FFFFFFF);
    EXPECT_EQ(static_cast<uintptr_t>(HandleValue(0x80000000u)),
              sizeof(intptr_t) == 8 ? uintptr_t(0xFFFFFFFF80000000ull) : uintptr_t(0x80000000u));
    EXPECT_EQ(HandleValue(0xFFFFFFFFu), -1);
}
} // namespace
