#pragma once
// Drives a running editor from outside: one keystroke into its editing
// component, then, once the program is idle (painted, its thread free), its
// Save command, timed until the file on disk has the new size and the
// program answers again. The same for our program and the peer,
// so the two figures compare. The command goes by its id: under Wine a menu
// handle means nothing in another process, so the menu cannot be walked.
#include <windows.h>

#include <string>

class RemoteEditor;

// Median milliseconds over runs from the Save command to the file written,
// or a negative value when the program could not be driven. Each run opens
// a fresh copy of source (copyPath) in exe; componentClass is the class of its
// editing component's window, saveCommand its Save command's id.
double MedianSave(int runs, const std::string& exe, const std::string& folder, const char* className,
                  const char* componentClass, const std::string& source, const std::string& copyPath,
                  UINT saveCommand);

// Waits until the editor's thread answers and its main window has nothing
// left to paint, over several looks; false when it is not idle in time.
bool WaitUntilIdle(const RemoteEditor& editor, DWORD timeoutMs);
// Median milliseconds of the one flush that makes a save of source durable:
// a fresh copy at path, still in the page cache, flushed. Printed beside the
// save, which holds it, and which the peer does not do.
double MedianFlush(int runs, const std::string& source, const std::string& path);
