// Starting a program with the caller's own standard handles: the editor's
// user tools and the updater's launch share this one routine.
#pragma once

#include <windows.h>

namespace dovari_common {

// Starts the command line (no separate program name, handles inherited,
// normal priority) in folder, or in the caller's current folder when folder
// is null, with the caller's standard input, output and error. When wait is
// set, returns only after the process has ended; while it waits, messages
// sent to the caller's windows and their painting go on, but no input is
// taken from the queue. Nonzero when it started.
BOOL RunProcess(const char* commandLine, const char* folder, bool wait);

} // namespace dovari_common
