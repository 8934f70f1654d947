#pragma once
// Drives Replace All from outside, the same way in our program and the peer:
// its Replace command by id, the find and replace fields filled, match case
// and whole word checked, then its Replace All button; timed from the click
// until the component holds the new length and the window thread answers,
// with the peak commit of the process beyond what it held before the click.
#include <windows.h>

#include <string>

#include "BenchTable.h"

// The ids of one program's Replace command (posted to its main window) and
// of the controls of what it opens (a dialog, or a strip in the main window).
struct ReplaceControls {
    UINT command;
    int findText;
    int replaceText;
    int matchCase;
    int wholeWord;
    int replaceAll;
};

// One run's figures; time negative when it could not be timed, with why.
struct ReplaceFigures {
    double milliseconds = -1;
    double peakBytes = -1;
    std::string trouble;
};

// Starts the program on file, replaces find by replace in the whole document
// and checks the result: matches replacements change the length by as many
// times the difference of the two texts. A run that did not replace them all
// is reported in trouble, not timed. Questions the program asks are
// answered, and it is closed without saving.
ReplaceFigures ReplaceAllOnce(const BenchProgram& program, const std::string& file, const ReplaceControls& ids,
                              const std::string& find, const std::string& replace, long long matches);
