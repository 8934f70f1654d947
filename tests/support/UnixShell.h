#pragma once
// Runs a command of the Linux side from a test under Wine, for fixtures a
// Windows program cannot make or see: symbolic and hard links, Unix modes,
// immutable folders, a tiny tmpfs mount. Wine starts a Linux executable
// handed to CreateProcess (Z: is the Linux root), but the exit code it
// reports is always 0 and the wait may end before the program does, so the
// command writes its status to a marker file that is waited for.
#include <string>

// Runs `sh -c command`; its exit status, or -1 when it could not be started
// or did not finish within 20 seconds.
int RunUnixShell(const std::string& command);
// The Linux path of a Windows path (through Wine's own mapping).
std::string UnixPath(const std::string& windowsPath);
// Single quotes around text for the shell.
std::string ShellQuote(const std::string& text);
