#include "mode_decision.h"

#include <gtest/gtest.h>

#include <string>

namespace {
SaverMode Mode(const char *tail, int win9x = 0) {
    return DecideMode(tail, win9x).mode;
}

std::string Argument(const char *tail, int win9x = 0) {
    const char *argument = DecideMode(tail, win9x).argument;
    return argument ? argument : "(none)";
}

TEST(ModeDecision, AnEmptyTailOrSeparatorsOnlyOpenTheDialogWithoutOwner) {
    for (const char *tail : {"", "   ", "/", "-", "-/", "/ - /"})
        EXPECT_EQ(Mode(tail), MODE_CONFIGURE_UNOWNED) << '"' << tail << '"';
}

TEST(ModeDecision, SeparatorsMayRepeatAndMixBeforeS) {
    for (const char *tail : {"s", "S", "/s", "-s", "//S", "- / s", "/s junk", "/S /p 5"})
        EXPECT_EQ(Mode(tail), MODE_FULL_SCREEN) << tail;
}

TEST(ModeDecision, PreviewReadsTheTextAfterTheLetterAndItsBlanks) {
    EXPECT_EQ(Mode("/p 1234"), MODE_PREVIEW);
    EXPECT_EQ(Argument("/p 1234"), "1234");
    EXPECT_EQ(Argument("/p1234"), "1234");
    EXPECT_EQ(Argument("/P    77"), "77");
    EXPECT_EQ(Argument("/p:1234"), ":1234");
    EXPECT_EQ(Argument("/p"), "");
    EXPECT_EQ(Argument("/p\t5"), "\t5"); // only blanks are skipped
}

TEST(ModeDecision, LBehavesExactlyAsP) {
    for (const char *tail : {"/l 42", "/L 42", "-l42"}) {
        EXPECT_EQ(Mode(tail), MODE_PREVIEW) << tail;
        EXPECT_EQ(Argument(tail), "42") << tail;
    }
}

TEST(ModeDecision, ConfigureReadsAHandleOnlyAfterAColon) {
    EXPECT_EQ(Mode("/c:1234"), MODE_CONFIGURE);
    EXPECT_EQ(Argument("/c:1234"), "1234");
    EXPECT_EQ(Argument("/C:"), "");
    EXPECT_EQ(Argument("/c: 5"), " 5");
    EXPECT_EQ(Mode("/c 1234"), MODE_CONFIGURE);
    EXPECT_EQ(Argument("/c 1234"), "(none)");
    EXPECT_EQ(Argument("c"), "(none)");
}

TEST(ModeDecision, ChangePasswordExistsOnlyOnTheWindows9xFamily) {
    EXPECT_EQ(Mode("/a 12", 1), MODE_CHANGE_PASSWORD);
    EXPECT_EQ(Argument("/A   12", 1), "12");
    EXPECT_EQ(Mode("/a 12", 0), MODE_UNRECOGNISED);
    EXPECT_EQ(Mode("-A", 0), MODE_UNRECOGNISED);
}

TEST(ModeDecision, AnyOtherByteAtTheScanPositionIsUnrecognised) {
    for (const char *tail :
         {"/x", "/?", "1", "/1", "/\ts", "\ts", "x/s", "/\x80", "/\xD3", "/\xA0s", "\x01"})
        EXPECT_EQ(Mode(tail, 1), MODE_UNRECOGNISED) << tail;
}
} // namespace
