// The captions and texts of the configuration dialog's two message boxes. Lines are
// separated by a single carriage return, as message boxes of the saver's family expect.
#pragma once

extern const char *const ABOUT_CAPTION;
extern const char *const ABOUT_TEXT;
extern const char *const HELP_CAPTION;
extern const char *const HELP_TEXT;
