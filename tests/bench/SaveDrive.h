#pragma once
// Drives a running editor from outside: one keystroke into its editing
// component, then, once the program is idle (painted, its thread free), its
// Save command, timed until the file on disk has the new size and the
// program answers again. The same for our program and the peer,
// so the two figures compare. The command goes by its id: under Wine a menu
// handle means nothing in another process, so the menu cannot be walked.
#include <windows.h>

#include <string>

#include "BenchTable.h"

class RemoteEditor;

// One save: from the Save command to the file written and the program
// answering (negative when the program could not be driven), and how much of
// that the program says it spent in its flushes (0 when it does not say).
struct SaveFigures {
    double milliseconds = -1;
    double flushMilliseconds = 0;
};

// Opens a fresh copy of source (copyPath) in program, types one character
// and, once the program is idle, times saveCommand (its Save command's id).
// flushMessage: the message the program answers with its last save's flush
// time in microseconds, asked after the clock stops; 0 for a program that
// has none.
SaveFigures SaveOnce(const BenchProgram& program, const std::string& source, const std::string& copyPath,
                     UINT saveCommand, UINT flushMessage);

// Waits until the editor's thread answers and its main window has nothing
// left to paint, over several looks; false when it is not idle in time.
bool WaitUntilIdle(const RemoteEditor& editor, DWORD timeoutMs);
