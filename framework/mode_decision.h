// Which mode a command tail asks for, and the text that the mode reads.
#pragma once

enum SaverMode {
    MODE_CONFIGURE_UNOWNED, // end of the tail: configuration dialog without owner
    MODE_FULL_SCREEN,       // "s"
    MODE_PREVIEW,           // "p" or "l": argument is the text after the letter and blanks
    MODE_CONFIGURE,         // "c": argument is the text after ":", or null without colon
    MODE_CHANGE_PASSWORD,   // "a" on the Windows 95/98/Me family: text after letter and blanks
    MODE_UNRECOGNISED,      // anything else, and "a" on other families
};

struct ModeDecision {
    SaverMode mode;
    const char *argument;
};

ModeDecision DecideMode(const char *tail, int win9x);

// Exit codes of the modes that end without running anything.
enum { EXIT_UNRECOGNISED = -1, EXIT_NO_PREVIEW_PARENT = -1 };
