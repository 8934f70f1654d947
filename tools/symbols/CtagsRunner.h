#pragma once
// Runs ctags over one file as a hidden child process and parses its
// standard output, read through a pipe on the calling thread, into a
// TagSink. The waits are bounded, and a stop flag ends the reading early,
// so a worker thread running it can always be joined.
#include <windows.h>

#include <atomic>
#include <string>

#include "TagRecord.h"

struct CtagsProgram {
    // Relative to the program's folder, where the process search finds it.
    std::wstring command = L"tool\\ctags";
    // How long ctags may go on once its output has ended.
    DWORD exitWaitMs = 1000;
    // The whole run, output included: a ctags that never ends its output.
    DWORD overallMs = 10000;
};

// The file name of path (after its last '\' or '/') decides: no '.' in it,
// or a last '.' that begins ".tmp" (any case), forces the lexer's ctags
// language, when it has one.
bool ShouldForceLanguage(const std::wstring& path);
// program[ --language-force=NAME] -n --fields=fkns -f - "path"
std::wstring BuildCtagsCommandLine(const std::wstring& program, const std::wstring& path, const std::string& lexer);

// False when the pipes or the process cannot be made, when ctags had to be
// stopped for its time (it is then ended with exit code 2), or when stop,
// given, was set: its output is then dropped and ctags is ended only if it
// has not ended within exitWaitMs. exitCode, when given, gets the process's
// exit code.
bool RunCtags(TagSink& sink, const std::wstring& path, TagMask mask, const std::string& lexer,
              const CtagsProgram& program = {}, DWORD* exitCode = nullptr,
              const std::atomic<bool>* stop = nullptr);
