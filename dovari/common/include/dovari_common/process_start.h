// Starting a program with the caller's own standard handles.
#pragma once

#include <windows.h>

namespace dovari_common {

// Starts the command line (no separate program name, handles inherited,
// normal priority) in folder, or in the caller's current folder when folder
// is null, with the caller's standard input, output and error. When wait is
// set, returns only after the process has ended. Nonzero when it started.
BOOL StartProcess(const char* commandLine, const char* folder, bool wait);

} // namespace dovari_common
