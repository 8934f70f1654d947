#pragma once
// The platform's command processor as a child process on this process's
// console. It runs in a job that ends it, and everything it started, when
// the job is closed, so no processor outlives its pane. It is given the
// console's own input and output ("CONIN$", "CONOUT$"), whatever standard
// handles this process had.
#include <windows.h>

#include <string>

#include "UniqueHandle.h"

class CCommandProcessor {
public:
    // initBatch: "initcmd.bat" in the program folder, run first with "/K"
    // when it exists; "" for none.
    explicit CCommandProcessor(std::string initBatch);
    ~CCommandProcessor();
    CCommandProcessor(const CCommandProcessor&) = delete;
    CCommandProcessor& operator=(const CCommandProcessor&) = delete;

    // Opens the console's handles and starts the processor; false when the
    // process has no console or the processor cannot be started.
    bool Start();
    bool IsRunning() const;
    // Ends the processor and what it started, and lets the console go.
    void Stop();
    // Milliseconds since the last start, whether it succeeded or not.
    DWORD Age() const { return ::GetTickCount() - m_started; }
    DWORD ProcessId() const { return m_processId; }

    HANDLE Input() const { return m_input.get(); }
    HANDLE Output() const { return m_output.get(); }
    // The command line it is started with: the processor, then "/K" and the
    // quoted batch path when that file exists.
    std::wstring CommandLine() const;

private:
    bool Launch();

    std::string m_initBatch;
    UniqueHandle m_input;
    UniqueHandle m_output;
    UniqueHandle m_job;
    UniqueHandle m_process;
    DWORD m_processId = 0;
    DWORD m_started = 0;
};
